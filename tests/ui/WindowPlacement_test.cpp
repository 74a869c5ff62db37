#include "ui/WindowPlacement.h"

#include "platform/Settings.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

TEST(WindowPlacement, RoundTripsEachKind)
{
    vuvtest::ScopedSettingsKey key;
    EXPECT_EQ(vuv::LoadPlacement().kind, vuv::SavedPlacement::Maximised);  // first run

    vuv::SavePlacement(false, false, 10, 20, 810, 620);
    vuv::SavedPlacement p = vuv::LoadPlacement();
    EXPECT_EQ(p.kind, vuv::SavedPlacement::Normal);
    EXPECT_EQ(p.x, 10);
    EXPECT_EQ(p.y, 20);
    EXPECT_EQ(p.width, 800);
    EXPECT_EQ(p.height, 600);

    vuv::SavePlacement(true, false, 0, 0, 0, 0);
    EXPECT_EQ(vuv::LoadPlacement().kind, vuv::SavedPlacement::Minimised);
    EXPECT_FALSE(vuv::ValueExists("VUV-X"));

    // Maximised writes nothing at all, so that it opens maximised.
    vuv::SavePlacement(false, true, 0, 0, 100, 100);
    EXPECT_EQ(vuv::LoadPlacement().kind, vuv::SavedPlacement::Maximised);
    EXPECT_FALSE(vuv::ValueExists("VUV-Iconic"));
    EXPECT_FALSE(vuv::ValueExists("VUV-W"));

    // Negative coordinates (a monitor left of the main one) survive.
    vuv::SavePlacement(false, false, -900, -5, -100, 595);
    p = vuv::LoadPlacement();
    EXPECT_EQ(p.x, -900);
    EXPECT_EQ(p.y, -5);
}
