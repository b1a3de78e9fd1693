// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/simrig.h"

#include "profile/curvelimits.h"
#include "sim/simulatedhiddevice.h"
#include "support/testsupport.h"

std::unique_ptr<SimUnit> SimUnit::make(Carrier carrier, const EcuSimConfig &sim)
{
    auto u = std::make_unique<SimUnit>();
    u->carrier = carrier;
    u->ecu = std::make_shared<EcuSimulator>(sim);
    u->config.lockDir = u->dir.path();
    SimUnit *unit = u.get();
    std::shared_ptr<EcuSimulator> engine = u->ecu;
    switch (carrier) {
    case Model:
        u->config.openHid = nullptr;
        u->config.makeSerialLink = [unit](const QString &) {
            auto link = std::make_unique<MockLink>(unit->ecu);
            unit->mock = link.get();
            return std::unique_ptr<EcuLink>(std::move(link));
        };
        break;
    case Serial:
        u->config.openHid = nullptr;
        u->pty = std::make_unique<PtyEcuSimulator>(engine);
        if (!u->pty->start())
            return nullptr;
        break;
    case Hid:
        u->config.openHid = [engine] { return std::make_unique<SimulatedHidDevice>(engine); };
        break;
    }
    return u;
}

EcuSimConfig SimUnit::unit(unsigned char hw, unsigned char cylinders)
{
    EcuSimConfig c;
    c.hwVersion = hw;
    c.cylinders = cylinders;
    return c;
}

void SimUnit::probe(EcuSession &session) const
{
    if (carrier == Hid)
        session.probeHid();
    else
        session.probeSerial(port());
}

QString SimUnit::port() const
{
    switch (carrier) {
    case Hid:
        return QStringLiteral("HID");
    case Serial:
        return pty->portPath();
    default:
        return QStringLiteral("mock");
    }
}

QString SimUnit::name() const
{
    return carrier == Model ? QStringLiteral("model") : carrier == Serial ? QStringLiteral("serial")
                                                                          : QStringLiteral("HID");
}

void SimUnit::setCurve(const QVector<int> &values)
{
    for (int i = 0; i < values.size(); ++i)
        ecu->setCell(i, uchar(values[i] & 0xFF));
}

QVector<int> SimUnit::curve() const
{
    QVector<int> v;
    for (int i = 0; i < Curve::Points; ++i)
        v << qint8(ecu->cell(i));
    return v;
}

int SimUnit::k() const
{
    return qint8(ecu->cell(Protocol::injectionKCell(ecu->config().hwVersion)));
}

QVector<int> patternCurve(int seed)
{
    QVector<int> v;
    for (int i = 0; i < Curve::Points; ++i)
        v << ((i * 7 + seed) % 31) - 10;
    return v;
}

std::unique_ptr<SessionRig> SessionRig::make(SimUnit::Carrier carrier, unsigned char hw,
                                             std::function<void(EcuSession::Config &)> tweak)
{
    auto r = std::make_unique<SessionRig>();
    r->unit = SimUnit::make(carrier, SimUnit::unit(hw));
    if (!r->unit)
        return nullptr;
    EcuSession::Config config = r->unit->config;
    if (tweak)
        tweak(config);
    r->session = std::make_unique<EcuSession>(config);
    SessionRig *rig = r.get();
    EcuSession *s = r->session.get();
    QObject::connect(s, &EcuSession::finished, [rig](const EcuResult &res) { rig->results << res; });
    QObject::connect(s, &EcuSession::probeFinished, [rig](const ProbeResult &p) { rig->probes << p; });
    QObject::connect(s, &EcuSession::linkLost, [rig](const QString &why, const EcuResult &what) {
        rig->lost << why + QLatin1Char('|') + QString::number(int(what.operation));
    });
    return r;
}

bool SessionRig::link()
{
    const int before = probes.size();
    unit->probe(*session);
    return waitFor([&] { return probes.size() > before; }, 5000) && probes.last().found();
}

bool SessionRig::finish(const std::function<void()> &ask, int timeoutMs)
{
    const int before = results.size();
    ask();
    return waitFor([&] { return results.size() > before; }, timeoutMs);
}

bool SessionRig::read(int timeoutMs)
{
    return finish([this] { session->readCurve(); }, timeoutMs);
}

bool SessionRig::write(const QVector<int> &values, std::optional<int> k, int timeoutMs)
{
    WriteOptions options;
    options.k = k;
    options.profileName = QStringLiteral("a.prf");
    options.backupDir = backupDir();
    return finish([&] { session->writeCurve(values, options); }, timeoutMs);
}

void fastTimeouts(EcuSession::Config &c)
{
    c.transferTimeoutMs = 60;
    c.liveTimeoutMs = 60;
    c.probeTimeoutMs = 100;
}
