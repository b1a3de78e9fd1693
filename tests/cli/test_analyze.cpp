// tervalix-cli analyze as a tuner runs it, on logs the simulator's engine
// wrote: the JSON result, the proposal written over the base profile, and
// a wideband log that cannot be read.

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestAnalyze : public QObject {
    Q_OBJECT
private slots:
    void analyzeSimulatedRide();
};

void TestAnalyze::analyzeSimulatedRide()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QProcess sim;
    sim.start(QStringLiteral(TERVALIX_ECU_SIM),
              {"--write-logs", dir.path(), "--wb-format", "semicolon+decimal-comma+ms+lambda+rpm", "--wb-delay", "500"});
    QVERIFY(sim.waitForFinished(60000));
    QCOMPARE(sim.exitCode(), 0);
    QFile base(dir.filePath("base.prf"));
    QVERIFY(base.open(QIODevice::WriteOnly));
    base.write(QByteArray(41, char(0)) + char(7));
    base.close();

    QProcess cli;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath("config"));
    cli.setProcessEnvironment(env);
    cli.start(QStringLiteral(TERVALIX_CLI),
              {"analyze", dir.filePath("live.csv"), "--wideband", dir.filePath("wideband.csv"), "--target", "13.2",
               "--max-step", "20", "--base", dir.filePath("base.prf"), "-o", dir.filePath("proposal.prf"), "--json"});
    QVERIFY(cli.waitForFinished(60000));
    QCOMPARE(cli.exitCode(), 0);
    const QJsonObject o = QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
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
    QCOMPARE(int(prf.at(41)), 7);  // K from the base
    int changed = 0;
    for (const QJsonValue &v : points) {
        const QJsonObject p = v.toObject();
        if (!p.value("proposed").isNull()) {
            QCOMPARE(int(qint8(prf.at(p.value("point").toInt()))), p.value("proposed").toInt());
            ++changed;
        }
    }
    QVERIFY(changed > 20);

    // A wideband log that breaks off: a usage error naming file and line.
    QFile bad(dir.filePath("bad.csv"));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("time,afr\n0,13.1\n0.02;13.2\n");
    bad.close();
    cli.start(QStringLiteral(TERVALIX_CLI), {"analyze", dir.filePath("live.csv"), "--wideband", dir.filePath("bad.csv")});
    QVERIFY(cli.waitForFinished(60000));
    QCOMPARE(cli.exitCode(), 2);
    QVERIFY2(cli.readAllStandardError().contains("bad.csv:3:"), "file and line named");
}

QTEST_GUILESS_MAIN(TestAnalyze)
#include "test_analyze.moc"
