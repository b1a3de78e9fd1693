// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The simulated wideband controller on a pseudo-terminal (Unix only): one
// ASCII line per reading ("13.42\r\n", or lambda "0.913"), at its sample
// rate, from the exhaust of the engine that the ECU simulator runs, with
// the cells that the ECU holds at the moment. A real QSerialPort opens the
// printed path.

#include "sim/ecusimulator.h"
#include "sim/rawpty.h"
#include "sim/widebandsensor.h"

#include <QString>

#include <atomic>
#include <memory>
#include <thread>

class PtyWidebandSimulator {
public:
    PtyWidebandSimulator(std::shared_ptr<EcuSimulator> ecu, const WidebandConfig &config, bool lambda);
    ~PtyWidebandSimulator();
    PtyWidebandSimulator(const PtyWidebandSimulator &) = delete;
    PtyWidebandSimulator &operator=(const PtyWidebandSimulator &) = delete;

    bool start();
    void stop();
    QString portPath() const { return path; }
    QString errorString() const { return error; }
    int linesSent() const { return sent.load(); }

private:
    void run();

    std::shared_ptr<EcuSimulator> ecu;
    WidebandConfig cfg;
    bool lambda;
    QString path;
    QString error;
    RawPty pty;
    std::thread worker;
    std::atomic<bool> stopping{false};
    std::atomic<int> sent{0};
};
