#include "export/ExportPreset.h"

#include "export/ExportFile.h"
#include "platform/FileHandle.h"
#include "platform/SafeSave.h"
#include "platform/Paths.h"

#include <cstdint>
#include <cstring>

namespace vuv {
namespace {

// One field of the file, in file order; a text's limit counts its NUL.
struct Field {
    const char* name;  // as the refusal names it
    size_t limit;      // 0 for a switch (one byte)
    std::string ExportInputs::*text;
    bool ExportInputs::*flag;
};

const Field kFields[] = {
    {"layout", kLayoutLimit, &ExportInputs::layout, nullptr},
    {"top text", kTopLimit, &ExportInputs::top, nullptr},
    {"bottom text", kBottomLimit, &ExportInputs::bottom, nullptr},
    {"artist heading switch", 0, nullptr, &ExportInputs::artistHeadings},
    {"text before the artist", kHeadingTextLimit, &ExportInputs::beforeArtist, nullptr},
    {"text after the artist", kHeadingTextLimit, &ExportInputs::afterArtist, nullptr},
    {"album heading switch", 0, nullptr, &ExportInputs::albumHeadings},
    {"text before the album", kHeadingTextLimit, &ExportInputs::beforeAlbum, nullptr},
    {"text after the album", kHeadingTextLimit, &ExportInputs::afterAlbum, nullptr},
    {"destination switch", 0, nullptr, &ExportInputs::toClipboard},
    {"HTML switch", 0, nullptr, &ExportInputs::html},
};

// The largest file a preset can be: every text at its limit.
constexpr size_t MaxPresetBytes()
{
    size_t total = 0;
    for (const Field& f : kFields)
        total += f.limit ? 4 + f.limit : 1;
    return total;
}

uint32_t LittleEndian32(const unsigned char* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

// Parses the whole file into `out`; an empty result, or the reason.
std::string Parse(const std::string& bytes, ExportInputs& out)
{
    const unsigned char* p = reinterpret_cast<const unsigned char*>(bytes.data());
    size_t at = 0;
    const size_t size = bytes.size();
    for (const Field& f : kFields) {
        const std::string name = f.name;
        if (!f.limit) {
            if (at >= size)
                return "it ends before its " + name;
            if (p[at] > 1)
                return "its " + name + " is " + std::to_string(p[at]) + ", neither 0 nor 1";
            out.*f.flag = p[at++] != 0;
            continue;
        }
        if (size - at < 4)
            return "it ends before the length of its " + name;
        const uint32_t n = LittleEndian32(p + at);
        at += 4;
        if (n > f.limit)
            return "its " + name + " claims " + std::to_string(n) + " bytes, more than the " +
                   std::to_string(f.limit) + " it may hold";
        if (size - at < n)
            return "it ends within its " + name;
        const char* text = bytes.data() + at;
        if (n == 0 || text[n - 1] != '\0' || memchr(text, '\0', n - 1))
            return "its " + name + " is not a text ending in one NUL";
        out.*f.text = std::string(text, n - 1);
        at += n;
    }
    if (at != size)
        return "it goes on after its last field";
    return std::string();
}

void PutText(std::string& out, const std::string& text, size_t limit)
{
    const std::string kept = text.substr(0, limit - 1);
    const uint32_t n = uint32_t(kept.size() + 1);
    for (int i = 0; i < 4; ++i)
        out += char((n >> (8 * i)) & 0xFF);
    out += kept;
    out += '\0';
}

}  // namespace

PresetLoad ReadExportPreset(const std::string& path, ExportInputs& inputs)
{
    PresetLoad load;
    FileHandle file;
    file.Open(path, FileAccess::Read, FileDisposition::OpenExisting, false, true);
    if (!file.IsOpen())
        return load;
    // One byte more than the largest preset tells an oversized file without
    // reading all of it.
    std::string bytes(MaxPresetBytes() + 1, '\0');
    bytes.resize(file.Read(&bytes[0], uint32_t(bytes.size())));
    ExportInputs read = inputs;
    const std::string reason = Parse(bytes, read);
    if (!reason.empty()) {
        load.status = PresetStatus::Refused;
        load.message = "The preset '" + FileNameOf(path) + "' was not loaded: " + reason + ".";
        return load;
    }
    inputs = read;
    load.status = PresetStatus::Loaded;
    return load;
}

bool WriteExportPreset(const std::string& path, const ExportInputs& inputs)
{
    std::string bytes;
    for (const Field& f : kFields) {
        if (f.limit)
            PutText(bytes, inputs.*f.text, f.limit);
        else
            bytes += char(inputs.*f.flag ? 1 : 0);
    }
    return WriteReplacing(path, [&bytes](FileHandle& file) {
               return file.Write(bytes.data(), uint32_t(bytes.size()));
           }) == WriteOutcome::Written;
}

std::string PresetPathWithExtension(const std::string& chosenPath)
{
    return PathWithDefaultExtension(chosenPath, kPresetExtension);
}

}  // namespace vuv
