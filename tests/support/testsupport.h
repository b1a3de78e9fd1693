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
