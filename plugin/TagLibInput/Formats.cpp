#include "Formats.h"

#include "AnsiText.h"

#include <aifffile.h>
#include <apefile.h>
#include <asffile.h>
#include <flacfile.h>
#include <id3v2framefactory.h>
#include <itfile.h>
#include <modfile.h>
#include <mp4file.h>
#include <mpcfile.h>
#include <mpegfile.h>
#include <oggflacfile.h>
#include <opusfile.h>
#include <s3mfile.h>
#include <speexfile.h>
#include <trueaudiofile.h>
#include <vorbisfile.h>
#include <wavfile.h>
#include <wavpackfile.h>
#include <xmfile.h>

#include <cstring>
#include <new>

namespace taglibinput {

namespace {

using TagLib::FileName;
using TagLib::IOStream;
using Style = TagLib::AudioProperties::ReadStyle;
template <class Source>
using Opener = TagLib::File* (*)(Source source, bool readAudio);

// Average reading: exact enough for lengths and bit rates, without scanning
// whole files (Accurate reads every MPEG frame header).
constexpr Style kStyle = TagLib::AudioProperties::Average;

// Each format's class, on a file name (a file TagLib opens itself, for
// writing) or on a stream of the caller's (ReadOnlyStream, for reading).
template <class S>
TagLib::File* OpenMpeg(S s, bool a)
{
    return new TagLib::MPEG::File(s, TagLib::ID3v2::FrameFactory::instance(), a, kStyle);
}
template <class S>
TagLib::File* OpenFlac(S s, bool a)
{
    return new TagLib::FLAC::File(s, TagLib::ID3v2::FrameFactory::instance(), a, kStyle);
}
template <class S> TagLib::File* OpenVorbis(S s, bool a) { return new TagLib::Ogg::Vorbis::File(s, a, kStyle); }
template <class S> TagLib::File* OpenOpus(S s, bool a) { return new TagLib::Ogg::Opus::File(s, a, kStyle); }
template <class S> TagLib::File* OpenSpeex(S s, bool a) { return new TagLib::Ogg::Speex::File(s, a, kStyle); }
// ".oga" is any audio in an Ogg container: FLAC first, then Vorbis.
template <class S>
TagLib::File* OpenOga(S s, bool a)
{
    TagLib::File* file = new TagLib::Ogg::FLAC::File(s, a, kStyle);
    if (file->isValid())
        return file;
    delete file;
    return new TagLib::Ogg::Vorbis::File(s, a, kStyle);
}
template <class S> TagLib::File* OpenMp4(S s, bool a) { return new TagLib::MP4::File(s, a, kStyle); }
template <class S> TagLib::File* OpenAsf(S s, bool a) { return new TagLib::ASF::File(s, a, kStyle); }
template <class S> TagLib::File* OpenWav(S s, bool a) { return new TagLib::RIFF::WAV::File(s, a, kStyle); }
template <class S> TagLib::File* OpenAiff(S s, bool a) { return new TagLib::RIFF::AIFF::File(s, a, kStyle); }
template <class S> TagLib::File* OpenApe(S s, bool a) { return new TagLib::APE::File(s, a, kStyle); }
template <class S> TagLib::File* OpenWavPack(S s, bool a) { return new TagLib::WavPack::File(s, a, kStyle); }
template <class S> TagLib::File* OpenMpc(S s, bool a) { return new TagLib::MPC::File(s, a, kStyle); }
template <class S> TagLib::File* OpenTta(S s, bool a) { return new TagLib::TrueAudio::File(s, a, kStyle); }
template <class S> TagLib::File* OpenMod(S s, bool a) { return new TagLib::Mod::File(s, a, kStyle); }
template <class S> TagLib::File* OpenS3m(S s, bool a) { return new TagLib::S3M::File(s, a, kStyle); }
template <class S> TagLib::File* OpenIt(S s, bool a) { return new TagLib::IT::File(s, a, kStyle); }
template <class S> TagLib::File* OpenXm(S s, bool a) { return new TagLib::XM::File(s, a, kStyle); }

struct FormatRow {
    FormatInfo info;
    Opener<FileName> open;
    Opener<IOStream*> openStream;
};

// The table's two openers of one format.
#define OPENERS(name) name<FileName>, name<IOStream*>

const FormatRow kFormats[] = {
    {{".mp3", "MPEG Layer-3 Audio (MP3)", "MPEG audio", LayoutKind::TagsAround}, OPENERS(OpenMpeg)},
    {{".mp2", "MPEG Layer-2 Audio (MP2)", "MPEG audio", LayoutKind::TagsAround}, OPENERS(OpenMpeg)},
    {{".flac", "FLAC Lossless Audio", "FLAC", LayoutKind::Flac}, OPENERS(OpenFlac)},
    {{".ogg", "Ogg Vorbis Audio", "Ogg Vorbis", LayoutKind::Ogg}, OPENERS(OpenVorbis)},
    {{".oga", "Ogg Audio (Vorbis or FLAC)", "Ogg audio", LayoutKind::Ogg}, OPENERS(OpenOga)},
    {{".opus", "Opus Audio", "Ogg Opus", LayoutKind::Ogg}, OPENERS(OpenOpus)},
    {{".spx", "Speex Audio", "Ogg Speex", LayoutKind::Ogg}, OPENERS(OpenSpeex)},
    {{".m4a", "MPEG-4 Audio (AAC or Apple Lossless)", "MPEG-4 audio", LayoutKind::Mp4}, OPENERS(OpenMp4)},
    {{".m4b", "MPEG-4 Audio Book", "MPEG-4 audio", LayoutKind::Mp4}, OPENERS(OpenMp4)},
    {{".mp4", "MPEG-4 Audio", "MPEG-4 audio", LayoutKind::Mp4}, OPENERS(OpenMp4)},
    {{".wma", "Windows Media Audio", "Windows Media (ASF)", LayoutKind::Asf}, OPENERS(OpenAsf)},
    {{".asf", "Windows Media Audio (ASF)", "Windows Media (ASF)", LayoutKind::Asf}, OPENERS(OpenAsf)},
    {{".wav", "Wave Audio", "RIFF WAVE", LayoutKind::Wave}, OPENERS(OpenWav)},
    {{".aif", "AIFF Audio", "AIFF", LayoutKind::Aiff}, OPENERS(OpenAiff)},
    {{".aiff", "AIFF Audio", "AIFF", LayoutKind::Aiff}, OPENERS(OpenAiff)},
    {{".aifc", "AIFF-C Audio", "AIFF-C", LayoutKind::Aiff}, OPENERS(OpenAiff)},
    {{".ape", "Monkey's Audio (APE)", "Monkey's Audio", LayoutKind::TagsAround}, OPENERS(OpenApe)},
    {{".wv", "WavPack Audio", "WavPack", LayoutKind::TagsAround}, OPENERS(OpenWavPack)},
    {{".mpc", "Musepack Audio", "Musepack", LayoutKind::TagsAround}, OPENERS(OpenMpc)},
    {{".tta", "True Audio (TTA)", "True Audio", LayoutKind::TagsAround}, OPENERS(OpenTta)},
    {{".mod", "ProTracker Module", "Module (MOD)", LayoutKind::Module}, OPENERS(OpenMod)},
    {{".s3m", "ScreamTracker 3 Module", "Module (S3M)", LayoutKind::Module}, OPENERS(OpenS3m)},
    {{".it", "Impulse Tracker Module", "Module (IT)", LayoutKind::Module}, OPENERS(OpenIt)},
    {{".xm", "FastTracker 2 Module", "Module (XM)", LayoutKind::Module}, OPENERS(OpenXm)},
};

#undef OPENERS

const FormatRow* RowOfPath(const char* path)
{
    if (path == nullptr)
        return nullptr;
    const char* dot = strrchr(path, '.');
    const char* slash = strrchr(path, '\\');
    if (dot == nullptr || (slash != nullptr && slash > dot))
        return nullptr;
    for (const FormatRow& row : kFormats)
        if (_stricmp(row.info.extension, dot) == 0)
            return &row;
    return nullptr;
}

}  // namespace

size_t FormatCount() { return sizeof(kFormats) / sizeof(kFormats[0]); }

const FormatInfo* FormatAt(size_t index)
{
    return index < FormatCount() ? &kFormats[index].info : nullptr;
}

const FormatInfo* FormatOfPath(const char* path)
{
    const FormatRow* row = RowOfPath(path);
    return row != nullptr ? &row->info : nullptr;
}

namespace {

const FormatRow* RowOfFormat(const FormatInfo& format)
{
    for (const FormatRow& row : kFormats)
        if (&row.info == &format)
            return &row;
    return nullptr;
}

// The opened file when TagLib reads it as its format; null otherwise.
template <class Source>
std::unique_ptr<TagLib::File> Opened(Opener<Source> open, Source source, bool readAudio)
{
    std::unique_ptr<TagLib::File> file;
    try {
        file.reset(open(source, readAudio));
    } catch (const std::exception&) {
        // TagLib does not throw by design; an allocation for a huge damaged
        // size field can. Such a file is treated as unreadable.
        return nullptr;
    }
    if (!file || !file->isValid())
        return nullptr;
    return file;
}

}  // namespace

std::unique_ptr<TagLib::File> OpenMusicFile(const FormatInfo& format, const std::wstring& wide,
                                            bool readAudio)
{
    const FormatRow* row = RowOfFormat(format);
    if (row == nullptr || wide.empty())
        return nullptr;
    return Opened(row->open, FileName(wide.c_str()), readAudio);
}

std::unique_ptr<TagLib::File> OpenMusicFile(const FormatInfo& format, TagLib::IOStream& stream,
                                            bool readAudio)
{
    const FormatRow* row = RowOfFormat(format);
    if (row == nullptr || !stream.isOpen())
        return nullptr;
    return Opened(row->openStream, &stream, readAudio);
}

bool HoldsAudio(TagLib::File& file)
{
    auto* mpeg = dynamic_cast<TagLib::MPEG::File*>(&file);
    return mpeg == nullptr || mpeg->firstFrameOffset() >= 0;
}

}  // namespace taglibinput
