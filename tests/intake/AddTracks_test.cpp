// AddTracks: new tracks read, given the defaults, sorted, selected and
// saved; files already in the collection moved to the end exactly as a
// plain walk of the collection would; Cancel; the move into the
// arrangement with its lock wait, and files put back after an add that was
// never saved.
#include "core/CollectionFile.h"
#include "core/MoveJournal.h"
#include "core/TrackRecords.h"
#include "intake/IntakeFixture.h"
#include "platform/Paths.h"
#include "plugins/TrackInfo.h"

#include <windows.h>

#include <algorithm>
#include <random>

using namespace vuvtest;

namespace {

class AddTracksTest : public IntakeTest {};

bool There(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

vuv::TrackRecord FromFile(const std::string& path)
{
    vuv::TrackRecord track = Track(path);
    vuv::FillTrackFromFile(track, nullptr);
    return track;
}

}  // namespace

TEST_F(AddTracksTest, NewTracksAreReadGivenTheDefaultsSortedSelectedAndSaved)
{
    const vuv::TrackRecord old = FromFile("C:\\Music\\Zed - Old.mp3");
    ASSERT_TRUE(vuv::WriteTrackFile(folder.File("music.mcc"), &old, 1, false));
    Load();
    defaults.preference = 7;
    defaults.album = "Best";
    defaults.year = 1992;
    defaults.autoVolume = true;
    const uint16_t jazz = store().Genres().IdFor("Jazz", true), rock = store().Genres().IdFor("Rock", true);
    defaults.genreIds[3] = rock;  // the tag's genre too: it stands twice
    defaults.genreIds[5] = jazz;
    const vuv::AddResult result =
        Add({Tagged("b.ttag", "artist=Mona\ntitle=X\nalbum=Y\ngenre=Rock\n"), folder.File("Dee - Song.mp3"),
             folder.File("Carl - Tune.ttag")});
    EXPECT_EQ(Paths(), (std::vector<std::string>{"C:\\Music\\Zed - Old.mp3", folder.File("Carl - Tune.ttag"),
                                                 folder.File("Dee - Song.mp3"), folder.File("b.ttag")}));
    EXPECT_EQ(host.log, (std::vector<std::string>{"count 4", "only 1", "save", "select 1-3", "refresh"}));
    const vuv::TrackRecord& mona = store().Track(3);
    EXPECT_STREQ(mona.album, "Best");
    EXPECT_EQ(mona.preference, 7);
    EXPECT_EQ(mona.flags, uint32_t(vuv::kFlagNew));
    EXPECT_EQ(mona.year, 1992);
    EXPECT_EQ(mona.volumeBoost, vuv::kVolumeBoostAutomatic);
    // The genre of its tag, then the default ones (ordered by name when saved).
    EXPECT_EQ(std::vector<uint16_t>(mona.genreIds, mona.genreIds + 4), (std::vector<uint16_t>{jazz, rock, rock, 0}));
    EXPECT_EQ(ReadBytes(folder.File("music.mcc")).size(), 4 * sizeof(vuv::TrackRecord));
    EXPECT_TRUE(vuv::AddResultMessages(result, settings).empty());
}

TEST_F(AddTracksTest, FoundTracksMoveToTheEndAsAPlainWalkOfTheCollectionWould)
{
    // Paths that differ only in case are one file; two files of one artist
    // and title tie in the sort, so that the order the run leaves before it
    // matters too. The plain algorithm: a linear scan, the found track taken
    // out and put back at the end.
    const std::vector<std::string> pool{"C:\\M\\Ann - Rain.mp3", "c:\\m\\ANN - RAIN.MP3", "C:\\N\\Ann - Rain.mp3",
                                        "C:\\M\\Bo - Dust.mp3",  "C:\\M\\Cy - Sand.mp3",  "C:\\M\\cy - sand.mp3",
                                        "C:\\O\\Bo - Dust.mp3",  "C:\\M\\Dee - Fog.mp3"};
    std::mt19937 random(11);
    for (int round = 0; round < 6; ++round) {
        std::vector<vuv::TrackRecord> plain;
        for (int i = 0; i < 6; ++i)
            plain.push_back(FromFile(pool[random() % pool.size()]));
        ASSERT_TRUE(vuv::WriteTrackFile(folder.File("music.mcc"), plain.data(), plain.size(), false));
        Load();
        std::vector<std::string> offered{"", std::string(300, 'x')};
        for (int i = 0; i < 12; ++i)
            offered.push_back(pool[random() % pool.size()]);
        const vuv::AddResult result = Add(offered);

        size_t firstNew = plain.size();
        for (const std::string& path : offered) {
            if (path.empty() || path.size() > 259)
                continue;
            auto found = std::find_if(plain.begin(), plain.end(),
                                      [&](const vuv::TrackRecord& t) { return vuv::SamePath(t.path, path.c_str()); });
            if (found == plain.end()) {
                plain.push_back(FromFile(path));
                continue;
            }
            if (size_t(found - plain.begin()) < firstNew)
                --firstNew;
            std::rotate(found, found + 1, plain.end());
        }
        std::vector<vuv::TrackRecord*> order;
        for (vuv::TrackRecord& t : plain)
            order.push_back(&t);
        vuv::SortTrackPointers(order.data() + firstNew, order.size() - firstNew, vuv::SortState(), nullptr);
        std::vector<std::string> expected;
        for (const vuv::TrackRecord* t : order)
            expected.push_back(t->path);
        EXPECT_EQ(Paths(), expected) << "round " << round;
        EXPECT_EQ(result.firstNew, firstNew);
        EXPECT_EQ(result.rejected, 2u);
        EXPECT_EQ(vuv::AddResultMessages(result, settings), std::vector<std::string>{vuv::kRejectedMessage});
    }
}

TEST_F(AddTracksTest, CancelKeepsWhatWasAddedAndAnEmptyListStillSaves)
{
    std::vector<std::string> ten;
    for (int i = 0; i < 10; ++i)
        ten.push_back(folder.File("Artist " + std::to_string(9 - i) + " - Song.mp3"));
    progress.cancelAfter = 3;
    settings.enqueueNew = true;
    const vuv::AddResult result = Add(ten);
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(Paths(), (std::vector<std::string>{ten[2], ten[1], ten[0]}));
    // The collection was empty: playback starts once the tracks are saved.
    EXPECT_EQ(host.log, (std::vector<std::string>{"queue " + ten[0], "queue " + ten[1], "queue " + ten[2], "count 3",
                                                  "only 0", "save", "play", "select 0-2", "refresh"}));
    progress.cancelAfter = -1;
    Add({});
    EXPECT_EQ(host.log, (std::vector<std::string>{"count 3", "save", "refresh"}));
    EXPECT_EQ(ReadBytes(folder.File("music.mcc")).size(), 3 * sizeof(vuv::TrackRecord));
}

TEST_F(AddTracksTest, MovesIntoTheArrangementNeverLoseAFile)
{
    settings.moveNew = true;
    settings.moveRoot = folder.File("Arranged");
    settings.arrangement = "%a\\%t";
    auto target = [this](const char* title) { return folder.File("Arranged\\Corvina\\") + title + ".ttag"; };
    auto song = [this](const char* name, const char* title) {
        return Tagged(name, std::string("artist=Corvina\ntitle=") + title + "\n");
    };
    const vuv::TrackRecord snow = FromFile(target("Snow"));
    ASSERT_TRUE(vuv::WriteTrackFile(folder.File("music.mcc"), &snow, 1, false));
    Load();
    const std::string rain = song("one.ttag", "Rain"), dust = song("two.ttag", "Snow"), hail = song("three.ttag", "Hail");
    CreateDirectoryA(settings.moveRoot.c_str(), nullptr);
    CreateDirectoryA(folder.File("Arranged\\Corvina").c_str(), nullptr);
    ASSERT_TRUE(WriteBytes(target("Hail"), "someone else's"));  // present, but not in the collection

    vuv::AddResult result = Add({rain, dust, hail});
    EXPECT_FALSE(There(rain));
    EXPECT_TRUE(There(target("Rain")) && There(dust) && There(hail));
    EXPECT_EQ(Paths(), (std::vector<std::string>{target("Snow"), target("Rain")}));  // no tag: no artist
    EXPECT_EQ(result.added, 1u);
    EXPECT_EQ(vuv::AddResultMessages(result, settings),
              (std::vector<std::string>{vuv::kExistedMessage, vuv::kFailedMessage}));

    // A file that another program holds (reading allowed): the run waits
    // for it once.
    const std::string fog = song("four.ttag", "Fog");
    HANDLE held = CreateFileA(fog.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    progress.onPump = [&held] {
        if (held != INVALID_HANDLE_VALUE)
            CloseHandle(held);
        held = INVALID_HANDLE_VALUE;
    };
    result = Add({fog});
    EXPECT_TRUE(There(target("Fog")) && !There(fog));
    EXPECT_FALSE(result.failed);
    EXPECT_GT(progress.pumps, 1);

    // An add that was never saved (the process ended first): the next load
    // puts its file back; a copy across volumes cut off in the middle
    // leaves its partial target, which goes.
    host.save = false;
    const std::string mist = song("five.ttag", "Mist");
    Add({mist});
    EXPECT_TRUE(There(target("Mist")) && !There(mist));
    const std::string cut = song("six.ttag", "Cut");
    ASSERT_TRUE(WriteBytes(target("Cut"), "partial"));
    vuv::MoveJournal journal;
    ASSERT_TRUE(journal.Open(vuv::MoveJournalPathFor(folder.File("music.mcc"))));
    journal.Write(vuv::kAddMoveIntended, cut.c_str(), target("Cut").c_str());
    journal.Close();
    Load();
    EXPECT_TRUE(There(mist) && !There(target("Mist")));
    EXPECT_TRUE(There(cut) && !There(target("Cut")));
    EXPECT_EQ(Paths(), (std::vector<std::string>{target("Snow"), target("Rain"), target("Fog")}));
}
