#pragma once
// Ctrl+C (SIGINT) and SIGTERM as Qt signals. The handler only counts into a
// lock-free atomic; a timer on the event loop reads the count and reports
// each new interruption, so no Qt code ever runs inside the handler.

#include <QObject>
#include <QTimer>

namespace Cli {

class InterruptWatch : public QObject {
    Q_OBJECT
public:
    static constexpr int PollMs = 50;

    explicit InterruptWatch(QObject *parent = nullptr);
    ~InterruptWatch() override;  // the default handling comes back

    int count() const { return seen; }

signals:
    // `count`: 1 for the first Ctrl+C, 2 for the second ...
    void interrupted(int count);

private:
    void poll();
    QTimer timer;
    int base = 0;  // counted before this watch began
    int seen = 0;
};

} // namespace Cli
