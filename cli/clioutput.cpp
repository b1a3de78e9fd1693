// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/clioutput.h"

#include "util/safefile.h"

#include <QJsonDocument>

#include <cerrno>
#include <cstdio>
#include <cstring>

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

// 0, or the errno value of a write that did not get through.
int put(FILE *stream, const QByteArray &bytes)
{
    errno = 0;
    const size_t n = std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    if (n != size_t(bytes.size()) || std::fflush(stream) != 0 || std::ferror(stream)) {
        const int e = errno ? errno : EIO;
        std::clearerr(stream);
        return e;
    }
    return 0;
}

} // namespace

// A standard output that the caller closed (see SafeFile::guardStandardStreams)
// counts as one that cannot be written.
Output::Output(bool json)
    : jsonMode(json), stdoutError((SafeFile::guardStandardStreams() & 2) ? EBADF : 0)
{
}

void Output::putOut(const QByteArray &bytes)
{
    if (stdoutError != 0)
        return;  // a result cut short is not continued further on
    stdoutError = put(stdout, bytes);
}

int Output::finish(int code)
{
    if (stdoutError == 0 && std::fflush(stdout) != 0)
        stdoutError = errno ? errno : EIO;
    if (stdoutError == 0)
        return code;
    put(stderr, TervalixCli::tr("Impossibile scrivere sullo standard output: %1")
                    .arg(QString::fromLocal8Bit(std::strerror(stdoutError)))
                    .toUtf8()
                + '\n');
    return code == ExitOk ? int(ExitTransfer) : code;
}

bool Output::stdoutIsTerminal() { return isTerminal(stdout); }
bool Output::stderrIsTerminal() { return isTerminal(stderr); }

void Output::line(const QString &text)
{
    endRefresh();
    putOut(text.toUtf8() + '\n');
}

void Output::raw(const QByteArray &bytes)
{
    putOut(bytes);
}

void Output::document(const QJsonObject &object)
{
    putOut(QJsonDocument(object).toJson(QJsonDocument::Indented));
}

void Output::jsonLine(const QJsonObject &object)
{
    putOut(QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n');
}

void Output::refresh(const QString &text)
{
    // Padded so that a shorter line covers a longer one; no escape codes,
    // which not every console understands.
    putOut('\r' + text.leftJustified(72).toUtf8());
    refreshShown = true;
}

void Output::endRefresh()
{
    if (refreshShown)
        putOut("\n");
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
