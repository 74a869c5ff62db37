#include "ui/TrackListRules.h"

#include <gtest/gtest.h>

TEST(TrackListRules, SelectionAndStatusTexts)
{
    // Two tracks of 59.9 s count 59 + 59 seconds.
    EXPECT_EQ(vuv::SelectionText(2, 118, 2048), "2 Tracks Selected - Time: 1.58  Size: 2.00 KB");
    EXPECT_EQ(vuv::SelectionText(5, 3725, 0), "5 Tracks Selected - Time: 1:02.05  Size: 0 bytes");
    EXPECT_EQ(vuv::SelectionText(1, 42, 100), "1 Tracks Selected - Time: 42 seconds  Size: 100 bytes");
    EXPECT_EQ(vuv::StatusText(1, 0, 12) + "|" + vuv::StatusText(0, 5, 12) + "|" + vuv::StatusText(2, 5, 12) + "|" +
                  vuv::StatusText(0, 0, 0),
              "12 Tracks Loaded|5 Active of 12 Tracks|2 Tracks Selected|0 Tracks Loaded");
}

TEST(TrackListRules, ClicksOnThePreferenceAndVolumeBoostCells)
{
    std::string preferences, boosts;
    for (int x : {6, 78, 120, 38, 0})  // 120: clamped to the strip
        preferences += std::to_string(vuv::PreferenceFromClick(x, 80)) + " ";
    EXPECT_EQ(preferences, "0 9 9 4 0 ");
    // Far left: automatic; 0 - 1 raised to 1; past the bar 999; 470 snaps to
    // 500, 450 and 500 stay.
    for (auto [x, width] : {std::pair<int, int>{0, 80}, {13, 80}, {14, 80}, {14 + 80, 80}, {14 + 200, 80},
                            {14 + 47, 100}, {14 + 45, 100}, {14 + 50, 100}, {14 + 51, 100}})
        boosts += std::to_string(vuv::VolumeBoostFromClick(x, width)) + " ";
    EXPECT_EQ(boosts, "4000 4000 1 999 999 500 449 500 509 ");
}

TEST(TrackListRules, Wheel)
{
    const vuv::WheelScroll up = vuv::WheelScrollFor(120), down = vuv::WheelScrollFor(-240);
    EXPECT_EQ(std::to_string(up.steps) + " " + std::to_string(up.pixelsPerStep), "1 -16");
    EXPECT_EQ(std::to_string(down.steps) + " " + std::to_string(down.pixelsPerStep), "2 16");
    // Fine-grained wheels still move.
    EXPECT_EQ(std::to_string(vuv::WheelScrollFor(121).steps) + std::to_string(vuv::WheelScrollFor(30).steps) +
                  std::to_string(vuv::WheelScrollFor(0).steps),
              "210");
}
