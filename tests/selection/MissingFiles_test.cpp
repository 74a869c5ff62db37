#include "selection/MissingFiles.h"

#include "platform/Paths.h"
#include "player/PlayerTestSupport.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace vuv;
using namespace vuvtest;

namespace {

// The search written out as plainly as it can be: every folder of the
// tree, subfolders first, tests the name of every still missing track.
void PlainLocateInFolderTree(std::vector<TrackRecord>& tracks, const std::string& folder, size_t& found)
{
    for (const FolderEntry& entry : FolderEntries(folder, "*.*"))
        if (entry.isFolder)
            PlainLocateInFolderTree(tracks, entry.fullPath + "\\", found);
    for (TrackRecord& track : tracks) {
        if (Exists(track.path))
            continue;
        track.flags |= kFlagMissing;
        // (A path longer than a record holds is no place to repoint to.)
        const std::string candidate = folder + FileNameOf(track.path);
        if (candidate.size() < kPathTextSize && Exists(candidate)) {
            SetField(track.path, candidate);
            track.flags &= ~uint32_t(kFlagMissing);
            ++found;
        }
    }
}

LocateResult PlainLocate(std::vector<TrackRecord>& tracks, std::string folder)
{
    LocateResult result;
    for (const TrackRecord& track : tracks)
        result.missing += !Exists(track.path);
    if (result.missing) {
        EnsureTrailingBackslash(folder);
        PlainLocateInFolderTree(tracks, folder, result.located);
    }
    return result;
}

LocateResult FastLocate(std::vector<TrackRecord>& tracks, const std::string& folder)
{
    std::vector<TrackRecord*> order;
    for (TrackRecord& track : tracks)
        order.push_back(&track);
    return LocateMissingFiles(order.data(), order.size(), folder);
}

std::string Outcome(const LocateResult& result, const std::vector<TrackRecord>& tracks)
{
    std::string text = std::to_string(result.located) + " of " + std::to_string(result.missing) + "\n";
    for (const TrackRecord& t : tracks)
        text += std::to_string(t.flags) + " " + t.path + "\n";
    return text;
}

uint32_t Next(uint32_t& seed, uint32_t range)
{
    seed = seed * 1103515245u + 12345u;
    return (seed >> 8) % range;
}

// A name of the small set that every tree repeats, in a random letter case.
std::string SongName(uint32_t& seed, uint32_t kinds)
{
    std::string name = "Song " + std::to_string(Next(seed, kinds)) + ".mp3";
    for (char& c : name)
        if (Next(seed, 3) == 0)
            c = char(c >= 'a' && c <= 'z' ? c - 32 : (c >= 'A' && c <= 'Z' ? c + 32 : c));
    return name;
}

// The Unix shell builds what the Windows calls cannot: names that differ
// only in case in one folder, and folders deeper than 248 characters.
void Shell(const std::string& script) { ASSERT_EQ(RunUnixScript(script), 0) << script; }

class MissingFilesTest : public testing::Test {
protected:
    // Links and deep folders are beyond the scratch folder's own clean-up.
    void TearDown() override { RunUnixScript("rm -rf " + ShellQuoted(UnixPathOf(root_.Path())) + "*"); }

    std::string Unix(const std::string& relative) const { return ShellQuoted(UnixPathOf(root_.File(relative))); }

    ScratchFolder root_;
};

}  // namespace

TEST_F(MissingFilesTest, HighlightMarksTheMissingAndClearsTheFound)
{
    ASSERT_TRUE(WriteBytes(root_.File("here.mp3"), "x"));
    std::vector<TrackRecord> tracks{Track(root_.File("gone.mp3")), Track(root_.File("HERE.MP3")),
                                    Track(root_.File("also gone.mp3"))};
    tracks[1].flags = kFlagMissing | kFlagHighlight2;
    tracks[2].flags = kFlagNew;
    std::vector<TrackRecord*> order{&tracks[0], &tracks[1], &tracks[2]};
    EXPECT_EQ(HighlightMissingFiles(order.data(), order.size()), (std::vector<size_t>{0, 2}));
    EXPECT_EQ(tracks[0].flags, uint32_t(kFlagMissing));
    EXPECT_EQ(tracks[1].flags, uint32_t(kFlagHighlight2));
    EXPECT_EQ(tracks[2].flags, uint32_t(kFlagNew | kFlagMissing));
}

// Generated trees where names repeat across folders and depths and in
// other letter cases: the indexed search gives what the plain one gives,
// track for track, with the oddities of a search by name among the tracks
// (wildcards, a trailing dot, a device name, an 8.3 alias, a folder's name,
// names that no folder holds, paths at the length limit).
TEST_F(MissingFilesTest, IndexedSearchFindsWhatThePlainSearchFinds)
{
    for (uint32_t seed : {7u, 1234u, 99999u}) {
        const std::string tree = root_.File("tree" + std::to_string(seed) + "\\");
        std::vector<std::string> folders{tree};
        CreateDirectoryA(tree.c_str(), nullptr);
        for (int i = 0; i < 40; ++i) {
            const std::string parent = folders[Next(seed, uint32_t(folders.size()))];
            const std::string folder = parent + "F" + std::to_string(Next(seed, 4)) + "\\";
            if (CreateDirectoryA(folder.c_str(), nullptr))
                folders.push_back(folder);
        }
        for (int i = 0; i < 120; ++i)
            WriteBytes(folders[Next(seed, uint32_t(folders.size()))] + SongName(seed, 25), "x");
        CreateDirectoryA((folders.back() + "Song 3.mp3").c_str(), nullptr);  // a folder of a track's name
        WriteBytes(folders[1] + "A long name beyond eight.mp3", "x");
        // Two names one folder holds that differ only in case; a chain of
        // folders ending 258 characters deep (with its "\"), too deep to be
        // listed, holding names of one, two and three characters: only the
        // first makes a path that a record can hold, found by its name.
        const std::string deepPart(258 - tree.size() - 1, 'd');
        const std::string deep = tree + deepPart.substr(0, 100) + "\\" + deepPart.substr(101) + "\\";
        ASSERT_EQ(deep.size(), 258u);
        Shell("cd " + ShellQuoted(UnixPathOf(folders[2])) + " && touch 'Case.mp3' 'CASE.mp3' && mkdir -p " +
              ShellQuoted(UnixPathOf(tree)) + "'" + deepPart.substr(0, 100) + "/" + deepPart.substr(101) +
              "' && cd " + ShellQuoted(UnixPathOf(tree)) + "'" + deepPart.substr(0, 100) + "/" +
              deepPart.substr(101) + "' && touch a ab abc");
        std::string alias;
        for (const FolderEntry& e : FolderEntries(folders[1], "*.*"))
            if (e.name == "A long name beyond eight.mp3")
                alias = e.shortName;

        std::vector<TrackRecord> tracks;
        for (int i = 0; i < 60; ++i)
            tracks.push_back(Track("C:\\Gone\\" + std::to_string(i % 7) + "\\" + SongName(seed, 30)));
        for (const char* odd : {"*.mp3", "song 1.mp3.", "nul.mp3", "case.MP3", "a", "ab", "abc", "Nowhere.mp3"})
            tracks.push_back(Track(std::string("C:\\Gone\\") + odd));
        if (!alias.empty())
            tracks.push_back(Track("C:\\Gone\\" + alias));
        tracks.push_back(Track(folders[3] + "present.mp3"));
        WriteBytes(folders[3] + "present.mp3", "x");
        tracks.back().flags = kFlagMissing;  // present: left as it is

        std::vector<TrackRecord> plain = tracks;
        const LocateResult expected = PlainLocate(plain, tree);
        const LocateResult result = FastLocate(tracks, tree);
        EXPECT_EQ(Outcome(result, tracks), Outcome(expected, plain)) << "seed " << seed;
        EXPECT_EQ(std::string(plain[64].path), deep + "a");
        EXPECT_GT(expected.located, 30u) << "the tree should hold most names";
        EXPECT_LT(expected.located, expected.missing);
    }
}

TEST_F(MissingFilesTest, LinksThatLoopEndTheWalk)
{
    // Two links back up in each of two folders: a walk that followed them
    // would meet 2^40 paths before the length limit stopped it.
    Shell("cd " + Unix("") + " && mkdir -p Music/A/B && touch Music/A/B/deep.mp3 Music/top.mp3 && "
          "ln -s .. Music/A/up && ln -s ../.. Music/A/B/root && ln -s . Music/A/B/self && ln -s ../A Music/A/B/again");
    std::vector<TrackRecord> tracks{Track("C:\\Old\\deep.mp3"), Track("C:\\Old\\top.mp3"),
                                    Track("C:\\Old\\none.mp3")};
    const LocateResult result = FastLocate(tracks, root_.File("Music"));
    EXPECT_EQ(result.located, 2u);
    EXPECT_EQ(std::string(tracks[0].path), root_.File("Music\\A\\B\\deep.mp3"));
    EXPECT_EQ(std::string(tracks[1].path), root_.File("Music\\top.mp3"));
    EXPECT_EQ(tracks[2].flags, uint32_t(kFlagMissing));
}

TEST_F(MissingFilesTest, AFolderThatIsNotThereFindsNothing)
{
    ASSERT_TRUE(WriteBytes(root_.File("here.mp3"), "x"));
    std::vector<TrackRecord> tracks{Track(root_.File("here.mp3"))};
    const LocateResult result = FastLocate(tracks, "C:\\No such folder");
    EXPECT_EQ(result.missing, 0u);
    EXPECT_EQ(tracks[0].flags, 0u);
    tracks.push_back(Track("C:\\Old\\gone.mp3"));
    EXPECT_EQ(Outcome(FastLocate(tracks, "C:\\No such folder"), tracks),
              "0 of 1\n0 " + root_.File("here.mp3") + "\n2 C:\\Old\\gone.mp3\n");
}
