// The hand-off file: a burst of events read once, 2 s after the last; the
// records as a truncated or garbage file gives them; a missing file.
#include "intake/HandOffFile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace vuvtest;

namespace {

struct FakeEvent {
    bool set = false;
    void Reset() { set = false; }
    bool IsSet() const { return set; }
};

}  // namespace

TEST(HandOffFile, ABurstOfEventsIsReadOnceTwoSecondsAfterTheLast)
{
    FakeEvent event;
    vuv::HandOffBurst burst;
    event.set = true;
    burst.Start(event, 0);
    uint32_t quietAt = 0;
    for (uint32_t now = 100; quietAt == 0 && now < 10000; now += vuv::kHandOffPollMs) {
        if (now == 500 || now == 1000)  // three events 500 ms apart
            event.set = true;
        if (burst.Poll(event, now))
            quietAt = now;
    }
    EXPECT_EQ(quietAt, 3000u);
    EXPECT_FALSE(event.set);
}

TEST(HandOffFile, RecordsAreReadUpToATruncatedTailThenEmptied)
{
    ScratchFolder folder;
    const std::string path = folder.File("root.AddToEditor");
    int waits = 0;
    auto wait = [&waits](uint32_t) { ++waits; };
    vuv::HandOffFile missing;
    EXPECT_FALSE(missing.Open(path, wait));
    EXPECT_EQ(waits, 0);

    const std::string good = "C:\\Music\\a.mp3";
    ASSERT_TRUE(WriteBytes(path, good + std::string(260 - good.size(), '\0') + std::string(260, 'g') +
                                     std::string(100, 'x')));
    vuv::HandOffFile file;
    ASSERT_TRUE(file.Open(path, wait));
    EXPECT_EQ(file.ReadPaths(), (std::vector<std::string>{good, std::string(260, 'g')}));
    file.Empty();
    EXPECT_EQ(ReadBytes(path), "");
}
