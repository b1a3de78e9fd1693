// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/cgestrt.h"

#include "link/protocol.h"

CGestRT::CGestRT(QObject *parent, int replyTimeout, int retryReload, WorkerClock *clock,
                 bool startThread)
    : CGestWorker(parent, clock), retryReload(retryReload), retryCountValue(retryReload),
      replyTimeout(replyTimeout)
{
    if (startThread)
        start(QThread::InheritPriority);
}

CGestRT::~CGestRT()
{
    stopThread();
}

void CGestRT::startPolling()
{
    std::lock_guard<std::mutex> lock(mutex);
    retryCountValue = retryReload;
    polling = true;
    pendingCmd.clear();
    wakeLocked();
}

void CGestRT::stopPolling()
{
    std::lock_guard<std::mutex> lock(mutex);
    polling = false;
    pendingCmd.clear();
    wakeLocked();
}

void CGestRT::setCmd(const QString &cmd)
{
    std::lock_guard<std::mutex> lock(mutex);
    pendingCmd = cmd;
    polling = false;
    wakeLocked();
}

void CGestRT::setReply(const QByteArray &reply)
{
    std::lock_guard<std::mutex> lock(mutex);
    replyBuffer = reply;
    if (stateValue == WaitPoll || stateValue == WaitAck)
        wakeLocked();
}

void CGestRT::queue(const QByteArray &frame)
{
    sendQueue.append(frame);
    wakeLocked();
}

void CGestRT::queueInjectionK(int k, uchar hwVersion)
{
    std::lock_guard<std::mutex> lock(mutex);
    queue(Protocol::makeWriteFrame(Protocol::injectionKCell(hwVersion), static_cast<uchar>(k & 0xFF)));
}

void CGestRT::queueBenchOn(uchar hwVersion)
{
    std::lock_guard<std::mutex> lock(mutex);
    queue(Protocol::makeWriteFrame(Protocol::benchParamCell(hwVersion), 2));
    queue(Protocol::makeWriteFrame(Protocol::injectionKCell(hwVersion), 1));
    queue(Protocol::makeWriteFrame(Protocol::benchFlagCell(hwVersion), 1));
}

void CGestRT::queueBenchOff(uchar hwVersion)
{
    std::lock_guard<std::mutex> lock(mutex);
    queue(Protocol::makeWriteFrame(Protocol::benchParamCell(hwVersion), 2));
    queue(Protocol::makeWriteFrame(Protocol::injectionKCell(hwVersion), 1));
    queue(Protocol::makeWriteFrame(Protocol::benchFlagCell(hwVersion), 0));
}

QString CGestRT::reset()
{
    std::lock_guard<std::mutex> lock(mutex);
    const QString dropped = pendingCmd;
    pendingCmd.clear();
    polling = false;
    sendQueue.clear();
    inFlight.clear();
    replyBuffer.clear();
    retryCountValue = retryReload;
    stateValue = Idle;
    return dropped;
}

int CGestRT::state() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return stateValue;
}

bool CGestRT::isPolling() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return polling;
}

int CGestRT::retryCount() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return retryCountValue;
}

int CGestRT::queuedFrames() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return sendQueue.size() + (inFlight.isEmpty() ? 0 : 1);
}

QString CGestRT::pendingCommand() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return pendingCmd;
}

qint64 CGestRT::nextStepAt() const
{
    switch (stateValue) {
    case Idle:
        return pendingCmd.isEmpty() && !polling && sendQueue.isEmpty() ? Never : nowMs();
    case SendPoll:
        return lastPollAt < 0 || !polling ? nowMs() : lastPollAt + PollPeriodMs;
    case WaitPoll:
    case WaitAck:
        return sentAt + replyTimeout + 1;
    default:
        return nowMs();
    }
}

void CGestRT::step()
{
    QByteArray frame;
    QString command;
    QString dropped;
    QString error;
    bool deliver = false;
    bool pollLost = false;
    Protocol::PollData live;
    {
        std::lock_guard<std::mutex> lock(mutex);
        const qint64 now = nowMs();
        // An exchange is over: serve the queue first, then poll, else rest.
        auto exchangeDone = [this]() {
            retryCountValue = retryReload;
            if (!sendQueue.isEmpty())
                stateValue = SendQueued;
            else
                stateValue = polling ? SendPoll : Idle;
        };
        switch (stateValue) {
        case Idle:
            // A command is handed over only once the queued writes are out:
            // what runs next (a transfer, a file dialog) must not share the
            // line with a K or bench frame still waiting here.
            if (!pendingCmd.isEmpty() && sendQueue.isEmpty()) {
                command = pendingCmd;
                pendingCmd.clear();
            }
            if (polling)
                stateValue = SendPoll;
            else if (!sendQueue.isEmpty())
                stateValue = SendQueued;
            break;
        case SendPoll:
            if (!polling) {  // switched off while waiting for the next period
                exchangeDone();
                break;
            }
            if (lastPollAt >= 0 && now < lastPollAt + PollPeriodMs)
                break;  // paced: not yet
            frame = Protocol::makePollFrame();
            // Emptied before the frame leaves: a reply handed in from now on
            // belongs to this frame and must survive.
            replyBuffer.clear();
            stateValue = WaitPoll;
            sentAt = lastPollAt = now;
            break;
        case WaitPoll:
            if (Protocol::isReplyOfKind(replyBuffer, Protocol::KindPollReply)) {
                // Taken now: a later block must not replace the answer.
                lastPoll = replyBuffer;
                stateValue = Deliver;
                break;
            }
            replyBuffer.clear();  // not ours: drop it, the time-out keeps running
            if (now - sentAt > replyTimeout)
                stateValue = TimedOut;
            break;
        case SendQueued:
            // A frame whose acknowledgement timed out is sent again as it is.
            if (inFlight.isEmpty()) {
                if (sendQueue.isEmpty()) {
                    exchangeDone();
                    break;
                }
                inFlight = sendQueue.takeFirst();
            }
            frame = inFlight;
            replyBuffer.clear();
            stateValue = WaitAck;
            sentAt = now;
            break;
        case WaitAck:
            if (Protocol::isReplyOfKind(replyBuffer, Protocol::KindWrite)) {
                inFlight.clear();
                stateValue = ExchangeDone;
                break;
            }
            replyBuffer.clear();
            if (now - sentAt > replyTimeout)
                stateValue = TimedOut;
            break;
        case Deliver:
            // With polling switched off meanwhile the displays get zeros.
            if (polling)
                live = Protocol::decodePollReply(lastPoll);
            deliver = true;
            exchangeDone();
            break;
        case ExchangeDone:
            exchangeDone();
            break;
        case TimedOut:
            if (inFlight.isEmpty()) {
                pollLost = true;
                if (!polling) {
                    // Nobody waits for this poll any more: no retry.
                    exchangeDone();
                    break;
                }
            }
            --retryCountValue;
            if (retryCountValue > 0)
                stateValue = inFlight.isEmpty() ? SendPoll : SendQueued;
            else
                stateValue = Failed;
            break;
        case Failed:
            // The link is lost: whatever was still to be written goes with it,
            // and so does a command word nobody can run any more.
            inFlight.clear();
            sendQueue.clear();
            dropped = pendingCmd;
            pendingCmd.clear();
            polling = false;
            error = QStringLiteral("KO");
            stateValue = Idle;
            break;
        default:
            stateValue = Idle;
            break;
        }
    }
    if (!frame.isEmpty())
        emit sgnSndByte(frame);
    if (deliver) {
        emit sgnLive(live);
    }
    if (pollLost)
        emit sgnPollLost();
    if (!error.isEmpty())
        emit sgnError(error);
    if (!dropped.isEmpty())
        emit sgnCmdDropped(dropped);
    if (!command.isEmpty())
        emit sgnExecCmd(command);
}
