// The injection curve on the main window's plot: building the plot, filling
// the curve, the flat profile and the four move commands of the point editor.
// The curve's samples are the only store of the 41 values.

#include <QLabel>
#include <QSpinBox>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_item.h>

#include "mainwindow/cmsg.h"
#include "mainwindow/frmprogpannel.h"
#include "mainwindow/ui_frmprogpannel.h"
#include "profile/canvaspicker.h"
#include "profile/plotsetup.h"

void frmProgPannel::setupPlot()
{
    QwtPlot *plot = ui->qwtPlot;

    // The old editor goes first: it holds a pointer to the curve that the
    // rebuild below deletes.
    delete picker;
    picker = nullptr;

    plotsetup::CurveLimits limits;
    limits.valueMin = valueMin;
    limits.valueMax = valueMax;
    limits.valueStep = valueStep;
    limits.keyStep = keyStep;
    curve = plotsetup::buildPlot(plot, maxRpm, limits);

    setFlatCurve(0.0);

    picker = new CanvasPicker(plot);
    picker->setLimits(valueMin, valueMax, keyStep);

    ui->spProfiloPiatto->setRange(static_cast<int>(valueMin), static_cast<int>(valueMax));
}

void frmProgPannel::setFlatCurve(double value)
{
    if (!curve)
        return;
    curve->setSamples(plotsetup::flatSamples(maxRpm, value));
    ui->qwtPlot->replot();
}

QwtPlotCurve *frmProgPannel::findCurve() const
{
    QwtPlotCurve *found = nullptr;
    for (QwtPlotItem *item : ui->qwtPlot->itemList()) {
        if (item->rtti() == QwtPlotItem::Rtti_PlotCurve)
            found = static_cast<QwtPlotCurve *>(item);
    }
    return found;
}

void frmProgPannel::setCurveValues(const QVector<double> &values)
{
    QwtPlotCurve *c = findCurve();
    if (!c)
        return;
    c->setSamples(plotsetup::curveSamples(maxRpm, values));
    ui->qwtPlot->replot();
}

void frmProgPannel::onFlatProfileClicked()
{
    setFlatCurve(ui->spProfiloPiatto->value());
    ui->lblPathProfilo->setText(CMsg::text(CMsg::NoProfile));
    ui->qwtPlot->setFocus(Qt::OtherFocusReason);
}

void frmProgPannel::onMuoviDestra()
{
    if (picker)
        picker->handleKey(Qt::Key_Right);
}

void frmProgPannel::onMuoviSinistra()
{
    if (picker)
        picker->handleKey(Qt::Key_Left);
}

void frmProgPannel::onMuoviSu()
{
    if (picker)
        picker->handleKey(Qt::Key_Up);
}

void frmProgPannel::onMuoviGiu()
{
    if (picker)
        picker->handleKey(Qt::Key_Down);
}
