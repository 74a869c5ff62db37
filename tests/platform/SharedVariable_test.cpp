#include "platform/SharedVariable.h"

#include "support/TestSupport.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace vuv;

TEST(SharedVariable, ZeroAtFirstThenSharedWholeCopiesUnderTheSuitesNames)
{
    const std::string name = vuvtest::PrivateObjectName("var");
    bool ok = false;
    SharedVariable a(name.c_str(), 12, &ok);
    ASSERT_TRUE(ok);
    unsigned char bytes[12];
    memset(bytes, 0xAB, sizeof bytes);
    ASSERT_TRUE(a.Get(bytes));
    EXPECT_EQ(std::string(reinterpret_cast<char*>(bytes), 12), std::string(12, '\0'));
    const unsigned char written[12] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    ASSERT_TRUE(a.Set(written));
    SharedVariable b(name.c_str(), 12);
    ASSERT_TRUE(b.Get(bytes));
    EXPECT_EQ(memcmp(bytes, written, 12), 0);

    // Other programs find the objects by these names, and the mutex is free
    // after each copy.
    HANDLE mapping = OpenFileMappingA(FILE_MAP_READ, FALSE, ("SSharedData_" + name).c_str());
    ASSERT_NE(mapping, nullptr);
    CloseHandle(mapping);
    bool took = false;
    ASSERT_TRUE(vuvtest::RunOnOtherThread([&] {
        HANDLE m = OpenMutexA(SYNCHRONIZE | MUTEX_MODIFY_STATE, FALSE, ("SMutex_" + name).c_str());
        took = m && WaitForSingleObject(m, 0) == WAIT_OBJECT_0;
        if (took)
            ReleaseMutex(m);
        if (m)
            CloseHandle(m);
    }));
    EXPECT_TRUE(took);
}

TEST(SharedVariable, U32AndMissingViews)
{
    SharedVariable v(vuvtest::PrivateObjectName("u32").c_str(), 4);
    EXPECT_EQ(v.GetU32(), 0u);
    EXPECT_TRUE(v.SetU32(0xFFFFFFFFu));
    EXPECT_EQ(v.GetU32(), 0xFFFFFFFFu);
    // Without a view the caller's buffer is kept; only 4-byte variables
    // take the conveniences.
    SharedVariable none;
    uint32_t kept = 77;
    EXPECT_FALSE(none.Get(&kept));
    EXPECT_EQ(kept, 77u);
    EXPECT_FALSE(none.Set(&kept));
    EXPECT_EQ(none.GetU32(), 0u);
    SharedVariable wide(vuvtest::PrivateObjectName("wide").c_str(), 8);
    EXPECT_FALSE(wide.SetU32(5));
}
