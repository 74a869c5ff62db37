#include "ui/PlayBars.h"

#include <gtest/gtest.h>

TEST(PlayBars, PressesSetPositionAndVolume)
{
    const int s = 600;
    EXPECT_EQ(vuv::BarAt(340, s + 11, s), vuv::BarHit::Position);
    EXPECT_EQ(vuv::BarAt(339, s + 11, s), vuv::BarHit::None);
    EXPECT_EQ(vuv::BarAt(453, s + 29, s), vuv::BarHit::Position);
    EXPECT_EQ(vuv::BarAt(453, s + 30, s), vuv::BarHit::None);
    EXPECT_EQ(vuv::BarAt(454, s + 20, s), vuv::BarHit::None);
    EXPECT_EQ(vuv::PositionPercentAt(340), 0);
    EXPECT_EQ(vuv::PositionPercentAt(453), 99);
    EXPECT_EQ(vuv::PositionPercentAt(600), 100);  // dragged past the end
    EXPECT_EQ(vuv::PositionPercentAt(100), 0);

    EXPECT_EQ(vuv::BarAt(495, s + 15, s), vuv::BarHit::None);
    EXPECT_EQ(vuv::BarAt(567, s + 15, s), vuv::BarHit::None);
    EXPECT_EQ(vuv::BarAt(531, s + 15, s), vuv::BarHit::Volume);
    EXPECT_EQ(vuv::VolumeAt(531), 50);
    EXPECT_EQ(vuv::VolumeAt(567), 100);
    EXPECT_EQ(vuv::VolumeAt(400), 0);
}

TEST(PlayBars, KnobStaysOnTheBar)
{
    EXPECT_EQ(vuv::PlayedPercent(30, 60), 50);
    EXPECT_EQ(vuv::PlayedPercent(30, 0), 0);
    EXPECT_EQ(vuv::PlayedPercent(90, 60), 100);
    EXPECT_EQ(vuv::KnobX(0, 9), 339);
    EXPECT_EQ(vuv::KnobX(50, 9), 50 * 115 / 100 - 4 + 339);
    EXPECT_EQ(vuv::KnobX(100, 9), 454 - 9);
}
