// vuvtool's "edit": the properties dialog's OK on tracks named by index,
// run as the built program; tags read back with the formats' own tools.
#include "e2e/EditorDriver.h"
#include "e2e/TaggedMusic.h"
#include "support/TestSupport.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

using vuvtest::DumpedTracks;

class EditCommandTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(vuvtest::MakeTaggedMusic(music_));
        collection_ = folder_.File("Edit.mcc");
        auto line = [](const std::string& path, const char* artist, const char* genres) {
            return path + "\t" + artist + "\tTitle\tAlbum\t2001\t3\t" + genres + "\t1000\t128\t44100\t2\t4\t1\t0\t500\t1";
        };
        ASSERT_TRUE(vuvtest::WriteCollection(folder_.File("m.tsv"), collection_,
                                             {line(music_.File("a.mp3"), "Corvina", "Jazz;Pop"),
                                              line(music_.File("b.flac"), "Sleet", "Pop"),
                                              line(music_.File("c.ogg"), "Sleet", "")}));
    }
    int Edit(const std::string& arguments, std::string* out, std::string* err = nullptr)
    {
        return vuvtest::RunCaptured("\"" + vuvtest::SuiteDir() + "vuvtool.exe\" --collection \"" + collection_ +
                                        "\" edit " + arguments,
                                    out, err);
    }

    vuvtest::ScratchFolder folder_;
    vuvtest::ScratchFolder music_;
    std::string collection_;
};

}  // namespace

TEST_F(EditCommandTest, AppliesTheDialogsEditAndSavesTheCollection)
{
    const std::string flac = music_.File("b.flac"), ogg = music_.File("c.ogg");
    const std::string audio = vuvtest::DecodedDigest(flac);
    std::string out, err;
    // The genre exists as "Pop": no second genre is made of "POP". An empty
    // value leaves its field; the artist keeps 99 of its 120 characters.
    EXPECT_EQ(Edit("2 1 --set \"artist=" + std::string(120, 'a') + "\" album= genre=POP genre=Trip-Hop "
                   "preference=7 volume=4000 year=1999 track=5 \"comment=Caf\xE9\"",
                   &out, &err),
              0)
        << err;
    EXPECT_EQ(out, "edited 2 of 2\n");
    const std::string flacTags = vuvtest::ListedTags(flac), oggTags = vuvtest::ListedTags(ogg);
    EXPECT_NE(flacTags.find("ARTIST=" + std::string(99, 'a') + "\n"), std::string::npos) << flacTags;
    EXPECT_NE(flacTags.find("GENRE=Pop\n"), std::string::npos) << flacTags;  // first by name
    EXPECT_NE(flacTags.find("DATE=1999\n"), std::string::npos) << flacTags;
    EXPECT_NE(flacTags.find("TRACKNUMBER=5\n"), std::string::npos) << flacTags;
    EXPECT_NE(flacTags.find("COMMENT=Caf\xC3\xA9\n"), std::string::npos) << flacTags;
    EXPECT_NE(oggTags.find("GENRE=Pop\n"), std::string::npos) << oggTags;
    EXPECT_EQ(vuvtest::DecodedDigest(flac), audio);

    auto tracks = DumpedTracks(collection_);
    ASSERT_EQ(tracks.size(), 3u);
    EXPECT_EQ(tracks[0][vuvtest::kDumpArtist], "Corvina");  // not named
    for (int i : {1, 2}) {
        EXPECT_EQ(tracks[i][vuvtest::kDumpArtist], std::string(99, 'a')) << i;
        EXPECT_EQ(tracks[i][vuvtest::kDumpAlbum], "Album") << i;
        EXPECT_EQ(tracks[i][vuvtest::kDumpGenre], "Pop; Trip-Hop") << i;
        EXPECT_EQ(tracks[i][vuvtest::kDumpPreference], "7") << i;
        EXPECT_EQ(tracks[i][vuvtest::kDumpVolume], "4000") << i;
        EXPECT_EQ(tracks[i][vuvtest::kDumpYear], "1999") << i;
        EXPECT_EQ(tracks[i][vuvtest::kDumpTrack], "5") << i;
    }

    // Without genre= the genres stay; a file that refuses keeps what it has,
    // and so does its record, while the other is edited: exit 3.
    const std::string mp3 = music_.File("a.mp3");
    ASSERT_TRUE(SetFileAttributesA(mp3.c_str(), FILE_ATTRIBUTE_READONLY));
    const std::string before = vuvtest::ReadBytes(mp3);
    EXPECT_EQ(Edit("0 2 --set artist=Hail", &out, &err), 3);
    EXPECT_EQ(out, "edited 1 of 2\n");
    EXPECT_NE(err.find("'" + mp3 + "': the file is read-only"), std::string::npos) << err;
    EXPECT_TRUE(vuvtest::ReadBytes(mp3) == before);
    SetFileAttributesA(mp3.c_str(), FILE_ATTRIBUTE_NORMAL);
    tracks = DumpedTracks(collection_);
    EXPECT_EQ(tracks[0][vuvtest::kDumpArtist], "Corvina");
    EXPECT_EQ(tracks[0][vuvtest::kDumpGenre], "Jazz; Pop");
    EXPECT_EQ(tracks[2][vuvtest::kDumpArtist], "Hail");
    EXPECT_EQ(tracks[2][vuvtest::kDumpGenre], "Pop; Trip-Hop");
}

TEST_F(EditCommandTest, RefusesWhatTheDialogWouldNotTake)
{
    const std::string before = vuvtest::ReadBytes(collection_);
    std::string out, err;
    EXPECT_EQ(Edit("0", &out), 1);                        // no --set
    EXPECT_EQ(Edit("0 --set", &out), 1);                  // nothing to set
    EXPECT_EQ(Edit("0 --set mood=calm", &out), 1);        // no such field
    EXPECT_EQ(Edit("0 --set preference=10", &out), 1);    // 0..9
    EXPECT_EQ(Edit("0 --set volume=1001", &out), 1);      // 0..1000 or 4000
    EXPECT_EQ(Edit("0 1 --set title=Both", &out), 1);     // one title per track
    EXPECT_EQ(Edit("0 3 --set artist=X", &out, &err), 2);  // no track 3
    EXPECT_NE(err.find("no track 3 in a collection of 3 tracks"), std::string::npos) << err;
    EXPECT_EQ(out, "");
    EXPECT_TRUE(vuvtest::ReadBytes(collection_) == before);
}
