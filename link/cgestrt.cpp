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
}

void CGestRT::stopPolling()
{
    std::lock_guard<std::mutex> lock(mutex);
    polling = false;
    pendingCmd.clear();
}

void CGestRT::setCmd(const QString &cmd)
{
    std::lock_guard<std::mutex> lock(mutex);
    pendingCmd = cmd;
    polling = false;
}

void CGestRT::setReply(const QByteArray &reply)
{
    std::lock_guard<std::mutex> lock(mutex);
    replyBuffer = reply;
}

void CGestRT::queueInjectionK(int k, uchar hwVersion)
{
    std::lock_guard<std::mutex> lock(mutex);
    sendQueue.append(Protocol::makeWriteFrame(Protocol::injectionKCell(hwVersion),
                                              static_cast<uchar>(k & 0xFF)));
}

void CGestRT::queueBenchOn(uchar hwVersion)
{
    std::lock_guard<std::mutex> lock(mutex);
    sendQueue.append(Protocol::makeWriteFrame(Protocol::benchParamCell(hwVersion), 2));
    sendQueue.append(Protocol::makeWriteFrame(Protocol::injectionKCell(hwVersion), 1));
    sendQueue.append(Protocol::makeWriteFrame(Protocol::benchFlagCell(hwVersion), 1));
}

void CGestRT::queueBenchOff(uchar hwVersion)
{
    std::lock_guard<std::mutex> lock(mutex);
    sendQueue.append(Protocol::makeWriteFrame(Protocol::benchParamCell(hwVersion), 2));
    sendQueue.append(Protocol::makeWriteFrame(Protocol::injectionKCell(hwVersion), 1));
    sendQueue.append(Protocol::makeWriteFrame(Protocol::benchFlagCell(hwVersion), 0));
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

void CGestRT::step()
{
    QByteArray frame;
    QString command;
    QString error;
    bool deliver = false;
    Protocol::PollData live;
    {
        std::lock_guard<std::mutex> lock(mutex);
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
            frame = Protocol::makePollFrame();
            // Emptied before the frame leaves: a reply handed in from now on
            // belongs to this frame and must survive.
            replyBuffer.clear();
            stateValue = WaitPoll;
            sentAt = nowMs();
            break;
        case WaitPoll:
            if (Protocol::isReplyOfKind(replyBuffer, Protocol::KindPollReply)) {
                // Taken now: a later block must not replace the answer.
                lastPoll = replyBuffer;
                stateValue = Deliver;
                break;
            }
            replyBuffer.clear();  // not ours: drop it, the time-out keeps running
            if (nowMs() - sentAt > replyTimeout)
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
            sentAt = nowMs();
            break;
        case WaitAck:
            if (Protocol::isReplyOfKind(replyBuffer, Protocol::KindWrite)) {
                inFlight.clear();
                stateValue = ExchangeDone;
                break;
            }
            replyBuffer.clear();
            if (nowMs() - sentAt > replyTimeout)
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
            --retryCountValue;
            if (retryCountValue > 0)
                stateValue = inFlight.isEmpty() ? SendPoll : SendQueued;
            else
                stateValue = Failed;
            break;
        case Failed:
            // The link is lost: whatever was still to be written goes with it,
            // or every queued frame would time out and report again.
            inFlight.clear();
            sendQueue.clear();
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
        emit sgnRpm(live.rpm);
        emit sgnADC(live.adc);
        emit sgnIdxCella(live.cellIndex);
        emit sgnValCella(live.cellValue);
    }
    if (!error.isEmpty())
        emit sgnError(error);
    if (!command.isEmpty())
        emit sgnExecCmd(command);
}
