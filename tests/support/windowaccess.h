// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the window suites share: a scripted stand-in for the questions the
// window puts to the user, the user's own ways of acting on the window
// (buttons, the clipboard, the search dialog), and a window linked to a
// simulated unit (SimUnit) on one carrier.

// The whole of QtWidgets: the form names its widgets' classes only.
#include <QtWidgets>
#include <QTest>
#include <functional>
#include <memory>

#include "mainwindow/frmprogpannel.h"
#include "mainwindow/ui_frmprogpannel.h"
#include "profile/curvemodel.h"
#include "session/ecusession.h"
#include "support/simrig.h"
#include "support/testsupport.h"
#include "uicommon/userprompts.h"

// What the user was asked and told, and the answers scripted for the
// dialogs. Shared between a test and the prompts the window owns.
struct PromptLog {
    QStringList openAnswers;  // taken in order; none left answers "cancelled"
    QStringList saveAnswers;
    QList<UserPrompts::Choice> choices;  // Save/Discard/Cancel; none left: Cancel
    QList<bool> yesNo;                   // none left: No
    QList<double> numbers;               // none left: cancelled
    QList<QStringList> openManyAnswers;  // several files at once; none left: cancelled
    QStringList items;                   // a choice from a list; none left: cancelled
    int openAsked = 0;
    int saveAsked = 0;
    QStringList captions;   // "caption|dir|filter" of every file dialog
    QStringList warnings;   // "title|text"
    QStringList questions;  // the text of every question
    QStringList informations;
};

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
    QStringList getOpenFileNames(QWidget *parent, const QString &caption, const QString &dir,
                                 const QString &filter) override;
    QString getItem(QWidget *parent, const QString &title, const QString &label, const QStringList &items,
                    bool editable) override;

    // Gives `w` a fresh set of scripted prompts; returns their log.
    static std::shared_ptr<PromptLog> install(frmProgPannel &w);

private:
    std::shared_ptr<PromptLog> log;
};

// A mouse click: a disabled button ignores it, as it ignores the user.
void click(QAbstractButton *button);
// The curve replaced from point 0 on, as a spreadsheet column pasted in
// (one undo step, clamped to the limits).
void pasteCurve(frmProgPannel &w, const QVector<int> &values);
// The values the plot shows.
QVector<int> plotted(frmProgPannel &w);
// Builds the search and login dialogs and opens and closes the about box, as
// a user who had opened each once.
void openEveryDialog(frmProgPannel &w);

// A window with a simulated unit on one carrier (or none), its questions
// scripted, its profiles and backups in a folder of its own.
struct LinkedWindow {
    std::unique_ptr<SimUnit> unit;  // null: no unit at all
    std::shared_ptr<PromptLog> prompts = std::make_shared<PromptLog>();
    QTemporaryDir folder;
    std::unique_ptr<frmProgPannel> w;
    QStringList outcomes;     // the session's outcome words, in order
    QList<EcuResult> results; // and every verb's result

    // Null when the carrier cannot be made here (no pseudo-terminals).
    static std::unique_ptr<LinkedWindow> make(SimUnit::Carrier carrier, const EcuSimConfig &sim = EcuSimConfig(),
                                              std::function<void(EcuSession::Config &)> tweak = nullptr);
    static std::unique_ptr<LinkedWindow> unlinked();

    // Presses the search button and drives the dialog (the HID device is
    // tried first; a serial unit's path is typed in) until it closes on a
    // found unit. Connecting then reads the unit.
    bool search(int timeoutMs = 15000);
    // search(), then waits for that read to succeed.
    bool link(int timeoutMs = 15000);
    bool waitOutcomes(int count, int timeoutMs = 15000);
    QString lastOutcome() const { return outcomes.value(outcomes.size() - 1); }

    EcuSimulator &ecu() { return *unit->ecu; }
    Ui::frmProgPannel *ui() { return w->form(); }
    CurveModel *model() { return w->curveModel(); }
    EcuSession *session() { return w->ecuSession(); }
    QString tag(const QString &what) const { return unit ? unit->tag(what) : what; }
};

// The cases of a window with no unit: fresh settings and a fresh window
// (shown and active, when asked) for each.
class WindowSuite : public QObject {
    Q_OBJECT
public:
    explicit WindowSuite(bool show = false) : show(show) {}
    // What each case starts from, after the window is made.
    virtual void prepare() {}

protected:
    Ui::frmProgPannel *ui() { return r->ui(); }
    std::unique_ptr<ScopedTestSettings> settings;
    std::unique_ptr<LinkedWindow> r;

private slots:
    void init();
    void cleanup();

private:
    bool show;
};
