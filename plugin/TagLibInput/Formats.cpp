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
using Style = TagLib::AudioProperties::ReadStyle;
using Opener = TagLib::File* (*)(FileName name, bool readAudio);

// Average reading: exact enough for lengths and bit rates, without scanning
// whole files (Accurate reads every MPEG frame header).
constexpr Style kStyle = TagLib::AudioProperties::Average;

TagLib::File* OpenMpeg(FileName n, bool a)
{
    return new TagLib::MPEG::File(n, TagLib::ID3v2::FrameFactory::instance(), a, kStyle);
}
TagLib::File* OpenFlac(FileName n, bool a)
{
    return new TagLib::FLAC::File(n, TagLib::ID3v2::FrameFactory::instance(), a, kStyle);
}
TagLib::File* OpenVorbis(FileName n, bool a) { return new TagLib::Ogg::Vorbis::File(n, a, kStyle); }
TagLib::File* OpenOpus(FileName n, bool a) { return new TagLib::Ogg::Opus::File(n, a, kStyle); }
TagLib::File* OpenSpeex(FileName n, bool a) { return new TagLib::Ogg::Speex::File(n, a, kStyle); }
// ".oga" is any audio in an Ogg container: FLAC first, then Vorbis.
TagLib::File* OpenOga(FileName n, bool a)
{
    TagLib::File* file = new TagLib::Ogg::FLAC::File(n, a, kStyle);
    if (file->isValid())
        return file;
    delete file;
    return new TagLib::Ogg::Vorbis::File(n, a, kStyle);
}
TagLib::File* OpenMp4(FileName n, bool a) { return new TagLib::MP4::File(n, a, kStyle); }
TagLib::File* OpenAsf(FileName n, bool a) { return new TagLib::ASF::File(n, a, kStyle); }
TagLib::File* OpenWav(FileName n, bool a) { return new TagLib::RIFF::WAV::File(n, a, kStyle); }
TagLib::File* OpenAiff(FileName n, bool a) { return new TagLib::RIFF::AIFF::File(n, a, kStyle); }
TagLib::File* OpenApe(FileName n, bool a) { return new TagLib::APE::File(n, a, kStyle); }
TagLib::File* OpenWavPack(FileName n, bool a) { return new TagLib::WavPack::File(n, a, kStyle); }
TagLib::File* OpenMpc(FileName n, bool a) { return new TagLib::MPC::File(n, a, kStyle); }
TagLib::File* OpenTta(FileName n, bool a) { return new TagLib::TrueAudio::File(n, a, kStyle); }
TagLib::File* OpenMod(FileName n, bool a) { return new TagLib::Mod::File(n, a, kStyle); }
TagLib::File* OpenS3m(FileName n, bool a) { return new TagLib::S3M::File(n, a, kStyle); }
TagLib::File* OpenIt(FileName n, bool a) { return new TagLib::IT::File(n, a, kStyle); }
TagLib::File* OpenXm(FileName n, bool a) { return new TagLib::XM::File(n, a, kStyle); }

struct FormatRow {
    FormatInfo info;
    Opener open;
};

const FormatRow kFormats[] = {
    {{".mp3", "MPEG Layer-3 Audio (MP3)", "MPEG audio", LayoutKind::TagsAround}, OpenMpeg},
    {{".mp2", "MPEG Layer-2 Audio (MP2)", "MPEG audio", LayoutKind::TagsAround}, OpenMpeg},
    {{".flac", "FLAC Lossless Audio", "FLAC", LayoutKind::Flac}, OpenFlac},
    {{".ogg", "Ogg Vorbis Audio", "Ogg Vorbis", LayoutKind::Ogg}, OpenVorbis},
    {{".oga", "Ogg Audio (Vorbis or FLAC)", "Ogg audio", LayoutKind::Ogg}, OpenOga},
    {{".opus", "Opus Audio", "Ogg Opus", LayoutKind::Ogg}, OpenOpus},
    {{".spx", "Speex Audio", "Ogg Speex", LayoutKind::Ogg}, OpenSpeex},
    {{".m4a", "MPEG-4 Audio (AAC or Apple Lossless)", "MPEG-4 audio", LayoutKind::Mp4}, OpenMp4},
    {{".m4b", "MPEG-4 Audio Book", "MPEG-4 audio", LayoutKind::Mp4}, OpenMp4},
    {{".mp4", "MPEG-4 Audio", "MPEG-4 audio", LayoutKind::Mp4}, OpenMp4},
    {{".wma", "Windows Media Audio", "Windows Media (ASF)", LayoutKind::Asf}, OpenAsf},
    {{".asf", "Windows Media Audio (ASF)", "Windows Media (ASF)", LayoutKind::Asf}, OpenAsf},
    {{".wav", "Wave Audio", "RIFF WAVE", LayoutKind::Wave}, OpenWav},
    {{".aif", "AIFF Audio", "AIFF", LayoutKind::Aiff}, OpenAiff},
    {{".aiff", "AIFF Audio", "AIFF", LayoutKind::Aiff}, OpenAiff},
    {{".aifc", "AIFF-C Audio", "AIFF-C", LayoutKind::Aiff}, OpenAiff},
    {{".ape", "Monkey's Audio (APE)", "Monkey's Audio", LayoutKind::TagsAround}, OpenApe},
    {{".wv", "WavPack Audio", "WavPack", LayoutKind::TagsAround}, OpenWavPack},
    {{".mpc", "Musepack Audio", "Musepack", LayoutKind::TagsAround}, OpenMpc},
    {{".tta", "True Audio (TTA)", "True Audio", LayoutKind::TagsAround}, OpenTta},
    {{".mod", "ProTracker Module", "Module (MOD)", LayoutKind::Module}, OpenMod},
    {{".s3m", "ScreamTracker 3 Module", "Module (S3M)", LayoutKind::Module}, OpenS3m},
    {{".it", "Impulse Tracker Module", "Module (IT)", LayoutKind::Module}, OpenIt},
    {{".xm", "FastTracker 2 Module", "Module (XM)", LayoutKind::Module}, OpenXm},
};

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

std::unique_ptr<TagLib::File> OpenMusicFile(const char* path, bool readAudio)
{
    const FormatRow* row = RowOfPath(path);
    if (row == nullptr)
        return nullptr;
    return OpenMusicFile(row->info, WidePathFromAnsi(path), readAudio);
}

std::unique_ptr<TagLib::File> OpenMusicFile(const FormatInfo& format, const std::wstring& wide,
                                            bool readAudio)
{
    const FormatRow* row = nullptr;
    for (const FormatRow& candidate : kFormats)
        if (&candidate.info == &format)
            row = &candidate;
    if (row == nullptr || wide.empty())
        return nullptr;
    std::unique_ptr<TagLib::File> file;
    try {
        file.reset(row->open(FileName(wide.c_str()), readAudio));
    } catch (const std::exception&) {
        // TagLib does not throw by design; an allocation for a huge damaged
        // size field can. Such a file is treated as unreadable.
        return nullptr;
    }
    if (!file || !file->isValid())
        return nullptr;
    return file;
}

bool HoldsAudio(TagLib::File& file)
{
    auto* mpeg = dynamic_cast<TagLib::MPEG::File*>(&file);
    return mpeg == nullptr || mpeg->firstFrameOffset() >= 0;
}

}  // namespace taglibinput
