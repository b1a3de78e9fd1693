// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The look of the injection-curve plot, shared by the plot set-up, the
// language switch and the tests: titles, axes, grid, the curve and its
// samples. Plain helpers with no state of their own.

#include <QFont>
#include <QPointF>
#include <QVector>

#include "profile/curvelimits.h"

class QwtPlot;
class QwtPlotCurve;
class QwtPlotGrid;
class QwtText;

namespace plotsetup {

// The value range of the curve and the editor's key step (the defaults are
// those of the older hardware; the device record selects the others).
using CurveLimits = ::CurveLimits;

// Arial 18 pt bold, not italic: the font of both axis titles.
QFont axisTitleFont();
// Arial 8 pt: the font of the axis scale labels.
QFont axisLabelFont();
// The plot title (text-table entry 9, yellow, default font).
QwtText plotTitleText();
// An axis title in white with axisTitleFont().
QwtText axisTitleText(const QString &text);

// Sets the plot title and both axis titles from the text table. Used by the
// plot set-up and again after every language switch.
void applyPlotTitles(QwtPlot *plot);

// Axis scales (0..maxRpm step 1000, valueMin..valueMax step valueStep), axis
// label fonts and the style sheets of the plot and its canvas.
void applyPlotAxes(QwtPlot *plot, double maxRpm, const CurveLimits &limits);

// A new grid (major and minor lines on both axes), not attached.
QwtPlotGrid *makeGrid();
// A new, empty, unattached curve: white 2 px line, blue fill, red dots.
QwtPlotCurve *makeCurve();

// The value axis: the layout's limits, widened (by whole steps) to show
// values that lie beyond them.
CurveLimits valueAxis(const CurveLimits &limits, const QVector<int> &values);

// A new, unattached dashed curve for the comparison curve, to be drawn over
// the curve's fill.
QwtPlotCurve *makeGhostCurve();

// Rebuilds the whole plot: deletes every item, sets titles, axes and style
// sheets, attaches a new grid and a new curve (without data) and returns the
// curve. The caller gives the curve its data and makes the editor.
QwtPlotCurve *buildPlot(QwtPlot *plot, double maxRpm, const CurveLimits &limits);

}  // namespace plotsetup
