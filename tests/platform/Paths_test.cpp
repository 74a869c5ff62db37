#include "platform/Paths.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace vuv;

TEST(Paths, PartsOfAPath)
{
    EXPECT_EQ(ExtensionOf("C:\\A\\b.c.mp3"), ".mp3");
    EXPECT_EQ(FolderOf("C:\\A\\b.c.mp3"), "C:\\A\\");
    EXPECT_EQ(FileNameOf("C:\\A\\b.c.mp3"), "b.c.mp3");
    EXPECT_EQ(StripExtension("C:\\A\\b.c.mp3"), "C:\\A\\b.c");
    EXPECT_EQ(BaseNameOf("C:\\A\\b.c.mp3"), "b.c");

    // The last dot belongs to a folder, or ends the name: no extension.
    EXPECT_EQ(ExtensionOf("C:\\My.Folder\\file"), ".");
    EXPECT_EQ(StripExtension("C:\\My.Folder\\file"), "C:\\My.Folder\\file");
    EXPECT_EQ(ExtensionOf("C:\\a\\name."), ".");
    EXPECT_EQ(ExtensionOf("noext"), ".");
    EXPECT_EQ(ExtensionOf(""), ".");

    // Without any backslash the whole text is both folder and name.
    EXPECT_EQ(FolderOf("song.mp3"), "song.mp3");
    EXPECT_EQ(FileNameOf("song.mp3"), "song.mp3");

    std::string p = "C:\\Music";
    EnsureTrailingBackslash(p);
    EXPECT_EQ(p, "C:\\Music\\");
    EnsureTrailingBackslash(p);
    EXPECT_EQ(p, "C:\\Music\\");
    std::string empty;
    EnsureTrailingBackslash(empty);
    EXPECT_EQ(empty, "");
}

TEST(Paths, SamePathIgnoresCaseIncludingAnsiLetters)
{
    EXPECT_TRUE(SamePath("C:\\Music\\A.MP3", "c:\\music\\a.mp3"));
    EXPECT_TRUE(SamePath("C:\\Bj\xf6rk\\x.mp3", "C:\\BJ\xd6RK\\X.MP3"));  // ö / Ö
    EXPECT_FALSE(SamePath("C:\\a.mp3", "C:\\a.mp"));
    EXPECT_FALSE(SamePath("C:\\a.mp3", "C:\\b.mp3"));
    for (int c = 0; c < 256; ++c)
        EXPECT_EQ(FoldPathChar(FoldPathChar((unsigned char)c)), FoldPathChar((unsigned char)c));
}

TEST(Paths, FolderChainExistsAndEntries)
{
    vuvtest::ScratchFolder dir;
    const std::string deep = dir.Path() + "one\\two\\three\\";
    CreateFolderChain(deep);
    bool isFolder = false;
    EXPECT_TRUE(Exists(dir.Path() + "one\\two\\three", &isFolder));
    EXPECT_TRUE(isFolder);
    CreateFolderChain(deep);  // existing folders are left alone

    ASSERT_TRUE(vuvtest::WriteBytes(dir.Path() + "one\\a.mp3", "x"));
    ASSERT_TRUE(vuvtest::WriteBytes(dir.Path() + "one\\b.ogg", "y"));
    EXPECT_TRUE(Exists(dir.Path() + "one\\a.mp3", &isFolder));
    EXPECT_FALSE(isFolder);
    EXPECT_FALSE(Exists(dir.Path() + "one\\c.mp3", &isFolder));

    auto all = FolderEntries(dir.Path() + "one", "*.*");
    std::vector<std::string> names;
    for (const auto& e : all) {
        names.push_back(e.name);
        EXPECT_EQ(e.fullPath, dir.Path() + "one\\" + e.name);
        EXPECT_EQ(e.isFolder, e.name == "two");
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"a.mp3", "b.ogg", "two"}));
    auto mp3 = FolderEntries(dir.Path() + "one\\", "*.mp3");
    ASSERT_EQ(mp3.size(), 1u);
    EXPECT_EQ(mp3[0].name, "a.mp3");
}

TEST(Paths, TrimAndBoundedCopy)
{
    std::string s = "  Corvina  ";
    TrimSpaces(s);
    EXPECT_EQ(s, "Corvina");
    char t[16] = "\t x \t";
    TrimSpaces(t);  // only the space character counts
    EXPECT_STREQ(t, "\t x \t");
    std::string blank = "   ";
    TrimSpaces(blank);
    EXPECT_EQ(blank, "");

    char small[5];
    CopyBounded(small, "abcdefgh", sizeof small);
    EXPECT_STREQ(small, "abcd");
    CopyBounded(small, "ab", sizeof small);
    EXPECT_STREQ(small, "ab");
}
