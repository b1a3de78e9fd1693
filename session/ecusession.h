// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ECU without a window: the link, the three workers, the device record
// and the ECU image. The window, the command-line tool, the tests and the
// benchmarks reach the ECU only through its verbs, and never sequence the
// protocol themselves:
//
//   readCurve()          reads every cell;
//   writeCurve(v, opts)  backs the unit up, writes the curve, reads every
//                        written cell back, then K if asked, read back too;
//   writeK(k)            writes K and reads it back;
//   whenIdle(word, f)    runs a file action once the line is quiet.
//
// Each verb ends in exactly one finished(EcuResult), with progress() on the
// way. One conversation at a time: the live-data thread stops polling, ends
// its exchange and hands the verb's word back before any frame of the verb
// goes out; polling resumes by itself afterwards when live data is on.
//
// A unit that stops answering (a transfer's time-outs spent, or the
// live-data thread giving up) and a carrier that goes away close the link:
// the running verb finishes first (NoReply, LinkLost), then linkLost() says
// why and what it interrupted.

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QVector>

#include <functional>
#include <memory>
#include <optional>

#include "link/cdevinfo.h"
#include "link/eculink.h"
#include "link/hiddevice.h"
#include "link/protocol.h"
#include "session/ecuimage.h"
#include "session/ecuresult.h"
#include "session/noisemonitor.h"
#include "session/workermailbox.h"

class CGestRT;
class CGestReceive;
class CGestSend;
class WorkerClock;

struct ProbeResult {
    enum Outcome { Found, NotFound, NoDevice, Missing, Busy, PermissionDenied, OpenFailed };
    Outcome outcome = NotFound;
    QString port;     // "HID" or the serial path
    CDevInfo info;    // Found only
    QString message;  // why not, in words (translated)
    bool found() const { return outcome == Found; }
};

struct WriteOptions {
    // Also write K after the curve, and read it back.
    std::optional<int> k;
    // The profile's file name, which a 90-cell unit keeps beside the curve.
    QString profileName;
    // Where the unit's present content is saved first; empty: no backup.
    QString backupDir;
    // The caller's own word for the write (where its values came from),
    // handed back unchanged in the result; the session does not read it.
    QString label;
};

class EcuSession : public QObject {
    Q_OBJECT
public:
    struct Config {
        HidOpener openHid;  // null: no HID carrier
        // Makes the link of a serial path; null: a real SerialLink.
        std::function<std::unique_ptr<EcuLink>(const QString &path)> makeSerialLink;
        WorkerClock *clock = nullptr;  // not owned; null: monotonic
        bool startThreads = true;
        int transferTimeoutMs = 500;
        int transferRetries = 20;
        int liveTimeoutMs = 300;
        int liveRetries = 30;
        int probeTimeoutMs = 500;
        int hidProbeAttempts = 5;
        QString lockDir;  // empty: the system's temporary folder
    };
    // The real ECU: hidapi for HID, QSerialPort for serial.
    static Config defaultConfig();

    explicit EcuSession(const Config &config = defaultConfig(), QObject *parent = nullptr);
    ~EcuSession() override;

    // --- Finding the ECU. Each probe first drops any link there is; the
    // outcome arrives as probeFinished. A found ECU stays linked.
    void probeHid();
    void probeSerial(const QString &path);
    bool isProbing() const { return probing != ProbeKind::None; }
    void cancelProbe();

    bool isLinked() const { return linked; }
    QString portName() const;
    bool isHid() const;
    // The system's node of the linked device (/dev/hidraw3, /dev/ttyUSB0),
    // empty without a link.
    QString devicePath() const;
    // The system says a device node went away: when it is the linked one,
    // the link is lost at once (rather than at the next exchange).
    void deviceRemoved(const QString &devnode);
    CDevInfo deviceInfo() const { return devInfo; }
    // The linked HID device's USB serial number as it gave it when found;
    // empty over serial, for a device without one, and without a link.
    QString unitSerial() const { return linked ? serialNumber : QString(); }
    // Closes the link on purpose. A running verb is abandoned without a
    // result, and nothing else is reported afterwards.
    void disconnectLink();

    // --- The verbs. A verb asked for without a unit, or while another one
    // runs, finishes at once (from the event loop) with NotLinked or Busy;
    // values beyond the unit's limits (or K outside 1..4) with OutOfRange,
    // before any frame.
    void readCurve();
    void writeCurve(const QVector<int> &values, const WriteOptions &options);
    void writeK(int k);
    // Runs `action` once no frame is on the line (at once without a link);
    // `word` names it for the live-data thread's hand-over. Polling resumes
    // after it, unless the action started a verb. False when a verb runs.
    bool whenIdle(const QString &word, std::function<void()> action);
    // A verb runs or waits for its turn on the line.
    bool isBusy() const { return job.operation != EcuResult::None || !idleWord.isEmpty(); }
    EcuResult::Operation runningOperation() const { return job.operation; }

    // What the unit holds, from the last read of this connection and the
    // verified writes since; empty before the first read.
    bool hasContent() const { return !lastRead.isEmpty(); }
    // Every cell of content() is what the unit holds now: read, or written
    // and read back since. False once something may have changed a cell
    // unseen (a write that failed, the bench switch).
    bool isContentCurrent() const { return !lastRead.isEmpty() && lastReadCurrent; }
    EcuImage::Decoded content() const;
    QByteArray readImage() const { return lastRead; }

    // --- Live data and the test bench.
    void startPolling();
    void stopPolling();
    // Live data is on (it pauses while a verb runs and resumes after).
    bool isPolling() const { return liveWanted; }
    void setBench(bool on);
    bool isBenchOn() const { return benchOn; }

    // --- The line.
    bool isLineNoisy() const { return noise.isNoisy(); }
    EcuLink::Stats linkStats() const;
    qint64 unexpectedReplies() const { return unexpected; }
    qint64 lostPolls() const { return pollsLost; }
    qint64 deliveredPolls() const { return pollsDelivered; }

    // Tests and the tools reach the parts.
    CGestSend *sender() const { return sendThread; }
    CGestReceive *receiver() const { return receiveThread; }
    CGestRT *rt() const { return rtThread; }
    EcuLink *link() const { return linkPtr.get(); }
    const Config &config() const { return cfg; }

signals:
    void probeFinished(const ProbeResult &result);
    void deviceInfoChanged(const CDevInfo &info);
    // The end of every verb.
    void finished(const EcuResult &result);
    // The running transfer: its phase and the share of all of it done.
    void progress(EcuPhase phase, int percent);
    // The same as the design's words: the percentage, and the outcome word
    // of a read or a write (see EcuOutcome::word).
    void sgnPercent(int percent);
    void sgnEsito(QString outcome);
    // Taken before a write: the path of the backup.
    void backupSaved(const QString &path);
    // One poll of live data, delivered only while linked, polling and the
    // line is quiet: every consumer sees the same samples.
    void liveData(const Protocol::PollData &data);
    // The link closed without being asked to; `interrupted` is the verb it
    // cut short (operation None when none ran).
    void linkLost(const QString &reason, const EcuResult &interrupted);
    void lineNoiseChanged(bool noisy);
    // State, for displays that follow it.
    void linkedChanged(bool linked);
    void busyChanged(bool busy);
    void pollingChanged(bool on);
    void benchChanged(bool on);

private:
    enum class ProbeKind { None, Hid, Serial };
    enum class Step { None, Read, BackupRead, Write, Verify, KWrite, KVerify };
    struct Job {
        EcuResult::Operation operation = EcuResult::None;
        QByteArray image;  // Write: the cells
        std::optional<int> k;
        QString backupDir;
        // The content was current when the frames went out: only then does a
        // verified write leave all of it known.
        bool wasCurrent = false;
        EcuResult result;  // filled as the steps go
    };

    void adoptLink(std::unique_ptr<EcuLink> link);
    void dropLink();
    void abortWork();
    void setLinked(bool on);
    void finishProbe(ProbeResult result);
    void startProbe(std::unique_ptr<EcuLink> link, ProbeKind kind);
    void sendProbeAttempt();
    void onProbeTimeout();
    void onReply(const QByteArray &reply);
    void onFrame(const QByteArray &frame);
    void onIrregularity(int skipped, int resyncs);
    void onLinkLost(EcuLink::LossReason reason, const QString &detail);
    void onWordHandedBack(const QString &word);
    void onWordDropped();
    void onSendOutcome(const QString &outcome);
    void onReceiveOutcome(const QString &outcome);
    void onPercent(int percent);
    void noteNoise(int bytes);

    // Verbs.
    bool refuse(EcuResult::Operation operation);
    bool refuseOutOfRange(EcuResult::Operation operation, const QVector<int> &values, std::optional<int> k);
    void deliverLater(const EcuResult &result);
    void begin(EcuResult::Operation operation, const QString &word);
    void startWriteFrames();
    void startKWrite();
    void finishJob(EcuResult::Code code);
    void unitStopsAnswering();
    void closeLink(EcuResult::Code code, const QString &reason);
    bool takeBackup(const QByteArray &image);
    void resumePolling();
    void updateBusy();

    Config cfg;
    std::unique_ptr<EcuLink> linkPtr;
    bool linked = false;
    CDevInfo devInfo;
    // Each transfer thread has its own image; the session reaches them only
    // through the threads' locked accessors.
    QByteArray writeImage;
    QByteArray readImageBuffer;
    // Everything the workers report arrives through here; declared before
    // them, as it must outlive their threads.
    WorkerMailbox mailbox;
    CGestSend *sendThread = nullptr;
    CGestReceive *receiveThread = nullptr;
    CGestRT *rtThread = nullptr;

    ProbeKind probing = ProbeKind::None;
    int probeAttempt = 0;
    bool foreignProbeReply = false; // serial: a reply that was not the probe's came
    QString probePort;
    QString probeSerialNumber;  // the HID device's serial number, while probing
    QString serialNumber;  // that of the linked unit
    QTimer probeTimer;

    Job job;
    Step step = Step::None;
    QString handedWord;  // the word the live-data thread is to hand back
    QString idleWord;    // a file action waiting for a quiet line
    std::function<void()> idleAction;
    bool wasBusy = false;
    QByteArray lastRead;           // the last complete read of this connection
    bool lastReadCurrent = false;  // nothing was written to the ECU since
    int phaseBase = 0;   // progress already covered by earlier phases (cells)
    int phaseCells = 0;  // cells of the running phase
    int totalCells = 0;  // cells of all phases of this transfer
    EcuPhase phase = EcuPhase::Reading;

    bool liveWanted = false;
    bool benchOn = false;
    bool awaitingReply = false;
    qint64 unexpected = 0;
    qint64 pollsLost = 0;
    qint64 pollsDelivered = 0;
    NoiseMonitor noise;
    QElapsedTimer noiseClock;
    QTimer noiseTimer;
};

Q_DECLARE_METATYPE(ProbeResult)
