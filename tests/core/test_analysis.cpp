// SPDX-License-Identifier: GPL-3.0-or-later
// The mixture analysis: every shape of log it accepts and every refusal,
// the clocks and the delay found on simulated rides, the proposal's
// arithmetic, and the live form agreeing with the batch one.

#include <QTest>

#include "analysis/analysisjob.h"
#include "analysis/livemixture.h"
#include "analysis/logparser.h"
#include "analysis/mixtureanalysis.h"
#include "analysis/proposal.h"
#include "sim/enginelogs.h"

#include <QSignalSpy>

#include <cmath>
#include <numeric>

using namespace Mixture;

Q_DECLARE_METATYPE(Mixture::Unit)

namespace {

// A ride of the simulated engine on a blank curve, parsed.
struct Ride {
    EngineModel engine;
    WidebandConfig sensor;
    Input input;
    explicit Ride(const QString &shape, double delayMs = 600, double clockOffsetMs = 0, bool afrColumn = false)
        : engine(EngineConfig())
    {
        sensor.delayMs = delayMs;
        sensor.clockOffsetMs = clockOffsetMs;
        sensor.warmupMs = 1500;
        EngineRunConfig run;
        run.afrColumn = afrColumn;
        QString error;
        WidebandShape::parse(shape, &run.shape, &error);
        const EngineRunLogs logs = simulateRun(engine, sensor, QVector<int>(41, 0), run);
        EcuLog e;
        ParseError err;
        QVERIFY2(parseEcuLog(logs.live, QStringLiteral("live.csv"), &e, &err), qPrintable(err.text()));
        input.ecu.append(e);
        if (!afrColumn) {
            WidebandLog w;
            QVERIFY2(parseWidebandLog(logs.wideband, QStringLiteral("wb.csv"), WidebandFormat(), &w, &err),
                     qPrintable(err.text()));
            input.wideband.append(w);
        }
    }
};

Settings targetSettings()
{
    Settings s;
    s.targetLambda = {13.2 / 14.7};
    s.maxStep = 20;
    return s;
}

} // namespace

class TestAnalysis : public QObject {
    Q_OBJECT
private slots:
    void widebandShapes_data();
    void widebandShapes();
    void refusals_data();
    void refusals();
    void liveLogs();
    void clocksAndDelayFromTheRide_data();
    void clocksAndDelayFromTheRide();
    void proposalArithmetic_data();
    void proposalArithmetic();
    void pointRows();
    void deterministicAndOffTheGuiThread();
    void liveFormFollowsTheRun();
};

void TestAnalysis::widebandShapes_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("count");
    QTest::addColumn<Mixture::Unit>("unit");
    QTest::addColumn<bool>("absolute");
    QTest::addColumn<bool>("rpm");
    QTest::addColumn<double>("secondMs");
    QTest::addColumn<double>("secondValue");
    QTest::newRow("comma, seconds, AFR, rpm") << QByteArray("Time (s),AFR,RPM\n0.00,13.5,3000\n0.02,13.6,3010\n") << 2
                                              << Unit::Afr << false << true << 20.0 << 13.6;
    QTest::newRow("semicolon, decimal comma, ms, lambda")
        << QByteArray("time_ms;Lambda\r\n0;0,912\r\n20;0,915\r\n") << 2 << Unit::Lambda << false << false << 20.0 << 0.915;
    QTest::newRow("tab, unit in brackets, a preamble line")
        << QByteArray("Logger 2.1 export\nTime [ms]\tO2 [lambda]\n100\t0.9\n150\t0.95\n") << 2 << Unit::Lambda
        << false << false << 150.0 << 0.95;
    QTest::newRow("ISO times, quoted names, a warm-up reading")
        << QByteArray("\"Timestamp\",\"AFR\"\n2026-06-01T10:00:00.000,---\n2026-06-01T10:00:00.100,13.1\n") << 2
        << Unit::Afr << true << false << 100.0 << 13.1;
    QTest::newRow("wideband column, unit from the values")
        << QByteArray("seconds;wideband\n1;14,2\n2;14,4\n") << 2 << Unit::Afr << false << false << 2000.0 << 14.4;
    QTest::newRow("semicolon with decimal points") << QByteArray("ms;λ\n0;0.9\n5;0.91\n") << 2 << Unit::Lambda << false
                                                   << false << 5.0 << 0.91;
}

void TestAnalysis::widebandShapes()
{
    QFETCH(int, count);
    QFETCH(Mixture::Unit, unit);
    QFETCH(bool, absolute);
    QFETCH(bool, rpm);
    QFETCH(double, secondMs);
    QFETCH(double, secondValue);
    QFETCH(QByteArray, text);
    WidebandLog log;
    ParseError e;
    QVERIFY2(parseWidebandLog(text, QStringLiteral("wb.csv"), WidebandFormat(), &log, &e), qPrintable(e.text()));
    QCOMPARE(log.readings.size(), count);
    QCOMPARE(log.unit, unit);
    QCOMPARE(log.hasAbsolute, absolute);
    QCOMPARE(log.hasRpm, rpm);
    QCOMPARE(log.readings[1].ms, secondMs);
    QCOMPARE(log.readings[1].value, secondValue);
    QCOMPARE(log.sha256, sha256Hex(text));
}

void TestAnalysis::refusals_data()
{
    QTest::addColumn<bool>("live");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("reason");
    QTest::newRow("empty") << false << QByteArray("\n\n") << 0 << "";
    QTest::newRow("no mixture column") << false << QByteArray("time,rpm\n0,1000\n") << 0 << "afr, lambda";
    QTest::newRow("a field too many") << false << QByteArray("time,afr\n0,13\n1,13,5\n") << 3 << "3";
    QTest::newRow("a time that is no number") << false << QByteArray("time,afr\n0,13\nx,13\n1,13\n") << 3 << "x";
    QTest::newRow("time going back") << false << QByteArray("time,afr\n5,13\n4,13\n") << 3 << "";
    QTest::newRow("live log without cell_value") << true << QByteArray("time,elapsed_ms,rpm,adc,cell_index\n") << 1
                                                 << "cell_value";
    QTest::newRow("live log, rpm not a number")
        << true << QByteArray("time,elapsed_ms,rpm,adc,cell_index,cell_value\n2026-01-01T00:00:00.000,0,x,1,2,3\n") << 2
        << "rpm";
    QTest::newRow("live log, a bad date-time")
        << true << QByteArray("time,elapsed_ms,rpm,adc,cell_index,cell_value\n2026-13-01T00:00:00.000,0,1,1,2,3\n") << 2
        << "2026-13-01";
}

void TestAnalysis::refusals()
{
    QFETCH(bool, live);
    QFETCH(int, line);
    QFETCH(QString, reason);
    QFETCH(QByteArray, text);
    ParseError e;
    bool ok;
    if (live) {
        EcuLog log;
        ok = parseEcuLog(text, QStringLiteral("giro.csv"), &log, &e);
    } else {
        WidebandLog log;
        ok = parseWidebandLog(text, QStringLiteral("giro.csv"), WidebandFormat(), &log, &e);
    }
    QVERIFY(!ok);
    QCOMPARE(e.line, line);
    QVERIFY2(e.text().startsWith(QStringLiteral("giro.csv")), qPrintable(e.text()));
    QVERIFY2(e.reason.contains(reason), qPrintable(e.reason));
}

void TestAnalysis::liveLogs()
{
    // Both the six-column log and the one with a wideband; a last line cut
    // by a crash is left out and said.
    const QByteArray six("time,elapsed_ms,rpm,adc,cell_index,cell_value\n"
                         "2026-12-08T21:04:33.125,0,1350,92,3,-2\n"
                         "2026-12-08T21:04:33.155,30,1360,92,3,-2\n"
                         "2026-12-08T21:04:33.1");
    EcuLog log;
    ParseError e;
    QStringList notes;
    QVERIFY2(parseEcuLog(six, QStringLiteral("a.csv"), &log, &e, &notes), qPrintable(e.text()));
    QCOMPARE(log.samples.size(), 2);
    QCOMPARE(log.samples[1].cellValue, -2);
    QVERIFY(!log.hasAfr);
    QCOMPARE(notes.size(), 1);
    const QByteArray seven("time,elapsed_ms,rpm,adc,cell_index,cell_value,afr\n"
                           "2026-12-08T21:04:33.125,0,1350,92,3,-2,\n"
                           "2026-12-08T21:04:33.155,30,1360,92,3,-2,13.40\n");
    QVERIFY2(parseEcuLog(seven, QStringLiteral("b.csv"), &log, &e), qPrintable(e.text()));
    QVERIFY(log.hasAfr);
    QVERIFY(std::isnan(log.samples[0].afr));
    QCOMPARE(log.samples[1].afr, 13.40);
    QCOMPARE(log.absoluteOriginMs, log.absoluteOriginMs);  // set from the first line
}

void TestAnalysis::clocksAndDelayFromTheRide_data()
{
    QTest::addColumn<QString>("shape");
    QTest::addColumn<double>("clockOffset");
    QTest::addColumn<bool>("afrColumn");
    QTest::addColumn<int>("method");
    QTest::addColumn<double>("offset");  // ECU time = wideband time + offset
    // The wideband logger starts 3 s before the live log (EngineRunConfig).
    QTest::newRow("relative times, rpm") << "comma+s+afr+rpm" << 0.0 << false << int(Pairing::Rpm) << -3000.0;
    QTest::newRow("date-times, no rpm") << "semicolon+iso+lambda" << 0.0 << false << int(Pairing::Absolute) << -3000.0;
    // A logger's clock 2 s behind: the date-times say -5000, the rpm -3000.
    QTest::newRow("date-times 2 s off, rpm") << "tab+iso+afr+rpm" << 2000.0 << false << int(Pairing::AbsoluteAndRpm)
                                             << -3000.0;
    QTest::newRow("the live log's afr column") << "" << 0.0 << true << int(Pairing::Embedded) << 0.0;
}

void TestAnalysis::clocksAndDelayFromTheRide()
{
    QFETCH(double, clockOffset);
    QFETCH(int, method);
    QFETCH(double, offset);
    QFETCH(QString, shape);
    QFETCH(bool, afrColumn);
    const Ride ride(shape, 600, clockOffset, afrColumn);
    const Result r = analyse(ride.input, targetSettings());
    QVERIFY2(r.ok, qPrintable(r.error));
    QCOMPARE(int(r.pairs.first().method), method);
    // Date-times are whole milliseconds in the file; the ISO clock's origin
    // is its first line, 3 s before the live log's.

    if (r.pairs.first().method != Pairing::Absolute && r.pairs.first().method != Pairing::Embedded)
        QVERIFY2(std::abs(r.pairs.first().offsetMs - offset) <= 10, qPrintable(QString::number(r.pairs.first().offsetMs)));
    // The delay that matters: transport plus the sensor's lag; the live
    // log's afr column is already late by half a poll interval on average.
    const double effective = ride.sensor.delayMs + ride.sensor.lagMs;
    QVERIFY2(std::abs(r.delay.ms - effective) <= 80, qPrintable(QString::number(r.delay.ms)));
    QVERIFY(r.delay.lo <= r.delay.ms && r.delay.ms <= r.delay.hi);
    // The fuel cuts and the warm-up are counted, not used.
    QVERIFY(r.rejected[size_t(Reason::FuelCut)] > 0);
    QVERIFY(r.rejected[size_t(Reason::Invalid)] > 0);
    QCOMPARE(std::accumulate(r.rejected.begin(), r.rejected.end(), r.used), r.readings);
    // The cruise in the ECU's own loop is left out, and so are only its
    // readings: the cruise point keeps those of the pulls through it.
    QVERIFY(r.rejected[size_t(Reason::ClosedLoop)] > 0);
    // Nothing proposed where the ride never went or went too briefly.
    for (const PointRow &p : r.points)
        QVERIFY(!p.hasProposal || p.samples >= 20);
    QVERIFY(r.proposals() > 20);
}

void TestAnalysis::proposalArithmetic_data()
{
    QTest::addColumn<int>("applied");
    QTest::addColumn<double>("ratio");  // measured / target
    QTest::addColumn<double>("gain");
    QTest::addColumn<int>("maxStep");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("limited");
    QTest::addColumn<bool>("clamped");
    // F(v) = 1 + g v / 100; exact = (F(applied) ratio - 1) 100 / g.
    QTest::newRow("multiplicative on the value in force") << 10 << 1.04 << 1.0 << 20 << 14 << false << false;
    QTest::newRow("lean asks for fuel") << 0 << 1.03 << 1.0 << 20 << 3 << false << false;
    QTest::newRow("rich takes it away") << 0 << 0.97 << 1.0 << 20 << -3 << false << false;
    QTest::newRow("two % per point halves the step") << 0 << 1.06 << 2.0 << 20 << 3 << false << false;
    QTest::newRow("rounded to the nearest point") << 5 << 1.0 << 1.0 << 20 << 5 << false << false;
    QTest::newRow("limited per pass") << 0 << 1.20 << 1.0 << 5 << 5 << true << false;
    QTest::newRow("limited per pass, downwards") << 3 << 0.80 << 1.0 << 5 << -2 << true << false;
    QTest::newRow("within the unit's range") << 48 << 1.10 << 1.0 << 20 << 50 << false << true;
}

void TestAnalysis::proposalArithmetic()
{
    QFETCH(double, gain);
    QFETCH(int, maxStep);
    QFETCH(int, applied);
    QFETCH(double, ratio);
    QFETCH(int, value);
    QFETCH(bool, limited);
    QFETCH(bool, clamped);
    Settings s;
    s.gainPctPerPoint = gain;
    s.maxStep = maxStep;
    const Proposal p = propose(applied, 0.9 * ratio, 0.9, s);
    QVERIFY(p.ok);
    QCOMPARE(p.value, value);
    QCOMPARE(p.limited, limited);
    QCOMPARE(p.clamped, clamped);
    // A fuel factor that is not positive has no answer.
    QVERIFY(!propose(-120, 0.9, 0.9, Settings()).ok);
}

void TestAnalysis::pointRows()
{
    Settings s;
    s.targetLambda = {0.9};
    // Few readings: held, never invented.
    PointSamples few;
    for (int i = 0; i < 5; ++i)
        few.add(0.95, 0, i);
    const PointRow held = pointRow(10, few, s, 17000);
    QCOMPARE(held.flag, Flag::FewSamples);
    QVERIFY(!held.hasProposal);
    QCOMPARE(held.rpm, 4250);
    // Readings under two values of the cell (the curve changed between
    // runs) are brought to the latest one: 0.945 at value 0 is 0.9 at 5.
    PointSamples changed;
    for (int i = 0; i < 30; ++i) {
        changed.add(0.9 * 1.05, 0, i);
        changed.add(0.9, 5, 100 + i);
    }
    const PointRow row = pointRow(10, changed, s, 17000);
    QCOMPARE(row.applied, 5);
    QVERIFY(std::abs(row.lambda - 0.9) < 1e-9);
    QCOMPARE(row.proposed, 5);
    QVERIFY(row.lambdaLo <= row.lambda && row.lambda <= row.lambdaHi);
    // A held speed and a slow swing around stoichiometric while the target
    // is rich: the ECU's loop. Its readings are left out; the point's
    // readings while the speed moved still count.
    PointSamples loop;
    for (int i = 0; i < 150; ++i) {
        const double phase = std::fmod(i * 20 / 1200.0, 1.0);
        loop.add(1.0 + 0.05 * (phase < 0.5 ? 4 * phase - 1 : 3 - 4 * phase), 0, i / 5, 7, i * 20.0);
    }
    PointRow looped = pointRow(7, loop, s, 17000);
    QCOMPARE(looped.flag, Flag::ClosedLoop);
    QVERIFY(!looped.hasProposal);
    QCOMPARE(looped.closedLoop, 150);
    for (int i = 0; i < 30; ++i)
        loop.add(0.9 * 1.03, 0, 100 + i, -1, 5000.0 + 20 * i);
    looped = pointRow(7, loop, s, 17000);
    QCOMPARE(looped.samples, 30);
    QCOMPARE(looped.proposed, 3);
    // A held speed near stoichiometric in open loop, on a noisy sensor:
    // no swing beyond the noise, so no loop.
    PointSamples noisy;
    for (int i = 0; i < 150; ++i)
        noisy.add(1.0 + (i % 2 ? 0.03 : -0.03), 0, i / 5, 7, i * 20.0);
    const PointRow open = pointRow(7, noisy, s, 17000);
    QCOMPARE(open.closedLoop, 0);
    QVERIFY(open.hasProposal);
}

void TestAnalysis::deterministicAndOffTheGuiThread()
{
    const Ride ride(QStringLiteral("comma+s+afr+rpm"));
    const Result a = analyse(ride.input, targetSettings());
    Mixture::AnalysisJob job;
    QSignalSpy done(&job, &Mixture::AnalysisJob::finished);
    QVERIFY(job.start(ride.input, targetSettings()));
    QVERIFY(!job.start(ride.input, targetSettings()));  // one at a time
    QVERIFY(done.wait(60000));
    const Result b = done.first().first().value<Mixture::Result>();
    QCOMPARE(a.delay.ms, b.delay.ms);
    for (int i = 0; i < Points; ++i) {
        QCOMPARE(a.points[i].proposed, b.points[i].proposed);
        QCOMPARE(a.points[i].lambda, b.points[i].lambda);  // bit for bit
    }
    QCOMPARE(b.inputs.first().sha256, ride.input.ecu.first().sha256);
}

void TestAnalysis::liveFormFollowsTheRun()
{
    // Fed poll by poll with the delay the batch found, the live form ends
    // with the batch's proposal.
    const Ride ride(QStringLiteral(""), 600, 0, true);
    Settings s = targetSettings();
    const Result batch = analyse(ride.input, s);
    s.delayMs = batch.delay.ms;
    LiveMixture live(s);
    int filled = 0;
    for (const EcuSample &x : ride.input.ecu.first().samples) {
        live.addEcuSample(x);
        live.addReading(x.ms, x.afr / s.stoich);
        if (x.ms > 60000 && filled == 0)
            filled = live.result().proposals();
    }
    live.finish();
    const Result r = live.result();
    QVERIFY(filled > 0 && filled <= r.proposals());
    s.delayFixed = true;
    const Result again = analyse(ride.input, s);
    for (int i = 0; i < Points; ++i)
        QVERIFY2(std::abs(r.points[i].proposed - again.points[i].proposed) <= 1, qPrintable(QString::number(i)));
    QCOMPARE(live.snapshot().ecu.first().samples.size(), ride.input.ecu.first().samples.size());
}

QTEST_GUILESS_MAIN(TestAnalysis)
#include "test_analysis.moc"
