#include "cli/clioutput.h"

#include <QJsonDocument>

#include <cstdio>

#ifdef Q_OS_UNIX
#include <unistd.h>
#elif defined(Q_OS_WIN)
#include <io.h>
#endif

namespace Cli {

namespace {

bool isTerminal(FILE *stream)
{
#ifdef Q_OS_UNIX
    return ::isatty(::fileno(stream)) == 1;
#elif defined(Q_OS_WIN)
    return ::_isatty(::_fileno(stream)) != 0;
#else
    (void)stream;
    return false;
#endif
}

void put(FILE *stream, const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

bool Output::stdoutIsTerminal() { return isTerminal(stdout); }
bool Output::stderrIsTerminal() { return isTerminal(stderr); }

void Output::line(const QString &text)
{
    endRefresh();
    put(stdout, text.toUtf8() + '\n');
}

void Output::raw(const QByteArray &bytes)
{
    put(stdout, bytes);
}

void Output::document(const QJsonObject &object)
{
    put(stdout, QJsonDocument(object).toJson(QJsonDocument::Indented));
}

void Output::jsonLine(const QJsonObject &object)
{
    put(stdout, QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n');
}

void Output::refresh(const QString &text)
{
    // Padded so that a shorter line covers a longer one; no escape codes,
    // which not every console understands.
    put(stdout, '\r' + text.leftJustified(72).toUtf8());
    refreshShown = true;
}

void Output::endRefresh()
{
    if (refreshShown)
        put(stdout, "\n");
    refreshShown = false;
}

void Output::error(const QString &text)
{
    endProgress();
    put(stderr, text.toUtf8() + '\n');
}

void Output::note(const QString &text)
{
    if (stderrIsTerminal())
        error(text);
}

void Output::progress(const QString &what, int percent)
{
    if (percent == lastPercent || !stderrIsTerminal())
        return;
    lastPercent = percent;
    put(stderr, QStringLiteral("\r%1 %2%").arg(what).arg(percent, 3).leftJustified(40).toUtf8());
    progressShown = true;
}

void Output::endProgress()
{
    if (progressShown)
        put(stderr, "\n");
    progressShown = false;
    lastPercent = -1;
}

int Output::fail(int code, const QString &text)
{
    error(text);
    if (jsonMode)
        document(QJsonObject{{QStringLiteral("error"), text}, {QStringLiteral("exit_code"), code}});
    return code;
}

} // namespace Cli
