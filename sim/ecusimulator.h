// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ECU's side of the conversation, answering frames exactly as the unit
// does. One engine serves both carriers (in-process HID and a pseudo-terminal).
// All operations are thread-safe: a carrier thread answers frames while a test
// reads or changes the cell memory and the fault switches.

#include <QByteArray>
#include <QElapsedTimer>
#include <mutex>
#include <QVector>

#include <functional>
#include <memory>
#include <random>

class EngineModel;

struct EcuSimConfig {
    unsigned char hwVersion = 21;  // below 20: 50 cells, else 90
    unsigned char cylinders = 4;   // 0, 2 or 4 (others are reported as they are)
    char firmware[3] = {'2', '0', '3'};  // major, minor, revision
    quint32 seed = 1;              // for the random faults
};

// Fault switches. Every counter counts replies the engine would have sent.
struct EcuSimFaults {
    int replyDelayMs = 0;       // the reply leaves this late
    int delayOnlyNth = 0;       // with replyDelayMs: only the n-th reply
                                // counted from setFaults() is late (0: all)
    int dropEveryN = 0;         // every n-th reply is lost (0: never)
    double dropRate = 0.0;      // share of replies lost at random (0 to 1)
    int garbageBytes = 0;       // bytes inserted before each affected reply
    int garbageEveryN = 0;      // which replies get them (0: none, 1: every one)
    int wrongKindEveryN = 0;    // every n-th reply carries the wrong kind byte
    bool silent = false;        // the unit stays powered but never answers
    bool gone = false;          // the unit has been unplugged
    int stuckCell = -1;         // a cell that acknowledges writes but keeps
                                // its old value (-1: none)
    int vanishAfterRequests = 0; // unplugged once it has received this many
                                 // requests in all (0: never); the next request
                                 // finds it gone: not stored, not answered
};

// What the ECU sends back for one request: nothing, or bytes after a delay.
struct EcuResponse {
    QByteArray bytes;
    int delayMs = 0;
};

// Live engine data of a running engine at a moment in time.
struct EcuLiveValues {
    int rpm = 0;
    unsigned char adc = 0;
    unsigned char cellIndex = 0;
};

class EcuSimulator {
public:
    explicit EcuSimulator(const EcuSimConfig &config = EcuSimConfig());

    EcuSimConfig config() const;
    // Number of cells of this unit's memory (50 or 90).
    int cellCount() const;

    // Answers one 8-byte frame. The checksum is not checked, as on the unit;
    // a block that is not 8 bytes long or of no known kind gets no answer.
    EcuResponse handleFrame(const QByteArray &frame);
    // Answers one 65-byte HID output report (report number first). The
    // response bytes are the input report's data (64 bytes, no report number).
    EcuResponse handleHidReport(const QByteArray &report);

    // Cell memory (tests and the simulator program).
    unsigned char cell(int index) const;
    void setCell(int index, unsigned char value);
    QByteArray cells() const;

    void setFaults(const EcuSimFaults &faults);
    EcuSimFaults faults() const;
    bool isGone() const;
    // Frames (or reports) received so far, answered or not.
    int requestsReceived() const;

    // Replaces the engine's clock (milliseconds since power-up), for tests.
    void setClock(std::function<qint64()> clock);

    // With an engine (the mixture analysis's ride), the polls follow its
    // speed instead of the sweep below; nullptr: back to the sweep.
    void setEngine(std::shared_ptr<const EngineModel> engine);
    std::shared_ptr<const EngineModel> engine() const;
    // The clock the polls are answered on (ms since power-up).
    qint64 clockMs() const;

    // The engine as it runs: speed sweeping smoothly between idle and near the
    // top of the range, a slowly drifting temperature-probe level, and the
    // injection cell that matches the speed.
    static EcuLiveValues liveValuesAt(qint64 ms, unsigned char cylinders);
    static int topRpm(unsigned char cylinders);

private:
    QByteArray answer(const QByteArray &frame);
    EcuResponse applyFaults(QByteArray reply);
    // Counts one received request; true when the unit is (now) gone.
    bool countRequestAndCheckGone();
    qint64 now() const;

    mutable std::mutex mutex;
    EcuSimConfig cfg;
    EcuSimFaults flt;
    QByteArray memory;
    std::mt19937 rng;
    QElapsedTimer powerUp;
    std::function<qint64()> clock;
    std::shared_ptr<const EngineModel> ride;
    int replyCounter = 0;
    int replyCounterAtFaults = 0;
    int requests = 0;
};
