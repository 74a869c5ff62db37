#include "FileReading.h"

#include "AnsiText.h"
#include "FileInfoText.h"
#include "Formats.h"
#include "ReadOnlyStream.h"

#include <audioproperties.h>
#include <tag.h>
#include <tpropertymap.h>

#include <mutex>

namespace taglibinput {

namespace {

constexpr uint64_t kLargestSize = 0xFFFFFFFFu;

uint32_t CappedSize(uint64_t size) { return static_cast<uint32_t>(size < kLargestSize ? size : kLargestSize); }

// TagLib reports unknown stream facts as 0, damaged ones possibly below.
uint32_t NonNegative(int value) { return value > 0 ? static_cast<uint32_t>(value) : 0; }

// The last reading, with the file state it was taken from. `generation`
// counts the forgettings, so that a reading that was being taken while a
// write forgot the cache is not kept.
struct KeptReading {
    std::mutex mutex;
    std::string path;  // ANSI, compared exactly
    FileIdentity identity;
    std::shared_ptr<const FileReading> reading;
    unsigned generation = 0;
};

KeptReading& Kept()
{
    static KeptReading kept;
    return kept;
}

std::shared_ptr<const FileReading> Parse(const FormatInfo& format, ReadOnlyStream& stream)
{
    auto reading = std::make_shared<FileReading>();
    reading->fileSize = CappedSize(stream.Identity().size);
    std::unique_ptr<TagLib::File> file = OpenMusicFile(format, stream, true);
    if (!file)
        return reading;
    reading->parsed = true;
    if (TagLib::AudioProperties* audio = file->audioProperties()) {
        reading->hasAudio = true;
        reading->kbps = NonNegative(audio->bitrate());
        reading->sampleRate = NonNegative(audio->sampleRate());
        reading->channels = NonNegative(audio->channels());
        reading->lengthMs = NonNegative(audio->lengthInMilliseconds());
    }
    const TagLib::PropertyMap properties = file->properties();
    reading->artist = JoinedValueOf(properties, "ARTIST");
    reading->title = JoinedValueOf(properties, "TITLE");
    reading->album = JoinedValueOf(properties, "ALBUM");
    reading->genre = FirstValueOf(properties, "GENRE");
    if (TagLib::Tag* tag = file->tag()) {
        // A year or track number that does not fit is left out rather than
        // wrapped.
        const uint32_t year = tag->year() <= 0xFFFFu ? tag->year() : 0;
        const uint32_t track = tag->track() <= 0xFFu ? tag->track() : 0;
        reading->hasTag = true;
        reading->yearAndTrack = year | (track << 16);
    }
    reading->elements = ReadTagElements(*file, properties);
    reading->infoText = BuildFileInfoText(format, *file, reading->elements);
    return reading;
}

}  // namespace

std::shared_ptr<const FileReading> ReadMusicFile(const char* path)
{
    const std::wstring wide = WidePathFromAnsi(path);
    FileIdentity identity;
    if (!IdentityOfPath(wide, identity))
        return nullptr;
    const FormatInfo* format = FormatOfPath(path);
    if (format == nullptr) {
        auto reading = std::make_shared<FileReading>();
        reading->fileSize = CappedSize(identity.size);
        return reading;
    }

    KeptReading& kept = Kept();
    unsigned generation;
    {
        std::lock_guard<std::mutex> lock(kept.mutex);
        if (kept.reading && kept.identity == identity && kept.path == path)
            return kept.reading;
        generation = kept.generation;
    }

    ReadOnlyStream stream(wide);
    if (!stream.isOpen())
        return nullptr;
    std::shared_ptr<const FileReading> reading = Parse(*format, stream);

    // Kept under the state the open handle saw before reading a byte: a
    // change while it was read gives the file a newer state, which the
    // next call does not find here.
    std::lock_guard<std::mutex> lock(kept.mutex);
    if (kept.generation == generation) {
        kept.path = path;
        kept.identity = stream.Identity();
        kept.reading = reading;
    }
    return reading;
}

void ForgetFileReadings()
{
    KeptReading& kept = Kept();
    std::lock_guard<std::mutex> lock(kept.mutex);
    kept.reading.reset();
    kept.path.clear();
    ++kept.generation;
}

}  // namespace taglibinput
