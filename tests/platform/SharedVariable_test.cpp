#include "platform/SharedVariable.h"

#include "support/TestSupport.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace vuv;

TEST(SharedVariable, ZeroAtFirstThenSharedWholeCopies)
{
    const std::string name = vuvtest::PrivateObjectName("var");
    bool ok = false;
    SharedVariable a(name.c_str(), 12, &ok);
    ASSERT_TRUE(ok);
    unsigned char bytes[12];
    memset(bytes, 0xAB, sizeof bytes);
    ASSERT_TRUE(a.Get(bytes));
    for (unsigned char b : bytes)
        EXPECT_EQ(b, 0);

    const unsigned char written[12] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    ASSERT_TRUE(a.Set(written));
    SharedVariable b(name.c_str(), 12);
    unsigned char read[12] = {};
    ASSERT_TRUE(b.Get(read));
    EXPECT_EQ(memcmp(read, written, 12), 0);

    // The objects carry the suite's names, so other programs find them.
    const std::string mapping = "SSharedData_" + name;
    HANDLE h = OpenFileMappingA(FILE_MAP_READ, FALSE, mapping.c_str());
    ASSERT_NE(h, nullptr);
    CloseHandle(h);
    const std::string mutex = "SMutex_" + name;
    h = OpenMutexA(SYNCHRONIZE, FALSE, mutex.c_str());
    ASSERT_NE(h, nullptr);
    CloseHandle(h);

    // The mutex is free after each copy: another thread can take it.
    bool took = false;
    ASSERT_TRUE(vuvtest::RunOnOtherThread([&] {
        HANDLE m = OpenMutexA(SYNCHRONIZE | MUTEX_MODIFY_STATE, FALSE, mutex.c_str());
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
    const std::string name = vuvtest::PrivateObjectName("u32");
    SharedVariable v(name.c_str(), 4);
    EXPECT_EQ(v.GetU32(), 0u);
    EXPECT_TRUE(v.SetU32(0xFFFFFFFFu));
    EXPECT_EQ(v.GetU32(), 0xFFFFFFFFu);

    // A variable without a view keeps the caller's buffer and says so.
    SharedVariable none;
    uint32_t kept = 77;
    EXPECT_FALSE(none.Get(&kept));
    EXPECT_EQ(kept, 77u);
    EXPECT_FALSE(none.Set(&kept));
    EXPECT_EQ(none.GetU32(), 0u);

    // Only 4-byte variables take the conveniences.
    SharedVariable wide(vuvtest::PrivateObjectName("wide").c_str(), 8);
    EXPECT_FALSE(wide.SetU32(5));
}
