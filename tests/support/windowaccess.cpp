#include "support/windowaccess.h"

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

std::shared_ptr<PromptLog> ScriptedPrompts::install(frmProgPannel &w)
{
    auto log = std::make_shared<PromptLog>();
    w.setUserPrompts(new ScriptedPrompts(log));
    return log;
}
