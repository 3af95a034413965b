#pragma once

#include "net/AsyncTask.h"

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

#include <functional>
#include <utility>

// Runs `work` on a worker thread as a task of `context`: `done` gets the result on the context's thread,
// unless the task is aborted or destroyed first. A worker cannot be stopped halfway, so the work then runs
// to its end on its own copy of the data and its result is dropped. `work` must touch nothing that the
// context's thread uses meanwhile.
template <typename T>
AsyncTask *runOnWorker(QObject *context, std::function<T()> work, std::function<void(T)> done)
{
    auto *task = new AsyncTask(context);
    auto *watcher = new QFutureWatcher<T>(task);
    QObject::connect(watcher, &QFutureWatcherBase::finished, task, [task, watcher, done = std::move(done)] {
        task->finish([done, result = watcher->result()]() mutable { done(std::move(result)); });
    });
    watcher->setFuture(QtConcurrent::run(std::move(work)));
    return task;
}
