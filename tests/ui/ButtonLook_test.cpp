#include "ui/ButtonLook.h"

#include <gtest/gtest.h>

using vuv::ButtonImage;
using vuv::ButtonImageFor;
using vuv::ButtonState;

TEST(ButtonLook, ImageByStateAndLatch)
{
    EXPECT_EQ(ButtonImageFor(ButtonState::Normal, false), ButtonImage::Normal);
    EXPECT_EQ(ButtonImageFor(ButtonState::Hovered, false), ButtonImage::Hovered);
    EXPECT_EQ(ButtonImageFor(ButtonState::Pressed, false), ButtonImage::Down);
    // Latched: down while resting or hovered, normal while pressed again.
    EXPECT_EQ(ButtonImageFor(ButtonState::Normal, true), ButtonImage::Down);
    EXPECT_EQ(ButtonImageFor(ButtonState::Hovered, true), ButtonImage::Down);
    EXPECT_EQ(ButtonImageFor(ButtonState::Pressed, true), ButtonImage::Normal);
}
