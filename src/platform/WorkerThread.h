// A worker thread with a stop request and a finished flag. A stop request
// only asks: the routine must poll StopRequested() and return by itself.
// Destruction requests a stop and waits for the routine to return.
#pragma once

#include "platform/NamedEvent.h"

namespace vuv {

class WorkerThread {
public:
    using Routine = void (*)(WorkerThread& worker);

    WorkerThread() = default;
    ~WorkerThread();
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    // Starts `routine` on a new thread (held suspended when asked). When the
    // thread cannot be created the worker counts as finished at once.
    bool Start(Routine routine, void* parameter, bool suspended = false);
    void Resume();
    void SetPriority(int priority);
    bool StopRequested() const { return stop_.IsSet(); }
    bool IsFinished() const { return finished_.IsSet(); }
    // Sets the stop request; with `wait`, polls every 25 ms until finished.
    void Stop(bool wait);
    void* Parameter() const { return parameter_; }

private:
    static unsigned __stdcall Run(void* self);

    NamedEvent stop_;
    void* thread_ = nullptr;
    NamedEvent finished_;
    Routine routine_ = nullptr;
    void* parameter_ = nullptr;
};

}  // namespace vuv
