// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/cgestsend.h"


#include "link/protocol.h"

CGestSend::CGestSend(QByteArray *image, QObject *parent, int timeoutMs, int retries,
                     WorkerClock *clock, bool startThread)
    : CGestWorker(parent, clock), image(image), retryReload(retries), retriesLeftValue(retries),
      timeoutMs(timeoutMs)
{
    if (startThread)
        start(QThread::InheritPriority);
}

CGestSend::~CGestSend()
{
    stopThread();
}

void CGestSend::startSend(uchar fromIndex)
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        cellIndex = fromIndex;
        retriesLeftValue = retryReload;
        replyBuffer.clear();
        stateValue = Send;
        wakeLocked();
    }
    emit sgnPercent(0);
}

void CGestSend::setImage(const QByteArray &cells)
{
    std::lock_guard<std::mutex> lock(mutex);
    *image = cells;
}

void CGestSend::abort()
{
    std::lock_guard<std::mutex> lock(mutex);
    stateValue = Idle;
    replyBuffer.clear();
}

qint64 CGestSend::nextStepAt() const
{
    switch (stateValue) {
    case Idle:
        return Never;
    case Wait:
        return sentAt + timeoutMs + 1;
    default:
        return nowMs();
    }
}

void CGestSend::setReply(const QByteArray &reply)
{
    std::lock_guard<std::mutex> lock(mutex);
    replyBuffer = reply;
    if (stateValue == Wait)
        wakeLocked();
}

int CGestSend::state() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return stateValue;
}

int CGestSend::retriesLeft() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return retriesLeftValue;
}

void CGestSend::step()
{
    QByteArray frame;
    int percent = -1;
    QString outcome;
    {
        std::lock_guard<std::mutex> lock(mutex);
        switch (stateValue) {
        case Send: {
            const int size = image->size();
            if (cellIndex >= size) {  // nothing (left) to write
                stateValue = Done;
                break;
            }
            frame = Protocol::makeWriteFrame(cellIndex, static_cast<uchar>(image->at(cellIndex)));
            percent = cellIndex * 100 / size;
            // Emptied before the frame leaves: a reply handed in from now on
            // belongs to this frame and must survive.
            replyBuffer.clear();
            stateValue = Wait;
            sentAt = nowMs();
            break;
        }
        case Wait:
            if (Protocol::isReplyOfKind(replyBuffer, Protocol::KindWrite)) {
                stateValue = Advance;
                break;
            }
            // Another kind of reply is not ours: drop it and keep the time-out running.
            replyBuffer.clear();
            if (nowMs() - sentAt > timeoutMs)
                stateValue = TimedOut;
            break;
        case Advance:
            if (cellIndex < image->size() - 1) {
                ++cellIndex;
                stateValue = Send;
            } else {
                stateValue = Done;
            }
            break;
        case TimedOut:
            // The budget covers the whole transfer, not one cell.
            stateValue = (--retriesLeftValue <= 0) ? Failed : Send;
            break;
        case Failed:
            outcome = QStringLiteral("KO_SND");
            stateValue = Idle;
            break;
        case Done:
            percent = 100;
            outcome = QStringLiteral("OK_SND");
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
