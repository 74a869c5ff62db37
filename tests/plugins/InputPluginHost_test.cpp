#include "plugins/InputPluginHost.h"

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

std::string TitleFromPlugin(const std::string& path)
{
    vuv::TrackRecord track;
    memset(&track, 0, sizeof track);
    vuv::SetField(track.path, path);
    vuv::FillTrackFromFile(track, nullptr);
    return track.title;
}

TEST(InputPluginHost, LoadsEveryDllOnceAndListsTheirFormatsInOrder)
{
    PluginTestFolder folder;
    folder.Install("TextTags");
    folder.Install("NoFormats");
    folder.Install("NoWhatFormats");
    // Not a DLL at all, and a folder whose name matches the pattern.
    ASSERT_TRUE(vuvtest::WriteBytes(folder.Path() + "Broken.dll", "this is not a DLL"));
    ASSERT_TRUE(CreateDirectoryA((folder.Path() + "Folder.dll").c_str(), nullptr));

    vuv::InputPluginHost& host = vuv::PluginHost();
    ASSERT_EQ(host.Modules().size(), 3u);
    const vuv::PluginModule* textTags = nullptr;
    for (const auto& module : host.Modules()) {
        std::string name = NameOf(module.get());
        EXPECT_EQ(vuv::FolderOf(module->path), folder.Path());
        if (name == "TextTags")
            textTags = module.get();
        if (name == "NoWhatFormats") {
            EXPECT_EQ(module->whatFormats, nullptr);
            EXPECT_NE(module->getTrackInfo, nullptr);
        } else {
            EXPECT_NE(module->whatFormats, nullptr) << name;
        }
        EXPECT_EQ(module->createANewDecoderObject, nullptr);
        EXPECT_NE(module->getIDTagElement, nullptr);
    }
    ASSERT_NE(textTags, nullptr);

    // Only TextTags reports formats; NoFormats is kept but claims nothing.
    ASSERT_EQ(host.Formats().size(), 2u);
    EXPECT_STREQ(host.Formats()[0]->extension, ".TTAG");
    EXPECT_STREQ(host.Formats()[0]->description, "Text Tag File");
    EXPECT_STREQ(host.Formats()[0]->pluginPath, textTags->path);
    EXPECT_STREQ(host.Formats()[1]->extension, ".dup");
    EXPECT_STREQ(host.Formats()[1]->description, "Duplicate, first claim");

    std::string patterns = "before:";
    vuv::AppendPatternList(patterns);
    EXPECT_EQ(patterns, "before:*.TTAG;*.dup");

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

TEST(InputPluginHost, ExtensionsAreComparedWithoutCase)
{
    PluginTestFolder folder;
    folder.Install("TextTags");

    EXPECT_TRUE(vuv::IsSupportedExtension(".TTAG"));
    EXPECT_TRUE(vuv::IsSupportedExtension(".ttag"));
    EXPECT_TRUE(vuv::IsSupportedFile("C:\\Music\\song.ttag"));
    EXPECT_TRUE(vuv::IsSupportedFile("C:\\Music\\song.TtAg"));
    EXPECT_EQ(NameOf(vuv::FindPluginForExtension(".ttag")), "TextTags");
    EXPECT_EQ(NameOf(vuv::FindPluginForExtension(".DUP")), "TextTags");

    // No dot, or the only dot in a folder name: the extension "." alone.
    EXPECT_FALSE(vuv::IsSupportedFile("C:\\Music\\song"));
    EXPECT_FALSE(vuv::IsSupportedFile("C:\\Music.ttag\\song"));
    EXPECT_FALSE(vuv::IsSupportedExtension("."));
    EXPECT_FALSE(vuv::IsSupportedFile("C:\\Music\\song.ttag2"));
    EXPECT_EQ(vuv::FindPluginForExtension(".mp3"), nullptr);
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
    EXPECT_EQ(NameOf(vuv::FindPluginForExtension(".ttag")), "TextTags");
    // The winner is the one that answers for the file.
    vuvtest::ScratchFolder music;
    ASSERT_TRUE(vuvtest::WriteBytes(music.File("song.dup"), "identify=1\n"));
    EXPECT_EQ(TitleFromPlugin(music.File("song.dup")), first);
    ASSERT_TRUE(vuvtest::WriteBytes(music.File("song.second"), "identify=1\n"));
    EXPECT_EQ(TitleFromPlugin(music.File("song.second")), "SecondClaim");
    // Both claims are listed, in enumeration order.
    std::string patterns;
    vuv::AppendPatternList(patterns);
    EXPECT_EQ(patterns, first == "TextTags" ? "*.TTAG;*.dup;*.dup;*.second"
                                            : "*.dup;*.second;*.TTAG;*.dup");
}

TEST(InputPluginHost, NoFolderOrNoPluginsMeansNothingIsSupported)
{
    vuv::SetPluginFolder("C:\\no such folder\\anywhere\\");
    EXPECT_TRUE(vuv::PluginHost().Modules().empty());
    EXPECT_FALSE(vuv::IsSupportedFile("C:\\song.mp3"));
    std::string patterns;
    vuv::AppendPatternList(patterns);
    EXPECT_EQ(patterns, "");
    char pairs[8] = {};
    EXPECT_EQ(vuv::AppendFilterPairs(pairs, sizeof pairs), 0u);
    EXPECT_EQ(pairs[0], '\0');

    // Only plug-ins without formats: loaded and kept, but nothing claimed.
    PluginTestFolder folder;
    folder.Install("NoFormats");
    folder.Install("NoWhatFormats");
    EXPECT_EQ(vuv::PluginHost().Modules().size(), 2u);
    EXPECT_TRUE(vuv::PluginHost().Formats().empty());
    EXPECT_FALSE(vuv::IsSupportedExtension(".dup"));
    vuvtest::ScratchFolder music;
    ASSERT_TRUE(vuvtest::WriteBytes(music.File("song.dup"), "identify=1\n"));
    EXPECT_EQ(TitleFromPlugin(music.File("song.dup")), "song");
}

TEST(InputPluginHost, IsCreatedOnFirstUseAndNeverReloads)
{
    PluginTestFolder folder;
    EXPECT_FALSE(vuv::IsSupportedExtension(".ttag"));
    // Added after the first use: seen only by a new host ("the next run").
    folder.Install("TextTags");
    EXPECT_FALSE(vuv::IsSupportedExtension(".ttag"));
    folder.Reload();
    EXPECT_TRUE(vuv::IsSupportedExtension(".ttag"));
    EXPECT_EQ(&vuv::PluginHost(), &vuv::PluginHost());
}

}  // namespace
