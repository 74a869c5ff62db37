#include "ui/TrackListRules.h"

#include <gtest/gtest.h>

TEST(TrackListRules, SelectionText)
{
    // Two tracks of 59.9 s count 59 + 59 seconds.
    EXPECT_EQ(vuv::SelectionText(2, 118, 2048), "2 Tracks Selected - Time: 1.58  Size: 2.00 KB");
    EXPECT_EQ(vuv::SelectionText(5, 3725, 0), "5 Tracks Selected - Time: 1:02.05  Size: 0 bytes");
    EXPECT_EQ(vuv::SelectionText(1, 42, 100), "1 Tracks Selected - Time: 42 seconds  Size: 100 bytes");
}

TEST(TrackListRules, PreferenceClick)
{
    EXPECT_EQ(vuv::PreferenceFromClick(6, 80), 0);
    EXPECT_EQ(vuv::PreferenceFromClick(78, 80), 9);
    EXPECT_EQ(vuv::PreferenceFromClick(120, 80), 9);  // clamped to the strip
    EXPECT_EQ(vuv::PreferenceFromClick(38, 80), 4);
    EXPECT_EQ(vuv::PreferenceFromClick(0, 80), 0);
}

TEST(TrackListRules, VolumeBoostClick)
{
    EXPECT_EQ(vuv::VolumeBoostFromClick(0, 80), 4000);   // far left: automatic
    EXPECT_EQ(vuv::VolumeBoostFromClick(13, 80), 4000);
    EXPECT_EQ(vuv::VolumeBoostFromClick(14, 80), 1);     // 0 - 1 raised to 1
    EXPECT_EQ(vuv::VolumeBoostFromClick(14 + 80, 80), 999);
    EXPECT_EQ(vuv::VolumeBoostFromClick(14 + 200, 80), 999);  // past the bar
    // 470 snaps to 500; 450 and 500 stay.
    EXPECT_EQ(vuv::VolumeBoostFromClick(14 + 47, 100), 500);  // 469
    EXPECT_EQ(vuv::VolumeBoostFromClick(14 + 45, 100), 449);
    EXPECT_EQ(vuv::VolumeBoostFromClick(14 + 50, 100), 500);  // 499
    EXPECT_EQ(vuv::VolumeBoostFromClick(14 + 51, 100), 509);
}

TEST(TrackListRules, StatusAndWheel)
{
    EXPECT_EQ(vuv::StatusText(1, 0, 12), "12 Tracks Loaded");
    EXPECT_EQ(vuv::StatusText(0, 5, 12), "5 Active of 12 Tracks");
    EXPECT_EQ(vuv::StatusText(2, 5, 12), "2 Tracks Selected");
    EXPECT_EQ(vuv::StatusText(0, 0, 0), "0 Tracks Loaded");

    vuv::WheelScroll up = vuv::WheelScrollFor(120);
    EXPECT_EQ(up.steps, 1);
    EXPECT_EQ(up.pixelsPerStep, -16);
    EXPECT_EQ(vuv::WheelScrollFor(121).steps, 2);
    EXPECT_EQ(vuv::WheelScrollFor(30).steps, 1);  // fine-grained wheels still move
    vuv::WheelScroll down = vuv::WheelScrollFor(-240);
    EXPECT_EQ(down.steps, 2);
    EXPECT_EQ(down.pixelsPerStep, 16);
    EXPECT_EQ(vuv::WheelScrollFor(0).steps, 0);
}
