#include "plugins/InputPluginHost.h"

#include "core/TrackRecords.h"
#include "platform/Paths.h"
#include "plugins/PluginTestFolder.h"
#include "plugins/TrackInfo.h"
#include "support/TestSupport.h"

#include <cstring>
#include <string>

#include <gtest/gtest.h>

namespace {

using vuvtest::PluginTestFolder;

std::string NameOf(const vuv::PluginModule* module)
{
    return module == nullptr ? std::string("(none)") : vuv::BaseNameOf(module->path);
}

// The title the answering plug-in gives a file "identify=1" (its name), or
// the file's own name when none answers.
std::string Answering(const vuvtest::ScratchFolder& music, const std::string& name)
{
    EXPECT_TRUE(vuvtest::WriteBytes(music.File(name), "identify=1\n"));
    vuv::TrackRecord track = vuvtest::Track(music.File(name));
    vuv::FillTrackFromFile(track, nullptr);
    return track.title;
}

std::string Patterns()
{
    std::string patterns;
    vuv::AppendPatternList(patterns);
    return patterns;
}

TEST(InputPluginHost, LoadsEveryDllOnceAndListsTheirFormatsInOrderMatchedWithoutCase)
{
    PluginTestFolder folder;
    for (const char* fixture : {"TextTags", "NoFormats", "NoWhatFormats"})
        folder.Install(fixture);
    // Not a DLL at all, and a folder whose name matches the pattern.
    ASSERT_TRUE(vuvtest::WriteBytes(folder.Path() + "Broken.dll", "this is not a DLL"));
    ASSERT_TRUE(CreateDirectoryA((folder.Path() + "Folder.dll").c_str(), nullptr));

    vuv::InputPluginHost& host = vuv::PluginHost();
    ASSERT_EQ(host.Modules().size(), 3u);
    for (const auto& module : host.Modules()) {
        const std::string name = NameOf(module.get());
        EXPECT_EQ(vuv::FolderOf(module->path), folder.Path());
        EXPECT_EQ(module->whatFormats == nullptr, name == "NoWhatFormats") << name;
        EXPECT_TRUE(module->getTrackInfo && module->getIDTagElement && !module->createANewDecoderObject) << name;
    }
    // Only TextTags reports formats; NoFormats is kept but claims nothing.
    ASSERT_EQ(host.Formats().size(), 2u);
    EXPECT_EQ(std::string(host.Formats()[0]->extension) + "|" + host.Formats()[0]->description + "|" +
                  host.Formats()[1]->extension + "|" + host.Formats()[1]->description,
              ".TTAG|Text Tag File|.dup|Duplicate, first claim");
    // Extensions are compared without case; no dot, or the only dot in a
    // folder name, is the extension "." alone.
    EXPECT_EQ(NameOf(vuv::FindPluginForExtension(".DUP")), "TextTags");
    EXPECT_STREQ(host.Formats()[0]->pluginPath, vuv::FindPluginForExtension(".ttag")->path);
    for (const char* path : {"C:\\Music\\song.ttag", "C:\\Music\\song.TtAg"})
        EXPECT_TRUE(vuv::IsSupportedFile(path)) << path;
    for (const char* path : {"C:\\Music\\song", "C:\\Music.ttag\\song", "C:\\Music\\song.ttag2"})
        EXPECT_FALSE(vuv::IsSupportedFile(path)) << path;
    EXPECT_FALSE(vuv::IsSupportedExtension("."));
    EXPECT_EQ(Patterns(), "*.TTAG;*.dup");

    char pairs[100];
    memset(pairs, 0, sizeof pairs);
    const std::string expected("Text Tag File\0*.TTAG\0Duplicate, first claim\0*.dup\0\0", 51);
    EXPECT_EQ(vuv::AppendFilterPairs(pairs, sizeof pairs), expected.size() - 1);
    EXPECT_EQ(std::string(pairs, expected.size()), expected);
    // A buffer too small for the second pair keeps the first and its end.
    char small[30];
    memset(small, 'x', sizeof small);
    memset(small, 0, 22);
    EXPECT_EQ(vuv::AppendFilterPairs(small, 22), 21u);
    EXPECT_EQ(std::string(small, 22), std::string("Text Tag File\0*.TTAG\0\0", 22));
}

TEST(InputPluginHost, TheFirstEnumeratedPluginWinsAnExtensionClaimedTwice)
{
    PluginTestFolder folder;
    folder.Install("TextTags");
    folder.Install("SecondClaim");
    std::vector<vuv::FolderEntry> order = vuv::FolderEntries(folder.Path(), "*.dll");
    ASSERT_EQ(order.size(), 2u);
    const std::string first = vuv::BaseNameOf(order[0].name);
    EXPECT_EQ(NameOf(vuv::FindPluginForExtension(".dup")), first);
    EXPECT_EQ(NameOf(vuv::FindPluginForExtension(".second")), "SecondClaim");
    // The winner is the one that answers for the file; both claims are
    // listed, in enumeration order.
    vuvtest::ScratchFolder music;
    EXPECT_EQ(Answering(music, "song.dup"), first);
    EXPECT_EQ(Answering(music, "song.second"), "SecondClaim");
    EXPECT_EQ(Patterns(), first == "TextTags" ? "*.TTAG;*.dup;*.dup;*.second" : "*.dup;*.second;*.TTAG;*.dup");
}

TEST(InputPluginHost, NoFolderOrNoFormatsMeansNothingIsSupportedAndTheHostNeverReloads)
{
    vuv::SetPluginFolder("C:\\no such folder\\anywhere\\");
    EXPECT_TRUE(vuv::PluginHost().Modules().empty());
    EXPECT_FALSE(vuv::IsSupportedFile("C:\\song.mp3"));
    EXPECT_EQ(Patterns(), "");
    char pairs[8] = {};
    EXPECT_EQ(vuv::AppendFilterPairs(pairs, sizeof pairs), 0u);
    EXPECT_EQ(pairs[0], '\0');
    {
        // Only plug-ins without formats: loaded and kept, nothing claimed.
        PluginTestFolder folder;
        folder.Install("NoFormats");
        folder.Install("NoWhatFormats");
        EXPECT_EQ(vuv::PluginHost().Modules().size(), 2u);
        EXPECT_TRUE(vuv::PluginHost().Formats().empty());
        vuvtest::ScratchFolder music;
        EXPECT_EQ(Answering(music, "song.dup"), "song");
    }
    // Created on first use; a plug-in added later is seen only by a new
    // host ("the next run").
    PluginTestFolder folder;
    EXPECT_FALSE(vuv::IsSupportedExtension(".ttag"));
    folder.Install("TextTags");
    EXPECT_FALSE(vuv::IsSupportedExtension(".ttag"));
    folder.Reload();
    EXPECT_TRUE(vuv::IsSupportedExtension(".ttag"));
}

}  // namespace
