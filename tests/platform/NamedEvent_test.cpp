#include "platform/NamedEvent.h"

#include "support/TestSupport.h"

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
    // A second opener sees the state and does not reset it; testing does
    // not consume it (manual reset).
    NamedEvent second(name.c_str(), &existed);
    EXPECT_TRUE(existed);
    EXPECT_TRUE(second.IsSet());
    EXPECT_TRUE(second.IsSet());
    EXPECT_FALSE(second.Toggle());
    EXPECT_FALSE(first.IsSet());
    EXPECT_TRUE(first.Toggle());
    second.Reset();
    EXPECT_FALSE(first.IsSet());

    // Unnamed events are private; events without a handle are never set.
    NamedEvent a(nullptr), b(nullptr), none;
    a.Set();
    EXPECT_FALSE(b.IsSet());
    none.Set();
    EXPECT_FALSE(none.IsSet());
    first.Close();
    first.Set();
    EXPECT_FALSE(first.IsSet());
}
