// SPDX-License-Identifier: GPL-3.0-or-later
// tervalix-cli analyze as a tuner runs it, on logs the simulator's engine
// wrote: the JSON result, the proposal written over the base profile,
// points left out, a wideband log that cannot be read, and a profile
// written without a base only with a K the unit takes.

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "session/datalog.h"

class TestAnalyze : public QObject {
    Q_OBJECT
private slots:
    void analyzeSimulatedRide();
    void withoutABaseKIsGiven();

private:
    QProcess *run(const QStringList &args);
    QTemporaryDir dir;
};

QProcess *TestAnalyze::run(const QStringList &args)
{
    auto *cli = new QProcess(this);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath("config"));
    cli->setProcessEnvironment(env);
    cli->start(QStringLiteral(TERVALIX_CLI), QStringList{"analyze"} + args);
    cli->waitForFinished(60000);
    return cli;
}

void TestAnalyze::analyzeSimulatedRide()
{
    QVERIFY(dir.isValid());
    QProcess sim;
    sim.start(QStringLiteral(TERVALIX_ECU_SIM),
              {"--write-logs", dir.path(), "--wb-format", "semicolon+decimal-comma+ms+lambda+rpm", "--wb-delay", "500"});
    QVERIFY(sim.waitForFinished(60000));
    QCOMPARE(sim.exitCode(), 0);
    QFile base(dir.filePath("base.prf"));
    QVERIFY(base.open(QIODevice::WriteOnly));
    base.write(QByteArray(41, char(-3)) + char(3));
    base.close();

    QProcess *cli = run({dir.filePath("live.csv"), "--wideband", dir.filePath("wideband.csv"), "--target", "13.2",
                         "--max-step", "20", "--exclude", "10-12,20", "--base", dir.filePath("base.prf"), "-o",
                         dir.filePath("proposal.prf"), "--json"});
    QCOMPARE(cli->exitCode(), 0);
    const QJsonObject o = QJsonDocument::fromJson(cli->readAllStandardOutput()).object();
    QVERIFY(std::abs(o.value("delay_ms").toDouble() - 540) < 80);
    QCOMPARE(o.value("delay_ms_interval").toArray().size(), 2);
    QVERIFY(o.value("rejected").toObject().value("fuel_cut").toInt() > 0);
    const QJsonArray points = o.value("points").toArray();
    QCOMPARE(points.size(), 41);
    QVERIFY(points.at(0).toObject().value("proposed").isNull());  // never below idle
    QFile out(dir.filePath("proposal.prf"));
    QVERIFY(out.open(QIODevice::ReadOnly));
    const QByteArray prf = out.readAll();
    QCOMPARE(prf.size(), 42);
    QCOMPARE(int(prf.at(41)), 3);  // K from the base
    int changed = 0;
    for (const QJsonValue &v : points) {
        const QJsonObject p = v.toObject();
        if (!p.value("proposed").isNull()) {
            QCOMPARE(int(qint8(prf.at(p.value("point").toInt()))), p.value("proposed").toInt());
            ++changed;
        }
    }
    QVERIFY(changed > 20);
    // Points left out keep the base's value, visited or not.
    for (int i : {10, 11, 12, 20}) {
        QCOMPARE(points.at(i).toObject().value("flag").toString(), QStringLiteral("excluded"));
        QCOMPARE(int(prf.at(i)), -3);
    }

    // A wideband log that breaks off: a usage error naming file and line.
    QFile bad(dir.filePath("bad.csv"));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("time,afr\n0,13.1\n0.02;13.2\n");
    bad.close();
    cli = run({dir.filePath("live.csv"), "--wideband", dir.filePath("bad.csv")});
    QCOMPARE(cli->exitCode(), 2);
    QVERIFY2(cli->readAllStandardError().contains("bad.csv:3:"), "file and line named");
}

void TestAnalyze::withoutABaseKIsGiven()
{
    // A slow sweep over every point with the wideband in the live log, on
    // target throughout: every point has a proposal, but the logs do not
    // say K, so the profile is written only with --k.
    QVERIFY(dir.isValid());
    QFile live(dir.filePath("sweep.csv"));
    QVERIFY(live.open(QIODevice::WriteOnly));
    live.write(DataLog::header(true));
    const QDateTime start = QDateTime::fromMSecsSinceEpoch(1780308000000LL, Qt::UTC);
    for (int i = 0; i * 15 < 17700; ++i) {
        Protocol::PollData d;
        d.rpm = qMax(0, 15 * i - 300);  // 500 rpm/s
        d.cellIndex = static_cast<unsigned char>(qMin(40, qRound(d.rpm * 40.0 / 17000)));
        live.write(DataLog::line(start.addMSecs(30 * i), 30 * i, d, 13.2));
    }
    live.close();
    const QStringList args{dir.filePath("sweep.csv"), "--target", "13.2", "--delay-ms", "0", "-o", dir.filePath("k.prf")};
    QProcess *cli = run(args);
    QCOMPARE(cli->exitCode(), 2);
    QVERIFY(cli->readAllStandardError().contains("--k"));
    QVERIFY(!QFile::exists(dir.filePath("k.prf")));
    cli = run(args + QStringList{"--k", "2"});
    QCOMPARE(cli->exitCode(), 0);
    QFile out(dir.filePath("k.prf"));
    QVERIFY(out.open(QIODevice::ReadOnly));
    QCOMPARE(out.readAll(), QByteArray(41, char(0)) + char(2));
}

QTEST_GUILESS_MAIN(TestAnalyze)
#include "test_analyze.moc"
