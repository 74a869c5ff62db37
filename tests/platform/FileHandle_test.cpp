#include "platform/FileHandle.h"

#include "support/MessageRecorder.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <string>

using namespace vuv;

namespace {

std::string Pattern(size_t n)
{
    std::string s(n, '\0');
    for (size_t i = 0; i < n; ++i)
        s[i] = char((i * 7 + i / 251) & 0xFF);
    return s;
}

}  // namespace

TEST(FileHandle, OpenFailuresAreReportedOnlyWhenAsked)
{
    vuvtest::ScratchFolder dir;
    vuvtest::MessageRecorder recorder;
    const std::string missing = dir.File("missing.mcc");

    FileHandle quiet;
    quiet.Open(missing, FileAccess::Read, FileDisposition::OpenExisting, false);
    EXPECT_FALSE(quiet.IsOpen());
    EXPECT_TRUE(recorder.messages.empty());

    FileHandle loud;
    loud.Open(missing, FileAccess::Read, FileDisposition::OpenExisting, true);
    EXPECT_FALSE(loud.IsOpen());
    const std::string inFolder = dir.File("no\\such\\folder.mcc");
    FileHandle write;
    write.Open(inFolder, FileAccess::Write, FileDisposition::CreateAlways, true);
    EXPECT_FALSE(write.IsOpen());

    ASSERT_EQ(recorder.messages.size(), 2u);
    EXPECT_EQ(recorder.messages[0].text, "Unable to open '" + missing + "'");
    EXPECT_EQ(recorder.messages[0].title, "Disk Read Error");
    EXPECT_EQ(recorder.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(recorder.messages[1].text, "Unable to open '" + inFolder + "'");
    EXPECT_EQ(recorder.messages[1].title, "Disk Write Error");

    // A closed file reads nothing and writes nothing, without a message.
    char buffer[4];
    EXPECT_EQ(loud.Read(buffer, 4), 0u);
    EXPECT_FALSE(loud.Write(buffer, 4));
    EXPECT_EQ(loud.Size(), 0u);
    EXPECT_EQ(recorder.messages.size(), 2u);
}

TEST(FileHandle, WriteFailureNamesTheFile)
{
    vuvtest::ScratchFolder dir;
    vuvtest::MessageRecorder recorder;
    const std::string name = dir.File("read-only.bin");
    ASSERT_TRUE(vuvtest::WriteBytes(name, "abc"));
    FileHandle file;
    file.Open(name, FileAccess::Read, FileDisposition::OpenExisting, true);
    ASSERT_TRUE(file.IsOpen());
    EXPECT_FALSE(file.Write("x", 1, kFromEnd));
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].text, "Unable to write to '" + name + "'");
    EXPECT_EQ(recorder.messages[0].title, "Disk Write Error");
}

TEST(FileHandle, PositionCodesAndShortReads)
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
    EXPECT_EQ(file.Size(), 7u);
    file.Truncate(3);
    EXPECT_EQ(file.Size(), 3u);
    file.Close();
    file.Close();  // harmless
    EXPECT_EQ(vuvtest::ReadBytes(name), "Jel");
}

TEST(FileHandle, ShiftTailRemovesAndMakesRoomAcrossBlocks)
{
    vuvtest::ScratchFolder dir;
    const std::string name = dir.File("queue.bin");

    // Removing the only 652-byte entry leaves an empty file.
    ASSERT_TRUE(vuvtest::WriteBytes(name, std::string(652, 'q')));
    {
        FileHandle f;
        f.Open(name, FileAccess::ReadWrite, FileDisposition::OpenExisting, false);
        f.ShiftTail(652, -652);
    }
    EXPECT_EQ(vuvtest::ReadBytes(name), "");

    // Removing the head of a file of several 32768-byte blocks.
    const std::string data = Pattern(100000);
    ASSERT_TRUE(vuvtest::WriteBytes(name, data));
    {
        FileHandle f;
        f.Open(name, FileAccess::ReadWrite, FileDisposition::OpenExisting, false);
        f.ShiftTail(652, -652);
    }
    EXPECT_EQ(vuvtest::ReadBytes(name), data.substr(652));

    // Making room in the middle: the file grows by delta, the bytes before
    // the new end keep their old contents.
    ASSERT_TRUE(vuvtest::WriteBytes(name, data));
    {
        FileHandle f;
        f.Open(name, FileAccess::ReadWrite, FileDisposition::OpenExisting, false);
        f.ShiftTail(40000, 70000);
    }
    const std::string grown = vuvtest::ReadBytes(name);
    ASSERT_EQ(grown.size(), data.size() + 70000);
    EXPECT_EQ(grown.substr(0, 40000), data.substr(0, 40000));
    EXPECT_EQ(grown.substr(110000), data.substr(40000));

    // At or past the end nothing happens.
    ASSERT_TRUE(vuvtest::WriteBytes(name, "abc"));
    {
        FileHandle f;
        f.Open(name, FileAccess::ReadWrite, FileDisposition::OpenExisting, false);
        f.ShiftTail(3, 10);
    }
    EXPECT_EQ(vuvtest::ReadBytes(name), "abc");

    // Removing more than lies before the position empties the file.
    ASSERT_TRUE(vuvtest::WriteBytes(name, "abcdef"));
    {
        FileHandle f;
        f.Open(name, FileAccess::ReadWrite, FileDisposition::OpenExisting, false);
        f.ShiftTail(2, -4);
    }
    EXPECT_EQ(vuvtest::ReadBytes(name), "");
}

TEST(FileHandle, ReadTextLineSplitsOnCrLfLfAndCr)
{
    vuvtest::ScratchFolder dir;
    const std::string name = dir.File("lines.txt");
    ASSERT_TRUE(vuvtest::WriteBytes(name, "a\r\nb\n\nlonger line\rlast"));
    FileHandle f;
    f.Open(name, FileAccess::Read, FileDisposition::OpenExisting, false);
    char line[8];
    ASSERT_TRUE(ReadTextLine(f, line, 7));
    EXPECT_STREQ(line, "a");
    ASSERT_TRUE(ReadTextLine(f, line, 7));
    EXPECT_STREQ(line, "b");
    ASSERT_TRUE(ReadTextLine(f, line, 7));  // an empty line in the middle
    EXPECT_STREQ(line, "");
    ASSERT_TRUE(ReadTextLine(f, line, 7));  // at most max characters...
    EXPECT_STREQ(line, "longer ");
    ASSERT_TRUE(ReadTextLine(f, line, 7));  // ...the rest is the next line
    EXPECT_STREQ(line, "line");
    ASSERT_TRUE(ReadTextLine(f, line, 7));  // CR swallowed one byte ('l')
    EXPECT_STREQ(line, "ast");  // no final line break: still returned
    EXPECT_FALSE(ReadTextLine(f, line, 7));
    EXPECT_STREQ(line, "");
}

TEST(FileHandle, FileSizeOfNamedFile)
{
    vuvtest::ScratchFolder dir;
    ASSERT_TRUE(vuvtest::WriteBytes(dir.File("x"), std::string(1000, 'x')));
    bool failed = true;
    EXPECT_EQ(FileSize(dir.File("x"), &failed), 1000u);
    EXPECT_FALSE(failed);
    EXPECT_EQ(FileSize(dir.File("y"), &failed), 0u);
    EXPECT_TRUE(failed);
}
