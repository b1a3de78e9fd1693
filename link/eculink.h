// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one seam between the program and an ECU: a link carries request frames
// out and hands back every assembled 8-byte reply. The serial and the HID
// carrier implement it; the session, the search and the tests see only this.

#include <QByteArray>
#include <QObject>
#include <QString>

class EcuLink : public QObject {
    Q_OBJECT
public:
    enum class OpenError { None, Missing, Busy, PermissionDenied, Failed };
    enum class LossReason { Unplugged, ReadError, Closed };

    // What a link had to do beyond moving replies: bytes it skipped as noise,
    // partial replies it dropped to get back in step, late replies it threw
    // away before a request. On a quiet line all stay at 0.
    struct Stats {
        qint64 framesSent = 0;
        qint64 replies = 0;
        qint64 skippedBytes = 0;
        qint64 resyncs = 0;
        qint64 droppedLate = 0;
    };

    explicit EcuLink(QObject *parent = nullptr) : QObject(parent) {}
    ~EcuLink() override;

    // Opens the carrier; on failure openError() and errorString() say why.
    virtual bool open() = 0;
    // Closes it on purpose: no linkLost follows.
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Sends one 8-byte frame; the reply, if any, arrives as replyReceived.
    virtual void send(const QByteArray &frame) = 0;
    // Handles whatever input has arrived but was not handled yet.
    virtual void readPending() {}
    // Sends the search's probe (the probe frame; HID has its own report).
    virtual void sendProbe();
    // "HID" or the serial port's path.
    virtual QString name() const = 0;
    virtual bool isHid() const = 0;

    OpenError openError() const { return openErr; }
    QString errorString() const { return errorText; }
    Stats stats() const { return counters; }

    static QString lossText(LossReason reason);

signals:
    void replyReceived(const QByteArray &reply);
    // The carrier went away without being asked to (cable, device, system).
    void linkLost(EcuLink::LossReason reason, const QString &detail);
    // Irregularities seen while assembling replies (see Stats).
    void irregularity(int skippedBytes, int resyncs);

protected:
    void setOpenError(OpenError error, const QString &text)
    {
        openErr = error;
        errorText = text;
    }
    Stats counters;

private:
    OpenError openErr = OpenError::None;
    QString errorText;
};

Q_DECLARE_METATYPE(EcuLink::LossReason)
