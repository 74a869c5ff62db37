// The settings of new tracks: a fresh system's defaults as stored, the
// default genres from the checked names and the typed year.
#include "core/GenreList.h"
#include "intake/IntakeSettings.h"
#include "platform/Settings.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace vuvtest;

TEST(IntakeSettings, FreshDefaultsStoreAsPreferenceFive)
{
    ScopedSettingsKey key;
    vuv::NewTrackDefaults d = vuv::LoadNewTrackDefaults();
    vuv::StoreNewTrackDefaults(d);
    EXPECT_EQ(vuv::GetNumber("DefaultPreference"), 5u);
    EXPECT_EQ(vuv::LoadNewTrackDefaults().preference, 4);
}

TEST(IntakeSettings, CheckedGenresAndTypedYears)
{
    vuv::GenreList genres;
    std::vector<std::string> names;
    for (int i = 0; i < 25; ++i) {
        names.push_back("Genre " + std::to_string(i));
        genres.IdFor(names.back().c_str(), true);
    }
    names[1] = "Gone";  // no longer in the list
    uint16_t ids[vuv::kGenreSlots];
    vuv::DefaultGenresFromNames(names, genres, ids);
    EXPECT_EQ(ids[0], genres.IdFor("genre 0", false));
    EXPECT_EQ(ids[1], 0);
    EXPECT_EQ(ids[19], genres.IdFor("Genre 19", false));
    for (const char* text : {"abc", "12a", "", "99999"})
        EXPECT_EQ(vuv::ParseYearText(text), 0) << text;
    EXPECT_EQ(vuv::ParseYearText(" 2001 "), 2001);
}
