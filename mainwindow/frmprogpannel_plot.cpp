// The injection curve on the main window's plot and table: building the
// plot, the flat profile and the four move commands of the point editor.
// The curve model is the only store of the 41 values.

#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>
#include <QTableView>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_item.h>
#include <qwt_scale_div.h>

#include "uicommon/cmsg.h"
#include "mainwindow/frmprogpannel.h"
#include "mainwindow/ui_frmprogpannel.h"
#include "uicommon/userprompts.h"
#include "plot/canvaspicker.h"
#include "plot/curveseries.h"
#include "plot/plotsetup.h"
#include "profile/curvemodel.h"

void frmProgPannel::setupPlot()
{
    QwtPlot *plot = ui->qwtPlot;

    // The old editor goes first: it holds a pointer to the curve that the
    // rebuild below deletes.
    delete picker;
    picker = nullptr;

    curve = plotsetup::buildPlot(plot, model->maxRpm(), plotsetup::valueAxis(model->limits(), model->values()));
    curve->setData(new CurveSeries(model));
    QwtPlotCurve *ghost = plotsetup::makeGhostCurve();
    ghost->setData(new CurveSeries(model, true));
    ghost->setZ(curve->z() - 1);
    ghost->attach(plot);

    picker = new CanvasPicker(plot, curve, model, selection);
    plot->replot();

    ui->spProfiloPiatto->setRange(int(model->limits().valueMin), int(model->limits().valueMax));
}

void frmProgPannel::updateValueAxis()
{
    const CurveLimits axis = plotsetup::valueAxis(model->limits(), model->values());
    const QwtScaleDiv &now = ui->qwtPlot->axisScaleDiv(QwtPlot::yLeft);
    if (now.lowerBound() == axis.valueMin && now.upperBound() == axis.valueMax)
        return;
    ui->qwtPlot->setAxisScale(QwtPlot::yLeft, axis.valueMin, axis.valueMax, axis.valueStep);
    ui->qwtPlot->replot();
}

void frmProgPannel::setFlatCurve(double value)
{
    model->setValues(QVector<int>(Curve::Points, int(value)), tr("Profilo piatto"));
}

QwtPlotCurve *frmProgPannel::findCurve() const
{
    return curve;
}

void frmProgPannel::setCurveValues(const QVector<int> &values, const QString &what)
{
    model->setValues(values, what);
}

void frmProgPannel::onFlatProfileClicked()
{
    if (!mayReplaceCurve())
        return;
    setFlatCurve(ui->spProfiloPiatto->value());
    model->clearFile();
    showNoProfile();
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
