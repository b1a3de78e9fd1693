// SPDX-License-Identifier: GPL-3.0-or-later
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
#include "profile/curvelimits.h"

#include <QCoreApplication>
#include <QDateTime>

namespace {

// The words the live-data thread hands back before a verb's frames go out.
const QString ReadWord = QStringLiteral("FLASH_READ");
const QString WriteWord = QStringLiteral("FLASH_WRITE");
const QString KWord = QStringLiteral("FLASH_WRITE_K");

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
    qRegisterMetaType<EcuResult>();
    qRegisterMetaType<EcuPhase>();
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
    mailbox.relay(rtThread, &CGestRT::sgnExecCmd, [this](const QString &word) { onWordHandedBack(word); });
    mailbox.relay(rtThread, &CGestRT::sgnCmdDropped, [this](const QString &) { onWordDropped(); });
    mailbox.relay(rtThread, &CGestRT::sgnLive, [this](const Protocol::PollData &d) {
        // One rule for every consumer: only a live link on a quiet line
        // gives data.
        if (!linked || !liveWanted || noise.isNoisy())
            return;
        ++pollsDelivered;
        emit liveData(d);
    });
    mailbox.relay(rtThread, &CGestRT::sgnPollLost, [this] {
        if (!linked)
            return;
        ++pollsLost;
    });
    mailbox.relay(rtThread, &CGestRT::sgnError, [this](const QString &) {
        if (linked)
            unitStopsAnswering();
    });

    probeTimer.setSingleShot(true);
    // The probe's time-out is the unit's to meet: a coarse timer would fire
    // up to 5 % early.
    probeTimer.setTimerType(Qt::PreciseTimer);
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

EcuImage::Decoded EcuSession::content() const
{
    return EcuImage::decodeRead(lastRead, devInfo.hwVersion);
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
    job = Job();
    step = Step::None;
    handedWord.clear();
    idleWord.clear();
    idleAction = nullptr;
    // Frames and outcomes of the abandoned work still on their way.
    mailbox.clear();
}

void EcuSession::setLinked(bool on)
{
    if (on == linked)
        return;
    linked = on;
    emit linkedChanged(on);
}

void EcuSession::disconnectLink()
{
    cancelProbe();
    abortWork();
    dropLink();
    lastRead.clear();
    lastReadCurrent = false;
    noise.reset();
    noiseTimer.stop();
    if (liveWanted) {
        liveWanted = false;
        emit pollingChanged(false);
    }
    if (benchOn) {
        benchOn = false;
        emit benchChanged(false);
    }
    setLinked(false);
    updateBusy();
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
    if (!linked) {
        disconnectLink();
        return;
    }
    QString text = EcuLink::lossText(reason);
    if (!detail.isEmpty())
        text += QStringLiteral(" (%1)").arg(detail);
    closeLink(EcuResult::LinkLost, text);
}

void EcuSession::unitStopsAnswering()
{
    // The design's answer to a unit that stopped answering: the link closes.
    closeLink(EcuResult::NoReply, tr("la centralina non risponde più"));
}

void EcuSession::closeLink(EcuResult::Code code, const QString &reason)
{
    EcuResult interrupted;
    if (job.operation != EcuResult::None) {
        interrupted = job.result;
        interrupted.code = code;
        interrupted.detail = reason;
    }
    // Nothing more goes out for the abandoned verb; its result is told
    // before the state changes (busy, linked) that follow from it.
    abortWork();
    if (interrupted.operation != EcuResult::None) {
        emit finished(interrupted);
        const QString word = EcuOutcome::word(interrupted);
        if (!word.isEmpty())
            emit sgnEsito(word);
    }
    disconnectLink();
    emit linkLost(reason, interrupted);
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
        } else if (probing == ProbeKind::Serial) {
            // A unit whose last program was killed mid-transfer still answers
            // the frames that program left in its queue, before the probe's
            // own answer: those are set aside until the probe's time is up.
            foreignProbeReply = true;
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
    const bool hid = probing == ProbeKind::Hid;
    probing = ProbeKind::None;
    probeTimer.stop();
    if (result.found()) {
        devInfo = result.info;
        serialNumber = hid ? probeSerialNumber : QString();
        lastRead.clear();
        lastReadCurrent = false;
        noise.reset();
        unexpected = pollsLost = pollsDelivered = 0;
        setLinked(true);
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
    probeSerialNumber = device->serialNumber();
    Diagnostics::print("Serial Number String: %s\n", qPrintable(probeSerialNumber));
    startProbe(std::make_unique<HidLink>(std::move(device), cfg.lockDir), ProbeKind::Hid);
}

void EcuSession::probeSerial(const QString &path)
{
    disconnectLink();
    probePort = path;
    probeSerialNumber.clear();
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
    foreignProbeReply = false;
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
    r.message = foreignProbeReply ? tr("risposta non riconosciuta") : tr("nessuna risposta");
    finishProbe(r);
}

// ---------------------------------------------------------------- the verbs

bool EcuSession::refuse(EcuResult::Operation operation)
{
    EcuResult r;
    r.operation = operation;
    if (!linked)
        r.code = EcuResult::NotLinked;
    else if (isBusy())
        r.code = EcuResult::Busy;
    else
        return false;
    deliverLater(r);
    return true;
}

bool EcuSession::refuseOutOfRange(EcuResult::Operation operation, const QVector<int> &values, std::optional<int> k)
{
    // The last guard before the unit: whoever asks, nothing beyond its
    // limits goes out.
    const LimitCheck check = checkLimits(CurveLimits::forHardware(devInfo.hwVersion), values, k);
    if (check.ok())
        return false;
    EcuResult r;
    r.operation = operation;
    r.code = EcuResult::OutOfRange;
    r.outOfRange = check.points;
    r.kOutside = check.kOutside;
    deliverLater(r);
    return true;
}

void EcuSession::deliverLater(const EcuResult &r)
{
    // Always from the event loop, as every other outcome: a caller that
    // connects after asking hears it too.
    QMetaObject::invokeMethod(this, [this, r] {
        emit finished(r);
        const QString word = EcuOutcome::word(r);
        if (!word.isEmpty())
            emit sgnEsito(word);
    }, Qt::QueuedConnection);
}

void EcuSession::begin(EcuResult::Operation operation, const QString &word)
{
    job.result = EcuResult();
    job.result.operation = operation;
    job.operation = operation;
    handedWord = word;
    phaseBase = 0;
    updateBusy();
    // Polling stops; the word comes back once the line is quiet.
    rtThread->setCmd(word);
}

void EcuSession::readCurve()
{
    if (refuse(EcuResult::Read))
        return;
    begin(EcuResult::Read, ReadWord);
}

void EcuSession::writeCurve(const QVector<int> &values, const WriteOptions &options)
{
    if (refuse(EcuResult::Write) || refuseOutOfRange(EcuResult::Write, values, options.k))
        return;
    job = Job();
    job.image = EcuImage::buildWrite(values, devInfo.hwVersion, options.profileName);
    job.k = options.k;
    job.backupDir = options.backupDir;
    begin(EcuResult::Write, WriteWord);
    job.result.label = options.label;
}

void EcuSession::writeK(int k)
{
    if (refuse(EcuResult::WriteK) || refuseOutOfRange(EcuResult::WriteK, QVector<int>(), k))
        return;
    job = Job();
    job.operation = EcuResult::WriteK;
    job.result.operation = EcuResult::WriteK;
    job.k = k;
    phaseBase = 0;
    updateBusy();
    startKWrite();
}

bool EcuSession::whenIdle(const QString &word, std::function<void()> action)
{
    if (isBusy())
        return false;
    if (!linked) {
        action();
        return true;
    }
    idleWord = word;
    idleAction = std::move(action);
    updateBusy();
    rtThread->setCmd(word);
    return true;
}

void EcuSession::onWordHandedBack(const QString &word)
{
    if (!idleWord.isEmpty() && word == idleWord) {
        idleWord.clear();
        const std::function<void()> action = std::move(idleAction);
        idleAction = nullptr;
        updateBusy();
        if (action)
            action();
        if (!isBusy())
            resumePolling();
        return;
    }
    if (word != handedWord || job.operation == EcuResult::None)
        return;
    handedWord.clear();
    const int cellsRead = Protocol::cellsRead(devInfo.hwVersion);
    if (step == Step::KWrite) {
        // The K frame is out and acknowledged: read the cell back.
        step = Step::KVerify;
        phase = EcuPhase::Verifying;
        if (job.operation == EcuResult::WriteK) {
            phaseBase = 0;
            phaseCells = totalCells = 1;
        } else {
            // After a curve: part of its verification, already at 100 %.
            phaseBase = totalCells;
            phaseCells = 0;
        }
        receiveThread->startReceiveCells(static_cast<uchar>(Protocol::injectionKCell(devInfo.hwVersion)), 1);
        return;
    }
    if (job.operation == EcuResult::Read) {
        step = Step::Read;
        phase = EcuPhase::Reading;
        phaseCells = totalCells = cellsRead;
        receiveThread->startReceive(0, devInfo.hwVersion);
        return;
    }
    // A write.
    const int written = job.image.size();
    if (job.backupDir.isEmpty()) {
        totalCells = 2 * written;
        startWriteFrames();
    } else if (lastReadCurrent) {
        totalCells = 2 * written;
        if (!takeBackup(lastRead)) {
            finishJob(EcuResult::BackupFailed);
            return;
        }
        startWriteFrames();
    } else {
        // What the ECU holds now is not known: read it first.
        step = Step::BackupRead;
        phase = EcuPhase::BackingUp;
        phaseCells = cellsRead;
        totalCells = cellsRead + 2 * written;
        receiveThread->startReceive(0, devInfo.hwVersion);
    }
}

void EcuSession::onWordDropped()
{
    // The live-data thread gave up on the unit with a word pending; its
    // error report (unitStopsAnswering) follows and ends the verb.
}

void EcuSession::startKWrite()
{
    step = Step::KWrite;
    // Writing back the K just read changes nothing the backup would hold.
    const int cell = Protocol::injectionKCell(devInfo.hwVersion);
    job.wasCurrent = lastReadCurrent;
    if (lastRead.size() <= cell || CurveBytes::toValue(lastRead.at(cell)) != qint8(*job.k))
        lastReadCurrent = false;
    job.result.unitChanged = true;
    // Queued first: the word comes back only once the queue is out, so the
    // read-back sees what the unit holds after the frame.
    rtThread->queueInjectionK(*job.k, devInfo.hwVersion);
    handedWord = KWord;
    rtThread->setCmd(KWord);
}

bool EcuSession::takeBackup(const QByteArray &image)
{
    const EcuImage::Decoded d = EcuImage::decodeRead(image, devInfo.hwVersion);
    BackupStore store(job.backupDir);
    QString error;
    const QString path = store.save(d.values, d.k, devInfo.hwVersion, QDateTime::currentDateTime(), &error);
    if (path.isEmpty()) {
        job.result.detail = error;
        return false;
    }
    job.result.backupPath = path;
    emit backupSaved(path);
    return true;
}

void EcuSession::startWriteFrames()
{
    step = Step::Write;
    phase = EcuPhase::Writing;
    sendThread->setImage(job.image);
    phaseCells = job.image.size();
    job.wasCurrent = lastReadCurrent;
    // From the first frame on, the ECU may hold anything.
    lastReadCurrent = false;
    job.result.unitChanged = true;
    sendThread->startSend(0);
}

void EcuSession::finishJob(EcuResult::Code code)
{
    EcuResult r = job.result;
    r.code = code;
    job = Job();
    step = Step::None;
    // The result first: whoever waits for the line to be free (a close
    // deferred until the transfer ends) must find it already applied.
    emit finished(r);
    const QString word = EcuOutcome::word(r);
    if (!word.isEmpty())
        emit sgnEsito(word);
    updateBusy();
    resumePolling();
}

void EcuSession::onPercent(int percent)
{
    if (step == Step::None || step == Step::KWrite || totalCells <= 0)
        return;
    const int overall = int((phaseBase + qint64(percent) * phaseCells / 100) * 100 / totalCells);
    emit progress(phase, overall);
    emit sgnPercent(overall);
}

void EcuSession::onSendOutcome(const QString &outcome)
{
    if (step != Step::Write)
        return;
    if (outcome != QLatin1String("OK_SND")) {
        unitStopsAnswering();
        return;
    }
    // Every written cell is read back and compared.
    step = Step::Verify;
    phase = EcuPhase::Verifying;
    phaseBase += phaseCells;
    phaseCells = job.image.size();
    receiveThread->startReceiveCells(0, phaseCells);
}

void EcuSession::onReceiveOutcome(const QString &outcome)
{
    if (step == Step::None || step == Step::Write || step == Step::KWrite)
        return;
    if (outcome != QLatin1String("OK_RCV")) {
        unitStopsAnswering();
        return;
    }
    const QByteArray image = receiveThread->imageCopy();
    switch (step) {
    case Step::Read: {
        lastRead = image;
        lastReadCurrent = true;
        const bool bench = content().bench;
        if (bench != benchOn) {
            benchOn = bench;
            emit benchChanged(bench);
        }
        finishJob(EcuResult::Ok);
        break;
    }
    case Step::BackupRead:
        lastRead = image;
        lastReadCurrent = true;
        if (!takeBackup(lastRead)) {
            finishJob(EcuResult::BackupFailed);
            break;
        }
        phaseBase += phaseCells;
        startWriteFrames();
        break;
    case Step::Verify: {
        const QByteArray readBack = image.left(job.image.size());
        job.result.mismatches = EcuImage::compare(job.image, readBack);
        if (!job.result.mismatches.isEmpty()) {
            finishJob(EcuResult::VerifyFailed);
            break;
        }
        // The ECU now holds what was written, proven cell by cell. The
        // cells not written (K among them) are known only if they were
        // before: after a failed K write, a write without a backup must not
        // make the old K current again, or the next backup would keep it.
        if (lastRead.size() >= readBack.size()) {
            lastRead.replace(0, readBack.size(), readBack);
            lastReadCurrent = job.wasCurrent;
        }
        if (job.k)
            startKWrite();
        else
            finishJob(EcuResult::Ok);
        break;
    }
    case Step::KVerify: {
        const int cell = Protocol::injectionKCell(devInfo.hwVersion);
        const int written = static_cast<uchar>(*job.k & 0xFF);
        const int read = image.size() > cell ? static_cast<uchar>(image.at(cell)) : -1;
        if (read != written) {
            job.result.mismatches = {EcuImage::Mismatch{cell, written, read}};
            finishJob(EcuResult::VerifyFailed);
            break;
        }
        if (lastRead.size() > cell) {
            lastRead[cell] = static_cast<char>(written);
            lastReadCurrent = job.wasCurrent;
        }
        finishJob(EcuResult::Ok);
        break;
    }
    default:
        break;
    }
}

// ---------------------------------------------------------------- live data

void EcuSession::resumePolling()
{
    if (liveWanted && linked && !isBusy())
        rtThread->startPolling();
}

void EcuSession::updateBusy()
{
    const bool now = isBusy();
    if (now == wasBusy)
        return;
    wasBusy = now;
    emit busyChanged(now);
}

void EcuSession::startPolling()
{
    if (!linked || liveWanted)
        return;
    liveWanted = true;
    resumePolling();
    emit pollingChanged(true);
}

void EcuSession::stopPolling()
{
    if (!liveWanted)
        return;
    liveWanted = false;
    if (!isBusy())
        rtThread->stopPolling();
    emit pollingChanged(false);
}

void EcuSession::setBench(bool on)
{
    if (!linked)
        return;
    lastReadCurrent = false;
    // The frames are queued even with polling off; the idle thread sends them at once.
    if (on)
        rtThread->queueBenchOn(devInfo.hwVersion);
    else
        rtThread->queueBenchOff(devInfo.hwVersion);
    if (on != benchOn) {
        benchOn = on;
        emit benchChanged(on);
    }
}
