#include "platform/NamedEvent.h"
#include "platform/NamedMutex.h"

#include "support/TestSupport.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

using namespace vuv;

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
    bool took = true;
    ASSERT_TRUE(vuvtest::RunOnOtherThread([&] {
        NamedMutex other(name.c_str());
        took = other.TryLock();
        if (took)
            other.Unlock();
    }));
    EXPECT_FALSE(took);
    a.Unlock();
    EXPECT_FALSE(a.IsHeld());
    EXPECT_TRUE(b.TryLock());
    b.Unlock();

    NamedMutex none;
    EXPECT_FALSE(none.TryLock());
    none.Lock();
    EXPECT_FALSE(none.IsHeld());
}
