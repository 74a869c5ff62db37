#include "platform/NamedEvent.h"
#include "platform/NamedMutex.h"

#include "support/TestSupport.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

using namespace vuv;

namespace {

struct MutexProbe {
    std::string name;
    bool took;
};

// A thread routine: its convention is the one CreateThread calls.
DWORD WINAPI TryLockOnThread(void* parameter)
{
    MutexProbe& probe = *static_cast<MutexProbe*>(parameter);
    NamedMutex other(probe.name.c_str());
    probe.took = other.TryLock();
    if (probe.took)
        other.Unlock();
    return 0;
}

}  // namespace

TEST(NamedEvent, SharedStateByNameAndNullHandles)
{
    const std::string name = vuvtest::PrivateObjectName("event");
    bool existed = true;
    NamedEvent first(name.c_str(), &existed);
    EXPECT_FALSE(existed);
    EXPECT_FALSE(first.IsSet());
    first.Set();

    // A second opener sees the state and does not reset it.
    NamedEvent second(name.c_str(), &existed);
    EXPECT_TRUE(existed);
    EXPECT_TRUE(second.IsSet());
    EXPECT_FALSE(second.Toggle());
    EXPECT_FALSE(first.IsSet());
    EXPECT_TRUE(first.Toggle());
    EXPECT_TRUE(second.IsSet());

    // Manual reset: testing does not consume the state.
    EXPECT_TRUE(second.IsSet());
    second.Reset();
    EXPECT_FALSE(first.IsSet());

    // Unnamed events are private.
    NamedEvent a(nullptr), b(nullptr);
    a.Set();
    EXPECT_FALSE(b.IsSet());

    NamedEvent none;
    none.Set();
    none.Reset();
    EXPECT_FALSE(none.IsSet());
    first.Close();
    first.Set();
    EXPECT_FALSE(first.IsSet());
}

TEST(NamedMutex, TryLockSeesOtherHolders)
{
    const std::string name = vuvtest::PrivateObjectName("mutex");
    NamedMutex a(name.c_str());
    NamedMutex b(name.c_str());
    a.Lock();
    EXPECT_TRUE(a.IsHeld());
    // Mutexes belong to threads: another thread must fail to take it.
    MutexProbe probe{name, true};
    HANDLE thread = CreateThread(nullptr, 0, TryLockOnThread, &probe, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    ASSERT_EQ(WaitForSingleObject(thread, 10000), WAIT_OBJECT_0);
    CloseHandle(thread);
    EXPECT_FALSE(probe.took);
    a.Unlock();
    EXPECT_FALSE(a.IsHeld());
    EXPECT_TRUE(b.TryLock());
    b.Unlock();

    NamedMutex none;
    EXPECT_FALSE(none.TryLock());
    none.Lock();
    EXPECT_FALSE(none.IsHeld());
}
