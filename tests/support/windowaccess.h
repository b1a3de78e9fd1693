#pragma once
// The tests' way into the main window (its friend TervalixTestAccess), the
// scripted stand-in for the questions it puts to the user, and the shared
// fixture of a window linked to a simulated unit.

#include <QLabel>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVector>
#include <functional>
#include <memory>

#include "dialogs/frmricercaporta.h"
#include "link/cdevinfo.h"
#include "link/cgestreceive.h"
#include "link/cgestrt.h"
#include "link/cgestsend.h"
#include "mainwindow/frmprogpannel.h"
#include "mainwindow/ui_frmprogpannel.h"
#include "uicommon/userprompts.h"
#include "profile/curvemodel.h"
#include "session/ecusession.h"
#include "sim/ptyecusimulator.h"
#include "sim/simulatedhiddevice.h"

class CanvasPicker;
class CRpmGauge;
class QwtPlotCurve;

class TervalixTestAccess {
public:
    static Ui::frmProgPannel *ui(frmProgPannel &w) { return w.ui; }
    static EcuSession *session(frmProgPannel &w) { return w.session; }
    static CurveModel *model(frmProgPannel &w) { return w.model; }

    static CGestSend *sender(frmProgPannel &w) { return w.session->sender(); }
    static CGestReceive *receiver(frmProgPannel &w) { return w.session->receiver(); }
    static CGestRT *rt(frmProgPannel &w) { return w.session->rt(); }
    static frmRicercaPorta *search(frmProgPannel &w) { return w.searchDialog(); }
    // Builds every dialog, as the user opening each once would.
    static void makeDialogs(frmProgPannel &w)
    {
        w.searchDialog();
        w.aboutDialog();
        w.loginDialog();
    }

    // The window's state flags, to read or to set.
    static bool &connected(frmProgPannel &w) { return w.connectedFlag; }
    static bool &link(frmProgPannel &w) { return w.linkFlag; }
    static bool &bench(frmProgPannel &w) { return w.bancoFlag; }
    static bool &pathFlag(frmProgPannel &w) { return w.profilePathFlag; }
    static bool &transferFailed(frmProgPannel &w) { return w.transferFailedDisconnect; }
    static void setBench(frmProgPannel &w, bool on)
    {
        w.bancoFlag = on;
        w.setBancoLook(on);
    }

    static CDevInfo devInfo(frmProgPannel &w) { return w.session->deviceInfo(); }
    static QLabel *deviceLabel(frmProgPannel &w) { return w.deviceLabel; }
    static QLabel *profileLabel(frmProgPannel &w) { return w.profileLabel; }
    static CRpmGauge *gauge(frmProgPannel &w) { return w.gauge; }
    static double maxRpm(frmProgPannel &w) { return w.model->maxRpm(); }

    static QwtPlotCurve *curve(frmProgPannel &w) { return w.curve; }
    static CanvasPicker *picker(frmProgPannel &w) { return w.picker; }
    static void setupPlot(frmProgPannel &w) { w.setupPlot(); }
    static void setFlat(frmProgPannel &w, double v) { w.setFlatCurve(v); }
    static void setCurveValues(frmProgPannel &w, const QVector<int> &v) { w.model->setValues(v, QStringLiteral("test")); }
    static QVector<int> curveValues(frmProgPannel &w) { return w.model->values(); }
    static CurveLimits limits(frmProgPannel &w) { return w.model->limits(); }

    // Appends every transfer outcome ("OK_SND", "KO_RCV", ...) to `outcomes`,
    // after the window itself has acted on it.
    static void recordOutcomes(frmProgPannel &w, QStringList &outcomes)
    {
        QObject::connect(w.session, &EcuSession::sgnEsito, &w, [&outcomes](const QString &o) { outcomes << o; });
    }
};

// What the user was asked and told, and the answers scripted for the
// dialogs. Shared between a test and the prompts the window owns.
struct PromptLog {
    QStringList openAnswers;   // taken in order; none left answers "cancelled"
    QStringList saveAnswers;
    QList<UserPrompts::Choice> choices;  // Save/Discard/Cancel; none left: Cancel
    QList<bool> yesNo;                   // none left: No
    QList<double> numbers;               // none left: cancelled
    int openAsked = 0;
    int saveAsked = 0;
    QStringList captions;      // "caption|dir|filter" of every file dialog
    QStringList warnings;      // "title|text"
    QStringList warningTexts;  // the text alone
    QStringList questions;     // the text of every question
    QStringList informations;
};

// Answers the window's dialogs from the log's queues and records every
// question and warning in it, without a person.
class ScriptedPrompts : public UserPrompts {
public:
    explicit ScriptedPrompts(std::shared_ptr<PromptLog> log) : log(std::move(log)) {}
    QString getOpenFileName(QWidget *parent, const QString &caption, const QString &dir,
                            const QString &filter) override;
    QString getSaveFileName(QWidget *parent, const QString &caption, const QString &dir,
                            const QString &filter) override;
    void warning(QWidget *parent, const QString &title, const QString &text) override;
    void information(QWidget *parent, const QString &title, const QString &text) override;
    Choice askSaveDiscardCancel(QWidget *parent, const QString &title, const QString &text) override;
    bool askYesNo(QWidget *parent, const QString &title, const QString &text) override;
    bool getNumber(QWidget *parent, const QString &title, const QString &label, double value, double min,
                   double max, int decimals, double *result) override;

    // Gives `w` a fresh set of scripted prompts; returns their log.
    static std::shared_ptr<PromptLog> install(frmProgPannel &w);

private:
    std::shared_ptr<PromptLog> log;
};

// A window with a simulated unit on one carrier: the in-process HID device
// or a pseudo-terminal serial line. link() searches, closes the search and
// waits for the read that connecting starts.
struct LinkedWindow {
    enum Carrier { Hid, Serial };
    Carrier carrier = Hid;
    std::shared_ptr<EcuSimulator> ecu;
    std::unique_ptr<PtyEcuSimulator> pty;
    std::shared_ptr<PromptLog> prompts = std::make_shared<PromptLog>();
    QTemporaryDir folder;  // profiles and backups
    std::unique_ptr<frmProgPannel> w;
    QStringList outcomes;

    // Null when the carrier cannot be made here (no pseudo-terminals).
    static std::unique_ptr<LinkedWindow> make(Carrier carrier, const EcuSimConfig &config = EcuSimConfig(),
                                              std::function<void(EcuSession::Config &)> tweak = nullptr);
    // The window with no unit at all.
    static std::unique_ptr<LinkedWindow> unlinked();
    bool link(int timeoutMs = 15000);
    bool waitOutcomes(int count, int timeoutMs = 15000);
    QString lastOutcome() const { return outcomes.value(outcomes.size() - 1); }
    Ui::frmProgPannel *ui() { return TervalixTestAccess::ui(*w); }
    CurveModel *model() { return TervalixTestAccess::model(*w); }
    EcuSession *session() { return TervalixTestAccess::session(*w); }
    QString tag(const QString &what) const;
};
