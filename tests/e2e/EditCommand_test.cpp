// vuvtool's "edit": the properties dialog's OK on tracks named by index,
// run as the built program; tags read back with the formats' own tools.
#include "e2e/EditorDriver.h"
#include "e2e/TaggedMusic.h"
#include "support/TestSupport.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

TEST(EditCommand, AppliesTheDialogsEditSavesTheCollectionAndTellsWhatWasNotWritten)
{
    vuvtest::ScratchFolder folder, music;
    ASSERT_TRUE(vuvtest::MakeTaggedMusic(music));
    const std::string mp3 = music.File("a.mp3"), flac = music.File("b.flac"), ogg = music.File("c.ogg");
    const std::string collection = folder.File("Edit.mcc");
    ASSERT_TRUE(vuvtest::WriteCollection(folder.File("m.tsv"), collection,
                                         {vuvtest::TrackLine(mp3, "Corvina", "Album", "Jazz;Pop"),
                                          vuvtest::TrackLine(flac, "Sleet", "Album", "Pop"),
                                          vuvtest::TrackLine(ogg, "Sleet", "Album", "")}));
    const std::string before = vuvtest::ReadBytes(collection);
    std::string out, err;
    auto edit = [&](const std::string& arguments) {
        out.clear();
        return vuvtest::RunCaptured("\"" + vuvtest::SuiteDir() + "vuvtool.exe\" --collection \"" + collection +
                                        "\" edit " + arguments,
                                    &out, &err);
    };
    // What the dialog would not take changes nothing.
    for (const char* refused : {"0", "0 --set", "0 --set mood=calm", "0 --set preference=10", "0 --set volume=1001",
                                "0 1 --set title=Both"})
        EXPECT_EQ(edit(refused), 1) << refused;
    EXPECT_EQ(edit("0 3 --set artist=X"), 2);
    EXPECT_NE(err.find("no track 3 in a collection of 3 tracks"), std::string::npos) << err;
    EXPECT_TRUE(vuvtest::ReadBytes(collection) == before);

    // The genre exists as "Pop": no second genre is made of "POP". An empty
    // value leaves its field; the artist keeps 99 of its 120 characters.
    EXPECT_EQ(edit("2 1 --set \"artist=" + std::string(120, 'a') + "\" album= genre=POP genre=Trip-Hop "
                   "preference=7 volume=4000 year=1999 track=5 \"comment=Caf\xE9\""),
              0)
        << err;
    EXPECT_EQ(out, "edited 2 of 2\n");
    const std::string flacTags = vuvtest::ListedTags(flac);
    for (const std::string& part : {"ARTIST=" + std::string(99, 'a') + "\n",
                                    std::string("COMMENT=Caf\xC3\xA9\nDATE=1999\nGENRE=Pop\nTITLE=Snow\n"),
                                    std::string("TRACKNUMBER=5\n")})
        EXPECT_NE(flacTags.find(part), std::string::npos) << part << flacTags;

    // Without genre= the genres stay; a file that refuses keeps what it has,
    // and so does its record, while the other is edited: exit 3.
    ASSERT_TRUE(SetFileAttributesA(mp3.c_str(), FILE_ATTRIBUTE_READONLY));
    const std::string locked = vuvtest::ReadBytes(mp3);
    EXPECT_EQ(edit("0 2 --set artist=Hail"), 3);
    EXPECT_EQ(out, "edited 1 of 2\n");
    EXPECT_NE(err.find("'" + mp3 + "': the file is read-only"), std::string::npos) << err;
    EXPECT_TRUE(vuvtest::ReadBytes(mp3) == locked);
    SetFileAttributesA(mp3.c_str(), FILE_ATTRIBUTE_NORMAL);
    const std::string edited = std::string(99, 'a') + "|Title|Album|Pop; Trip-Hop|1999|5|7|4000|0";
    EXPECT_EQ(vuvtest::DumpedTracks(collection),
              (Texts{"Corvina|Title|Album|Jazz; Pop|2001|3|4|500|0", edited,
                     "Hail|Title|Album|Pop; Trip-Hop|1999|5|7|4000|0"}));

    // A collection that cannot be written: the tags are, the count still
    // comes last, the failure is told and the status is 2.
    SetFileAttributesA(collection.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(edit("1 --set preference=1"), 2);
    SetFileAttributesA(collection.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(out, "edited 1 of 1\n");
    EXPECT_NE(err.find("vuvtool: Error saving '" + collection + "'."), std::string::npos) << err;
}

}  // namespace
