// SPDX-License-Identifier: GPL-3.0-or-later
// The tune history: entries that are damaged in every way a folder can
// damage them are shown as damaged and never used; the difference of two
// states; bikes recognised by serial number or only by record; and the
// recorder on a session over the simulator's faults, where no entry may
// claim a state the unit did not hold.

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTest>

#include <cerrno>

#include "history/historydiff.h"
#include "history/historylibrary.h"
#include "history/historyrecorder.h"
#include "link/diagnostics.h"
#include "link/protocol.h"
#include "support/simrig.h"
#include "support/testsupport.h"
#include "util/safefile.h"

namespace {

ProfileFile::Profile profile(int seed, int k = 2)
{
    return ProfileFile::Profile{patternCurve(seed), k};
}

UnitIdentity unit(const QString &serial, unsigned char hw = 21, unsigned char cylinders = 4)
{
    UnitIdentity u;
    u.info.hwVersion = hw;
    u.info.cylinders = cylinders;
    u.serial = serial;
    return u;
}

NewState state(const ProfileFile::Profile &p, HistoryEntry::Origin origin = HistoryEntry::Origin::Read)
{
    NewState s;
    s.profile = p;
    s.origin = origin;
    s.unit = unit(QStringLiteral("S1"));
    return s;
}

} // namespace

class TestHistory : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { Diagnostics::setEnabled(false); }
    void damagedEntriesAreShownAndNeverUsed_data();
    void damagedEntriesAreShownAndNeverUsed();
    void entriesAreCreatedNewAndSeenAgain();
    void backupsAreABikelessHistory();
    void differences_data();
    void differences();
    void bikesAreRecognised();
    void recorderFollowsTheSession();
    void noEntryIsSilentlyWrongUnderFaults();
};

void TestHistory::damagedEntriesAreShownAndNeverUsed_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<bool>("profileParses");
    QTest::newRow("truncated profile") << "truncated" << false;
    QTest::newRow("profile with a byte too many") << "long" << false;
    QTest::newRow("profile changed after") << "hash" << true;
    QTest::newRow("bad JSON") << "json" << true;
    QTest::newRow("sidecar without its hash") << "nohash" << true;
    QTest::newRow("missing sidecar") << "nosidecar" << true;
    QTest::newRow("missing profile") << "noprofile" << false;
    QTest::newRow("profile is a planted link") << "linkprofile" << false;
    QTest::newRow("sidecar is a planted link") << "linksidecar" << true;
}

void TestHistory::damagedEntriesAreShownAndNeverUsed()
{
    QFETCH(QString, what);
    QFETCH(bool, profileParses);
    QTemporaryDir dir;
    HistoryStore store(dir.filePath(QStringLiteral("bike")));
    bool created = false;
    const std::optional<HistoryEntry> e = store.record(state(profile(1)), &created, nullptr);
    QVERIFY(e && created && e->usable());
    // A file elsewhere with the very same content: a link to it must still
    // count as damage, as a link can be turned to anything later.
    const QString elsewhere = dir.filePath(QStringLiteral("elsewhere"));
    const QByteArray bytes = ProfileFile::encode(e->profile.values, e->profile.k);
    QByteArray side;
    {
        QFile f(e->sidecarPath);
        QVERIFY(f.open(QIODevice::ReadOnly));
        side = f.readAll();
    }
    if (what == "truncated")
        QVERIFY(writeFile(e->profilePath, bytes.left(41)));
    else if (what == "long")
        QVERIFY(writeFile(e->profilePath, bytes + 'x'));
    else if (what == "hash")
        QVERIFY(writeFile(e->profilePath, QByteArray(bytes).replace(5, 1, "\x7f")));
    else if (what == "json")
        QVERIFY(writeFile(e->sidecarPath, side.left(side.size() / 2)));
    else if (what == "nohash")
        QVERIFY(writeFile(e->sidecarPath, QByteArray(side).replace("sha256", "shaXXX")));
    else if (what == "nosidecar")
        QVERIFY(QFile::remove(e->sidecarPath));
    else if (what == "noprofile")
        QVERIFY(QFile::remove(e->profilePath));
    else if (what == "linkprofile")
        QVERIFY(writeFile(elsewhere, bytes) && QFile::remove(e->profilePath) && QFile::link(elsewhere, e->profilePath));
    else if (what == "linksidecar")
        QVERIFY(writeFile(elsewhere, side) && QFile::remove(e->sidecarPath) && QFile::link(elsewhere, e->sidecarPath));

    const QVector<HistoryEntry> all = store.list();
    QCOMPARE(all.size(), 1);
    const HistoryEntry &d = all.first();
    QVERIFY2(d.damaged && !d.usable(), qPrintable(what));
    QVERIFY(!d.damage.isEmpty());
    QCOMPARE(d.hasProfile, profileParses);
    QCOMPARE(d.id, e->id);

    // Never rewritten, never taken as the state seen again: the same state
    // makes a new entry beside it, and a planted file keeps its content.
    const QByteArray elsewhereBefore = QFile::exists(elsewhere) ? [&] {
        QFile f(elsewhere);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }() : QByteArray();
    QVERIFY(!store.annotate(d.id, Annotations{QStringLiteral("x"), {}, {}}, nullptr));
    QVERIFY(store.record(state(profile(1)), &created, nullptr));
    QVERIFY(created);
    QCOMPARE(store.list().size(), 2);
    QCOMPARE(store.list().first().number, e->number + 1);
    QVERIFY(store.list().first().usable());
    if (!elsewhereBefore.isEmpty()) {
        QFile f(elsewhere);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), elsewhereBefore);
    }
}

void TestHistory::entriesAreCreatedNewAndSeenAgain()
{
    QTemporaryDir dir;
    HistoryStore store(dir.filePath(QStringLiteral("bike")));
    bool created = false;
    QVERIFY(store.record(state(profile(1)), &created, nullptr) && created);
    // The same state again only counts.
    std::optional<HistoryEntry> again = store.record(state(profile(1)), &created, nullptr);
    QVERIFY(again && !created);
    QCOMPARE(again->seenCount, 2);
    // A planted link under the next number's name is skipped, not followed.
    const QString target = dir.filePath(QStringLiteral("target"));
    QVERIFY(writeFile(target, "keep"));
    const QString planted = QDir(store.folder()).filePath(HistoryStore::baseName(2, QDateTime::currentDateTime(), 21) + ".prf");
    QVERIFY(QFile::link(target, planted));
    std::optional<HistoryEntry> w = store.record(state(profile(2), HistoryEntry::Origin::Write), &created, nullptr);
    QVERIFY(w && created);
    QCOMPARE(w->id, QStringLiteral("3"));
    QCOMPARE(w->parent, QStringLiteral("1"));
    QFile t(target);
    QVERIFY(t.open(QIODevice::ReadOnly));
    QCOMPARE(t.readAll(), QByteArray("keep"));
    // Notes survive and keys of a later version are kept.
    Annotations a{QStringLiteral("dopo il banco"), {QStringLiteral("dyno")}, {{QStringLiteral("scarico"), QStringLiteral("aperto")}}};
    QVERIFY(store.annotate(QStringLiteral("3"), a, nullptr));
    std::optional<HistoryEntry> back = store.find(QStringLiteral("3"));
    QVERIFY(back && back->usable());
    QCOMPARE(back->notes.notes, a.notes);
    QCOMPARE(back->notes.tags, a.tags);
    QCOMPARE(back->notes.conditions, a.conditions);
    QCOMPARE(back->profile.values, profile(2).values);

    // A full disk makes no entry, not half of one.
    SafeFile::setWriteHook([](int, const char *, std::size_t) -> long {
        errno = ENOSPC;
        return -1;
    });
    QString error;
    const bool recorded = bool(store.record(state(profile(3)), &created, &error));
    SafeFile::setWriteHook(nullptr);
    QVERIFY(!recorded);
    QVERIFY(!error.isEmpty());
    for (const HistoryEntry &e : store.list())
        QVERIFY2(e.usable() || e.profilePath == planted, qPrintable(e.damage));
}

void TestHistory::backupsAreABikelessHistory()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("backup")));
    const QString b = dir.filePath(QStringLiteral("backup/"));
    QVERIFY(writeFile(b + "000007_2026-12-08_21-04-33_HW21.prf", ProfileFile::encode(patternCurve(1), 2)));
    QVERIFY(writeFile(b + "2026-11-01_10-00-00_HW10.prf", ProfileFile::encode(patternCurve(2), 1)));
    QVERIFY(writeFile(b + "000008_2026-12-09_08-00-00_HW21.prf", QByteArray(41, 0)));
    HistoryLibrary lib(dir.path());
    const QVector<HistoryEntry> all = lib.backups().list();
    QCOMPARE(all.size(), 3);
    QCOMPARE(all[0].id, QStringLiteral("b8"));
    QVERIFY(all[0].damaged);
    QCOMPARE(all[1].id, QStringLiteral("b7"));
    QVERIFY(all[1].usable());
    QCOMPARE(all[2].id, QStringLiteral("b-20261101-100000"));
    QCOMPARE(all[2].unit.info.hwVersion, uchar(10));
    const std::optional<HistoryEntry> found = lib.find(QString(), QStringLiteral("b7"));
    QVERIFY(found && found->profile.values == patternCurve(1));
}

void TestHistory::differences_data()
{
    QTest::addColumn<QVector<int>>("before");
    QTest::addColumn<QVector<int>>("after");
    QTest::addColumn<int>("kAfter");
    QTest::addColumn<int>("cylinders");
    QTest::addColumn<int>("changed");
    QTest::addColumn<int>("largestPoint");
    QTest::addColumn<QVector<int>>("leaner");
    QTest::addColumn<QString>("summary");

    const QVector<int> zero(Curve::Points, 0);
    QVector<int> one = zero;
    one[15] = 4;
    QVector<int> ties = zero;
    ties[3] = -4;
    ties[10] = 4;
    QVector<int> lean = zero;
    lean[20] = -5;
    lean[21] = -4;
    lean[22] = -12;
    QVector<int> seven = zero;
    for (int i = 10; i < 17; ++i)
        seven[i] = i == 15 ? 4 : 1;
    QTest::newRow("nothing") << zero << zero << 2 << 4 << 0 << -1 << QVector<int>{}
                             << "nessun punto cambiato; K invariato";
    QTest::newRow("K only") << zero << zero << 3 << 4 << 0 << -1 << QVector<int>{}
                            << "nessun punto cambiato; K da 2 a 3";
    QTest::newRow("one point, 4 cylinders") << zero << one << 2 << 4 << 1 << 15 << QVector<int>{}
                                            << "1 punto cambiato, +4 a 6,375 giri/min; K invariato";
    QTest::newRow("one point, 2 cylinders") << zero << one << 2 << 2 << 1 << 15 << QVector<int>{}
                                            << "1 punto cambiato, +4 a 4,500 giri/min; K invariato";
    QTest::newRow("seven points") << zero << seven << 2 << 4 << 7 << 15 << QVector<int>{}
                                  << "7 punti cambiati, il più grande +4 a 6,375 giri/min; K invariato";
    QTest::newRow("equal sizes: the first") << zero << ties << 2 << 4 << 2 << 3 << QVector<int>{}
                                            << "2 punti cambiati, il più grande -4 a 1,275 giri/min; K invariato";
    QTest::newRow("leaner by the threshold and more") << zero << lean << 2 << 4 << 3 << 22 << QVector<int>{20, 22}
                                                      << "3 punti cambiati, il più grande -12 a 9,350 giri/min; K invariato";
    QTest::newRow("richer is never leaner") << lean << zero << 2 << 4 << 3 << 22 << QVector<int>{}
                                            << "3 punti cambiati, il più grande +12 a 9,350 giri/min; K invariato";
}

void TestHistory::differences()
{
    QFETCH(QVector<int>, before);
    QFETCH(QVector<int>, after);
    QFETCH(int, kAfter);
    QFETCH(int, cylinders);
    QFETCH(int, changed);
    QFETCH(int, largestPoint);
    QFETCH(QVector<int>, leaner);
    QFETCH(QString, summary);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const WritePreview p = WritePreview::make({before, 2}, {after, kAfter}, cylinders);
    QCOMPARE(p.diff.points.size(), Curve::Points);
    QCOMPARE(p.diff.changedCount(), changed);
    QCOMPARE(p.diff.largest().point, largestPoint);
    QVector<int> lean;
    for (const PointDelta &d : p.leaner)
        lean << d.point;
    QCOMPARE(lean, leaner);
    QCOMPARE(p.firm(), !leaner.isEmpty());
    QCOMPARE(p.diff.summary(), summary);
    for (const PointDelta &d : p.diff.points)
        QCOMPARE(d.before + d.delta(), d.after);
    // Another unit than the bike's is firm whatever changes.
    QVERIFY(WritePreview::make({before, 2}, {after, kAfter}, cylinders, UnitCheck::Different).firm());
}

void TestHistory::bikesAreRecognised()
{
    QTemporaryDir dir;
    const QDateTime now = QDateTime::currentDateTime();
    {
        BikeRegistry reg(dir.path());
        QVERIFY(reg.load(nullptr));
        Bike red;
        Bike old;
        QVERIFY(reg.add(QStringLiteral("Monster 821 – rossa"), &red, nullptr));
        QVERIFY(reg.add(QStringLiteral("SR/500: \"vecchia\""), &old, nullptr));
        QVERIFY(!reg.add(QStringLiteral("monster 821 – ROSSA"), nullptr, nullptr));
        QCOMPARE(old.key, QStringLiteral("SR_500_ _vecchia_"));
        QVERIFY(QFileInfo(reg.folderOf(old.key)).isDir());
        QVERIFY(reg.attach(red.key, unit(QStringLiteral("S1")), now, nullptr));
        QVERIFY(reg.attach(old.key, unit(QString(), 10, 2), now, nullptr));
    }
    BikeRegistry reg(dir.path());
    QVERIFY(reg.load(nullptr));
    const QString red = reg.find(QStringLiteral("monster 821 – rossa"))->key;
    const QString old = reg.find(QStringLiteral("SR/500: \"vecchia\""))->key;

    struct Case {
        UnitIdentity u;
        Recognition::Kind kind;
        QString bike;
    };
    const Case cases[] = {
        {unit(QStringLiteral("S1")), Recognition::KnownBySerial, red},
        // A serial number no bike knows, on a record a serial-less unit has.
        {unit(QStringLiteral("S2"), 10, 2), Recognition::Probable, old},
        // No serial number (a serial line): any unit of the same record.
        {unit(QString()), Recognition::Probable, red},
        {unit(QStringLiteral("S2")), Recognition::Unknown, QString()},
        {unit(QString(), 21, 2), Recognition::Unknown, QString()},
    };
    for (const Case &c : cases) {
        const Recognition r = reg.recognise(c.u);
        QCOMPARE(int(r.kind), int(c.kind));
        QCOMPARE(r.bike, c.bike);
    }
    QCOMPARE(int(reg.check(red, unit(QStringLiteral("S1")))), int(UnitCheck::Same));
    QCOMPARE(int(reg.check(red, unit(QStringLiteral("S9")))), int(UnitCheck::Different));
    QCOMPARE(int(reg.check(old, unit(QString(), 10, 2))), int(UnitCheck::SameRecord));
    QCOMPARE(int(reg.check(old, unit(QString(), 21, 4))), int(UnitCheck::Different));

    // The unit moves to the other bike: it leaves the first.
    QVERIFY(reg.attach(old, unit(QStringLiteral("S1")), now, nullptr));
    QCOMPARE(reg.recognise(unit(QStringLiteral("S1"))).bike, old);
    QCOMPARE(int(reg.check(red, unit(QStringLiteral("S1")))), int(UnitCheck::NoUnitYet));

    // A rename keeps the folder and is found again after a reload; the name
    // (or folder) of another bike would make a lookup by name ambiguous.
    QVERIFY(!reg.rename(old, QStringLiteral("  "), nullptr));
    QVERIFY(!reg.rename(old, QStringLiteral("MONSTER 821 – rossa"), nullptr));
    QVERIFY(reg.rename(red, QStringLiteral("Monster nera"), nullptr));
    QVERIFY(!reg.add(red, nullptr, nullptr));
    QVERIFY(reg.rename(red, QStringLiteral("monster NERA"), nullptr));
    {
        BikeRegistry again(dir.path());
        QVERIFY(again.load(nullptr));
        QCOMPARE(again.find(QStringLiteral("Monster nera"))->key, red);
        QCOMPARE(again.find(red)->name, QStringLiteral("monster NERA"));
        // The old name is still its folder's.
        QCOMPARE(again.find(QStringLiteral("Monster 821 – rossa"))->name, QStringLiteral("monster NERA"));
    }

    // A registry that does not parse is reported and never written over.
    QVERIFY(writeFile(reg.path(), "{\"bikes\": ["));
    BikeRegistry broken(dir.path());
    QVERIFY(!broken.load(nullptr));
    QVERIFY(!broken.add(QStringLiteral("nuova"), nullptr, nullptr));
    QFile f(reg.path());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("{\"bikes\": ["));
}

void TestHistory::recorderFollowsTheSession()
{
    auto rig = SessionRig::make(SimUnit::Hid, 21, fastTimeouts);
    QVERIFY(rig);
    HistoryLibrary lib(rig->unit->dir.filePath(QStringLiteral("Profili")));
    HistoryRecorder rec(rig->session.get(), &lib);

    // An unknown unit: the states wait for the user to name the bike.
    rig->unit->setCurve(patternCurve(1));
    QVERIFY(rig->link());
    QCOMPARE(rig->session->unitSerial(), QStringLiteral("SIM-0001"));
    QCOMPARE(int(rec.recognition().kind), int(Recognition::Unknown));
    QVERIFY(rig->read() && rig->last().ok());
    QCOMPARE(rec.pendingStates(), 1);
    Bike bike;
    QVERIFY(lib.bikes().add(QStringLiteral("Duke"), &bike, nullptr));
    QVERIFY(rec.confirmBike(bike.key, nullptr));
    QCOMPARE(rec.currentEntry(), QStringLiteral("1"));

    // Known by its serial number at the next link; a write's entry is what
    // the unit holds after it.
    QVERIFY(rig->link());
    QCOMPARE(int(rec.recognition().kind), int(Recognition::KnownBySerial));
    QCOMPARE(rec.bike(), bike.key);
    QVERIFY(rig->write(patternCurve(2), 3) && rig->last().ok());
    HistoryStore store = lib.store(bike.key);
    std::optional<HistoryEntry> w = store.newest();
    QVERIFY(w && w->usable() && w->proven);
    QCOMPARE(w->origin, HistoryEntry::Origin::Write);
    QCOMPARE(w->parent, QStringLiteral("1"));
    QCOMPARE(w->profile.values, rig->unit->curve());
    QCOMPARE(w->profile.k, rig->unit->k());
    QCOMPARE(w->unit.serial, QStringLiteral("SIM-0001"));

    // A restore names where its values came from.
    QVERIFY(rig->finish([&] {
        WriteOptions o;
        o.k = 2;
        o.label = HistoryRecorder::restoreLabel(bike.key, QStringLiteral("1"));
        rig->session->writeCurve(patternCurve(1), o);
    }));
    QCOMPARE(rig->last().label, HistoryRecorder::restoreLabel(bike.key, QStringLiteral("1")));
    std::optional<HistoryEntry> r = store.newest();
    QVERIFY(r && r->id == QStringLiteral("3"));
    QCOMPARE(r->origin, HistoryEntry::Origin::Restore);
    QCOMPARE(r->parent, QStringLiteral("1"));

    // A K write that fails its read-back leaves K unknown: a later write
    // without a backup does not make the old K current again, so its entry
    // is unverified until a read proves it.
    EcuSimFaults stuck;
    stuck.stuckCell = Protocol::injectionKCell(21);
    rig->unit->ecu->setFaults(stuck);
    QVERIFY(rig->finish([&] { rig->session->writeK(4); }));
    QCOMPARE(rig->last().code, EcuResult::VerifyFailed);
    rig->unit->ecu->setFaults(EcuSimFaults());
    QVERIFY(rig->finish([&] { rig->session->writeCurve(patternCurve(4), WriteOptions()); }));
    QVERIFY(rig->last().ok());
    QVERIFY(!rig->session->isContentCurrent());
    std::optional<HistoryEntry> u = store.newest();
    QVERIFY(u && u->usable() && !u->proven);
    QVERIFY(rig->read());
    u = store.newest();
    QVERIFY(u->proven);
    QCOMPARE(u->seenCount, 2);

    QVERIFY(rec.attach(rig->unit->dir.filePath(QStringLiteral("live.csv")), QStringLiteral("log"), nullptr));
    QCOMPARE(store.newest()->attachments.size(), 1);
}

void TestHistory::noEntryIsSilentlyWrongUnderFaults()
{
    struct Row {
        const char *name;
        std::function<void(EcuSimFaults &, EcuSimulator &)> fault;
        bool fullDisk;
    };
    const Row rows[] = {
        {"none", [](EcuSimFaults &, EcuSimulator &) {}, false},
        {"drops (5 % of the replies)", [](EcuSimFaults &f, EcuSimulator &) { f.dropRate = 0.05; }, false},
        {"noise (3 bytes before every 2nd)", [](EcuSimFaults &f, EcuSimulator &) { f.garbageBytes = 3; f.garbageEveryN = 2; }, false},
        {"wrong kind (every 7th)", [](EcuSimFaults &f, EcuSimulator &) { f.wrongKindEveryN = 7; }, false},
        {"silence", [](EcuSimFaults &f, EcuSimulator &) { f.silent = true; }, false},
        {"stuck cell 7", [](EcuSimFaults &f, EcuSimulator &) { f.stuckCell = 7; }, false},
        {"stuck K cell", [](EcuSimFaults &f, EcuSimulator &) { f.stuckCell = Protocol::injectionKCell(21); }, false},
        {"unplugged mid-write", [](EcuSimFaults &f, EcuSimulator &e) { f.vanishAfterRequests = e.requestsReceived() + 120; }, false},
        {"full disk while recording", [](EcuSimFaults &, EcuSimulator &) {}, true},
    };
    qInfo("| fault | write | entries made | entry = unit | after a clean read |");
    for (const Row &row : rows) {
        // Time-outs that a lost reply costs little in, yet long enough for
        // its retry to come back.
        auto rig = SessionRig::make(SimUnit::Hid, 21, [](EcuSession::Config &c) { c.transferTimeoutMs = 150; });
        QVERIFY(rig);
        HistoryLibrary lib(rig->unit->dir.filePath(QStringLiteral("Profili")));
        Bike bike;
        QVERIFY(lib.bikes().add(QStringLiteral("Duke"), &bike, nullptr));
        HistoryRecorder rec(rig->session.get(), &lib);
        rig->unit->setCurve(patternCurve(1));
        QVERIFY(rig->link());
        QVERIFY(rec.confirmBike(bike.key, nullptr));
        QVERIFY(rig->read());
        // Every entry, when made, against what the unit holds at that moment.
        int made = 0;
        int wrong = 0;
        QObject::connect(&rec, &HistoryRecorder::recorded, [&](const HistoryEntry &e, bool) {
            ++made;
            if (e.proven && (e.profile.values != rig->unit->curve() || e.profile.k != rig->unit->k()))
                ++wrong;
        });
        EcuSimFaults f;
        row.fault(f, *rig->unit->ecu);
        rig->unit->ecu->setFaults(f);
        if (row.fullDisk)
            QObject::connect(rig->session.get(), &EcuSession::backupSaved, [] {
                SafeFile::setWriteHook([](int, const char *, std::size_t) -> long {
                    errno = ENOSPC;
                    return -1;
                });
            });
        QVERIFY(rig->write(patternCurve(2), 3, 60000));
        SafeFile::setWriteHook(nullptr);
        const EcuResult::Code code = rig->last().code;
        const int madeByWrite = made;
        rig->unit->ecu->setFaults(EcuSimFaults());
        if (!rig->session->isLinked())
            QVERIFY(rig->link());
        QVERIFY(rig->read());
        const std::optional<HistoryEntry> top = lib.store(bike.key).newest();
        QVERIFY(top && top->usable() && top->proven);
        const bool truth = top->profile.values == rig->unit->curve() && top->profile.k == rig->unit->k();
        QVERIFY2(wrong == 0, row.name);
        QVERIFY2(truth, row.name);
        for (const HistoryEntry &e : lib.store(bike.key).list())
            QVERIFY2(e.usable(), qPrintable(e.damage));
        qInfo("| %s | %s | %d | %s | newest entry matches |", row.name,
              code == EcuResult::Ok ? "Ok" : code == EcuResult::VerifyFailed ? "VerifyFailed"
                                        : code == EcuResult::NoReply       ? "NoReply"
                                        : code == EcuResult::LinkLost      ? "LinkLost"
                                                                           : "other",
              madeByWrite, wrong == 0 ? "yes" : "NO");
    }
}

QTEST_GUILESS_MAIN(TestHistory)
#include "test_history.moc"
