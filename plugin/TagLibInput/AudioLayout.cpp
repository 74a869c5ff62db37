#include "AudioLayout.h"

#include "TagRegions.h"

#include <mpegfile.h>

#include <algorithm>
#include <string>

namespace taglibinput {

namespace {

// (offset, length) pieces of the file that make up one thing.
using Pieces = std::vector<std::pair<long, long>>;

void AddSpan(AudioLayout& layout, long offset, long length)
{
    if (length <= 0)
        return;
    auto& spans = layout.spans;
    if (!spans.empty() && spans.back().first + spans.back().second == offset)
        spans.back().second += length;
    else
        spans.emplace_back(offset, length);
}

void AddFact(AudioLayout& layout, const std::string& name, uint64_t value)
{
    layout.facts += name + std::to_string(value) + ";";
}

// MPEG audio, Monkey's Audio, WavPack, Musepack, True Audio: an ID3v2 tag
// before the audio (TagLib finds MPEG's after leading junk too), ID3v1 and
// APE tags after it.
bool ReadTagsAround(FileBytes& bytes, AudioLayout& layout)
{
    long at = bytes.Has(0, "ID3") ? 0 : -1;
    auto* mpeg = dynamic_cast<TagLib::MPEG::File*>(&bytes.File());
    if (at < 0 && mpeg != nullptr && mpeg->hasID3v2Tag())
        at = bytes.Find("ID3", 0);
    long begin = 0;
    if (at >= 0) {
        AddSpan(layout, 0, at);
        if (!Id3v2TagEnd(bytes, at, begin))
            return false;
    }
    long end = bytes.Length();
    if (!CutTrailingTags(bytes, begin, end, true))
        return false;
    AddSpan(layout, begin, end - begin);
    return true;
}

// An optional ID3v2 tag, "fLaC", metadata blocks, frames, an optional
// ID3v1 tag. The stream information and seek table blocks count as audio:
// TagLib rewrites the other blocks.
bool ReadFlac(FileBytes& bytes, AudioLayout& layout)
{
    long begin = 0;
    if (bytes.Has(0, "ID3") && !Id3v2TagEnd(bytes, 0, begin))
        return false;
    const long start = bytes.Find("fLaC", begin);
    if (start < 0)
        return false;
    AddSpan(layout, begin, start - begin);
    long at = start + 4;
    for (bool last = false; !last;) {
        const TagLib::ByteVector header = bytes.At(at, 4);
        if (header.size() != 4)
            return false;
        last = (uint8_t(header[0]) & 0x80) != 0;
        const unsigned type = uint8_t(header[0]) & 0x7F;
        const long size = long(BigEndian(header, 1, 3));
        if (at + 4 + size > bytes.Length())
            return false;
        if (type == 0 || type == 3) {
            AddFact(layout, "block", type);
            AddSpan(layout, at + 4, size);
        }
        at += 4 + size;
    }
    long end = bytes.Length();
    if (!CutTrailingTags(bytes, at, end, false))
        return false;
    AddSpan(layout, at, end - at);
    return true;
}

// The packet that holds an Ogg stream's tags: the second for Vorbis, Opus
// and Speex; for FLAC in Ogg the first metadata block of the comment type.
size_t CommentPacket(FileBytes& bytes, const std::vector<Pieces>& packets)
{
    if (packets.empty() || packets[0].empty())
        return 1;
    const TagLib::ByteVector head = bytes.At(packets[0][0].first, 5);
    if (head != TagLib::ByteVector("\x7F" "FLAC"))
        return 1;
    for (size_t i = 1; i < packets.size() && i < 64; ++i)
        if (!packets[i].empty() && (uint8_t(bytes.At(packets[i][0].first, 1)[0]) & 0x7F) == 4)
            return i;
    return packets.size();
}

// Pages from the first "OggS" on, their packets numbered over the whole
// file as TagLib numbers them. Every packet but the comment counts as
// audio; the packets' sizes and the pages' granule positions are facts.
// Page headers are not compared: TagLib renumbers the pages after a
// comment that needs more or fewer pages.
bool ReadOgg(FileBytes& bytes, AudioLayout& layout)
{
    long at = bytes.Find("OggS", 0);
    if (at < 0)
        return false;
    AddSpan(layout, 0, at);
    std::vector<Pieces> packets(1);
    while (at + 27 <= bytes.Length() && bytes.Has(at, "OggS")) {
        const TagLib::ByteVector header = bytes.At(at, 27);
        const long segments = uint8_t(header[26]);
        const TagLib::ByteVector lacing = bytes.At(at + 27, segments);
        if (long(lacing.size()) != segments)
            return false;
        long body = at + 27 + segments;
        for (long i = 0; i < segments; ++i) {
            const long lace = uint8_t(lacing[i]);
            if (body + lace > bytes.Length())
                return false;
            packets.back().emplace_back(body, lace);
            body += lace;
            if (lace < 255)
                packets.emplace_back();
        }
        const uint64_t granule = LittleEndian(header, 6, 8);
        if (granule != 0 && granule != ~uint64_t(0))
            AddFact(layout, "granule" + std::to_string(packets.size() - 1) + "=", granule);
        at = body;
    }
    if (packets.back().empty())
        packets.pop_back();
    const size_t comment = CommentPacket(bytes, packets);
    for (size_t i = 0; i < packets.size(); ++i) {
        if (i == comment)
            continue;
        long size = 0;
        for (const auto& piece : packets[i]) {
            AddSpan(layout, piece.first, piece.second);
            size += piece.second;
        }
        AddFact(layout, "packet", uint64_t(size));
    }
    AddSpan(layout, at, bytes.Length() - at);  // whatever follows the pages
    return true;
}

struct Atom {
    std::string type;
    long at;
    long header;  // 8, or 16 with a 64-bit size
    long size;    // header included
};

// The atoms in [from, to); false when one reaches beyond `to`.
bool ReadAtoms(FileBytes& bytes, long from, long to, std::vector<Atom>& atoms)
{
    for (long at = from; at + 8 <= to;) {
        const TagLib::ByteVector header = bytes.At(at, 16);
        Atom atom{std::string(header.data() + 4, 4), at, 8, long(BigEndian(header, 0, 4))};
        if (atom.size == 1) {
            const uint64_t large = BigEndian(header, 8, 8);
            if (large > uint64_t(to - at))
                return false;
            atom.header = 16;
            atom.size = long(large);
        } else if (atom.size == 0) {
            atom.size = to - at;
        }
        if (atom.size < atom.header || atom.size > to - at)
            return false;
        atoms.push_back(atom);
        at += atom.size;
    }
    return true;
}

// Where a chunk offset of a sample table points: into which "mdat" payload
// and how far into it (absolute when into none).
std::string PlaceOf(uint64_t offset, const std::vector<Atom>& top)
{
    size_t index = 0;
    for (const Atom& atom : top) {
        if (atom.type != "mdat")
            continue;
        const uint64_t payload = uint64_t(atom.at + atom.header);
        if (offset >= payload && offset < uint64_t(atom.at + atom.size))
            return "m" + std::to_string(index) + "+" + std::to_string(offset - payload);
        ++index;
    }
    return "a" + std::to_string(offset);
}

// A track's atoms count whole as audio, but for the chunk offset tables:
// TagLib moves them when "moov" grows before "mdat", so they count by the
// place in "mdat" they point to.
bool ReadTrack(FileBytes& bytes, const Atom& parent, const std::vector<Atom>& top,
               AudioLayout& layout, int depth)
{
    std::vector<Atom> children;
    if (depth > 4 || !ReadAtoms(bytes, parent.at + parent.header, parent.at + parent.size, children))
        return false;
    AddSpan(layout, parent.at, parent.header);
    for (const Atom& child : children) {
        if (child.type == "mdia" || child.type == "minf" || child.type == "stbl") {
            if (!ReadTrack(bytes, child, top, layout, depth + 1))
                return false;
        } else if (child.type == "stco" || child.type == "co64") {
            const size_t width = child.type == "stco" ? 4 : 8;
            const TagLib::ByteVector table = bytes.At(child.at, child.size);
            AddSpan(layout, child.at, 16);  // header, version, flags, count
            for (size_t i = 16; i + width <= table.size(); i += width)
                layout.facts += PlaceOf(BigEndian(table, i, width), top) + ",";
        } else {
            AddSpan(layout, child.at, child.size);
        }
    }
    return true;
}

// Every "mdat" payload, and the movie's atoms but the tag ones ("udta",
// "meta") and the padding TagLib resizes ("free", "skip").
bool ReadMp4(FileBytes& bytes, AudioLayout& layout)
{
    std::vector<Atom> top;
    if (!ReadAtoms(bytes, 0, bytes.Length(), top))
        return false;
    for (const Atom& atom : top) {
        if (atom.type == "mdat") {
            AddFact(layout, "mdat", uint64_t(atom.size - atom.header));
            AddSpan(layout, atom.at + atom.header, atom.size - atom.header);
        } else if (atom.type == "moov") {
            std::vector<Atom> children;
            if (!ReadAtoms(bytes, atom.at + atom.header, atom.at + atom.size, children))
                return false;
            for (const Atom& child : children) {
                if (child.type == "trak") {
                    if (!ReadTrack(bytes, child, top, layout, 0))
                        return false;
                } else if (child.type != "udta" && child.type != "meta" && child.type != "free" &&
                           child.type != "skip") {
                    AddSpan(layout, child.at, child.size);
                }
            }
        } else if (atom.type != "free" && atom.type != "skip" && atom.type != "udta" &&
                   atom.type != "meta") {
            AddSpan(layout, atom.at, atom.size);
        }
    }
    return true;
}

// The header object (which holds the tags) and everything after it.
bool ReadAsf(FileBytes& bytes, AudioLayout& layout)
{
    const char kHeaderObject[] = "\x30\x26\xB2\x75\x8E\x66\xCF\x11\xA6\xD9\x00\xAA\x00\x62\xCE\x6C";
    const TagLib::ByteVector header = bytes.At(0, 24);
    if (header.mid(0, 16) != TagLib::ByteVector(kHeaderObject, 16))
        return false;
    const uint64_t size = LittleEndian(header, 16, 8);
    if (size < 30 || size > uint64_t(bytes.Length()))
        return false;
    AddSpan(layout, long(size), bytes.Length() - long(size));
    return true;
}

bool IsChunkName(const TagLib::ByteVector& name)
{
    if (name.size() != 4)
        return false;
    for (char c : name)
        if (c < 32 || c > 126)
            return false;
    return true;
}

// RIFF WAVE and AIFF: every chunk but the tag chunks ("ID3 ", "id3 ", and
// in WAVE "LIST" of type "INFO") counts as audio, with its name and size as
// facts. Chunks are walked as TagLib walks them, its padding rules
// included.
bool ReadChunks(FileBytes& bytes, bool wave, AudioLayout& layout)
{
    if (!(wave ? bytes.Has(0, "RIFF") && bytes.Has(8, "WAVE")
               : bytes.Has(0, "FORM") && (bytes.Has(8, "AIFF") || bytes.Has(8, "AIFC"))))
        return false;
    AddSpan(layout, 8, 4);
    long at = 12;
    while (at + 8 <= bytes.Length()) {
        const TagLib::ByteVector header = bytes.At(at, 12);
        const TagLib::ByteVector name = header.mid(0, 4);
        if (!IsChunkName(name))
            break;
        const long size = long(wave ? LittleEndian(header, 4, 4) : BigEndian(header, 4, 4));
        if (size < 0 || size > bytes.Length() - at - 8)
            return false;
        const bool tag = name == "ID3 " || name == "id3 " ||
                         (wave && name == "LIST" && header.mid(8, 4) == "INFO");
        if (!tag) {
            AddFact(layout, std::string(name.data(), 4), uint64_t(size));
            AddSpan(layout, at + 8, size);
        }
        at += 8 + size;
        if ((at & 1) != 0 && at < bytes.Length() &&
            (bytes.At(at, 1)[0] == 0 || IsChunkName(bytes.At(at + 1, 4))))
            ++at;
    }
    AddSpan(layout, at, bytes.Length() - at);  // junk after the chunks
    return true;
}

}  // namespace

bool ReadAudioLayout(TagLib::File& file, LayoutKind kind, AudioLayout& layout)
{
    layout = AudioLayout();
    FileBytes bytes(file);
    switch (kind) {
    case LayoutKind::TagsAround: return ReadTagsAround(bytes, layout);
    case LayoutKind::Flac: return ReadFlac(bytes, layout);
    case LayoutKind::Ogg: return ReadOgg(bytes, layout);
    case LayoutKind::Mp4: return ReadMp4(bytes, layout);
    case LayoutKind::Asf: return ReadAsf(bytes, layout);
    case LayoutKind::Wave: return ReadChunks(bytes, true, layout);
    case LayoutKind::Aiff: return ReadChunks(bytes, false, layout);
    case LayoutKind::Module:
        // TagLib writes a module's title and comment into its fixed-size
        // name fields, in place: the file keeps its length.
        AddFact(layout, "length", uint64_t(bytes.Length()));
        return true;
    }
    return false;
}

namespace {

// The bytes of a layout's spans, in order, a block at a time.
class SpanReader {
public:
    SpanReader(TagLib::File& file, const AudioLayout& layout) : bytes_(file), spans_(layout.spans) {}

    // The next `size` bytes, fewer at the end; false when the file ends
    // before its spans do.
    bool Next(size_t size, TagLib::ByteVector& block)
    {
        block.clear();
        while (block.size() < size && index_ < spans_.size()) {
            const auto& span = spans_[index_];
            const long take = std::min(span.second - used_, long(size - block.size()));
            const TagLib::ByteVector part = bytes_.At(span.first + used_, take);
            if (long(part.size()) != take)
                return false;
            block.append(part);
            used_ += take;
            if (used_ == span.second) {
                ++index_;
                used_ = 0;
            }
        }
        return true;
    }

private:
    FileBytes bytes_;
    const std::vector<std::pair<long, long>>& spans_;
    size_t index_ = 0;
    long used_ = 0;
};

long TotalLength(const AudioLayout& layout)
{
    long total = 0;
    for (const auto& span : layout.spans)
        total += span.second;
    return total;
}

}  // namespace

bool SameAudio(TagLib::File& first, const AudioLayout& firstLayout, TagLib::File& second,
               const AudioLayout& secondLayout)
{
    if (firstLayout.facts != secondLayout.facts)
        return false;
    long left = TotalLength(firstLayout);
    if (left != TotalLength(secondLayout))
        return false;
    constexpr size_t kBlock = 64 * 1024;
    SpanReader a(first, firstLayout), b(second, secondLayout);
    TagLib::ByteVector blockA, blockB;
    while (left > 0) {
        if (!a.Next(kBlock, blockA) || !b.Next(kBlock, blockB) || blockA != blockB ||
            blockA.isEmpty())
            return false;
        left -= long(blockA.size());
    }
    return true;
}

}  // namespace taglibinput
