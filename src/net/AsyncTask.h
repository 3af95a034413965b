#pragma once

#include <QObject>

#include <functional>

// One piece of asynchronous work (an HTTP request, a download, a portal call, a screen pick, a text
// operation on a worker thread) with one owner. Every asynchronous path of the program keeps this
// contract, so none needs to guard against the others' lifetimes:
// - the task is a child of its context and goes with it; destroying it stops the work;
// - it never reports inside the call that starts it;
// - it reports at most once, and never after abort() or its destruction;
// - once it has reported, it deletes itself.
class AsyncTask : public QObject
{
    Q_OBJECT

public:
    explicit AsyncTask(QObject *context);
    ~AsyncTask() override;

    // A task whose outcome is known at once (a URL that cannot be formed): it still reports later.
    static AsyncTask *reportLater(QObject *context, std::function<void()> report);

    // What stops the work (aborts a reply, closes a window, ...). It runs at most once: on abort() or
    // destruction, unless the task has finished first.
    void setStopper(std::function<void()> stop) { m_stop = std::move(stop); }

    // Reports the outcome: `report` runs from the event loop (never inside the caller's call), unless the
    // task is aborted or destroyed first; any later finish() is ignored. The task then deletes itself.
    void finish(std::function<void()> report);

    // Stops the work without a report; the task deletes itself.
    void abort();

    bool isFinished() const { return m_finished; }

private:
    void stop();

    std::function<void()> m_stop;
    bool m_finished = false;
    bool m_aborted = false;
};
