#include "cli/clipreview.h"

#include "cli/clicommands.h"

#include <QJsonArray>

#include <cstdio>

#ifdef Q_OS_UNIX
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
    char line[64] = {};
    const QString answer = std::fgets(line, sizeof line, stdin) ? QString::fromUtf8(line).trimmed().toLower() : QString();
    // The answer in either language.
    static const QStringList yes{QStringLiteral("s"), QStringLiteral("si"), QStringLiteral("sì"), QStringLiteral("y"),
                                 QStringLiteral("yes")};
    if (yes.contains(answer))
        return ExitOk;
    return ctx.out.fail(ExitUsage, TervalixCli::tr("Nulla è stato scritto."));
}

} // namespace Cli
