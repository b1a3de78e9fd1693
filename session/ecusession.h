#pragma once
// The ECU without a window: the link, the three workers, the device record
// and the ECU image. The window, the command-line tool and the tests drive
// the ECU only through this.
//
// One conversation at a time: a transfer or a file action is asked for with
// setCmd(word); the live-data thread stops polling, finishes its exchange and
// hands the word back (sgnExecCmd), and only then does the caller start it
// (startWrite, startRead, or its own file dialog). Every operation that was
// asked for ends in an outcome: a transfer word (sgnEsito), a dropped command
// (commandDropped) or the loss of the link (linkLost).
//
// A write is made safe around the design's frames: before the first frame
// the ECU's present curve is saved as a backup (from the last read of this
// connection if nothing was written since, else from a fresh read), and after
// the last acknowledgement every written cell is read back and compared. A
// mismatch ends the write with "KO_VERIFY"; a backup that cannot be made
// stops the write before it starts with "KO_BACKUP". Neither drops the link.

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QVector>

#include <functional>
#include <memory>

#include "link/cdevinfo.h"
#include "session/ecuimage.h"
#include "link/eculink.h"
#include "link/hiddevice.h"
#include "link/protocol.h"
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

struct WriteRequest {
    QByteArray image;   // the cells to write (41 or 81 bytes)
    QString backupDir;  // where the backup goes; empty: no backup
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
    // Closes the link. Retries stop, queued frames and pending words are
    // dropped, and nothing is reported afterwards.
    void disconnectLink();

    // --- The hand-over and the transfers.
    void setCmd(const QString &word);
    QString pendingCommand() const;
    void startWrite(const WriteRequest &request);
    void startRead();
    bool isTransferring() const { return transfer != Transfer::None; }
    // The image of the last read (cell i at position i).
    QByteArray readImage() const { return lastRead; }
    // Cells that differed after the last write, and where its backup went.
    QVector<EcuImage::Mismatch> lastMismatches() const { return mismatches; }
    QString lastBackup() const { return backupPath; }
    QString lastBackupError() const { return backupError; }

    // --- Live data and single-cell writes.
    void startPolling();
    void stopPolling();
    bool isPolling() const;
    void queueInjectionK(int k);
    void queueBench(bool on);

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
    void sgnExecCmd(QString word);
    void sgnPercent(int percent);
    // "OK_SND" (written and verified), "KO_SND", "OK_RCV", "KO_RCV",
    // "KO_VERIFY", "KO_BACKUP".
    void sgnEsito(QString outcome);
    // Taken before a write: the path of the backup.
    void backupSaved(const QString &path);
    void commandDropped(QString word);
    void sgnRpm(int rpm);
    void sgnADC(uchar adc);
    void sgnIdxCella(uchar index);
    void sgnValCella(uchar value);
    void liveData(const Protocol::PollData &data);
    void pollLost();
    void sgnError(QString msg);
    // The carrier went away; `interrupted` names what was running
    // ("FLASH_WRITE", "FLASH_READ", a pending word) or is empty.
    void linkLost(const QString &reason, const QString &interrupted);
    void lineNoiseChanged(bool noisy);

private:
    enum class ProbeKind { None, Hid, Serial };
    enum class Transfer { None, Read, BackupRead, Write, Verify };

    void adoptLink(std::unique_ptr<EcuLink> link);
    void dropLink();
    void abortWork();
    void finishProbe(ProbeResult result);
    void startProbe(std::unique_ptr<EcuLink> link, ProbeKind kind);
    void sendProbeAttempt();
    void onProbeTimeout();
    void onReply(const QByteArray &reply);
    void onFrame(const QByteArray &frame);
    void onIrregularity(int skipped, int resyncs);
    void onLinkLost(EcuLink::LossReason reason, const QString &detail);
    void onSendOutcome(const QString &outcome);
    void onReceiveOutcome(const QString &outcome);
    void onPercent(int percent);
    void noteNoise(int bytes);
    void startWriteFrames();
    void finishWrite(const QString &outcome);
    bool takeBackup(const QByteArray &image);

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
    QString probePort;
    QTimer probeTimer;

    Transfer transfer = Transfer::None;
    WriteRequest pendingWrite;
    QByteArray lastRead;         // the last complete read of this connection
    bool lastReadCurrent = false;  // nothing was written to the ECU since
    QVector<EcuImage::Mismatch> mismatches;
    QString backupPath;
    QString backupError;
    int phaseBase = 0;   // progress already covered by earlier phases (cells)
    int phaseCells = 0;  // cells of the running phase
    int totalCells = 0;  // cells of all phases of this transfer


    bool awaitingReply = false;
    qint64 unexpected = 0;
    qint64 pollsLost = 0;
    qint64 pollsDelivered = 0;
    NoiseMonitor noise;
    QElapsedTimer noiseClock;
    QTimer noiseTimer;
};

Q_DECLARE_METATYPE(ProbeResult)
