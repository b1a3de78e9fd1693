// SPDX-License-Identifier: GPL-3.0-or-later
// The bike's history through the real tool: a unit named as a bike, a write
// that waits for --yes when a point turns much leaner, the list, a diff, a
// note, a restore of a range of points and a diff against the unit, on the
// pseudo-terminal simulator (whose memory lasts between runs); a unit known
// by its USB serial number on the HID simulator; and a write killed with
// SIGKILL, after which no entry claims what the unit does not hold.

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "profile/curvelimits.h"
#include "support/testsupport.h"
#include "support/toolsuite.h"

#ifdef Q_OS_UNIX
#include <csignal>
#endif

namespace {

QVector<int> curveOf(const QJsonObject &o)
{
    QVector<int> v;
    for (const QJsonValue &x : o.value(QStringLiteral("values")).toArray())
        v << x.toInt();
    return v;
}

} // namespace

class TestCliHistory : public ToolSuite {
    Q_OBJECT
private slots:
    void initTestCase();
    void aBikesHistoryFromConnectToRestore();
    void aUnitKnownByItsSerialNumber();
    void aKilledWriteLeavesNoFalseEntry();

private:
    bool writeProfile(const QString &name, const QVector<int> &values, int k);
};

void TestCliHistory::initTestCase()
{
    QVERIFY(prepare({QStringLiteral("Profili")}));
}

bool TestCliHistory::writeProfile(const QString &name, const QVector<int> &values, int k)
{
    QByteArray b;
    for (int v : values)
        b.append(char(v));
    b.append(char(k));
    QFile f(file(name));
    return f.open(QIODevice::WriteOnly) && f.write(b) == 42;
}

void TestCliHistory::aBikesHistoryFromConnectToRestore()
{
    SimUnit sim;
    if (!sim.start({"--hw", "10", "--cyl", "2"}))
        QSKIP("no pseudo-terminal");
    const QStringList port{"--port", sim.port};
    const QStringList bike = port + QStringList{"--bike", "Duke"};

    Result r = run(QStringList{"--json", "bikes", "attach", "Duke"} + port);
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QCOMPARE(r.json().value("entry").toString(), QStringLiteral("1"));

    // Point 12 falls by 6: said, and not written without --yes.
    QVector<int> tuned(Curve::Points, 0);
    for (int i = 20; i < 30; ++i)
        tuned[i] = 3;
    tuned[12] = -6;
    QVERIFY(writeProfile("tuned.prf", tuned, 2));
    r = run(QStringList{"write", "tuned.prf"} + bike);
    QCOMPARE(r.code, 2);
    QVERIFY2(r.err.contains(QLatin1String("11 punti cambiati")) && r.err.contains(QLatin1String("--yes")), qPrintable(r.err));
    r = run(QStringList{"--json", "write", "tuned.prf", "--yes"} + bike);
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QCOMPARE(r.json().value("history_entry").toString(), QStringLiteral("2"));
    QCOMPARE(r.json().value("preview").toObject().value("leaner").toArray(), QJsonArray{12});

    r = run({"--json", "history", "list"});
    QCOMPARE(r.code, 0);
    const QJsonArray entries = r.json().value("bikes").toArray().first().toObject().value("history").toArray();
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries[0].toObject().value("origin").toString(), QStringLiteral("write"));
    QCOMPARE(entries[0].toObject().value("parent").toString(), QStringLiteral("1"));
    QVERIFY(entries[1].toObject().value("seen_count").toInt() >= 2);

    r = run({"--json", "history", "diff", "1", "2"});
    QCOMPARE(r.code, 0);
    QCOMPARE(r.json().value("changed").toInt(), 11);
    QCOMPARE(r.json().value("k_new").toInt(), 2);

    r = run({"history", "note", "2", "dopo", "il", "banco", "--tag", "dyno", "--condition", "scarico=aperto"});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    r = run({"--json", "history", "show", "2"});
    QCOMPARE(r.json().value("notes").toString(), QStringLiteral("dopo il banco"));
    QCOMPARE(r.json().value("tags").toArray(), QJsonArray{"dyno"});
    QCOMPARE(r.json().value("conditions").toObject().value("scarico").toString(), QStringLiteral("aperto"));
    QCOMPARE(curveOf(r.json()), tuned);
    QCOMPARE(run({"history", "note", "b1", "x"}).code, 2);

    // Points 10 to 25 back as entry 1 had them; the rest as the unit holds it.
    r = run(QStringList{"--json", "history", "restore", "1", "--points", "10-25", "--yes"} + bike);
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QCOMPARE(r.json().value("history_entry").toString(), QStringLiteral("3"));
    r = run(QStringList{"--json", "read", "-o", "-"} + port);
    QVector<int> expected = tuned;
    for (int i = 10; i <= 25; ++i)
        expected[i] = 0;
    QCOMPARE(curveOf(r.json()), expected);
    r = run({"--json", "history", "show", "3"});
    QCOMPARE(r.json().value("origin").toString(), QStringLiteral("restore"));
    QCOMPARE(r.json().value("parent").toString(), QStringLiteral("1"));
    QCOMPARE(curveOf(r.json()), expected);

    r = run(QStringList{"--json", "history", "diff", "3"} + bike);
    QCOMPARE(r.code, 0);
    QCOMPARE(r.json().value("changed").toInt(), 0);
    // A damaged entry is never restored.
    const QStringList two = QDir(file("Profili/Duke")).entryList({"000002_*.prf"});
    QCOMPARE(two.size(), 1);
    QVERIFY(QFile::resize(file("Profili/Duke/" + two.first()), 40));
    r = run(QStringList{"history", "restore", "2", "--yes"} + bike);
    QCOMPARE(r.code, 2);
    QVERIFY2(r.err.contains(QLatin1String("danneggiata")), qPrintable(r.err));
}

void TestCliHistory::aUnitKnownByItsSerialNumber()
{
    const QStringList hid{"TERVALIX_SIMULATOR=hid"};
    Result r = run({"--json", "bikes", "attach", "Monster 821 – rossa"}, hid);
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QCOMPARE(r.json().value("unit").toObject().value("serial").toString(), QStringLiteral("SIM-0001"));
    // Found again by its serial number: no --bike needed.
    QCOMPARE(run({"read", "-o", "ecu.prf"}, hid).code, 0);
    r = run({"--json", "history", "--bike", "monster 821 – rossa", "list"});
    const QJsonArray entries = r.json().value("bikes").toArray().first().toObject().value("history").toArray();
    QCOMPARE(entries.size(), 1);
    QCOMPARE(entries[0].toObject().value("seen_count").toInt(), 2);
    r = run({"--json", "bikes", "list"});
    QCOMPARE(r.json().value("bikes").toArray().size(), 2);

    // A new name: the other bike's is refused, and the unit is still known
    // by its serial number under the new one.
    r = run({"bikes", "rename", "monster 821 – rossa", "DUKE"});
    QCOMPARE(r.code, 2);
    r = run({"--json", "bikes", "rename", "monster 821 – rossa", "Monster 821 – nera"});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QCOMPARE(r.json().value("was").toString(), QStringLiteral("Monster 821 – rossa"));
    QCOMPARE(run({"read", "-o", "ecu.prf"}, hid).code, 0);
    r = run({"--json", "history", "--bike", "Monster 821 – nera", "list"});
    QCOMPARE(r.json().value("bikes").toArray().first().toObject().value("history").toArray()[0].toObject().value(
                 "seen_count").toInt(),
             3);
}

void TestCliHistory::aKilledWriteLeavesNoFalseEntry()
{
#ifdef Q_OS_UNIX
    // Slow enough to be caught halfway.
    SimUnit sim;
    if (!sim.start({"--hw", "10", "--cyl", "2", "--delay", "25"}))
        QSKIP("no pseudo-terminal");
    const QStringList bike{"--port", sim.port, "--bike", "Duke"};
    const int before = QDir(file("Profili/backup")).entryList(QDir::Files).size();
    QVERIFY(writeProfile("other.prf", QVector<int>(Curve::Points, 7), 3));
    QProcess *write = start(QStringList{"write", "other.prf", "--yes"} + bike);
    // The backup is made once the unit was read: the frames follow.
    QVERIFY(waitFor([&] { return QDir(file("Profili/backup")).entryList(QDir::Files).size() > before; }, 30000));
    QTest::qWait(300);
    ::kill(pid_t(write->processId()), SIGKILL);
    QVERIFY(write->waitForFinished(5000));
    delete write;
    // No pause: the unit still answers the killed run's last frames, and the
    // read's probe must set those replies aside and wait for its own.

    Result r = run(QStringList{"--json", "read", "-o", "-"} + bike);
    QVERIFY2(r.code == 0, qPrintable(r.err));
    const QVector<int> held = curveOf(r.json());
    QVERIFY2(held != QVector<int>(Curve::Points, 7), "the write was not cut short");
    r = run({"--json", "history", "--bike", "Duke", "list"});
    const QJsonArray entries = r.json().value("bikes").toArray().first().toObject().value("history").toArray();
    for (const QJsonValue &e : entries)
        QVERIFY(e.toObject().value("origin").toString() != QLatin1String("write")
                || e.toObject().value("id").toString() == QLatin1String("2"));
    r = run({"--json", "history", "--bike", "Duke", "show", entries[0].toObject().value("id").toString()});
    QCOMPARE(curveOf(r.json()), held);
    QCOMPARE(r.json().value("origin").toString(), QStringLiteral("read"));
#else
    QSKIP("SIGKILL is Unix");
#endif
}

QTEST_GUILESS_MAIN(TestCliHistory)
#include "test_cli_history.moc"
