// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The simulated ECU on a pseudo-terminal: a real QSerialPort opens the slave
// side by its path (e.g. "/dev/pts/7"); a worker thread reads the master side,
// groups the bytes into 8-byte frames and answers as a unit at the end of a
// 9600-baud line would: a request's 8 bytes take 8.3 ms to arrive before the
// unit can answer, and the reply goes back byte by byte at the same pace.
// Pseudo-terminals exist on Unix only; elsewhere start() fails.

#include "sim/ecusimulator.h"
#include "sim/rawpty.h"

#include <QString>

#include <atomic>
#include <memory>
#include <thread>

class PtyEcuSimulator {
public:
    // One byte on a 9600-baud 8N1 line: 10 bits.
    static constexpr int ByteMicros = 1042;
    // A frame whose bytes stop coming for this long is dropped by the unit.
    static constexpr int FrameGapMs = 100;

    explicit PtyEcuSimulator(std::shared_ptr<EcuSimulator> ecu);
    ~PtyEcuSimulator();
    PtyEcuSimulator(const PtyEcuSimulator &) = delete;
    PtyEcuSimulator &operator=(const PtyEcuSimulator &) = delete;

    // Opens the pseudo-terminal and starts answering; false on failure.
    bool start();
    // Stops answering and closes the pseudo-terminal.
    void stop();
    // Pulls the cable: the device disappears (the pseudo-terminal is closed
    // under the feet of whoever has the port open). Returns once it is gone.
    void unplug();

    bool isRunning() const { return running.load(); }
    QString portPath() const { return path; }
    QString errorString() const { return error; }
    std::shared_ptr<EcuSimulator> ecu() const { return engine; }
    // Reply bytes written to the line so far.
    int bytesSent() const { return sent.load(); }

private:
    void run();
    void closeTerminal();
    bool sendPaced(const QByteArray &bytes);

    std::shared_ptr<EcuSimulator> engine;
    QString path;
    QString error;
    RawPty pty;
    std::thread worker;
    std::atomic<bool> stopping{false};
    std::atomic<bool> running{false};
    std::atomic<int> sent{0};
};
