#include "platform/WorkerThread.h"

#include <windows.h>

#include <process.h>

namespace vuv {

WorkerThread::~WorkerThread()
{
    Stop(true);
    if (thread_)
        CloseHandle(thread_);
}

bool WorkerThread::Start(Routine routine, void* parameter, bool suspended)
{
    if (thread_)
        return false;
    routine_ = routine;
    parameter_ = parameter;
    stop_.Create(nullptr);
    finished_.Create(nullptr);
    thread_ = reinterpret_cast<void*>(
        _beginthreadex(nullptr, 0, &WorkerThread::Run, this, suspended ? CREATE_SUSPENDED : 0,
                       nullptr));
    if (!thread_)
        finished_.Set();
    return thread_ != nullptr;
}

unsigned __stdcall WorkerThread::Run(void* self)
{
    WorkerThread& worker = *static_cast<WorkerThread*>(self);
    if (worker.routine_)
        worker.routine_(worker);
    worker.finished_.Set();
    return 0;
}

void WorkerThread::Resume()
{
    if (thread_)
        ResumeThread(thread_);
}

void WorkerThread::SetPriority(int priority)
{
    if (thread_)
        SetThreadPriority(thread_, priority);
}

void WorkerThread::Stop(bool wait)
{
    if (!thread_)
        return;
    stop_.Set();
    if (!wait)
        return;
    // A thread still held suspended would never finish.
    for (DWORD count = ResumeThread(thread_); count != DWORD(-1) && count > 1;)
        count = ResumeThread(thread_);
    while (!finished_.IsSet())
        Sleep(25);
}

}  // namespace vuv
