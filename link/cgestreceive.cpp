#include "link/cgestreceive.h"


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

void CGestReceive::startReceive(uchar fromIndex, uchar hwVersion)
{
    {
        std::lock_guard<std::mutex> lock(mutex);
        cellIndex = fromIndex;
        cellCountValue = Protocol::cellsRead(hwVersion);
        image->clear();
        retriesLeftValue = retryReload;
        replyBuffer.clear();
        stateValue = Send;
    }
    emit sgnPercent(0);
}

void CGestReceive::setReply(const QByteArray &reply)
{
    std::lock_guard<std::mutex> lock(mutex);
    replyBuffer = reply;
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

void CGestReceive::step()
{
    QByteArray frame;
    int percent = -1;
    QString outcome;
    {
        std::lock_guard<std::mutex> lock(mutex);
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
            sentAt = nowMs();
            break;
        case Wait:
            if (Protocol::isReplyOfKind(replyBuffer, Protocol::KindRead)) {
                // Store at once: a later block must not replace the answer.
                if (image->size() <= cellIndex)
                    image->resize(cellIndex + 1);
                (*image)[cellIndex] = static_cast<char>(Protocol::readReplyValue(replyBuffer));
                stateValue = Advance;
                break;
            }
            // Another kind of reply is not ours: drop it and keep the time-out running.
            replyBuffer.clear();
            if (nowMs() - sentAt > timeoutMs)
                stateValue = TimedOut;
            break;
        case Advance:
            // Every cell is stored, the last one (the test-bench flag) included.
            if (cellIndex < cellCountValue - 1) {
                ++cellIndex;
                stateValue = Send;
            } else {
                stateValue = Done;
            }
            break;
        case TimedOut:
            stateValue = (--retriesLeftValue <= 0) ? Failed : Send;
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
