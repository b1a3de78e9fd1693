// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The analysis off the GUI thread. start() copies what it is given to a
// thread of its own; finished() is emitted on the job's thread (the GUI's)
// when it is done. One analysis at a time per job; a job destroyed while
// analysing waits for the analysis to end (it cannot be cut short).
//
//   auto *job = new Mixture::AnalysisJob(this);
//   connect(job, &Mixture::AnalysisJob::finished, this, &Panel::show);
//   job->startFiles(liveLogs, widebandLogs, format, settings);

#include <QObject>

#include "analysis/mixturetypes.h"

#include <atomic>
#include <functional>
#include <thread>

namespace Mixture {

class AnalysisJob : public QObject {
    Q_OBJECT
public:
    explicit AnalysisJob(QObject *parent = nullptr);
    ~AnalysisJob() override;

    // False while an analysis is running.
    bool start(const Input &input, const Settings &settings);
    bool startFiles(const QStringList &ecuFiles, const QStringList &widebandFiles, const WidebandFormat &format,
                    const Settings &settings);
    bool isRunning() const { return running.load(); }

signals:
    void finished(const Mixture::Result &result);

private:
    bool launch(std::function<Result()> work);

    std::thread worker;
    std::atomic<bool> running{false};
};

} // namespace Mixture
