#include "plugins/FileTagEdit.h"

#include "plugins/PluginTestFolder.h"
#include "support/TestSupport.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

TEST(FileTagEdit, FieldsComeFromTheTagAndGoBackAllSeven)
{
    vuvtest::PluginTestFolder plugins;
    plugins.Install("TextTags");
    vuvtest::ScratchFolder music;
    const std::string file = music.File("song.ttag");
    ASSERT_TRUE(vuvtest::WriteBytes(file, "Artist=Corvina\ntitle=Rain\nGENRE=Jazz\nTRACK=0\nOTHER=x\nyear=1997\n"));
    vuv::FileTagFields fields = vuv::ReadFileTagFields(file);
    EXPECT_EQ(fields.artist, "Corvina");
    EXPECT_EQ(fields.title, "Rain");
    EXPECT_EQ(fields.album, "");
    EXPECT_EQ(fields.year, "1997");
    EXPECT_EQ(fields.genre, "Jazz");
    EXPECT_EQ(fields.track, "");  // 0 is no track number

    // Every field empty: nothing is written, but a read-only file is made
    // writable all the same.
    ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY));
    const std::string before = vuvtest::ReadBytes(file);
    vuv::FileTagWriteResult result = vuv::WriteFileTagFields(file, vuv::FileTagFields());
    EXPECT_FALSE(result.attempted);
    EXPECT_EQ(vuvtest::ReadBytes(file), before);
    EXPECT_EQ(GetFileAttributesA(file.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);

    // Only the comment: all seven elements, the six others empty.
    ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY));
    fields = vuv::FileTagFields();
    fields.comment = "fine";
    result = vuv::WriteFileTagFields(file, fields);
    EXPECT_TRUE(result.attempted);
    EXPECT_EQ(result.refusal, "");
    EXPECT_EQ(vuvtest::ReadBytes(file),
              before + "ARTIST=\nTITLE=\nALBUM=\nYEAR=\nGENRE=\nCOMMENT=fine\nTRACK=\n");
    EXPECT_EQ(vuv::ReadFileTagFields(file).comment, "fine");

    // A file no plug-in reads shows empty fields and gets nothing.
    const std::string other = music.File("notes.none");
    ASSERT_TRUE(vuvtest::WriteBytes(other, "ARTIST=x\n"));
    EXPECT_EQ(vuv::ReadFileTagFields(other).artist, "");
    EXPECT_EQ(vuv::WriteFileTagFields(other, fields).refusal, "");
    EXPECT_EQ(vuvtest::ReadBytes(other), "ARTIST=x\n");
}

}  // namespace
