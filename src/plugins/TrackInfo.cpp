#include "plugins/TrackInfo.h"

#include "core/FileTypeNames.h"
#include "platform/Clock.h"
#include "platform/Paths.h"
#include "plugins/InputPluginHost.h"
#include "plugins/PluginCalls.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace vuv {

namespace {

std::string Format(const char* format, ...)
{
    char buffer[4096];
    va_list args;
    va_start(args, format);
    int n = vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (n < 0)
        return std::string();
    return std::string(buffer, static_cast<size_t>(n) < sizeof buffer ? n : sizeof buffer - 1);
}

// Artist and title from a file name without tags: "Artist - Title" splits
// at the first '-', each side cut to 99 characters and then trimmed of
// spaces; a name without '-' is the title, cut but not trimmed.
void NamesFromFileName(TrackRecord& track)
{
    const std::string name = BaseNameOf(track.path);
    size_t dash = name.find('-');
    if (dash == std::string::npos) {
        SetField(track.title, name);
        return;
    }
    std::string artist = name.substr(0, dash).substr(0, kTagTextSize - 1);
    std::string title = name.substr(dash + 1).substr(0, kTagTextSize - 1);
    TrimSpaces(artist);
    TrimSpaces(title);
    SetField(track.artist, artist);
    SetField(track.title, title);
}

// "25" -> "2.5", "10" -> "1.0", "8" -> ".8".
std::string TenthsText(long long tenths)
{
    std::string digits = std::to_string(tenths);
    digits.insert(digits.size() - 1, ".");
    return digits;
}

// Steps shared by both texts: file, location, type, extension, length, size
// and the compression block.
std::string FileBlock(const TrackRecord& track)
{
    const std::string path = track.path;
    const std::string name = BaseNameOf(path);
    size_t slash = path.rfind('\\');
    const std::string folder =
        slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string& type = FileTypeText(FileTypeIdForPath(track.path));
    const std::string extension = ExtensionOf(path);
    int minutes = static_cast<int>(track.lengthMs / 60000);
    int seconds = static_cast<int>((track.lengthMs % 60000) / 1000);
    int sizeKb = track.fileSize == 0 ? 0 : static_cast<int>((track.fileSize >> 10) + 1);

    std::string text = Format(
        "File :\t\t%s\r\nLocation :\t\t%s\r\nType :\t\t%s\r\nExtension : \t%s\r\n"
        "Length (m:ss) :\t%d:%02d\r\nSize :\t\t%dKB",
        name.c_str(), folder.c_str(), type.c_str(), extension.c_str(), minutes, seconds, sizeKb);

    // Uncompressed size of 16-bit PCM at the track's rate and channels, in
    // KB, with signed 64-bit arithmetic (channels is a signed byte).
    long long uncompressed = static_cast<long long>(track.sampleRate) *
                             static_cast<long long>(track.channels) *
                             static_cast<long long>(track.lengthMs) * 2 / 1000 / 1024;
    long long size = sizeKb;
    if (uncompressed != 0 && size != 0) {
        if (uncompressed - size < 1024 && size - uncompressed < 1024)
            uncompressed = size;
        long long percent = size * 100 / uncompressed;
        long long ratioTenths = uncompressed * 10 / size;
        std::string ratio;
        if (uncompressed == size)
            ratio = "1";
        else if (ratioTenths <= 30)
            ratio = TenthsText(ratioTenths);
        else
            ratio = std::to_string(ratioTenths / 10);
        // The original size is shown by its low 32 bits.
        const int originalKb = static_cast<int>(static_cast<uint32_t>(uncompressed));
        text += Format("\r\nOriginal Size :\t%dKB\r\n", originalKb);
        text += Format("Compression Ratio :\t%s to 1   (%d %%)\r\n", ratio.c_str(),
                       static_cast<int>(percent));
    }
    return text;
}

void AppendPluginText(std::string& text, const TrackRecord& track)
{
    bool called = false;
    std::string info = ReadPluginInfoText(track.path, &called);
    if (!called)
        return;
    text += "\r\n\r\n";
    text += info;
}

}  // namespace

void FillTrackFromFile(TrackRecord& track, char* genreText)
{
    char localGenre[kGenreTextSize];
    char* genre = genreText != nullptr ? genreText : localGenre;
    genre[0] = '\0';
    if (track.artist[0] != '\0' || track.title[0] != '\0')
        return;

    char path[kPathTextSize];
    memcpy(path, track.path, sizeof path);
    memset(&track, 0, sizeof track);
    memcpy(track.path, path, sizeof path);
    track.dateAdded = CurrentFileTimeUtc();

    const PluginModule* plugin = FindPluginForExtension(ExtensionOf(track.path));
    if (plugin != nullptr && plugin->getTrackInfo != nullptr) {
        uint32_t kbps = 0, sampleRate = 0, channels = 0, lengthMs = 0, fileSize = 0;
        uint32_t yearAndTrack = 0, preference = 0;
        plugin->getTrackInfo(path, &kbps, &sampleRate, &channels, &lengthMs, &fileSize,
                             track.artist, track.title, track.album, &yearAndTrack, &preference,
                             genre);
        // A plug-in that overran its texts must not leave them unterminated.
        track.artist[kTagTextSize - 1] = '\0';
        track.title[kTagTextSize - 1] = '\0';
        track.album[kTagTextSize - 1] = '\0';
        genre[kGenreTextSize - 1] = '\0';
        track.kbps = static_cast<int16_t>(kbps & 0xFFFF);
        track.sampleRate = sampleRate;
        track.channels = static_cast<int8_t>(channels & 0xFF);
        track.lengthMs = lengthMs;
        track.fileSize = fileSize;
        track.year = static_cast<int16_t>(yearAndTrack & 0xFFFF);
        track.trackNumber = static_cast<uint8_t>((yearAndTrack >> 16) & 0xFF);
        track.preference = static_cast<uint8_t>(preference & 0xFF);
    }
    if (track.artist[0] == '\0' && track.title[0] == '\0')
        NamesFromFileName(track);
}

std::string BuildTrackInfoText(const TrackRecord& track)
{
    if (track.path[0] == '\0')
        return "Not Playing";
    std::string text = FileBlock(track);

    const int half = track.preference + 1;
    std::string preference = std::to_string(half / 2) + (half % 2 != 0 ? ".5" : "");
    const std::string date = LongDateText(track.dateAdded);
    std::string volume = track.volumeBoost == kVolumeBoostAutomatic
                             ? std::string("Auto [Yet to set]")
                             : Format("%d dB", (track.volumeBoost - kVolumeBoostZeroDb) / 50);
    text += Format("\r\nPreferrence :\t%s\r\nYear :\t\t%d\r\nTimes Played :\t%d\r\nDate Added :\t%s"
                   "\r\nVolume Boost :\t%s",
                   preference.c_str(), static_cast<int>(track.year),
                   static_cast<int>(track.playCount), date.c_str(), volume.c_str());
    AppendPluginText(text, track);
    return text;
}

std::string BuildTrackDetailsText(const TrackRecord& track)
{
    if (track.path[0] == '\0')
        return "Not Playing";
    std::string text = FileBlock(track);
    AppendPluginText(text, track);
    return text;
}

}  // namespace vuv
