#include "plugins/TrackEdit.h"

#include "core/StoreFixture.h"
#include "platform/Paths.h"
#include "plugins/PluginTestFolder.h"
#include "support/TestSupport.h"

#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using vuv::GenreState;
using Texts = std::vector<std::string>;

constexpr uint16_t kJazz = 3, kRock = 7, kPop = 9;

// artist|album|track|preference|first three genre ids|flags of each track.
Texts Tracks(const vuv::CollectionStore& store)
{
    Texts texts;
    for (size_t i = 0; i < store.Count(); ++i) {
        const vuv::TrackRecord& t = store.Track(i);
        texts.push_back(std::string(t.artist) + "|" + t.album + "|" + std::to_string(t.trackNumber) + "|" +
                        std::to_string(t.preference) + "|" + std::to_string(t.genreIds[0]) + " " +
                        std::to_string(t.genreIds[1]) + " " + std::to_string(t.genreIds[2]) + "|" +
                        std::to_string(t.flags));
    }
    return texts;
}

using TrackEditTest = vuvtest::StoreTest;

TEST_F(TrackEditTest, SummaryAndOkWithAFileThatRefuses)
{
    vuvtest::PluginTestFolder plugins;
    plugins.Install("TextTags");
    vuvtest::ScratchFolder music;
    const Texts files{music.File("0.ttag"), music.File("1.ttag"), music.File("2.none")};
    std::vector<vuv::TrackRecord> records;
    for (const std::string& file : files) {
        records.push_back(vuvtest::MakeTrack("Old", "Title", "Album", file.c_str()));
        records.back().preference = uint8_t(records.size());
        records.back().genreIds[0] = kJazz;
        records.back().flags = vuv::kFlagNew;
    }
    records[1].genreIds[1] = kRock;
    records[1].genreIds[5] = kRock;  // twice in one track counts once
    WriteCollection(records);
    WriteGenres({{kJazz, "Jazz"}, {kRock, "rock"}, {kPop, "Pop"}});
    store().LoadCollection(Collection());

    // The dialog opens on two: the genre list is sorted without regard to
    // case, rock is only on the second.
    std::vector<vuv::GenreChoice> choices = vuv::SummariseTracks(store(), {1, 0, 9}).genres;
    vuv::SortGenreChoicesByName(store().Genres(), choices);
    std::vector<int> states;
    for (const vuv::GenreChoice& c : choices)
        states.insert(states.end(), {c.id, int(c.state)});
    EXPECT_EQ(states, (std::vector<int>{kJazz, int(GenreState::Included), kPop, int(GenreState::Excluded), kRock,
                                        int(GenreState::Mixed)}));

    // OK with an album past 99 characters (also added to the names). The
    // second file is in use by a program that shares it with nobody: it and
    // its record's tag fields stay as they were; what only the collection
    // holds changes. No plug-in writes the third file's tags: its record
    // alone changes. Stopped after the first track, a later edit leaves the
    // rest.
    ASSERT_TRUE(vuvtest::WriteBytes(files[1], "artist=Old\n"));
    HANDLE lock = CreateFileA(files[1].c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    vuv::TrackEdit edit;
    edit.artist = "New";
    edit.album = std::string(120, 'x');
    edit.trackNumber = "300";  // the record takes the low 8 bits, the tag the text
    edit.preference = 7;
    edit.genres = {{kJazz, GenreState::Excluded}, {kRock, GenreState::Included}};
    Texts told;
    const vuv::TrackEditResult result = vuv::ApplyTrackEdit(store(), {2, 1, 0}, edit, [&](size_t done, size_t total) {
        told.push_back(std::to_string(done) + "/" + std::to_string(total));
        return true;
    });
    CloseHandle(lock);
    EXPECT_EQ(told, (Texts{"1/3", "2/3", "3/3"}));
    EXPECT_EQ(vuv::UnwrittenTagLines(result.unwritten), (Texts{"'" + files[1] + "': the input plug-in did not write it"}));
    EXPECT_EQ(result.edited, 2u);
    EXPECT_EQ(vuvtest::ReadBytes(files[1]), "artist=Old\n");
    EXPECT_FALSE(vuv::Exists(files[2]));
    const std::string album(99, 'x');
    EXPECT_EQ(Tracks(store()), (Texts{"New|" + album + "|44|7|7 0 0|0", "Old|Album|0|7|3 7 0|0",
                                      "New|" + album + "|44|7|7 0 0|0"}));
    EXPECT_EQ(vuvtest::ReadBytes(files[0]), "ARTIST=New\nALBUM=" + album + "\nGENRE=rock\nTRACK=300\n");
    EXPECT_EQ(store().AlbumNames().back(), album);
    edit.artist = "Newer";
    EXPECT_TRUE(vuv::ApplyTrackEdit(store(), {0, 2}, edit, [](size_t, size_t) { return false; }).stopped);
    EXPECT_EQ(Tracks(store())[0].substr(0, 6) + Tracks(store())[2].substr(0, 4), "Newer|New|");
}

}  // namespace
