#include "selection/MissingFiles.h"

#include "core/TrackRecords.h"
#include "platform/Paths.h"
#include "support/TestSupport.h"

#include <windows.h>

#include <gtest/gtest.h>

using namespace vuv;
using namespace vuvtest;

namespace {

// The search written out as plainly as it can be: every folder of the tree,
// subfolders first, tests the name of every still missing track. (A path
// longer than a record holds is no place to repoint a track to.)
void PlainLocateInFolderTree(std::vector<TrackRecord>& tracks, const std::string& folder, size_t& found)
{
    for (const FolderEntry& entry : FolderEntries(folder, "*.*"))
        if (entry.isFolder)
            PlainLocateInFolderTree(tracks, entry.fullPath + "\\", found);
    for (TrackRecord& track : tracks) {
        if (Exists(track.path))
            continue;
        track.flags |= kFlagMissing;
        const std::string candidate = folder + FileNameOf(track.path);
        if (candidate.size() < kPathTextSize && Exists(candidate)) {
            SetField(track.path, candidate);
            track.flags &= ~uint32_t(kFlagMissing);
            ++found;
        }
    }
}

// "located of missing", each track's flags and path, then the tracks that
// highlighting finds missing afterwards.
std::string Located(std::vector<TrackRecord>& tracks, const std::string& folder, bool plainly)
{
    LocateResult result;
    std::vector<TrackRecord*> order;
    for (TrackRecord& track : tracks)
        order.push_back(&track);
    if (plainly) {
        for (const TrackRecord& track : tracks)
            result.missing += !Exists(track.path);
        PlainLocateInFolderTree(tracks, folder, result.located);
    } else {
        result = LocateMissingFiles(order.data(), order.size(), folder);
    }
    std::string text = std::to_string(result.located) + " of " + std::to_string(result.missing) + "\n";
    for (const TrackRecord& t : tracks)
        text += std::to_string(t.flags) + " " + t.path + "\n";
    std::vector<size_t> missing;
    for (size_t i = 0; plainly && i < tracks.size(); ++i)
        if (!Exists(tracks[i].path))
            missing.push_back(i);
    for (size_t i : plainly ? missing : HighlightMissingFiles(order.data(), order.size()))
        text += " " + std::to_string(i);
    return text;
}

uint32_t Next(uint32_t& seed, uint32_t range)
{
    seed = seed * 1103515245u + 12345u;
    return (seed >> 8) % range;
}

// One of a few names that every tree repeats, in a random letter case.
std::string SongName(uint32_t& seed, uint32_t kinds)
{
    std::string name = "song " + std::to_string(Next(seed, kinds)) + ".mp3";
    for (char& c : name)
        c = Next(seed, 2) ? char(toupper(c)) : c;
    return name;
}

class MissingFilesTest : public testing::Test {
protected:
    // Links and deep folders are beyond the scratch folder's own clean-up.
    void TearDown() override { RunUnixScript("rm -rf " + ShellQuoted(UnixPathOf(root_.Path())) + "*"); }
    void Shell(const std::string& script)
    {
        ASSERT_EQ(RunUnixScript("cd " + ShellQuoted(UnixPathOf(root_.Path())) + " && " + script), 0) << script;
    }

    ScratchFolder root_;
};

}  // namespace

// Generated trees where names repeat across folders and depths and in other
// letter cases: the indexed search gives what the plain one gives, track for
// track, also for the oddities of a search by name (wildcards, a trailing
// dot, a device name, an 8.3 alias, a folder's name, two names one folder
// holds that differ only in case, names no folder holds, paths at the
// length limit, a folder too deep to be listed).
TEST_F(MissingFilesTest, IndexedSearchFindsWhatThePlainSearchFinds)
{
    for (uint32_t seed : {7u, 1234u, 99999u}) {
        const std::string tree = root_.File("t" + std::to_string(seed) + "\\");
        std::vector<std::string> folders{tree};
        CreateDirectoryA(tree.c_str(), nullptr);
        for (int i = 0; i < 40; ++i) {
            const std::string folder = folders[Next(seed, uint32_t(folders.size()))] + "F" + std::to_string(Next(seed, 4)) + "\\";
            if (CreateDirectoryA(folder.c_str(), nullptr))
                folders.push_back(folder);
        }
        std::vector<std::string> written;
        for (int i = 0; i < 120; ++i)
            WriteBytes(written.emplace_back(folders[Next(seed, uint32_t(folders.size()))] + SongName(seed, 25)), "x");
        CreateDirectoryA((folders.back() + "Song 3.mp3").c_str(), nullptr);
        WriteBytes(folders[1] + "A long name beyond eight.mp3", "x");
        // 258 characters deep with its "\": the list of "*.*" would be too long.
        const std::string deep(258 - tree.size() - 2, 'd');
        Shell("touch " + ShellQuoted(UnixPathOf(folders[2])) + "/Case.mp3 " + ShellQuoted(UnixPathOf(folders[2])) +
              "/CASE.mp3 && cd " + ShellQuoted(UnixPathOf(tree)) + " && mkdir -p " + deep.substr(0, 100) + "/" +
              deep.substr(100) + " && cd " + deep.substr(0, 100) + "/" + deep.substr(100) + " && touch a ab abc");
        std::vector<TrackRecord> tracks;
        for (int i = 0; i < 60; ++i)
            tracks.push_back(Track("C:\\Gone\\" + std::to_string(i % 7) + "\\" + SongName(seed, 30)));
        for (const char* odd : {"*.mp3", "song 1.mp3.", "nul.mp3", "case.MP3", "a", "ab", "abc", "Nowhere.mp3"})
            tracks.push_back(Track(std::string("C:\\Gone\\") + odd));
        WIN32_FIND_DATAA alias;
        FindClose(FindFirstFileA((folders[1] + "A long name beyond eight.mp3").c_str(), &alias));
        tracks.push_back(Track(std::string("C:\\Gone\\") + alias.cAlternateFileName));
        // Present in another letter case, in a folder too deep to list, in
        // no folder, or gone.
        for (int i = 0; i < 10; ++i)
            tracks.push_back(Track(CharUpperA(&written[Next(seed, 120)][0])));
        const std::string deepFolder = tree + deep.substr(0, 100) + "\\" + deep.substr(100) + "\\";
        for (const std::string& path : {deepFolder + "ab", deepFolder + "zz", tree + "No folder\\x.mp3", written[7] + "x"})
            tracks.push_back(Track(path));
        WriteBytes(folders[3] + "present.mp3", "x");
        tracks.push_back(Track(folders[3] + "present.mp3"));
        tracks.back().flags = kFlagMissing;  // present: left as it is

        std::vector<TrackRecord> plain = tracks;
        const std::string expected = Located(plain, tree, true);
        EXPECT_EQ(Located(tracks, tree, false), expected) << "seed " << seed;
        EXPECT_EQ(std::string(plain[64].path), deepFolder + "a");
        EXPECT_GT(atoi(expected.c_str()), 30) << "the tree should hold most names";
    }
}

TEST_F(MissingFilesTest, LinksThatLoopEndTheWalk)
{
    // Links back up in two folders: a walk that followed them would meet
    // 2^40 paths before the length limit stopped it. Two links in each of
    // 30 folders to the next: 2^30 paths, none a loop.
    Shell("mkdir -p M/A/B M/S30 && touch M/A/B/deep.mp3 M/top.mp3 && ln -s .. M/A/up && ln -s ../.. M/A/B/root && "
          "ln -s . M/A/B/self && ln -s ../A M/A/B/again && for i in $(seq 0 29); do mkdir M/S$i && "
          "ln -s ../S$((i + 1)) M/S$i/x && ln -s ../S$((i + 1)) M/S$i/y; done");
    std::vector<TrackRecord> tracks{Track("C:\\Old\\deep.mp3"), Track("C:\\Old\\top.mp3"), Track("C:\\Old\\none.mp3")};
    EXPECT_EQ(Located(tracks, root_.File("M\\"), false), "2 of 3\n0 " + root_.File("M\\A\\B\\deep.mp3") + "\n0 " +
                                                             root_.File("M\\top.mp3") + "\n2 C:\\Old\\none.mp3\n 2");
}
