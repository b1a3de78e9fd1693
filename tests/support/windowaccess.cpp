// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/windowaccess.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <qwt_plot_curve.h>

#include "dialogs/frmlogin.h"
#include "dialogs/frmricercaporta.h"
#include "panels/linkpanel.h"
#include "panels/livepanel.h"
#include "support/testsupport.h"

QString ScriptedPrompts::getOpenFileName(QWidget *, const QString &caption, const QString &dir,
                                         const QString &filter)
{
    ++log->openAsked;
    log->captions << caption + '|' + dir + '|' + filter;
    return log->openAnswers.isEmpty() ? QString() : log->openAnswers.takeFirst();
}

QString ScriptedPrompts::getSaveFileName(QWidget *, const QString &caption, const QString &dir,
                                         const QString &filter)
{
    ++log->saveAsked;
    log->captions << caption + '|' + dir + '|' + filter;
    return log->saveAnswers.isEmpty() ? QString() : log->saveAnswers.takeFirst();
}

void ScriptedPrompts::warning(QWidget *, const QString &title, const QString &text)
{
    log->warnings << title + '|' + text;
}

void ScriptedPrompts::information(QWidget *, const QString &, const QString &text)
{
    log->informations << text;
}

UserPrompts::Choice ScriptedPrompts::askSaveDiscardCancel(QWidget *, const QString &, const QString &text)
{
    log->questions << text;
    return log->choices.isEmpty() ? Cancel : log->choices.takeFirst();
}

bool ScriptedPrompts::askYesNo(QWidget *, const QString &, const QString &text)
{
    log->questions << text;
    return log->yesNo.isEmpty() ? false : log->yesNo.takeFirst();
}

bool ScriptedPrompts::getNumber(QWidget *, const QString &, const QString &label, double, double, double, int,
                                double *result)
{
    log->questions << label;
    if (log->numbers.isEmpty())
        return false;
    *result = log->numbers.takeFirst();
    return true;
}

QStringList ScriptedPrompts::getOpenFileNames(QWidget *, const QString &caption, const QString &dir,
                                              const QString &filter)
{
    ++log->openAsked;
    log->captions << caption + '|' + dir + '|' + filter;
    return log->openManyAnswers.isEmpty() ? QStringList() : log->openManyAnswers.takeFirst();
}

QString ScriptedPrompts::getItem(QWidget *, const QString &, const QString &label, const QStringList &, bool)
{
    log->questions << label;
    return log->items.isEmpty() ? QString() : log->items.takeFirst();
}

std::shared_ptr<PromptLog> ScriptedPrompts::install(frmProgPannel &w)
{
    auto log = std::make_shared<PromptLog>();
    w.setUserPrompts(new ScriptedPrompts(log));
    return log;
}

void click(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

void pasteCurve(frmProgPannel &w, const QVector<int> &values)
{
    QStringList column;
    for (int v : values)
        column << QString::number(v);
    QApplication::clipboard()->setText(column.join(QLatin1Char('\n')));
    // With nothing selected the paste starts at the first point.
    w.curveSelection()->clear();
    w.form()->actionIncolla->trigger();
}

QVector<int> plotted(frmProgPannel &w)
{
    QVector<int> v;
    for (size_t i = 0; i < w.curve()->dataSize(); ++i)
        v << int(w.curve()->sample(i).y());
    return v;
}

void openEveryDialog(frmProgPannel &w)
{
    w.linkPanel()->searchDialog();
    w.livePanel()->loginDialog();
    w.form()->actionInformazioni->trigger();
    if (auto *about = w.findChild<QDialog *>(QStringLiteral("frmAbout")))
        about->close();
}

std::unique_ptr<LinkedWindow> LinkedWindow::make(SimUnit::Carrier carrier, const EcuSimConfig &sim,
                                                std::function<void(EcuSession::Config &)> tweak)
{
    auto r = std::make_unique<LinkedWindow>();
    r->unit = SimUnit::make(carrier, sim);
    if (!r->unit)
        return nullptr;
    EcuSession::Config config = r->unit->config;
    if (tweak)
        tweak(config);
    r->w = std::make_unique<frmProgPannel>(config);
    r->w->setUserPrompts(new ScriptedPrompts(r->prompts));
    r->w->setProfileFolder(r->folder.path());
    r->w->setLogFolder(r->folder.filePath(QStringLiteral("logs")));
    LinkedWindow *rig = r.get();
    QObject::connect(r->session(), &EcuSession::sgnEsito, r->w.get(), [rig](const QString &o) { rig->outcomes << o; });
    QObject::connect(r->session(), &EcuSession::finished, r->w.get(), [rig](const EcuResult &e) { rig->results << e; });
    return r;
}

std::unique_ptr<LinkedWindow> LinkedWindow::unlinked()
{
    auto r = std::make_unique<LinkedWindow>();
    EcuSession::Config config;
    config.lockDir = r->folder.path();
    r->w = std::make_unique<frmProgPannel>(config);
    r->w->setUserPrompts(new ScriptedPrompts(r->prompts));
    r->w->setProfileFolder(r->folder.path());
    return r;
}

bool LinkedWindow::search(int timeoutMs)
{
    frmRicercaPorta *dialog = w->linkPanel()->searchDialog();
    click(ui()->btRicercaPorta);
    if (!waitFor([dialog] { return !dialog->isProbingHid(); }, timeoutMs))
        return false;
    if (unit && unit->carrier == SimUnit::Serial) {
        auto *typed = dialog->findChild<QLineEdit *>(QStringLiteral("lePorta"));
        typed->setText(unit->port());
        QTest::keyClick(typed, Qt::Key_Return);
        if (!waitFor([dialog] { return !dialog->isWaitingReply(); }, timeoutMs))
            return false;
    }
    if (dialog->foundPort().isEmpty())
        return false;
    click(dialog->findChild<QPushButton *>(QStringLiteral("btClose")));
    return session()->isLinked();
}

bool LinkedWindow::link(int timeoutMs)
{
    const int before = outcomes.size();
    return search(timeoutMs) && waitOutcomes(before + 1, timeoutMs) && lastOutcome() == QLatin1String("OK_RCV");
}

bool LinkedWindow::waitOutcomes(int count, int timeoutMs)
{
    return waitFor([&] { return outcomes.size() >= count; }, timeoutMs);
}

void WindowSuite::init()
{
    settings = std::make_unique<ScopedTestSettings>();
    r = LinkedWindow::unlinked();
    if (show) {
        r->w->show();
        QApplication::setActiveWindow(r->w.get());
        QVERIFY(QTest::qWaitForWindowActive(r->w.get()));
    }
    prepare();
}

void WindowSuite::cleanup()
{
    r.reset();
    settings.reset();
}
