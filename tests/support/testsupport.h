#pragma once
// Shared test helpers: a private settings store, the application identity,
// the compiled-in catalogues.

#include <QCoreApplication>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>

// Points QSettings at a temporary folder (never the user's own store) and
// sets the application identity, as the entry point does. Keep one alive for
// the duration of a test case or suite.
class ScopedTestSettings {
public:
    ScopedTestSettings();
    ~ScopedTestSettings();
    // Removes every key, as on a first run.
    void clear();
    QString path() const { return dir.path(); }

private:
    QTemporaryDir dir;
};

// Spins the event loop until `pred` holds or `timeoutMs` pass; returns pred().
template <typename Pred>
bool waitFor(Pred pred, int timeoutMs = 5000);

#include <QElapsedTimer>
#include <QTest>
template <typename Pred>
bool waitFor(Pred pred, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (!pred() && t.elapsed() < timeoutMs)
        QTest::qWait(5);
    return pred();
}

#include <QList>
#include <QObject>

// Records what a running worker thread emits, delivered in the test's own
// thread. (A QSignalSpy connects directly, so a worker would append to it
// while the test reads it.)
template <typename T>
class QueuedLog : public QObject {
public:
    template <typename Sender, typename Signal>
    QueuedLog(Sender *sender, Signal signal)
    {
        QObject::connect(sender, signal, this, [this](T value) { items.append(value); }, Qt::QueuedConnection);
    }
    int size() const { return items.size(); }
    QList<T> items;
};
