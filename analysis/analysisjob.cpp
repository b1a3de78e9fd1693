// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/analysisjob.h"

#include "analysis/mixtureanalysis.h"

#include <QMetaObject>

namespace Mixture {

AnalysisJob::AnalysisJob(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<Mixture::Result>();
}

AnalysisJob::~AnalysisJob()
{
    if (worker.joinable())
        worker.join();
}

bool AnalysisJob::start(const Input &input, const Settings &settings)
{
    return launch([input, settings] { return analyse(input, settings); });
}

bool AnalysisJob::startFiles(const QStringList &ecuFiles, const QStringList &widebandFiles,
                             const WidebandFormat &format, const Settings &settings)
{
    return launch([=] { return analyseFiles(ecuFiles, widebandFiles, format, settings); });
}

bool AnalysisJob::launch(std::function<Result()> work)
{
    if (running.exchange(true))
        return false;
    if (worker.joinable())
        worker.join();
    worker = std::thread([this, work = std::move(work)] {
        Result r = work();
        // Delivered through the job's event queue: emitted on its thread,
        // dropped if the job is gone by then.
        QMetaObject::invokeMethod(this, [this, r = std::move(r)] {
            running = false;
            emit finished(r);
        }, Qt::QueuedConnection);
    });
    return true;
}

} // namespace Mixture
