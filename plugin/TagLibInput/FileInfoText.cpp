#include "FileInfoText.h"

#include "AnsiText.h"
#include "Formats.h"
#include "TagElements.h"

#include <aifffile.h>
#include <audioproperties.h>
#include <apefile.h>
#include <asffile.h>
#include <flacfile.h>
#include <id3v2tag.h>
#include <mp4file.h>
#include <mpcfile.h>
#include <mpegfile.h>
#include <oggfile.h>
#include <trueaudiofile.h>
#include <wavfile.h>
#include <wavpackfile.h>

#include <cstdio>
#include <cstring>

namespace taglibinput {

namespace {

void AddLine(std::string& text, const char* label, const std::string& value)
{
    text += label;
    text += " :\t";
    text += value;
    text += "\r\n";
}

std::string Number(long long value)
{
    char buffer[32];
    snprintf(buffer, sizeof(buffer), "%lld", value);
    return buffer;
}

std::string Id3v2Name(const TagLib::ID3v2::Tag* tag)
{
    return "ID3v2." + Number(tag->header()->majorVersion());
}

// "Xing" marks a VBR stream, "Info" (the same header written by LAME for
// CBR) a constant one, "VBRI" a VBR stream from Fraunhofer's encoder. The
// header sits in the first frame, within its first 64 bytes.
const char* MpegRateKind(TagLib::MPEG::File& file)
{
    long offset = file.firstFrameOffset();
    if (offset < 0)
        return nullptr;
    file.seek(offset);
    TagLib::ByteVector head = file.readBlock(64);
    if (head.find("Xing") >= 0 || head.find("VBRI") >= 0)
        return "variable";
    if (head.find("Info") >= 0)
        return "constant";
    return nullptr;
}

std::string MpegCodec(TagLib::MPEG::Properties& p)
{
    std::string codec = "MPEG-";
    switch (p.version()) {
    case TagLib::MPEG::Header::Version1: codec += "1"; break;
    case TagLib::MPEG::Header::Version2: codec += "2"; break;
    default: codec += "2.5"; break;
    }
    codec += " Layer " + Number(p.layer());
    switch (p.channelMode()) {
    case TagLib::MPEG::Header::Stereo: codec += ", stereo"; break;
    case TagLib::MPEG::Header::JointStereo: codec += ", joint stereo"; break;
    case TagLib::MPEG::Header::DualChannel: codec += ", dual channel"; break;
    default: codec += ", mono"; break;
    }
    return codec;
}

struct FormatFacts {
    std::string codec;
    std::string rateKind;  // "variable", "constant" or empty when unknown
    int bitsPerSample = 0;
    std::string tags;      // ", "-joined tag types
};

void AddTagType(std::string& tags, const std::string& name)
{
    if (!tags.empty())
        tags += ", ";
    tags += name;
}

FormatFacts FactsOf(TagLib::File& file)
{
    FormatFacts f;
    if (auto* mpeg = dynamic_cast<TagLib::MPEG::File*>(&file)) {
        if (auto* p = mpeg->audioProperties())
            f.codec = MpegCodec(*p);
        if (const char* kind = MpegRateKind(*mpeg))
            f.rateKind = kind;
        if (mpeg->hasID3v2Tag())
            AddTagType(f.tags, Id3v2Name(mpeg->ID3v2Tag()));
        if (mpeg->hasAPETag())
            AddTagType(f.tags, "APE");
        if (mpeg->hasID3v1Tag())
            AddTagType(f.tags, "ID3v1");
    } else if (auto* flac = dynamic_cast<TagLib::FLAC::File*>(&file)) {
        f.codec = "FLAC, lossless";
        f.rateKind = "variable";
        if (auto* p = flac->audioProperties())
            f.bitsPerSample = p->bitsPerSample();
        if (flac->hasXiphComment())
            AddTagType(f.tags, "Vorbis comment");
        if (flac->hasID3v2Tag())
            AddTagType(f.tags, Id3v2Name(flac->ID3v2Tag()));
        if (flac->hasID3v1Tag())
            AddTagType(f.tags, "ID3v1");
    } else if (auto* mp4 = dynamic_cast<TagLib::MP4::File*>(&file)) {
        if (auto* p = mp4->audioProperties()) {
            if (p->codec() == TagLib::MP4::Properties::AAC)
                f.codec = "AAC";
            else if (p->codec() == TagLib::MP4::Properties::ALAC)
                f.codec = "Apple Lossless";
            f.bitsPerSample = p->bitsPerSample();
        }
        if (mp4->hasMP4Tag() && !mp4->tag()->isEmpty())
            AddTagType(f.tags, "MP4 (iTunes)");
    } else if (auto* asf = dynamic_cast<TagLib::ASF::File*>(&file)) {
        if (auto* p = asf->audioProperties()) {
            f.codec = AnsiFromTagText(p->codecName());
            f.bitsPerSample = p->bitsPerSample();
        }
        if (!asf->tag()->isEmpty())
            AddTagType(f.tags, "ASF");
    } else if (auto* wav = dynamic_cast<TagLib::RIFF::WAV::File*>(&file)) {
        if (auto* p = wav->audioProperties()) {
            f.codec = p->format() == 1 ? "PCM" : "format " + Number(p->format());
            f.bitsPerSample = p->bitsPerSample();
            f.rateKind = "constant";
        }
        if (wav->hasID3v2Tag())
            AddTagType(f.tags, Id3v2Name(wav->ID3v2Tag()));
        if (wav->hasInfoTag())
            AddTagType(f.tags, "RIFF INFO");
    } else if (auto* aiff = dynamic_cast<TagLib::RIFF::AIFF::File*>(&file)) {
        if (auto* p = aiff->audioProperties()) {
            f.codec = p->isAiffC() ? AnsiFromTagText(TagLib::String(p->compressionName()))
                                   : std::string("PCM");
            f.bitsPerSample = p->bitsPerSample();
        }
        if (aiff->hasID3v2Tag())
            AddTagType(f.tags, Id3v2Name(aiff->tag()));
    } else if (auto* ape = dynamic_cast<TagLib::APE::File*>(&file)) {
        if (auto* p = ape->audioProperties()) {
            f.codec = "Monkey's Audio " + Number(p->version()) + ", lossless";
            f.bitsPerSample = p->bitsPerSample();
        }
        if (ape->hasAPETag())
            AddTagType(f.tags, "APE");
        if (ape->hasID3v1Tag())
            AddTagType(f.tags, "ID3v1");
    } else if (auto* wv = dynamic_cast<TagLib::WavPack::File*>(&file)) {
        if (auto* p = wv->audioProperties()) {
            f.codec = p->isLossless() ? "WavPack, lossless" : "WavPack, hybrid lossy";
            f.bitsPerSample = p->bitsPerSample();
        }
        if (wv->hasAPETag())
            AddTagType(f.tags, "APE");
        if (wv->hasID3v1Tag())
            AddTagType(f.tags, "ID3v1");
    } else if (auto* mpc = dynamic_cast<TagLib::MPC::File*>(&file)) {
        if (auto* p = mpc->audioProperties())
            f.codec = "Musepack SV" + Number(p->mpcVersion());
        f.rateKind = "variable";
        if (mpc->hasAPETag())
            AddTagType(f.tags, "APE");
        if (mpc->hasID3v1Tag())
            AddTagType(f.tags, "ID3v1");
    } else if (auto* tta = dynamic_cast<TagLib::TrueAudio::File*>(&file)) {
        if (auto* p = tta->audioProperties()) {
            f.codec = "True Audio " + Number(p->ttaVersion()) + ", lossless";
            f.bitsPerSample = p->bitsPerSample();
        }
        if (tta->hasID3v2Tag())
            AddTagType(f.tags, Id3v2Name(tta->ID3v2Tag()));
        if (tta->hasID3v1Tag())
            AddTagType(f.tags, "ID3v1");
    } else if (file.tag() != nullptr && !file.tag()->isEmpty()) {
        // Ogg streams carry a Vorbis comment; modules their own texts.
        const char* name = dynamic_cast<TagLib::Ogg::File*>(&file) != nullptr ? "Vorbis comment"
                                                                          : "Module texts";
        AddTagType(f.tags, name);
        if (dynamic_cast<TagLib::Ogg::File*>(&file) != nullptr)
            f.rateKind = "variable";
    }
    return f;
}

std::string LengthText(int ms)
{
    char buffer[32];
    int seconds = ms / 1000;
    snprintf(buffer, sizeof(buffer), "%d:%02d.%03d", seconds / 60, seconds % 60, ms % 1000);
    return buffer;
}

}  // namespace

std::string BuildFileInfoText(const FormatInfo& format, TagLib::File& file,
                              const std::vector<TagElement>& elements)
{
    const FormatFacts facts = FactsOf(file);
    std::string text;
    AddLine(text, "Format", format.formatName);
    if (!facts.codec.empty())
        AddLine(text, "Codec", facts.codec);
    if (TagLib::AudioProperties* audio = file.audioProperties()) {
        std::string rate = Number(audio->bitrate()) + " kbps";
        if (!facts.rateKind.empty())
            rate += " (" + facts.rateKind + ")";
        AddLine(text, "Bitrate", rate);
        AddLine(text, "Sample Rate", Number(audio->sampleRate()) + " Hz");
        int channels = audio->channels();
        AddLine(text, "Channels",
                Number(channels) + (channels == 1 ? " (mono)" : channels == 2 ? " (stereo)" : ""));
        if (facts.bitsPerSample > 0)
            AddLine(text, "Bits per Sample", Number(facts.bitsPerSample));
        AddLine(text, "Length", LengthText(audio->lengthInMilliseconds()));
    }
    AddLine(text, "Tags", facts.tags.empty() ? std::string("none") : facts.tags);
    for (const TagElement& element : elements)
        AddLine(text, element.name.c_str(), element.value);
    return text;
}

}  // namespace taglibinput
