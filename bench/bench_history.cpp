// SPDX-License-Identifier: GPL-3.0-or-later
// The tune history at size: a bike with 1,000 entries (and 50 backups
// beside it), listed, searched, added to, and two of its entries compared.
// Prints one "HISTORY key median_ms runs" line per figure.
//
//   build/bench/bench_history [runs]

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "history/historydiff.h"
#include "history/historylibrary.h"
#include "profile/backupstore.h"

namespace {

constexpr int Entries = 1000;

QVector<int> curve(int seed)
{
    QVector<int> v;
    for (int i = 0; i < Curve::Points; ++i)
        v << ((i * 7 + seed * 3) % 31) - 10;
    return v;
}

// Median of `runs` timings of `f`, in ms; `inner` calls per timing.
double median(int runs, int inner, const std::function<void()> &f)
{
    std::vector<double> t;
    for (int r = 0; r < runs; ++r) {
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < inner; ++i)
            f();
        t.push_back(double(clock.nsecsElapsed()) / 1e6 / inner);
    }
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

void report(const char *key, double ms, int runs)
{
    std::printf("HISTORY %s %.4f %d\n", key, ms, runs);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(3, atoi(argv[1])) : 15;
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    HistoryLibrary lib(dir.path());
    Bike bike;
    QString error;
    if (!lib.bikes().add(QStringLiteral("Banco"), &bike, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    HistoryStore store = lib.store(bike.key);
    UnitIdentity unit;
    unit.serial = QStringLiteral("BENCH-1");
    QElapsedTimer fill;
    fill.start();
    for (int i = 0; i < Entries; ++i) {
        NewState s;
        s.profile = ProfileFile::Profile{curve(i), 1 + i % 4};
        s.origin = i % 3 ? HistoryEntry::Origin::Write : HistoryEntry::Origin::Read;
        s.unit = unit;
        bool created = false;
        if (!store.record(s, &created, &error) || !created) {
            std::fprintf(stderr, "entry %d: %s\n", i, qPrintable(error));
            return 1;
        }
    }
    report("fill_per_entry", double(fill.elapsed()) / Entries, 1);
    BackupStore backups(QDir(dir.path()).filePath(QStringLiteral("backup")));
    for (int i = 0; i < BackupStore::Keep; ++i)
        backups.save(curve(i), 2, 21, QDateTime::currentDateTime(), &error);

    int listed = 0;
    report("list_1000", median(runs, 1, [&] { listed = store.list().size(); }), runs);
    if (listed != Entries) {
        std::fprintf(stderr, "listed %d of %d\n", listed, Entries);
        return 1;
    }
    report("list_backups_50", median(runs, 1, [&] { listed = lib.backups().list().size(); }), runs);
    report("newest_of_1000", median(runs, 1, [&] { store.newest(); }), runs);
    report("find_in_1000", median(runs, 1, [&] { store.find(QStringLiteral("500")); }), runs);

    // A state seen again rewrites one sidecar; a new one creates two files,
    // each synced to disk.
    report("seen_again", median(runs, 1, [&] {
               NewState s;
               s.profile = store.newest()->profile;
               s.unit = unit;
               bool created = false;
               store.record(s, &created, &error);
           }), runs);
    int seed = Entries;
    report("record_new", median(runs, 1, [&] {
               NewState s;
               s.profile = ProfileFile::Profile{curve(++seed), 2};
               s.unit = unit;
               bool created = false;
               store.record(s, &created, &error);
           }), runs);

    const HistoryEntry a = *store.find(QStringLiteral("10"));
    const HistoryEntry b = *store.find(QStringLiteral("900"));
    QString summary;
    report("diff_and_summary", median(runs, 1000, [&] { summary = HistoryDiff::diff(a.profile, b.profile, 4).summary(); }),
           runs);
    report("write_preview", median(runs, 1000, [&] {
               const WritePreview p = WritePreview::make(a.profile, b.profile, 4, UnitCheck::Same);
               summary = p.warnings().join(QString());
           }), runs);
    return 0;
}
