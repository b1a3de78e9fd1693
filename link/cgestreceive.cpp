// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/cgestreceive.h"

#include <algorithm>

#include "link/protocol.h"

CGestReceive::CGestReceive(QByteArray *image, QObject *parent, int timeoutMs, int retries,
                           WorkerClock *clock, bool startThread)
    : CGestWorker(parent, clock), image(image), retryReload(retries), retriesLeftValue(retries),
      timeoutMs(timeoutMs)
{
    if (startThread)
        start(QThread::InheritPriority);
}

CGestReceive::~CGestReceive()
{
    stopThread();
}

void CGestReceive::startReceive(uchar from, uchar hwVersion)
{
    begin(from, Protocol::cellsRead(hwVersion));
}

void CGestReceive::startReceiveCells(uchar from, int count)
{
    begin(from, from + count);
}

void CGestReceive::begin(uchar from, int count)
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        fromIndex = from;
        cellCountValue = count;
        image->clear();
        // One budget of time-outs for the whole read, verification included.
        retriesLeftValue = retryReload;
        pass = 1;
        previousPass.clear();
        beginPass();
        stateValue = Send;
        wakeLocked();
    }
    emit sgnPercent(0);
}

void CGestReceive::markIrregular()
{
    std::lock_guard<std::mutex> lock(mutex);
    switch (stateValue) {
    case Idle:
    case Failed:
    case Done:
        break;
    case Drain:
        // The line is not quiet yet.
        lastArrival = nowMs();
        break;
    default:
        irregular = true;
        if (stateValue == Settle)
            wakeLocked();
        break;
    }
}

void CGestReceive::abort()
{
    std::lock_guard<std::mutex> lock(mutex);
    stateValue = Idle;
    replyBuffer.clear();
}

qint64 CGestReceive::settleWindow() const
{
    // If the replies ran one behind, the answer to the last request is
    // still on its way: it comes within a request's round trip, or within
    // the time-out in a pass that already lost replies.
    return missed ? timeoutMs : std::min<qint64>(timeoutMs, maxPeriod + maxLatency + StepSleepMs);
}

qint64 CGestReceive::nextStepAt() const
{
    switch (stateValue) {
    case Idle:
        return Never;
    case Wait:
        return sentAt + timeoutMs + 1;
    case Settle:
        return surplus || irregular ? nowMs() : sentAt + settleWindow();
    case Drain:
        return std::min(std::max(windowStart, lastArrival) + timeoutMs, windowStart + 4 * timeoutMs);
    default:
        return nowMs();
    }
}

void CGestReceive::beginPass()
{
    cellIndex = fromIndex;
    surplus = false;
    missed = false;
    irregular = false;
    lastSendAt = -1;
    maxPeriod = 0;
    maxLatency = 0;
    replyBuffer.clear();
}

void CGestReceive::setReply(const QByteArray &reply)
{
    std::lock_guard<std::mutex> lock(mutex);
    const bool readReply = Protocol::isReplyOfKind(reply, Protocol::KindRead);
    switch (stateValue) {
    case Wait:
        if (readReply && !Protocol::isReadReplyFor(reply, cellIndex)) {
            // A late answer to an earlier cell (or noise): never this cell's value.
            surplus = true;
        } else if (!Protocol::isReplyOfKind(replyBuffer, Protocol::KindRead)) {
            replyBuffer = reply;
            replyAt = nowMs();
            wakeLocked();
        } else if (readReply) {
            // A second read reply to one request: one of them is not its answer.
            surplus = true;
            replyBuffer = reply;
        }
        // Another kind after a read reply cannot be this request's answer.
        break;
    case Drain:
        lastArrival = nowMs();
        break;
    case Idle:
    case Failed:
    case Done:
        break;
    default:
        // Nobody waits for a reply now: a read reply is a late answer, or
        // noise that looks like one, and the pass no longer counts as clean.
        // Other kinds cannot be taken for a value (the live-data thread's
        // own exchange may still be finishing) and are simply dropped.
        if (readReply) {
            surplus = true;
            if (stateValue == Settle)
                wakeLocked();
        }
        break;
    }
}

int CGestReceive::state() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return stateValue;
}

int CGestReceive::retriesLeft() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return retriesLeftValue;
}

int CGestReceive::cellCount() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return cellCountValue;
}

QByteArray CGestReceive::imageCopy() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return *image;
}

int CGestReceive::readPasses() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return pass;
}

int CGestReceive::judgePass()
{
    const QByteArray values = image->left(cellCountValue);
    if (pass == 1 && !surplus && !missed && !irregular)
        return Done;
    // After a drained line, a pass without a reply too many confirms the
    // values of the pass before. Replies that went missing cannot shift the
    // values; one too many can. Noise on the line may have spoilt a value
    // in either pass, but not the same value in the same way in both.
    if (pass > 1 && !surplus && values == previousPass)
        return Done;
    if (pass >= MaxPasses)
        return Failed;
    previousPass = values;
    ++pass;
    windowStart = lastArrival = nowMs();
    return Drain;
}

void CGestReceive::step()
{
    QByteArray frame;
    int percent = -1;
    QString outcome;
    {
        std::lock_guard<std::mutex> lock(mutex);
        const qint64 now = nowMs();
        switch (stateValue) {
        case Send:
            if (cellIndex >= cellCountValue) {
                stateValue = Done;
                break;
            }
            frame = Protocol::makeReadFrame(cellIndex);
            percent = cellIndex * 100 / cellCountValue;
            // Emptied before the frame leaves: a reply handed in from now on
            // belongs to this frame and must survive.
            replyBuffer.clear();
            stateValue = Wait;
            if (lastSendAt >= 0)
                maxPeriod = std::max(maxPeriod, now - lastSendAt);
            lastSendAt = now;
            sentAt = now;
            break;
        case Wait:
            if (Protocol::isReplyOfKind(replyBuffer, Protocol::KindRead)) {
                // Store at once: a later block must not replace the answer.
                if (image->size() <= cellIndex)
                    image->resize(cellIndex + 1);
                (*image)[cellIndex] = static_cast<char>(Protocol::readReplyValue(replyBuffer));
                maxLatency = std::max(maxLatency, replyAt - sentAt);
                replyBuffer.clear();
                stateValue = Advance;
                break;
            }
            // Another kind of reply is not ours: drop it and keep the time-out running.
            if (!replyBuffer.isEmpty())
                missed = true;
            replyBuffer.clear();
            if (now - sentAt > timeoutMs)
                stateValue = TimedOut;
            break;
        case Advance:
            // Every cell is stored, the last one (the test-bench flag) included.
            if (cellIndex < cellCountValue - 1) {
                ++cellIndex;
                stateValue = Send;
            } else if (pass == 1 && (surplus || missed || irregular)) {
                stateValue = judgePass();  // read again in any case
            } else {
                stateValue = Settle;
            }
            break;
        case Settle:
            if (surplus || irregular || now - sentAt >= settleWindow())
                stateValue = judgePass();
            break;
        case TimedOut:
            missed = true;
            stateValue = (--retriesLeftValue <= 0) ? Failed : Quiet;
            break;
        case Quiet:
            // One pass in which a late answer is dropped rather than taken
            // for the answer to the request sent again.
            stateValue = Send;
            break;
        case Drain:
            if (now - std::max(windowStart, lastArrival) >= timeoutMs || now - windowStart >= 4 * timeoutMs) {
                beginPass();
                stateValue = Send;
            }
            break;
        case Failed:
            outcome = QStringLiteral("KO_RCV");
            stateValue = Idle;
            break;
        case Done:
            percent = 100;
            outcome = QStringLiteral("OK_RCV");
            stateValue = Idle;
            break;
        default:
            break;
        }
    }
    if (!frame.isEmpty())
        emit sgnSndByte(frame);
    if (percent >= 0)
        emit sgnPercent(percent);
    if (!outcome.isEmpty())
        emit sgnEsito(outcome);
}
