#include "core/StartupMode.h"

#include <gtest/gtest.h>

using vuv::ParseStartupCommandLine;
using vuv::StartMode;

namespace {

struct Flags {
    vuv::NamedEvent running{nullptr};
    vuv::NamedEvent focus{nullptr};
    vuv::NamedEvent close{nullptr};
    vuv::InstanceEvents events{running, focus, close};
};

}  // namespace

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

// (The main window's test starts a second editor beside the first.)
TEST(StartupMode, OneNormalEditorAtATime)
{
    Flags flags;
    ASSERT_TRUE(vuv::ClaimEditorInstance(StartMode::Normal, flags.events));
    // A second normal start asks the first to come to the front and ends,
    // leaving the close flag as it found it.
    flags.close.Set();
    EXPECT_FALSE(vuv::ClaimEditorInstance(StartMode::Normal, flags.events));
    EXPECT_TRUE(flags.focus.IsSet());
    EXPECT_TRUE(flags.running.IsSet());
    EXPECT_TRUE(flags.close.IsSet());
    flags.focus.Reset();

    // Selective play runs beside it: it drops the close request but neither
    // asks for the front nor takes or gives up the running mark.
    EXPECT_TRUE(vuv::ClaimEditorInstance(StartMode::Selective, flags.events));
    EXPECT_FALSE(flags.focus.IsSet());
    EXPECT_FALSE(flags.close.IsSet());
    vuv::ReleaseEditorInstance(StartMode::Selective, flags.events);
    EXPECT_TRUE(flags.running.IsSet());

    // Once the first has ended, a selective start alone leaves no running
    // mark, and the next normal start runs.
    vuv::ReleaseEditorInstance(StartMode::Normal, flags.events);
    EXPECT_FALSE(flags.running.IsSet());
    EXPECT_TRUE(vuv::ClaimEditorInstance(StartMode::Selective, flags.events));
    EXPECT_FALSE(flags.running.IsSet());
    EXPECT_TRUE(vuv::ClaimEditorInstance(StartMode::Normal, flags.events));
    EXPECT_FALSE(flags.focus.IsSet());
}
