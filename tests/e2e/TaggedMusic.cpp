#include "e2e/TaggedMusic.h"


#include <windows.h>

#include <sstream>

namespace vuvtest {

namespace {

std::string Quoted(const std::string& path) { return ShellQuoted(UnixPathOf(path)); }

std::string UnixOutput(const std::string& script)
{
    std::string output;
    RunUnixScript(script, &output);
    return output;
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

std::string TrackLine(const std::string& path, const std::string& artist, const std::string& album,
                      const std::string& genres, int preference)
{
    return path + "\t" + artist + "\tTitle\t" + album + "\t2001\t3\t" + genres + "\t1000\t128\t44100\t2\t" +
           std::to_string(preference) + "\t1\t0\t500\t1";
}

std::string ListedTags(const std::string& path)
{
    // Each tool passes over the other formats quietly.
    const std::string file = Quoted(path);
    return UnixOutput("id3v2 -l " + file + " | grep -v ': No ID3 tag'; metaflac --export-tags-to=- " + file +
                      " 2>/dev/null; vorbiscomment -l " + file + " 2>/dev/null");
}

std::vector<std::string> DumpedTracks(const std::string& collection)
{
    std::string out, line, field;
    RunCaptured("\"" + SuiteDir() + "vuvtool.exe\" --collection \"" + collection + "\" dump", &out);
    std::istringstream lines(out);
    std::getline(lines, line);  // the header: index, artist, ... (see the dump)
    std::vector<std::string> tracks;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string text;
        for (int column = 0; std::getline(fields, field, '\t'); ++column)
            if ((column >= 1 && column <= 6) || column == 12 || column == 13 || column == 15)
                text += (text.empty() ? "" : "|") + field;
        tracks.push_back(text);
    }
    return tracks;
}

}  // namespace vuvtest
