// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/historydiff.h"

#include "profile/curvelimits.h"

#include <QCoreApplication>
#include <QLocale>

#include <cstdlib>

namespace HistoryDiff {

int maxRpm(int cylinders)
{
    return cylinders == 4 ? 17000 : 12000;
}

int rpmOf(int point, int cylinders)
{
    return int(qint64(point) * maxRpm(cylinders) / (Curve::Points - 1));
}

CurveDiff diff(const ProfileFile::Profile &before, const ProfileFile::Profile &after, int cylinders)
{
    CurveDiff d;
    d.points.reserve(Curve::Points);
    for (int i = 0; i < Curve::Points; ++i)
        d.points.append(PointDelta{i, rpmOf(i, cylinders), before.values.value(i), after.values.value(i)});
    d.kBefore = before.k;
    d.kAfter = after.k;
    return d;
}

QString signedText(int value)
{
    return value > 0 ? QStringLiteral("+%1").arg(value) : QString::number(value);
}

QString pointText(const PointDelta &p)
{
    return History::tr("%1 (%2 giri/min)").arg(p.point).arg(QLocale().toString(p.rpm));
}

} // namespace HistoryDiff

QVector<PointDelta> CurveDiff::changed() const
{
    QVector<PointDelta> out;
    for (const PointDelta &p : points)
        if (p.delta() != 0)
            out.append(p);
    return out;
}

int CurveDiff::changedCount() const
{
    int n = 0;
    for (const PointDelta &p : points)
        n += p.delta() != 0 ? 1 : 0;
    return n;
}

PointDelta CurveDiff::largest() const
{
    PointDelta best{-1, 0, 0, 0};
    for (const PointDelta &p : points)
        if (p.delta() != 0 && (best.point < 0 || std::abs(p.delta()) > std::abs(best.delta())))
            best = p;
    return best;
}

QVector<PointDelta> CurveDiff::leanerBy(int threshold) const
{
    QVector<PointDelta> out;
    for (const PointDelta &p : points)
        if (p.delta() <= -std::max(1, threshold))
            out.append(p);
    return out;
}

QString CurveDiff::summary() const
{
    const int n = changedCount();
    const PointDelta big = largest();
    const QString rpm = QLocale().toString(big.rpm);
    QString curve;
    if (n == 0)
        curve = History::tr("nessun punto cambiato");
    else if (n == 1)
        curve = History::tr("1 punto cambiato, %1 a %2 giri/min").arg(HistoryDiff::signedText(big.delta()), rpm);
    else
        curve = History::tr("%1 punti cambiati, il più grande %2 a %3 giri/min").arg(n).arg(HistoryDiff::signedText(big.delta()), rpm);
    const QString k = kChanged() ? History::tr("K da %1 a %2").arg(kBefore).arg(kAfter) : History::tr("K invariato");
    return curve + QStringLiteral("; ") + k;
}

WritePreview WritePreview::make(const ProfileFile::Profile &onUnit, const ProfileFile::Profile &toWrite,
                                int cylinders, UnitCheck unit, int threshold)
{
    WritePreview p;
    p.diff = HistoryDiff::diff(onUnit, toWrite, cylinders);
    p.threshold = std::max(1, threshold);
    p.leaner = p.diff.leanerBy(p.threshold);
    p.unit = unit;
    return p;
}

QStringList WritePreview::warnings() const
{
    QStringList out;
    if (!leaner.isEmpty()) {
        QStringList points;
        for (const PointDelta &d : leaner)
            points << QStringLiteral("%1 %2").arg(HistoryDiff::pointText(d), HistoryDiff::signedText(d.delta()));
        out << (leaner.size() == 1
                    ? History::tr("1 punto più magro di %1 o più: %2").arg(threshold).arg(points.join(QStringLiteral(", ")))
                    : History::tr("%1 punti più magri di %2 o più: %3")
                          .arg(leaner.size())
                          .arg(threshold)
                          .arg(points.join(QStringLiteral(", "))));
    }
    if (unit == UnitCheck::Different)
        out << History::tr("Questa centralina non è quella che la cronologia della moto conosce.");
    if (!baseWarning.isEmpty())
        out << baseWarning;
    return out;
}
