// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/plotsetup.h"

#include <QBrush>
#include <QPen>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_grid.h>
#include <qwt_plot_item.h>
#include <qwt_symbol.h>
#include <qwt_text.h>

#include "uicommon/cmsg.h"

namespace plotsetup {

QFont axisTitleFont()
{
    return QFont(QStringLiteral("Arial"), 18, QFont::Bold, false);
}

QFont axisLabelFont()
{
    return QFont(QStringLiteral("Arial"), 8);
}

QwtText plotTitleText()
{
    QwtText title(CMsg::text(CMsg::PlotTitle));
    title.setColor(Qt::yellow);
    return title;
}

QwtText axisTitleText(const QString &text)
{
    QwtText title(text);
    title.setColor(Qt::white);
    title.setFont(axisTitleFont());
    return title;
}

void applyPlotTitles(QwtPlot *plot)
{
    if (!plot)
        return;
    plot->setTitle(plotTitleText());
    plot->setAxisTitle(QwtPlot::xBottom, axisTitleText(CMsg::text(CMsg::RpmAxisTitle)));
    plot->setAxisTitle(QwtPlot::yLeft, axisTitleText(CMsg::text(CMsg::PointsAxisTitle)));
}

void applyPlotAxes(QwtPlot *plot, double maxRpm, const CurveLimits &limits)
{
    plot->setAxisScale(QwtPlot::xBottom, 0.0, maxRpm, 1000.0);
    plot->setAxisFont(QwtPlot::xBottom, axisLabelFont());
    plot->setAxisScale(QwtPlot::yLeft, limits.valueMin, limits.valueMax, limits.valueStep);
    plot->setAxisFont(QwtPlot::yLeft, axisLabelFont());
    plot->setStyleSheet(QStringLiteral("background-color: rgb(60, 60, 60);"));
    plot->canvas()->setStyleSheet(QStringLiteral("background-color: rgb(0, 0, 0);"));
}

QwtPlotGrid *makeGrid()
{
    auto *grid = new QwtPlotGrid;
    grid->setMajorPen(QPen(QBrush(QColor(137, 82, 0)), 0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    grid->setMinorPen(QPen(QBrush(QColor(0, 50, 255)), 0, Qt::DotLine, Qt::SquareCap, Qt::BevelJoin));
    grid->enableX(true);
    grid->enableXMin(true);
    grid->enableY(true);
    grid->enableYMin(true);
    return grid;
}

QwtPlotCurve *makeCurve()
{
    auto *curve = new QwtPlotCurve(QString());
    curve->setStyle(QwtPlotCurve::Lines);
    curve->setPen(QPen(QBrush(Qt::white), 2.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    curve->setBrush(QBrush(Qt::blue, Qt::SolidPattern));
    curve->setSymbol(new QwtSymbol(QwtSymbol::Ellipse, QBrush(Qt::red, Qt::SolidPattern),
                                   QPen(Qt::black, 0), QSize(8, 8)));
    return curve;
}

CurveLimits valueAxis(const CurveLimits &limits, const QVector<int> &values)
{
    CurveLimits axis = limits;
    const int step = qMax(1, limits.valueStep);
    for (int v : values) {
        while (v < axis.valueMin)
            axis.valueMin -= step;
        while (v > axis.valueMax)
            axis.valueMax += step;
    }
    return axis;
}

QwtPlotCurve *makeGhostCurve()
{
    auto *curve = new QwtPlotCurve(QString());
    curve->setStyle(QwtPlotCurve::Lines);
    // Bright and dashed, drawn over the blue fill, so that it shows where it
    // runs inside the curve's area too.
    curve->setPen(QPen(QBrush(QColor(255, 200, 0)), 3.0, Qt::DashLine));
    curve->setRenderHint(QwtPlotItem::RenderAntialiased, true);
    return curve;
}

QwtPlotCurve *buildPlot(QwtPlot *plot, double maxRpm, const CurveLimits &limits)
{
    plot->detachItems(QwtPlotItem::Rtti_PlotItem, true);
    applyPlotTitles(plot);
    applyPlotAxes(plot, maxRpm, limits);
    makeGrid()->attach(plot);
    QwtPlotCurve *curve = makeCurve();
    curve->attach(plot);
    return curve;
}

}  // namespace plotsetup
