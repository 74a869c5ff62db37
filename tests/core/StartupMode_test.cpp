#include "core/StartupMode.h"

#include <gtest/gtest.h>

using vuv::ParseStartupCommandLine;
using vuv::StartMode;

TEST(StartupMode, MarkersAnywhereChooseTheMode)
{
    EXPECT_EQ(ParseStartupCommandLine("\"C:\\Suite\\Vuv.exe\"").mode, StartMode::Normal);
    EXPECT_EQ(ParseStartupCommandLine("\"C:\\Suite\\Vuv.exe\" <selective>").mode, StartMode::Selective);
    // Directly behind the marker, verbatim: a space would be part of the path.
    vuv::StartupOptions tag = ParseStartupCommandLine("Vuv.exe <edittag>C:\\Music\\a.mp3");
    EXPECT_EQ(tag.mode, StartMode::TagEdit);
    EXPECT_EQ(tag.tagEditPath, "C:\\Music\\a.mp3");
    EXPECT_EQ(ParseStartupCommandLine("Vuv.exe <edittag> C:\\b.mp3").tagEditPath, " C:\\b.mp3");
    // Both markers: tag editing wins, whatever their order.
    EXPECT_EQ(ParseStartupCommandLine("Vuv.exe <selective> <edittag>x.mp3").mode, StartMode::TagEdit);
    EXPECT_EQ(ParseStartupCommandLine("Vuv.exe <edittag>x.mp3 <selective>").tagEditPath, "x.mp3 <selective>");
    // Case counts.
    EXPECT_EQ(ParseStartupCommandLine("Vuv.exe <Selective>").mode, StartMode::Normal);
    // A path beyond 259 characters is cut.
    EXPECT_EQ(ParseStartupCommandLine("<edittag>" + std::string(400, 'p')).tagEditPath.size(), 259u);
}
