// The hand-off file's burst: events read once, 2 s after the last. (Its
// records, garbage and a truncated tail among them, are read by vuvtool's
// test.)
#include "intake/HandOffFile.h"

#include <gtest/gtest.h>

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
