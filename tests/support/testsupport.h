// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared test helpers for every suite: a private settings store, waiting on
// the event loop, a log of what a worker thread emits, and small makers of
// bytes, files and curves.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QSettings>
#include <QSignalSpy>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <QVector>

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
bool waitFor(Pred pred, int timeoutMs = 5000)
{
    QElapsedTimer t;
    t.start();
    while (!pred() && t.elapsed() < timeoutMs)
        QTest::qWait(2);
    return pred();
}

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
    T last() const { return items.isEmpty() ? T() : items.last(); }
    QList<T> items;
};

// Bytes from hex text, spaces allowed: hex("FD 03 2A").
QByteArray hex(const char *text);
// A whole file; empty when it cannot be read.
QByteArray readFile(const QString &path);
bool writeFile(const QString &path, const QByteArray &bytes);
// The first argument of every emission a spy saw, as numbers.
QList<int> intsOf(const QSignalSpy &spy);
// A curve rising by one from `from`.
QVector<int> ramp(int from);
