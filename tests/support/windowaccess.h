#pragma once
// The tests' way into the main window (its friend TervalixTestAccess) and the
// scripted stand-in for the questions and warnings it puts to the user.

#include <QLabel>
#include <QString>
#include <QStringList>
#include <QVector>
#include <memory>
#include <qwt_plot_curve.h>

#include "link/cdevinfo.h"
#include "link/cgestreceive.h"
#include "link/cgestsend.h"
#include "mainwindow/frmprogpannel.h"
#include "mainwindow/ui_frmprogpannel.h"
#include "mainwindow/userprompts.h"
#include "sim/simulatedhiddevice.h"

class CGestRT;
class CanvasPicker;
class CRpmGauge;
class QSerialPort;
class frmRicercaPorta;

class TervalixTestAccess {
public:
    static Ui::frmProgPannel *ui(frmProgPannel &w) { return w.ui; }

    // Worker threads and the port search dialog.
    static CGestSend *sender(frmProgPannel &w) { return w.sendThread; }
    static CGestReceive *receiver(frmProgPannel &w) { return w.receiveThread; }
    static CGestRT *rt(frmProgPannel &w) { return w.rtThread; }
    static frmRicercaPorta *search(frmProgPannel &w) { return w.dlgRicercaPorta; }

    // The window's state flags, to read or to set.
    static bool &connected(frmProgPannel &w) { return w.connectedFlag; }
    static bool &link(frmProgPannel &w) { return w.linkFlag; }
    static bool &bench(frmProgPannel &w) { return w.bancoFlag; }
    static bool &pathFlag(frmProgPannel &w) { return w.profilePathFlag; }
    static bool &transferFailed(frmProgPannel &w) { return w.transferFailedDisconnect; }
    static QString &portName(frmProgPannel &w) { return w.portName; }
    // Bench mode with its look, as the bench button sets it.
    static void setBench(frmProgPannel &w, bool on)
    {
        w.bancoFlag = on;
        w.setBancoLook(on);
    }

    // The device on the other end.
    static QSerialPort *serial(frmProgPannel &w) { return w.serialPort; }
    static SimulatedHidDevice *hid(frmProgPannel &w) { return dynamic_cast<SimulatedHidDevice *>(w.hidDevice.get()); }
    static std::shared_ptr<EcuSimulator> hidEcu(frmProgPannel &w)
    {
        SimulatedHidDevice *sim = hid(w);
        return sim ? sim->ecu() : nullptr;
    }
    static CDevInfo devInfo(frmProgPannel &w) { return w.devInfo; }
    static QLabel *deviceLabel(frmProgPannel &w) { return w.deviceLabel; }
    static QLabel *profileLabel(frmProgPannel &w) { return w.profileLabel; }
    static int pending(frmProgPannel &w) { return w.rxAssembler.pending(); }

    // The engine type.
    static CRpmGauge *gauge(frmProgPannel &w) { return w.gauge; }
    static double maxRpm(frmProgPannel &w) { return w.maxRpm; }

    // The plot and its curve.
    static QwtPlotCurve *curve(frmProgPannel &w) { return w.curve; }
    static QwtPlotCurve *findCurve(frmProgPannel &w) { return w.findCurve(); }
    static CanvasPicker *picker(frmProgPannel &w) { return w.picker; }
    static void setupPlot(frmProgPannel &w) { w.setupPlot(); }
    static void setFlat(frmProgPannel &w, double v) { w.setFlatCurve(v); }
    static void setCurveValues(frmProgPannel &w, const QVector<double> &v) { w.setCurveValues(v); }
    // The y values of the curve's points, empty without a curve.
    static QVector<double> curveValues(frmProgPannel &w)
    {
        QVector<double> v;
        QwtPlotCurve *c = w.findCurve();
        for (size_t i = 0; c && i < c->dataSize(); ++i)
            v.append(c->sample(int(i)).y());
        return v;
    }
    static CurveLimits limits(frmProgPannel &w) { return CurveLimits{w.valueMin, w.valueMax, w.valueStep, w.keyStep}; }
    static void setLimits(frmProgPannel &w, float lo, float hi, int step, int key)
    {
        w.valueMin = lo;
        w.valueMax = hi;
        w.valueStep = step;
        w.keyStep = key;
    }

    // Appends every transfer outcome ("OK_SND", "KO_RCV", ...) to `outcomes`,
    // after the window itself has acted on it.
    static void recordOutcomes(frmProgPannel &w, QStringList &outcomes)
    {
        QObject::connect(sender(w), &CGestSend::sgnEsito, &w, [&outcomes](const QString &o) { outcomes << o; });
        QObject::connect(receiver(w), &CGestReceive::sgnEsito, &w, [&outcomes](const QString &o) { outcomes << o; });
    }
};

// What the user was asked and told, and the answers scripted for the file
// dialogs. Shared between a test and the prompts the window owns.
struct PromptLog {
    QStringList openAnswers;   // taken in order; none left answers "cancelled"
    QStringList saveAnswers;
    int openAsked = 0;
    int saveAsked = 0;
    QStringList captions;      // "caption|dir|filter" of every file dialog
    QStringList warnings;      // "title|text"
    QStringList warningTexts;  // the text alone
};

// Answers the window's file dialogs from the log's queues and records every
// question and warning in it, without a person.
class ScriptedPrompts : public UserPrompts {
public:
    explicit ScriptedPrompts(std::shared_ptr<PromptLog> log) : log(std::move(log)) {}
    QString getOpenFileName(QWidget *parent, const QString &caption, const QString &dir,
                            const QString &filter) override;
    QString getSaveFileName(QWidget *parent, const QString &caption, const QString &dir,
                            const QString &filter) override;
    void warning(QWidget *parent, const QString &title, const QString &text) override;

    // Gives `w` a fresh set of scripted prompts; returns their log.
    static std::shared_ptr<PromptLog> install(frmProgPannel &w);

private:
    std::shared_ptr<PromptLog> log;
};
