#include "session/ecusession.h"

#include "link/cgestreceive.h"
#include "link/cgestrt.h"
#include "link/cgestsend.h"
#include "link/diagnostics.h"
#include "link/hiddevice.h"
#include "link/hidlink.h"
#include "link/seriallink.h"
#include "profile/backupstore.h"
#include "profile/curvebytes.h"

#include <QCoreApplication>
#include <QDateTime>

namespace {

ProbeResult::Outcome outcomeOf(EcuLink::OpenError e)
{
    switch (e) {
    case EcuLink::OpenError::Missing:
        return ProbeResult::Missing;
    case EcuLink::OpenError::Busy:
        return ProbeResult::Busy;
    case EcuLink::OpenError::PermissionDenied:
        return ProbeResult::PermissionDenied;
    default:
        return ProbeResult::OpenFailed;
    }
}

const int registered = [] {
    qRegisterMetaType<ProbeResult>();
    qRegisterMetaType<Protocol::PollData>();
    qRegisterMetaType<EcuLink::LossReason>();
    return 0;
}();

} // namespace

EcuSession::Config EcuSession::defaultConfig()
{
    Config c;
    c.openHid = hidApiOpener();
    return c;
}

EcuSession::EcuSession(const Config &config, QObject *parent) : QObject(parent), cfg(config)
{
    (void)registered;
    sendThread = new CGestSend(&writeImage, this, cfg.transferTimeoutMs, cfg.transferRetries, cfg.clock,
                               cfg.startThreads);
    receiveThread = new CGestReceive(&readImageBuffer, this, cfg.transferTimeoutMs, cfg.transferRetries, cfg.clock,
                                     cfg.startThreads);
    rtThread = new CGestRT(this, cfg.liveTimeoutMs, cfg.liveRetries, cfg.clock, cfg.startThreads);

    const auto frame = [this](const QByteArray &f) { onFrame(f); };
    const auto percent = [this](int p) { onPercent(p); };
    mailbox.relay(sendThread, &CGestSend::sgnSndByte, frame);
    mailbox.relay(sendThread, &CGestSend::sgnPercent, percent);
    mailbox.relay(sendThread, &CGestSend::sgnEsito, [this](const QString &o) { onSendOutcome(o); });
    mailbox.relay(receiveThread, &CGestReceive::sgnSndByte, frame);
    mailbox.relay(receiveThread, &CGestReceive::sgnPercent, percent);
    mailbox.relay(receiveThread, &CGestReceive::sgnEsito, [this](const QString &o) { onReceiveOutcome(o); });
    mailbox.relay(rtThread, &CGestRT::sgnSndByte, frame);
    mailbox.relay(rtThread, &CGestRT::sgnExecCmd, [this](const QString &c) { emit sgnExecCmd(c); });
    mailbox.relay(rtThread, &CGestRT::sgnCmdDropped, [this](const QString &c) { emit commandDropped(c); });
    mailbox.relay(rtThread, &CGestRT::sgnLive, [this](const Protocol::PollData &d) {
        if (!linked)
            return;
        ++pollsDelivered;
        emit sgnRpm(d.rpm);
        emit sgnADC(d.adc);
        emit sgnIdxCella(d.cellIndex);
        emit sgnValCella(d.cellValue);
        emit liveData(d);
    });
    mailbox.relay(rtThread, &CGestRT::sgnPollLost, [this] {
        if (!linked)
            return;
        ++pollsLost;
        emit pollLost();
    });
    mailbox.relay(rtThread, &CGestRT::sgnError, [this](const QString &msg) {
        if (linked)
            emit sgnError(msg);
    });

    probeTimer.setSingleShot(true);
    connect(&probeTimer, &QTimer::timeout, this, &EcuSession::onProbeTimeout);
    noiseClock.start();
    // Runs only while the monitor has something to forget, so an idle
    // session costs no wake-ups.
    noiseTimer.setInterval(1000);
    connect(&noiseTimer, &QTimer::timeout, this, [this] {
        if (noise.tick(noiseClock.elapsed()))
            emit lineNoiseChanged(noise.isNoisy());
        if (!noise.isNoisy())
            noiseTimer.stop();
    });
}

EcuSession::~EcuSession()
{
    // The workers stop before the link they talk to goes.
    delete sendThread;
    delete receiveThread;
    delete rtThread;
    sendThread = nullptr;
    receiveThread = nullptr;
    rtThread = nullptr;
    linkPtr.reset();
}

QString EcuSession::portName() const
{
    return linkPtr ? linkPtr->name() : QString();
}

bool EcuSession::isHid() const
{
    return linkPtr && linkPtr->isHid();
}

QString EcuSession::devicePath() const
{
    if (!linkPtr)
        return QString();
    if (auto *hid = qobject_cast<HidLink *>(linkPtr.get()))
        return hid->device() ? hid->device()->path() : QString();
    return linkPtr->name();
}

void EcuSession::deviceRemoved(const QString &devnode)
{
    if (!linkPtr || devnode.isEmpty() || devnode != devicePath())
        return;
    onLinkLost(EcuLink::LossReason::Unplugged, QString());
}

EcuLink::Stats EcuSession::linkStats() const
{
    return linkPtr ? linkPtr->stats() : EcuLink::Stats();
}

// ---------------------------------------------------------------- the link

void EcuSession::adoptLink(std::unique_ptr<EcuLink> link)
{
    linkPtr = std::move(link);
    EcuLink *l = linkPtr.get();
    connect(l, &EcuLink::replyReceived, this, &EcuSession::onReply);
    connect(l, &EcuLink::irregularity, this, &EcuSession::onIrregularity);
    connect(l, &EcuLink::linkLost, this, &EcuSession::onLinkLost);
    awaitingReply = false;
}

void EcuSession::dropLink()
{
    if (!linkPtr)
        return;
    linkPtr->disconnect(this);
    linkPtr->close();
    // Deleted later: this may run inside one of the link's own signals.
    linkPtr.release()->deleteLater();
}

void EcuSession::abortWork()
{
    sendThread->abort();
    receiveThread->abort();
    rtThread->reset();
    transfer = Transfer::None;
    // Frames and outcomes of the abandoned work still on their way.
    mailbox.clear();
}

void EcuSession::disconnectLink()
{
    cancelProbe();
    abortWork();
    dropLink();
    linked = false;
    lastRead.clear();
    lastReadCurrent = false;
    noise.reset();
    noiseTimer.stop();
}

void EcuSession::onLinkLost(EcuLink::LossReason reason, const QString &detail)
{
    if (probing != ProbeKind::None) {
        ProbeResult r;
        r.outcome = ProbeResult::NotFound;
        r.port = probePort;
        r.message = EcuLink::lossText(reason);
        finishProbe(r);
        return;
    }
    QString interrupted;
    switch (transfer) {
    case Transfer::Read:
        interrupted = QStringLiteral("FLASH_READ");
        break;
    case Transfer::None:
        interrupted = rtThread->pendingCommand();
        break;
    default:
        interrupted = QStringLiteral("FLASH_WRITE");
        break;
    }
    const bool wasLinked = linked;
    disconnectLink();
    if (!wasLinked)
        return;
    QString text = EcuLink::lossText(reason);
    if (!detail.isEmpty())
        text += QStringLiteral(" (%1)").arg(detail);
    emit linkLost(text, interrupted);
}

void EcuSession::onFrame(const QByteArray &frame)
{
    if (!linkPtr || !linkPtr->isOpen() || !linked)
        return;
    awaitingReply = true;
    linkPtr->send(frame);
}

void EcuSession::onReply(const QByteArray &reply)
{
    if (probing != ProbeKind::None) {
        probeTimer.stop();
        if (probing == ProbeKind::Hid)
            for (int i = 0; i < 8; ++i)
                Diagnostics::print("buf[%d]=%02X\r\n", i, static_cast<unsigned char>(reply.at(i)));
        if (Protocol::isProbeOk(reply)) {
            ProbeResult r;
            r.outcome = ProbeResult::Found;
            r.port = probePort;
            r.info = probing == ProbeKind::Hid
                ? CDevInfo::fromBytes(reinterpret_cast<const unsigned char *>(reply.constData()) + 2)
                : CDevInfo::serialDefault();
            finishProbe(r);
        } else if (probing == ProbeKind::Hid && probeAttempt < cfg.hidProbeAttempts) {
            sendProbeAttempt();
        } else {
            ProbeResult r;
            r.outcome = ProbeResult::NotFound;
            r.port = probePort;
            r.message = tr("risposta non riconosciuta");
            finishProbe(r);
        }
        return;
    }
    if (!linked)
        return;
    if (!awaitingReply) {
        // Nobody asked for this one: noise that looks like a reply, or an
        // answer that came too late.
        ++unexpected;
        noteNoise(Protocol::FrameSize);
        if (noise.isNoisy())
            receiveThread->markIrregular();
    }
    awaitingReply = false;
    sendThread->setReply(reply);
    receiveThread->setReply(reply);
    rtThread->setReply(reply);
}

void EcuSession::onIrregularity(int skipped, int resyncs)
{
    if (!linked)
        return;
    receiveThread->markIrregular();
    noteNoise(skipped + 4 * resyncs);
}

void EcuSession::noteNoise(int bytes)
{
    if (noise.add(bytes, noiseClock.elapsed()))
        emit lineNoiseChanged(noise.isNoisy());
    if (!noiseTimer.isActive())
        noiseTimer.start();
}

// ---------------------------------------------------------------- the search

void EcuSession::cancelProbe()
{
    if (probing == ProbeKind::None)
        return;
    probing = ProbeKind::None;
    probeTimer.stop();
    dropLink();
}

void EcuSession::finishProbe(ProbeResult result)
{
    probing = ProbeKind::None;
    probeTimer.stop();
    if (result.found()) {
        linked = true;
        devInfo = result.info;
        lastRead.clear();
        lastReadCurrent = false;
        noise.reset();
        unexpected = pollsLost = pollsDelivered = 0;
        emit deviceInfoChanged(devInfo);
    } else {
        dropLink();
    }
    emit probeFinished(result);
}

void EcuSession::probeHid()
{
    disconnectLink();
    probePort = QStringLiteral("HID");
    std::unique_ptr<HidDevice> device = cfg.openHid ? cfg.openHid() : nullptr;
    if (!device) {
        ProbeResult r;
        r.outcome = ProbeResult::NoDevice;
        r.port = probePort;
        r.message = tr("nessuna centralina USB collegata");
        emit probeFinished(r);
        return;
    }
    Diagnostics::print("Manufacturer String: %s\n", qPrintable(device->manufacturer()));
    Diagnostics::print("Product String: %s\n", qPrintable(device->product()));
    Diagnostics::print("Serial Number String: %s\n", qPrintable(device->serialNumber()));
    startProbe(std::make_unique<HidLink>(std::move(device), cfg.lockDir), ProbeKind::Hid);
}

void EcuSession::probeSerial(const QString &path)
{
    disconnectLink();
    probePort = path;
    startProbe(cfg.makeSerialLink ? cfg.makeSerialLink(path) : std::make_unique<SerialLink>(path, cfg.lockDir),
               ProbeKind::Serial);
}

void EcuSession::startProbe(std::unique_ptr<EcuLink> link, ProbeKind kind)
{
    if (!link->open()) {
        ProbeResult r;
        r.outcome = outcomeOf(link->openError());
        r.port = probePort;
        r.message = link->errorString();
        emit probeFinished(r);
        return;
    }
    adoptLink(std::move(link));
    probing = kind;
    probeAttempt = 0;
    sendProbeAttempt();
}

void EcuSession::sendProbeAttempt()
{
    ++probeAttempt;
    probeTimer.start(cfg.probeTimeoutMs);
    linkPtr->sendProbe();
}

void EcuSession::onProbeTimeout()
{
    if (probing == ProbeKind::Hid && probeAttempt < cfg.hidProbeAttempts) {
        sendProbeAttempt();
        return;
    }
    ProbeResult r;
    r.outcome = ProbeResult::NotFound;
    r.port = probePort;
    r.message = tr("nessuna risposta");
    finishProbe(r);
}

// ---------------------------------------------------------------- transfers

void EcuSession::setCmd(const QString &word)
{
    rtThread->setCmd(word);
}

QString EcuSession::pendingCommand() const
{
    return rtThread->pendingCommand();
}

void EcuSession::onPercent(int percent)
{
    if (transfer == Transfer::None || totalCells <= 0)
        return;
    emit sgnPercent(int((phaseBase + qint64(percent) * phaseCells / 100) * 100 / totalCells));
}

void EcuSession::startRead()
{
    if (transfer != Transfer::None)
        return;
    if (!linked) {
        emit sgnEsito(QStringLiteral("KO_RCV"));
        return;
    }
    transfer = Transfer::Read;
    phaseBase = 0;
    phaseCells = totalCells = Protocol::cellsRead(devInfo.hwVersion);
    receiveThread->startReceive(0, devInfo.hwVersion);
}

void EcuSession::startWrite(const WriteRequest &request)
{
    if (transfer != Transfer::None)
        return;
    if (!linked) {
        emit sgnEsito(QStringLiteral("KO_SND"));
        return;
    }
    pendingWrite = request;
    mismatches.clear();
    backupPath.clear();
    backupError.clear();
    const int written = request.image.size();
    phaseBase = 0;
    if (request.backupDir.isEmpty()) {
        totalCells = 2 * written;
        startWriteFrames();
    } else if (lastReadCurrent) {
        totalCells = 2 * written;
        if (!takeBackup(lastRead)) {
            finishWrite(QStringLiteral("KO_BACKUP"));
            return;
        }
        startWriteFrames();
    } else {
        // What the ECU holds now is not known: read it first.
        transfer = Transfer::BackupRead;
        phaseCells = Protocol::cellsRead(devInfo.hwVersion);
        totalCells = phaseCells + 2 * written;
        receiveThread->startReceive(0, devInfo.hwVersion);
    }
}

bool EcuSession::takeBackup(const QByteArray &image)
{
    const EcuImage::Decoded d = EcuImage::decodeRead(image, devInfo.hwVersion);
    BackupStore store(pendingWrite.backupDir);
    QString error;
    backupPath = store.save(d.values, d.k, devInfo.hwVersion, QDateTime::currentDateTime(), &error);
    if (backupPath.isEmpty()) {
        backupError = error;
        return false;
    }
    emit backupSaved(backupPath);
    return true;
}

void EcuSession::startWriteFrames()
{
    transfer = Transfer::Write;
    sendThread->setImage(pendingWrite.image);
    phaseCells = pendingWrite.image.size();
    // From the first frame on, the ECU may hold anything.
    lastReadCurrent = false;
    sendThread->startSend(0);
}

void EcuSession::finishWrite(const QString &outcome)
{
    transfer = Transfer::None;
    emit sgnEsito(outcome);
}

void EcuSession::onSendOutcome(const QString &outcome)
{
    if (transfer != Transfer::Write)
        return;
    if (!outcome.startsWith(QLatin1String("OK"))) {
        finishWrite(outcome);
        return;
    }
    // Every written cell is read back and compared.
    transfer = Transfer::Verify;
    phaseBase += phaseCells;
    phaseCells = pendingWrite.image.size();
    receiveThread->startReceiveCells(0, phaseCells);
}

void EcuSession::onReceiveOutcome(const QString &outcome)
{
    const bool ok = outcome.startsWith(QLatin1String("OK"));
    switch (transfer) {
    case Transfer::Read:
        transfer = Transfer::None;
        if (ok) {
            lastRead = receiveThread->imageCopy();
            lastReadCurrent = true;
        }
        emit sgnEsito(outcome);
        break;
    case Transfer::BackupRead:
        if (!ok) {
            finishWrite(QStringLiteral("KO_SND"));
            break;
        }
        lastRead = receiveThread->imageCopy();
        lastReadCurrent = true;
        if (!takeBackup(lastRead)) {
            finishWrite(QStringLiteral("KO_BACKUP"));
            break;
        }
        phaseBase += phaseCells;
        startWriteFrames();
        break;
    case Transfer::Verify: {
        if (!ok) {
            finishWrite(QStringLiteral("KO_SND"));
            break;
        }
        const QByteArray readBack = receiveThread->imageCopy().left(pendingWrite.image.size());
        mismatches = EcuImage::compare(pendingWrite.image, readBack);
        if (!mismatches.isEmpty()) {
            finishWrite(QStringLiteral("KO_VERIFY"));
            break;
        }
        // The ECU now holds what was written, proven cell by cell.
        if (lastRead.size() >= readBack.size()) {
            lastRead.replace(0, readBack.size(), readBack);
            lastReadCurrent = true;
        }
        finishWrite(QStringLiteral("OK_SND"));
        break;
    }
    default:
        break;
    }
}

// ---------------------------------------------------------------- live data

void EcuSession::startPolling()
{
    if (linked)
        rtThread->startPolling();
}

void EcuSession::stopPolling()
{
    rtThread->stopPolling();
}

bool EcuSession::isPolling() const
{
    return rtThread->isPolling();
}

void EcuSession::queueInjectionK(int k)
{
    if (!linked)
        return;
    // Writing back the K just read changes nothing the backup would hold.
    const int kCell = Protocol::injectionKCell(devInfo.hwVersion);
    if (lastRead.size() <= kCell || CurveBytes::toValue(lastRead.at(kCell)) != qint8(k))
        lastReadCurrent = false;
    rtThread->queueInjectionK(k, devInfo.hwVersion);
}

void EcuSession::queueBench(bool on)
{
    if (!linked)
        return;
    lastReadCurrent = false;
    if (on)
        rtThread->queueBenchOn(devInfo.hwVersion);
    else
        rtThread->queueBenchOff(devInfo.hwVersion);
}
