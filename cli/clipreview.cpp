// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/clipreview.h"

#include "cli/clicommands.h"
#include "cli/cliinterrupt.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QJsonArray>

#include <cstdio>
#include <string>

#ifdef Q_OS_UNIX
#include <poll.h>
#include <unistd.h>
#elif defined(Q_OS_WIN)
#include <io.h>
#endif

namespace Cli {

namespace {

bool stdinIsTerminal()
{
#ifdef Q_OS_UNIX
    return ::isatty(0) == 1;
#elif defined(Q_OS_WIN)
    return ::_isatty(0) != 0;
#else
    return false;
#endif
}

// A line from standard input, read while the event loop keeps running, so
// that Ctrl+C, a termination request or a hang-up during the question ends
// it (`signalStatus` the shell's status for it) instead of waiting on.
QString readAnswer(Context &ctx, int *signalStatus)
{
    *signalStatus = 0;
    QObject scope;
    QObject::connect(&ctx.interrupts, &InterruptWatch::interrupted, &scope,
                     [signalStatus](int) { *signalStatus = SignalWatch::exitStatus(SignalWatch::Interrupt); });
    QObject::connect(&ctx.interrupts, &InterruptWatch::stopRequested, &scope,
                     [signalStatus](SignalWatch::Kind, int status) { *signalStatus = status; });
    std::string line;
#ifdef Q_OS_UNIX
    for (;;) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, SignalWatch::PollMs);
        if (*signalStatus)
            return QString();
        pollfd in{0, POLLIN, 0};
        if (::poll(&in, 1, SignalWatch::PollMs) <= 0)
            continue;
        char c = 0;
        const ssize_t got = ::read(0, &c, 1);
        if (got <= 0 || c == '\n' || line.size() > 64)
            break;
        line += c;
    }
#else
    char buffer[64] = {};
    if (std::fgets(buffer, sizeof buffer, stdin))
        line = buffer;
#endif
    return QString::fromStdString(line).trimmed().toLower();
}

QString unitWord(UnitCheck check)
{
    switch (check) {
    case UnitCheck::NoUnitYet:
        return QStringLiteral("no_unit_yet");
    case UnitCheck::Same:
        return QStringLiteral("same");
    case UnitCheck::SameRecord:
        return QStringLiteral("same_record");
    case UnitCheck::Different:
        return QStringLiteral("different");
    }
    return QString();
}

} // namespace

QJsonObject diffJson(const CurveDiff &diff)
{
    QJsonArray points;
    for (const PointDelta &p : diff.changed())
        points.append(QJsonObject{{QStringLiteral("point"), p.point},
                                  {QStringLiteral("rpm"), p.rpm},
                                  {QStringLiteral("old"), p.before},
                                  {QStringLiteral("new"), p.after},
                                  {QStringLiteral("delta"), p.delta()}});
    return QJsonObject{{QStringLiteral("summary"), diff.summary()},
                       {QStringLiteral("changed"), diff.changedCount()},
                       {QStringLiteral("points"), points},
                       {QStringLiteral("k_old"), diff.kBefore},
                       {QStringLiteral("k_new"), diff.kAfter}};
}

QStringList diffLines(const CurveDiff &diff)
{
    QStringList out;
    for (const PointDelta &p : diff.changed())
        out << QStringLiteral("%1: %2 -> %3 (%4)")
                   .arg(HistoryDiff::pointText(p))
                   .arg(p.before)
                   .arg(p.after)
                   .arg(HistoryDiff::signedText(p.delta()));
    if (diff.kChanged())
        out << QStringLiteral("K: %1 -> %2").arg(diff.kBefore).arg(diff.kAfter);
    return out;
}

QJsonObject previewJson(const WritePreview &preview)
{
    QJsonObject o = diffJson(preview.diff);
    QJsonArray leaner;
    for (const PointDelta &p : preview.leaner)
        leaner.append(p.point);
    o.insert(QStringLiteral("leaner"), leaner);
    o.insert(QStringLiteral("lean_threshold"), preview.threshold);
    o.insert(QStringLiteral("unit"), unitWord(preview.unit));
    o.insert(QStringLiteral("firm"), preview.firm());
    o.insert(QStringLiteral("warnings"), QJsonArray::fromStringList(preview.warnings()));
    return o;
}

int confirmWrite(Context &ctx, const WritePreview &preview)
{
    ctx.out.error(TervalixCli::tr("Rispetto alla centralina: %1").arg(preview.diff.summary()));
    const QStringList warnings = preview.warnings();
    for (const QString &w : warnings)
        ctx.out.error(QStringLiteral("! ") + w);
    if (!preview.firm() || ctx.args.yes)
        return ExitOk;
    if (!stdinIsTerminal())
        return ctx.out.fail(ExitUsage, TervalixCli::tr("Nulla è stato scritto: con --yes si scrive comunque."));
    std::fputs(TervalixCli::tr("Scrivere comunque? [s/N] ").toUtf8().constData(), stderr);
    std::fflush(stderr);
    int signalStatus = 0;
    const QString answer = readAnswer(ctx, &signalStatus);
    if (signalStatus) {
        std::fputc('\n', stderr);
        return ctx.out.fail(signalStatus, TervalixCli::tr("Nulla è stato scritto."));
    }
    // The answer in either language.
    static const QStringList yes{QStringLiteral("s"), QStringLiteral("si"), QStringLiteral("sì"), QStringLiteral("y"),
                                 QStringLiteral("yes")};
    if (yes.contains(answer))
        return ExitOk;
    return ctx.out.fail(ExitUsage, TervalixCli::tr("Nulla è stato scritto."));
}

} // namespace Cli
