#include "e2e/TaggedMusic.h"

#include "platform/Paths.h"

#include <windows.h>

namespace vuvtest {

namespace {

std::string Quoted(const std::string& path) { return ShellQuoted(UnixPathOf(path)); }

std::vector<std::string> SplitTabs(const std::string& line)
{
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
        const size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos)
            return fields;
        start = tab + 1;
    }
}

}  // namespace

bool MakeTaggedMusic(const ScratchFolder& folder)
{
    return RunUnixScript("cd " + Quoted(folder.Path()) +
                         " && sox -n -r 44100 -c 2 -b 16 tone.wav synth 1 sine 440 && "
                         "lame --quiet -b 128 --add-id3v2 --ta Corvina --tt Rain --tl Clouds --ty 2001 --tn 3 "
                         "tone.wav a.mp3 && "
                         "flac --silent -o b.flac -T ARTIST=Sleet -T TITLE=Snow tone.wav && "
                         "oggenc --quiet -a Sleet -t Hail -o c.ogg tone.wav && rm tone.wav && "
                         "sox -n -r 44100 -c 2 -b 16 d.wav synth 0.1 sine 440") == 0;
}

std::string UnixOutput(const std::string& script)
{
    std::string output;
    RunUnixScript(script, &output);
    return output;
}

std::string ListedTags(const std::string& path)
{
    const std::string ext = vuv::ExtensionOf(path);
    if (ext == ".mp3")
        return UnixOutput("id3v2 -l " + Quoted(path));
    if (ext == ".flac")
        return UnixOutput("metaflac --export-tags-to=- " + Quoted(path));
    return UnixOutput("vorbiscomment -l " + Quoted(path));
}

std::string DecodedDigest(const std::string& path)
{
    const std::string ext = vuv::ExtensionOf(path);
    const std::string decoder = ext == ".mp3"    ? "lame --quiet --decode " + Quoted(path) + " -"
                                : ext == ".flac" ? "flac --silent -d -c " + Quoted(path)
                                                 : "oggdec --quiet -o - " + Quoted(path);
    return UnixOutput(decoder + " | md5sum");
}

std::vector<std::vector<std::string>> DumpedTracks(const std::string& collection)
{
    std::string out;
    RunCaptured("\"" + SuiteDir() + "vuvtool.exe\" --collection \"" + collection + "\" dump", &out);
    std::vector<std::vector<std::string>> rows;
    size_t start = out.find('\n');  // after the header
    while (start != std::string::npos && start + 1 < out.size()) {
        const size_t end = out.find('\n', start + 1);
        rows.push_back(SplitTabs(out.substr(start + 1, end == std::string::npos ? std::string::npos : end - start - 1)));
        start = end;
    }
    return rows;
}

}  // namespace vuvtest
