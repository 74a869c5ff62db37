#include "platform/WorkerThread.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>

using namespace vuv;

namespace {

struct Counter {
    std::atomic<int> loops{0};
    std::atomic<bool> sawStop{false};
};

void CountUntilStopped(WorkerThread& worker)
{
    Counter& c = *static_cast<Counter*>(worker.Parameter());
    while (!worker.StopRequested()) {
        ++c.loops;
        Sleep(1);
    }
    c.sawStop = true;
}

void ReturnAtOnce(WorkerThread&) {}

}  // namespace

TEST(WorkerThread, StopAsksAndWaitsForTheRoutine)
{
    Counter counter;
    {
        WorkerThread worker;
        ASSERT_TRUE(worker.Start(&CountUntilStopped, &counter));
        const DWORD start = GetTickCount();
        while (counter.loops == 0 && GetTickCount() - start < 10000)
            Sleep(1);
        EXPECT_GT(counter.loops.load(), 0);
        EXPECT_FALSE(worker.IsFinished());
        worker.Stop(true);
        EXPECT_TRUE(worker.IsFinished());
        EXPECT_TRUE(counter.sawStop.load());
    }

    // A suspended worker does not run until resumed; destruction still ends it.
    Counter idle;
    {
        WorkerThread worker;
        ASSERT_TRUE(worker.Start(&CountUntilStopped, &idle, true));
        Sleep(50);
        EXPECT_EQ(idle.loops.load(), 0);
        worker.Resume();
    }
    EXPECT_TRUE(idle.sawStop.load());

    WorkerThread quick;
    ASSERT_TRUE(quick.Start(&ReturnAtOnce, nullptr));
    const DWORD start = GetTickCount();
    while (!quick.IsFinished() && GetTickCount() - start < 10000)
        Sleep(5);
    EXPECT_TRUE(quick.IsFinished());
}
