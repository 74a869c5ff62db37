#include "intake/IntakeSettings.h"

#include "core/GenreList.h"
#include "platform/Paths.h"
#include "platform/Settings.h"

#include <algorithm>
#include <cstdio>

namespace vuv {

namespace {

constexpr size_t kSettingTextSize = 260;

std::string TextSetting(const char* name, size_t size)
{
    char text[kSettingTextSize] = "";
    GetText(text, size, name);
    return text;
}

std::string TextOr(const char* name, const char* fallback)
{
    std::string value = TextSetting(name, kSettingTextSize);
    return value.empty() ? std::string(fallback) : value;
}

}  // namespace

std::string DefaultGenreSetting(int slot)
{
    char name[32];
    snprintf(name, sizeof name, "DefaultGenre%02d", slot);
    return name;
}

IntakeSettings LoadIntakeSettings()
{
    IntakeSettings s;
    s.enqueueNew = GetNumber(kEnqueueNewSetting) != 0;
    s.moveNew = GetNumber(kMoveNewSetting) != 0;
    s.moveRoot = TextSetting(kMoveRootSetting, kSettingTextSize);
    s.arrangement = TextSetting(kMoveArrangementSetting, kSettingTextSize);
    return s;
}

void StoreIntakeSettings(const IntakeSettings& s)
{
    SetNumber(s.moveNew ? 1 : 0, kMoveNewSetting);
    SetText(s.moveRoot.substr(0, kSettingTextSize - 1).c_str(), kMoveRootSetting);
    SetText(s.arrangement.substr(0, kSettingTextSize - 1).c_str(), kMoveArrangementSetting);
    SetNumber(s.enqueueNew ? 1 : 0, kEnqueueNewSetting);
}

NewTrackDefaults LoadNewTrackDefaults()
{
    NewTrackDefaults d;
    const uint32_t stored = GetNumber(kDefaultPreferenceSetting);
    d.preference = stored == 0 ? kDefaultNewPreference : uint8_t(std::min<uint32_t>(stored - 1, 9));
    d.artist = TextSetting(kDefaultArtistSetting, kTagTextSize);
    d.album = TextSetting(kDefaultAlbumSetting, kTagTextSize);
    for (int slot = 0; slot < kGenreSlots; ++slot)
        d.genreIds[slot] = uint16_t(GetNumber(DefaultGenreSetting(slot).c_str()));
    d.year = int16_t(GetNumber(kDefaultYearSetting));
    d.autoVolume = GetNumber(kDefaultAutoVolumeSetting) != 0;
    return d;
}

void StoreNewTrackDefaults(const NewTrackDefaults& d)
{
    SetNumber(uint32_t(d.preference) + 1, kDefaultPreferenceSetting);
    SetText(d.artist.substr(0, kTagTextSize - 1).c_str(), kDefaultArtistSetting);
    SetText(d.album.substr(0, kTagTextSize - 1).c_str(), kDefaultAlbumSetting);
    for (int slot = 0; slot < kGenreSlots; ++slot)
        SetNumber(d.genreIds[slot], DefaultGenreSetting(slot).c_str());
    SetNumber(uint32_t(int32_t(d.year)), kDefaultYearSetting);
    SetNumber(d.autoVolume ? 1 : 0, kDefaultAutoVolumeSetting);
}

void ApplyNewTrackDefaults(TrackRecord& track, const NewTrackDefaults& d)
{
    track.preference = d.preference;
    if (!d.artist.empty())
        SetField(track.artist, d.artist);
    if (!d.album.empty())
        SetField(track.album, d.album);
    if (d.year != 0)
        track.year = d.year;
    for (uint16_t id : d.genreIds) {
        if (id == 0)
            continue;
        for (uint16_t& slot : track.genreIds)
            if (slot == 0) {
                slot = id;
                break;
            }
    }
    if (d.autoVolume)
        track.volumeBoost = kVolumeBoostAutomatic;
}

int16_t ParseYearText(const std::string& text)
{
    std::string t = text;
    TrimSpaces(t);
    if (t.empty() || t.size() > 6)
        return 0;
    size_t i = (t[0] == '-') ? 1 : 0;
    if (i == t.size())
        return 0;
    long value = 0;
    for (; i < t.size(); ++i) {
        if (t[i] < '0' || t[i] > '9')
            return 0;
        value = value * 10 + (t[i] - '0');
    }
    if (t[0] == '-')
        value = -value;
    return value < -32768 || value > 32767 ? 0 : int16_t(value);
}

void DefaultGenresFromNames(const std::vector<std::string>& checkedNames, GenreList& genres,
                            uint16_t (&ids)[kGenreSlots])
{
    for (int slot = 0; slot < kGenreSlots; ++slot)
        ids[slot] = size_t(slot) < checkedNames.size() ? genres.IdFor(checkedNames[slot].c_str(), false) : 0;
}

LookoutSettings LoadLookoutSettings()
{
    LookoutSettings s;
    s.folder = TextOr(kLookoutFolderSetting, kDefaultLookoutFolder);
    s.schedule = GetNumber(kLookoutScheduleSetting);
    s.recurse = GetNumber(kLookoutRecurseSetting) != 0;
    s.everyMinutes = TextOr(kLookoutEverySetting, kDefaultLookoutMinutes);
    return s;
}

void StoreLookoutSettings(const LookoutSettings& s)
{
    SetText(s.folder.substr(0, kSettingTextSize - 1).c_str(), kLookoutFolderSetting);
    SetNumber(s.schedule, kLookoutScheduleSetting);
    SetNumber(s.recurse ? 1 : 0, kLookoutRecurseSetting);
    SetText(s.everyMinutes.substr(0, kSettingTextSize - 1).c_str(), kLookoutEverySetting);
}

}  // namespace vuv
