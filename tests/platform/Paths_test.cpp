#include "platform/Paths.h"

#include "support/TestSupport.h"

#include <windows.h>

#include <algorithm>

#include <gtest/gtest.h>

using namespace vuv;

TEST(Paths, PartsOfAPath)
{
    const std::string p = "C:\\A\\b.c.mp3";
    EXPECT_EQ(ExtensionOf(p) + "|" + FolderOf(p) + "|" + FileNameOf(p) + "|" + StripExtension(p) + "|" + BaseNameOf(p),
              ".mp3|C:\\A\\|b.c.mp3|C:\\A\\b.c|b.c");
    // The last dot belongs to a folder, or ends the name: no extension.
    for (const char* none : {"C:\\My.Folder\\file", "C:\\a\\name.", "noext", ""})
        EXPECT_EQ(ExtensionOf(none), ".") << none;
    EXPECT_EQ(StripExtension("C:\\My.Folder\\file"), "C:\\My.Folder\\file");
    // Without any backslash the whole text is both folder and name.
    EXPECT_EQ(FolderOf("song.mp3") + "|" + FileNameOf("song.mp3"), "song.mp3|song.mp3");

    std::string folder = "C:\\Music", empty;
    EnsureTrailingBackslash(folder);
    EnsureTrailingBackslash(folder);
    EnsureTrailingBackslash(empty);
    EXPECT_EQ(folder + "|" + empty, "C:\\Music\\|");
}

TEST(Paths, SamePathIgnoresCaseIncludingAnsiLetters)
{
    EXPECT_TRUE(SamePath("C:\\Music\\A.MP3", "c:\\music\\a.mp3"));
    EXPECT_TRUE(SamePath("C:\\Bj\xf6rk\\x.mp3", "C:\\BJ\xd6RK\\X.MP3"));  // ö / Ö
    EXPECT_FALSE(SamePath("C:\\a.mp3", "C:\\a.mp"));
    EXPECT_FALSE(SamePath("C:\\a.mp3", "C:\\b.mp3"));
    for (int c = 0; c < 256; ++c) {
        EXPECT_EQ(FoldPathChar(FoldPathChar((unsigned char)c)), FoldPathChar((unsigned char)c));
        // Folded without user32, as user32 folds.
        char upper[2] = {char(c), 0};
        CharUpperBuffA(upper, 1);
        EXPECT_EQ(FoldPathChar((unsigned char)c), (unsigned char)upper[0]) << c;
    }
}

TEST(Paths, FolderChainExistsAndEntries)
{
    vuvtest::ScratchFolder dir;
    CreateFolderChain(dir.Path() + "one\\two\\three\\");
    CreateFolderChain(dir.Path() + "one\\two\\three\\");  // existing folders are left alone
    bool isFolder = false;
    EXPECT_TRUE(Exists(dir.Path() + "one\\two\\three", &isFolder));
    EXPECT_TRUE(isFolder);
    ASSERT_TRUE(vuvtest::WriteBytes(dir.Path() + "one\\a.mp3", "x"));
    ASSERT_TRUE(vuvtest::WriteBytes(dir.Path() + "one\\b.ogg", "y"));
    EXPECT_TRUE(Exists(dir.Path() + "one\\a.mp3", &isFolder));
    EXPECT_FALSE(isFolder);
    EXPECT_FALSE(Exists(dir.Path() + "one\\c.mp3"));

    std::vector<std::string> names;
    for (const auto& e : FolderEntries(dir.Path() + "one", "*.*")) {
        names.push_back(e.name + (e.isFolder ? "\\" : ""));
        EXPECT_EQ(e.fullPath, dir.Path() + "one\\" + e.name);
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"a.mp3", "b.ogg", "two\\"}));
    auto mp3 = FolderEntries(dir.Path() + "one\\", "*.mp3");
    ASSERT_EQ(mp3.size(), 1u);
    EXPECT_EQ(mp3[0].name, "a.mp3");
}

TEST(Paths, TrimAndBoundedCopy)
{
    std::string s = "  Corvina  ", blank = "   ";
    char t[16] = "\t x \t", small[5];
    TrimSpaces(s);
    TrimSpaces(blank);
    TrimSpaces(t);  // only the space character counts
    EXPECT_EQ(s + "|" + blank + "|" + t, "Corvina||\t x \t");
    CopyBounded(small, "abcdefgh", sizeof small);
    EXPECT_STREQ(small, "abcd");
    CopyBounded(small, "ab", sizeof small);
    EXPECT_STREQ(small, "ab");
}
