#include "net/AsyncTask.h"

#include <QTimer>

#include <utility>

AsyncTask::AsyncTask(QObject *context) : QObject(context)
{}

AsyncTask::~AsyncTask()
{
    stop();
}

AsyncTask *AsyncTask::reportLater(QObject *context, std::function<void()> report)
{
    auto *task = new AsyncTask(context);
    task->finish(std::move(report));
    return task;
}

void AsyncTask::stop()
{
    m_finished = true;
    // Moved out first: stopping may emit signals that land back here (an aborted reply finishes at once).
    if (auto stop = std::exchange(m_stop, nullptr))
        stop();
}

void AsyncTask::finish(std::function<void()> report)
{
    if (m_finished)
        return;
    m_finished = true;
    m_stop = nullptr;
    QTimer::singleShot(0, this, [this, report = std::move(report)] {
        if (m_aborted)
            return;
        // Posted first: the report may well destroy the context, and this task with it, which takes a
        // pending deferred delete along.
        deleteLater();
        report();
    });
}

void AsyncTask::abort()
{
    // Also drops a report that is queued but has not run yet.
    m_aborted = true;
    stop();
    deleteLater();
}
