#include "platform/FileHandle.h"

#include "support/MessageRecorder.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vuv;

namespace {

// The file's bytes after ShiftTail(position, delta) on a file of `data`.
std::string Shifted(const vuvtest::ScratchFolder& dir, const std::string& data, uint64_t position, int64_t delta)
{
    const std::string name = dir.File("shift.bin");
    EXPECT_TRUE(vuvtest::WriteBytes(name, data));
    {
        FileHandle f;
        f.Open(name, FileAccess::ReadWrite, FileDisposition::OpenExisting, false);
        f.ShiftTail(position, delta);
    }
    return vuvtest::ReadBytes(name);
}

}  // namespace

TEST(FileHandle, FailuresAreReportedOnlyWhenAskedAndNameTheFile)
{
    vuvtest::ScratchFolder dir;
    vuvtest::MessageRecorder recorder;
    const std::string missing = dir.File("missing.mcc"), inFolder = dir.File("no\\such\\folder.mcc");
    FileHandle quiet, loud, write, readOnly;
    quiet.Open(missing, FileAccess::Read, FileDisposition::OpenExisting, false);
    EXPECT_FALSE(quiet.IsOpen());
    EXPECT_TRUE(recorder.messages.empty());
    loud.Open(missing, FileAccess::Read, FileDisposition::OpenExisting, true);
    write.Open(inFolder, FileAccess::Write, FileDisposition::CreateAlways, true);
    EXPECT_FALSE(loud.IsOpen() || write.IsOpen());
    // A closed file reads and writes nothing, without a message.
    char buffer[4];
    EXPECT_EQ(loud.Read(buffer, 4), 0u);
    EXPECT_FALSE(loud.Write(buffer, 4));
    ASSERT_TRUE(vuvtest::WriteBytes(dir.File("read-only.bin"), "abc"));
    readOnly.Open(dir.File("read-only.bin"), FileAccess::Read, FileDisposition::OpenExisting, true);
    EXPECT_FALSE(readOnly.Write("x", 1, kFromEnd));

    ASSERT_EQ(recorder.messages.size(), 3u);
    EXPECT_EQ(recorder.messages[0].text, "Unable to open '" + missing + "'");
    EXPECT_EQ(recorder.messages[0].title, "Disk Read Error");
    EXPECT_EQ(recorder.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(recorder.messages[1].text, "Unable to open '" + inFolder + "'");
    EXPECT_EQ(recorder.messages[1].title, "Disk Write Error");
    EXPECT_EQ(recorder.messages[2].text, "Unable to write to '" + dir.File("read-only.bin") + "'");
    EXPECT_EQ(recorder.messages[2].title, "Disk Write Error");
}

TEST(FileHandle, PositionCodesShortReadsAndSizes)
{
    vuvtest::ScratchFolder dir;
    const std::string name = dir.File("f.bin");
    FileHandle file;
    file.Open(name, FileAccess::ReadWrite, FileDisposition::CreateAlways, false);
    ASSERT_TRUE(file.IsOpen());
    EXPECT_TRUE(file.Write("hello", 5));
    EXPECT_TRUE(file.Write("!!", 2, kFromEnd));
    EXPECT_TRUE(file.Write("J", 1, kFromStart));  // overwrites the first byte
    char buffer[16] = {};
    EXPECT_EQ(file.Read(buffer, 16, kFromStart), 7u);  // short at the end: silent
    EXPECT_EQ(std::string(buffer, 7), "Jello!!");
    EXPECT_EQ(file.Read(buffer, 16), 0u);
    file.Seek(-2, SeekOrigin::End);
    EXPECT_EQ(file.Read(buffer, 16), 2u);
    file.Truncate(3);
    EXPECT_EQ(file.Size(), 3u);
    file.Close();
    file.Close();  // harmless
    bool failed = true;
    EXPECT_EQ(FileSize(name, &failed), 3u);
    EXPECT_FALSE(failed);
    EXPECT_EQ(FileSize(dir.File("absent"), &failed), 0u);
    EXPECT_TRUE(failed);
}

TEST(FileHandle, ShiftTailRemovesAndMakesRoomAcrossBlocks)
{
    vuvtest::ScratchFolder dir;
    std::string data(100000, '\0');  // several 32768-byte blocks, no two alike
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = char((i * 7 + i / 251) & 0xFF);
    EXPECT_EQ(Shifted(dir, std::string(652, 'q'), 652, -652), "");  // the only queue record
    EXPECT_EQ(Shifted(dir, data, 652, -652), data.substr(652));
    // Room in the middle: the bytes before the new end keep their contents.
    const std::string grown = Shifted(dir, data, 40000, 70000);
    EXPECT_EQ(grown.size(), data.size() + 70000);
    EXPECT_EQ(grown.substr(0, 40000), data.substr(0, 40000));
    EXPECT_EQ(grown.substr(110000), data.substr(40000));
    EXPECT_EQ(Shifted(dir, "abc", 3, 10), "abc");   // at the end: nothing
    EXPECT_EQ(Shifted(dir, "abcdef", 2, -4), "");  // more than lies before
}

TEST(FileHandle, ReadTextLineSplitsOnCrLfLfAndCr)
{
    vuvtest::ScratchFolder dir;
    ASSERT_TRUE(vuvtest::WriteBytes(dir.File("lines.txt"), "a\r\nb\n\nlonger line\rlast"));
    FileHandle f;
    f.Open(dir.File("lines.txt"), FileAccess::Read, FileDisposition::OpenExisting, false);
    char line[8];
    std::vector<std::string> lines;
    while (ReadTextLine(f, line, 7))
        lines.push_back(line);
    EXPECT_STREQ(line, "");
    // At most 7 characters, the rest is the next line; CR swallows one byte
    // ('l'); a last line without a break is still returned.
    EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "", "longer ", "line", "ast"}));
}
