// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What changes between two states of a curve and K: per point the old and
// new value and the difference, and one line that says it ("7 punti
// cambiati, il più grande +4 a 6.375 giri/min; K invariato"). A positive
// point adds fuel, so a decrease makes the mixture leaner: the write
// preview names the points that lose at least a threshold, and a unit that
// is not the one the bike's history knows.

#include <QString>
#include <QStringList>
#include <QVector>

#include "history/bikeregistry.h"
#include "profile/profilefile.h"

struct PointDelta {
    int point = 0;
    int rpm = 0;
    int before = 0;
    int after = 0;
    int delta() const { return after - before; }
};

struct CurveDiff {
    QVector<PointDelta> points;  // all 41, in order
    int kBefore = 0;
    int kAfter = 0;

    QVector<PointDelta> changed() const;
    int changedCount() const;
    bool kChanged() const { return kBefore != kAfter; }
    bool isEmpty() const { return changedCount() == 0 && !kChanged(); }
    // The change of largest size (the first of equal ones); point -1 when none.
    PointDelta largest() const;
    // Points whose value falls by `threshold` or more.
    QVector<PointDelta> leanerBy(int threshold) const;
    QString summary() const;
};

namespace HistoryDiff {
constexpr int DefaultLeanThreshold = 5;
// Engine speed of the last point: 17000 for a 4-cylinder unit, else 12000.
int maxRpm(int cylinders);
int rpmOf(int point, int cylinders);
CurveDiff diff(const ProfileFile::Profile &before, const ProfileFile::Profile &after, int cylinders);
// "12 (5.100 giri/min)" in the user's locale.
QString pointText(const PointDelta &p);
// A signed number: "+4", "-3", "0".
QString signedText(int value);
} // namespace HistoryDiff

// What the tuner sees before a write: what changes against what the unit
// holds now, and the reasons to stop and confirm.
struct WritePreview {
    CurveDiff diff;
    int threshold = HistoryDiff::DefaultLeanThreshold;
    QVector<PointDelta> leaner;
    UnitCheck unit = UnitCheck::NoUnitYet;
    // The unit's present content came from a damaged or unverified entry
    // rather than a read: said, as the comparison may be off.
    QString baseWarning;

    // A point leaner than the threshold, or another unit than the bike's:
    // the write needs an explicit yes.
    bool firm() const { return !leaner.isEmpty() || unit == UnitCheck::Different; }
    // One line each, translated.
    QStringList warnings() const;

    static WritePreview make(const ProfileFile::Profile &onUnit, const ProfileFile::Profile &toWrite, int cylinders,
                             UnitCheck unit = UnitCheck::NoUnitYet,
                             int threshold = HistoryDiff::DefaultLeanThreshold);
};
