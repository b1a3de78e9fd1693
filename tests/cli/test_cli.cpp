// SPDX-License-Identifier: GPL-3.0-or-later
// tervalix-cli as a script or a person runs it: the real program against the
// simulated unit on a pseudo-terminal (tervalix-ecu-sim) and on HID
// (TERVALIX_SIMULATOR=hid), checked by exit code, standard output and the
// files it leaves; the argument rules and the result formats directly on the
// library; and the window's hint when there is no display.

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "profile/curvelimits.h"
#include "cli/cliargs.h"
#include "cli/clitext.h"
#include "link/protocol.h"
#include "support/testsupport.h"
#include "support/toolsuite.h"
#include "util/datafolders.h"

#ifdef Q_OS_UNIX
#include <csignal>
#endif

namespace {

// A profile with a distinct, partly negative value at every point, within
// the limits of every unit (-10 to 25) unless `beyond` (then point 6 is 40).
QByteArray profileBytes(int k, bool beyond = false)
{
    QByteArray b;
    for (int i = 0; i < Curve::Points; ++i)
        b.append(char(beyond && i == 6 ? 40 : (i % 31) - 10));
    b.append(char(k));
    return b;
}

} // namespace

class TestCli : public ToolSuite {
    Q_OBJECT
private slots:
    void initTestCase();
    void argumentsGoAnywhereAndMistakesAreUsageErrors();
    void resultFormats();
    void serialUnit();
    void hidUnit();
    void ctrlCDuringAWrite();
    void aKilledRecordingIsStillAValidLog();
    void resultsThatCannotBeWrittenFail();
    void windowWithoutADisplayPointsToTheTool();

};

void TestCli::initTestCase()
{
    QVERIFY(prepare());
    QFile profile(file("new.prf"));
    QVERIFY(profile.open(QIODevice::WriteOnly));
    QCOMPARE(profile.write(profileBytes(3)), qint64(42));
    QFile beyond(file("beyond.prf"));
    QVERIFY(beyond.open(QIODevice::WriteOnly));
    QCOMPARE(beyond.write(profileBytes(9, true)), qint64(42));
}

void TestCli::argumentsGoAnywhereAndMistakesAreUsageErrors()
{
    Cli::Parsed p = Cli::parse({"x", "--json", "read", "-o", "a.csv", "--port", "/dev/pts/9"});
    QCOMPARE(p.kind, Cli::Parsed::Run);
    QCOMPARE(p.args.command, QStringLiteral("read"));
    QCOMPARE(p.args.output, QStringLiteral("a.csv"));
    QCOMPARE(p.args.port, QStringLiteral("/dev/pts/9"));
    QVERIFY(p.args.json);
    p = Cli::parse({"x", "--port", "/dev/pts/9", "write", "f.prf"});
    QCOMPARE(p.args.arguments, QStringList{"f.prf"});
    QCOMPARE(p.args.backupDir, DataFolders::backups());

    const QList<QStringList> wrong{{"x"},
                                   {"x", "write"},
                                   {"x", "read"},
                                   {"x", "read", "-o", "a.txt"},
                                   {"x", "--port", "/dev/pts/9", "--hid", "info"},
                                   {"x", "monitor", "--seconds", "0"},
                                   {"x", "monitor", "--seconds", "4294968"},  // * 1000 overflows an int
                                   {"x", "info", "extra"},
                                   {"x", "info", "--output", "a.prf"}};
    for (const QStringList &args : wrong)
        QVERIFY2(Cli::parse(args).kind == Cli::Parsed::Error, qPrintable(args.join(' ')));

    const Result help = run({"read", "--help"});
    QCOMPARE(help.code, 0);
    QVERIFY(help.out.contains(QLatin1String("--output")));
    QVERIFY(run({"--help"}).out.contains(QLatin1String("monitor")));
    const Result unknown = run({"flash"});
    QCOMPARE(unknown.code, 2);
    QVERIFY(unknown.out.isEmpty());
    QVERIFY(unknown.err.contains(QLatin1String("flash")));
}

void TestCli::resultFormats()
{
    // The last point sits at the unit's top speed: 17000 with 4 cylinders,
    // 12000 otherwise (2, or none reported).
    CDevInfo four = CDevInfo::fromBytes(reinterpret_cast<const unsigned char *>("\x15\x04" "203"));
    CDevInfo none = CDevInfo::serialDefault();
    QCOMPARE(Cli::deviceText(four), QStringLiteral("HW21 - CYL4 - V2.0-R3"));
    QVector<int> values(Curve::Points, 3);
    values[0] = -7;
    const QList<QByteArray> lines = Cli::curveCsv(values, Cli::maxRpm(four)).split('\n');
    QCOMPARE(lines.size(), 1 + Curve::Points + 1);
    QCOMPARE(lines[0], QByteArray("point,rpm,value"));
    QCOMPARE(lines[1], QByteArray("0,0,-7"));
    QCOMPARE(lines[41], QByteArray("40,17000,3"));
    QVERIFY(Cli::curveCsv(values, Cli::maxRpm(none)).contains("\n20,6000,3\n"));

    // Curve points and K are signed; K is named by its own cell.
    EcuImage::Decoded ecu;
    ecu.values = values;
    ecu.k = 1;
    values[5] = -100;
    const QVector<Cli::Difference> d = Cli::compareProfile(values, -2, ecu, 21);
    QCOMPARE(d.size(), 2);
    QCOMPARE(Cli::profileText(d[0]), QStringLiteral("Cella 5: il profilo ha -100, la centralina contiene 3"));
    QCOMPARE(Cli::profileText(d[1]), QStringLiteral("Cella 82 (K): il profilo ha -2, la centralina contiene 1"));
    const QVector<Cli::Difference> m = Cli::fromMismatches({{7, 0xF3, 0}, {50, 'A', 'B'}, {82, 3, 0xFF}}, 21);
    QCOMPARE(Cli::writtenText(m[0]), QStringLiteral("Cella 7: scritto -13, la centralina contiene 0"));
    QCOMPARE(m[1].expected, int('A'));
    QCOMPARE(Cli::writtenText(m[2]), QStringLiteral("Cella 82 (K): scritto 3, la centralina contiene -1"));
}

void TestCli::serialUnit()
{
    SimUnit sim;
    if (!sim.start({"--hw", "10", "--cyl", "0", "--cell", "3=-4"}))
        QSKIP("no pseudo-terminal");
    const QString port = sim.port;

    // Over serial the probe gives the fixed record, options before or after.
    Result r = run({"--port", port, "info"});
    QCOMPARE(r.code, 0);
    QCOMPARE(r.out, QStringLiteral("HW10 - V1.1-R0\n"));

    r = run({"read", "-o", "-", "--port", port});
    QCOMPARE(r.code, 0);
    QVERIFY(r.out.startsWith(QLatin1String("point,rpm,value\n0,0,0\n")));
    QVERIFY(r.out.contains(QLatin1String("\n3,900,-4\n")));
    QVERIFY(r.out.endsWith(QLatin1String("\n40,12000,0\n")));
    QCOMPARE(run({"read", "-o", "ecu.csv", "--port", port}).code, 0);
    QFile csv(file("ecu.csv"));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(csv.readAll()), r.out);
    QCOMPARE(run({"read", "-o", "ecu.prf", "--port", port}).code, 0);
    QFile before(file("ecu.prf"));
    QVERIFY(before.open(QIODevice::ReadOnly));
    const QByteArray held = before.readAll();
    QCOMPARE(held.size(), 42);
    QCOMPARE(int(qint8(held[3])), -4);
    QCOMPARE(int(held[41]), 1);  // the unit's K

    // Write, then verify in another run: the unit keeps it; the backup holds
    // what it had before.
    r = run({"write", "new.prf", "--yes", "--backup-dir", "bk", "--port", port});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    const QStringList backups = QDir(file("bk")).entryList({"*_HW10.prf"}, QDir::Files);
    QCOMPARE(backups.size(), 1);
    QFile backup(file("bk/" + backups.first()));
    QVERIFY(backup.open(QIODevice::ReadOnly));
    QCOMPARE(backup.readAll(), held);
    QCOMPARE(run({"verify", "new.prf", "--port", port}).code, 0);
    r = run({"verify", "ecu.prf", "--port", port});
    QCOMPARE(r.code, 5);
    QVERIFY(r.out.contains(QLatin1String("Cella 3: il profilo ha -4, la centralina contiene -7")));
    QVERIFY(r.out.contains(QLatin1String("Cella 42 (K): il profilo ha 1, la centralina contiene 3")));

    // Beyond the unit's limits: refused, naming the point, the unit untouched;
    // with --clamp brought within them.
    r = run({"write", "beyond.prf", "--backup-dir", "bk", "--port", port});
    QCOMPARE(r.code, 2);
    QVERIFY2(r.err.contains(QLatin1String("6 (1800 giri/min)")) && r.err.contains(QLatin1String("K = 9")),
             qPrintable(r.err));
    QCOMPARE(run({"verify", "new.prf", "--port", port}).code, 0);
    r = run({"write", "beyond.prf", "--clamp", "--yes", "--backup-dir", "bk", "--port", port});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    r = run({"read", "-o", "-", "--port", port});
    QVERIFY(r.out.contains(QLatin1String("\n6,1800,25\n")));

    // While one run monitors the unit, a second is told that the port is taken.
    QProcess *monitor = start({"monitor", "--seconds", "2", "--csv", "live.csv", "--port", port});
    QVERIFY(waitFor([&] { return monitor->canReadLine() || monitor->state() == QProcess::NotRunning; }));
    r = run({"info", "--port", port});
    QCOMPARE(r.code, 3);
    QVERIFY2(r.err.contains(QLatin1String("occupat")), qPrintable(r.err));
    r = finish(monitor);
    QCOMPARE(r.code, 0);
    QFile live(file("live.csv"));
    QVERIFY(live.open(QIODevice::ReadOnly));
    const QList<QByteArray> rows = live.readAll().trimmed().split('\n');
    QCOMPARE(rows.first(), QByteArray("time,elapsed_ms,rpm,adc,cell_index,cell_value"));
    QVERIFY2(rows.size() > 10, qPrintable(QString::number(rows.size())));
    QCOMPARE(rows.last().count(','), 5);
    QVERIFY(r.out.startsWith(QLatin1String(rows.first())));
}

void TestCli::hidUnit()
{
    const QStringList hid{"TERVALIX_SIMULATOR=hid"};
    Result r = run({"info"}, hid);
    QCOMPARE(r.code, 0);
    QCOMPARE(r.out, QStringLiteral("HW21 - CYL4 - V2.0-R3\n"));
    r = run({"--json", "info"}, hid);
    QVERIFY(r.out.contains(QLatin1String("\"hardware\": 21")));
    QVERIFY(r.out.contains(QLatin1String("\"cylinders\": 4")));
    QVERIFY(run({"read", "-o", "-"}, hid).out.endsWith(QLatin1String("\n40,17000,0\n")));

    // A write backs up into the window's folder by default: ./Profili when
    // there is one, else the user's documents.
    r = run({"write", "new.prf", "--yes"}, hid);
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QCOMPARE(QDir(file("home/Documents/Tervalix/Profili/backup")).entryList({"*_HW21.prf"}, QDir::Files).size(), 1);
    QVERIFY(QDir(work.path()).mkpath(QStringLiteral("Profili")));
    r = run({"write", "new.prf", "--yes"}, hid);
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QCOMPARE(QDir(file("Profili/backup")).entryList({"*_HW21.prf"}, QDir::Files).size(), 1);
    QDir(file("Profili")).removeRecursively();
    QCOMPARE(run({"write", "beyond.prf"}, hid).code, 2);

    // A cell that acknowledges but does not keep its value fails the write.
    r = run({"write", "new.prf", "--yes"}, {"TERVALIX_SIMULATOR=hid", "TERVALIX_SIM_STUCK_CELL=7"});
    QCOMPARE(r.code, 5);
    QCOMPARE(r.out, QStringLiteral("Cella 7: scritto -3, la centralina contiene 0\n"));

    // A unit that never answers: no ECU.
    r = run({"info"}, {"TERVALIX_SIMULATOR=hid", "TERVALIX_SIM_SILENT=1"});
    QCOMPARE(r.code, 3);
    QVERIFY(r.out.isEmpty());

    // The doctor, for scripts: every check with its verdict, and the
    // simulator switch named among them.
    r = run({"doctor", "--json"}, hid);
    QVERIFY(r.code == 0 || r.code == 3);
    const QJsonObject doc = QJsonDocument::fromJson(r.out.toUtf8()).object();
    QVERIFY(doc.value("checks").toArray().size() >= 7);
    QVERIFY(r.out.contains(QLatin1String("TERVALIX_SIMULATOR=hid")));
}

void TestCli::ctrlCDuringAWrite()
{
#ifndef Q_OS_UNIX
    QSKIP("signals are sent the Unix way");
#else
    SimUnit sim;
    if (!sim.start({"--hw", "10"}))
        QSKIP("no pseudo-terminal");
    // Ctrl+C once and twice; then a hang-up (a dropped SSH session) and a
    // termination request, which never cut a write short.
    struct Case {
        int signal;
        int times;
        int code;
        const char *says;
    };
    for (const Case &c : {Case{SIGINT, 1, 0, "portata a termine"}, Case{SIGINT, 2, 4, "Scrittura interrotta"},
                          Case{SIGHUP, 1, 0, "SIGHUP"}, Case{SIGTERM, 1, 0, "SIGTERM"}}) {
        const QString dir = QStringLiteral("signal%1x%2").arg(c.signal).arg(c.times);
        QProcess *write = start({"write", "new.prf", "--yes", "--backup-dir", dir, "--port", sim.port});
        // The backup is taken just before the first cell is written.
        QVERIFY(waitFor([&] { return !QDir(file(dir)).isEmpty(QDir::Files); }, 20000));
        for (int i = 0; i < c.times; ++i) {
            ::kill(pid_t(write->processId()), c.signal);
            QTest::qWait(100);
        }
        const Result r = finish(write);
        QVERIFY2(r.code == c.code && r.err.contains(QLatin1String(c.says)), qPrintable(r.err));
        if (c.code == 4)
            QVERIFY2(r.err.contains(dir), qPrintable(r.err));
        else
            QCOMPARE(run({"verify", "new.prf", "--port", sim.port}).code, 0);  // every cell written
    }
#endif
}

void TestCli::aKilledRecordingIsStillAValidLog()
{
    // A run recorded, and the program killed outright: what is on disk is a
    // valid log of whole lines, flushed while it ran.
    QProcess *p = start({"monitor", "--csv", "killed.csv"}, {"TERVALIX_SIMULATOR=hid"});
    QVERIFY(p->waitForStarted());
    QVERIFY(waitFor([&] { return QFileInfo(file("killed.csv")).size() > 2000; }, 15000));
    p->kill();
    p->waitForFinished(3000);
    delete p;
    QFile f(file("killed.csv"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray all = f.readAll();
    QVERIFY(all.endsWith('\n'));  // no half line
    const QList<QByteArray> lines = all.trimmed().split('\n');
    QCOMPARE(lines.first(), QByteArray("time,elapsed_ms,rpm,adc,cell_index,cell_value"));
    QVERIFY(lines.size() > 20);
    for (const QByteArray &line : lines.mid(1))
        QCOMPARE(line.count(','), 5);
}

void TestCli::resultsThatCannotBeWrittenFail()
{
    const QStringList hid{"TERVALIX_SIMULATOR=hid"};
    // --json: the values as a document, and usage errors as JSON too.
    Result r = run({"read", "-o", "-", "--json"}, hid);
    QCOMPARE(r.code, 0);
    QCOMPARE(QJsonDocument::fromJson(r.out.toUtf8()).object().value("values").toArray().size(), Curve::Points);
    r = run({"--json", "read"});
    QCOMPARE(r.code, 2);
    QCOMPARE(QJsonDocument::fromJson(r.out.toUtf8()).object().value("exit_code").toInt(), 2);

#ifdef Q_OS_UNIX
    // Standard output on a full disk, or closed: the result is lost, so the
    // run fails.
    const auto shell = [this, &hid](const QString &script) {
        auto *p = new QProcess(this);
        p->setProcessEnvironment(environment(hid));
        p->setWorkingDirectory(work.path());
        p->start(QStringLiteral("/bin/sh"), {"-c", script, QStringLiteral(TERVALIX_CLI)});
        return finish(p);
    };
    for (const char *redirect : {"> /dev/full", ">&-"}) {
        r = shell(QStringLiteral("exec \"$0\" read -o - %1").arg(redirect));
        QVERIFY2(r.code == 4 && r.err.contains("standard output"), redirect);
    }

    // The reader of standard output goes away (`monitor | head`): every
    // poll shown is in the recording, which ends with a whole line.
    r = shell(QStringLiteral("{ \"$0\" monitor --csv head.csv; echo $? > head.rc; } | head -n 30"));
    QFile rc(file("head.rc"));
    QVERIFY(rc.open(QIODevice::ReadOnly));
    QCOMPARE(rc.readAll().trimmed(), QByteArray("4"));
    QFile recording(file("head.csv"));
    QVERIFY(recording.open(QIODevice::ReadOnly));
    const QString kept = QString::fromUtf8(recording.readAll());
    QVERIFY(kept.endsWith('\n'));
    // The same polls in the same order (each line takes its own clock reading).
    const auto polls = [](const QString &csv) {
        QStringList out;
        for (const QString &line : csv.split('\n', Qt::SkipEmptyParts))
            out << line.section(',', 2);
        return out;
    };
    const QStringList shown = polls(r.out);
    QCOMPARE(shown.size(), 30);
    QCOMPARE(polls(kept).mid(0, shown.size()), shown);

    // A temporary folder that is a file is named as such, not as a busy unit.
    QVERIFY(QFile(file("notafolder")).open(QIODevice::WriteOnly));
    r = run({"info"}, {"TERVALIX_SIMULATOR=hid", "TMPDIR=" + file("notafolder")});
    QCOMPARE(r.code, 3);
    QVERIFY2(r.err.contains("file di blocco") && !r.err.contains("in uso"), qPrintable(r.err));
#endif
}

void TestCli::windowWithoutADisplayPointsToTheTool()
{
    QProcessEnvironment env = environment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QLatin1String(name));
    QProcess window;
    window.setProcessEnvironment(env);
    window.start(QStringLiteral(TERVALIX_WINDOW), QStringList());
    QVERIFY(window.waitForFinished(30000));
    QCOMPARE(window.exitCode(), 1);
    const QString hint = QString::fromUtf8(window.readAllStandardError());
    for (const char *word : {"tervalix-cli", "xvfb-run", "-platform vnc"})
        QVERIFY2(hint.contains(QLatin1String(word)), qPrintable(hint));
}

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
