// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/workermailbox.h"

WorkerMailbox::WorkerMailbox(QObject *parent) : QObject(parent) {}

void WorkerMailbox::post(std::function<void()> report)
{
    bool schedule;
    {
        std::lock_guard<std::mutex> lock(mutex);
        reports.push_back(std::move(report));
        schedule = !scheduled;
        scheduled = true;
    }
    if (schedule)
        QMetaObject::invokeMethod(this, "deliver", Qt::QueuedConnection);
}

void WorkerMailbox::clear()
{
    std::lock_guard<std::mutex> lock(mutex);
    reports.clear();
}

void WorkerMailbox::deliver()
{
    // One report per event, the next one scheduled before this one runs: a
    // report that opens a modal dialog leaves the later ones to the dialog's
    // own event loop, in order, as queued signals would.
    std::function<void()> report;
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (reports.empty()) {
            scheduled = false;
            return;
        }
        report = std::move(reports.front());
        reports.pop_front();
        scheduled = !reports.empty();
        if (scheduled)
            QMetaObject::invokeMethod(this, "deliver", Qt::QueuedConnection);
    }
    report();
}
