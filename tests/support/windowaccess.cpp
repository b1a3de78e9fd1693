#include "support/windowaccess.h"

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
    log->warningTexts << text;
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

std::shared_ptr<PromptLog> ScriptedPrompts::install(frmProgPannel &w)
{
    auto log = std::make_shared<PromptLog>();
    w.setUserPrompts(new ScriptedPrompts(log));
    return log;
}

std::unique_ptr<LinkedWindow> LinkedWindow::make(Carrier carrier, const EcuSimConfig &config,
                                                std::function<void(EcuSession::Config &)> tweak)
{
    auto r = std::make_unique<LinkedWindow>();
    r->carrier = carrier;
    r->ecu = std::make_shared<EcuSimulator>(config);
    EcuSession::Config session;
    session.lockDir = r->folder.path();
    if (carrier == Hid) {
        std::shared_ptr<EcuSimulator> engine = r->ecu;
        session.openHid = [engine] { return std::make_unique<SimulatedHidDevice>(engine); };
    } else {
        r->pty = std::make_unique<PtyEcuSimulator>(r->ecu);
        if (!r->pty->start())
            return nullptr;
    }
    if (tweak)
        tweak(session);
    r->w = std::make_unique<frmProgPannel>(session);
    r->w->setUserPrompts(new ScriptedPrompts(r->prompts));
    r->w->setProfileFolder(r->folder.path());
    TervalixTestAccess::recordOutcomes(*r->w, r->outcomes);
    return r;
}

std::unique_ptr<LinkedWindow> LinkedWindow::unlinked()
{
    auto r = std::make_unique<LinkedWindow>();
    EcuSession::Config session;
    session.lockDir = r->folder.path();
    r->w = std::make_unique<frmProgPannel>(session);
    r->w->setUserPrompts(new ScriptedPrompts(r->prompts));
    r->w->setProfileFolder(r->folder.path());
    TervalixTestAccess::recordOutcomes(*r->w, r->outcomes);
    return r;
}

bool LinkedWindow::link(int timeoutMs)
{
    frmRicercaPorta *dialog = TervalixTestAccess::search(*w);
    const int before = outcomes.size();
    w->onCercaPortaClicked();
    if (!waitFor([dialog] { return !dialog->isProbingHid(); }, timeoutMs))
        return false;
    if (pty) {
        dialog->onSelezionePortaClicked(pty->portPath());
        if (!waitFor([dialog] { return !dialog->isWaitingReply(); }, timeoutMs))
            return false;
    }
    if (dialog->foundPort().isEmpty())
        return false;
    dialog->onClose();
    return waitFor([&] { return outcomes.size() > before; }, timeoutMs) && lastOutcome() == QLatin1String("OK_RCV");
}

bool LinkedWindow::waitOutcomes(int count, int timeoutMs)
{
    return waitFor([&] { return outcomes.size() >= count; }, timeoutMs);
}

QString LinkedWindow::tag(const QString &what) const
{
    return (carrier == Hid ? QStringLiteral("HID: ") : QStringLiteral("serial: ")) + what;
}
