// vuvtool's commands on music files, run as the built program with the
// suite's own plug-in folder.
#include "core/CollectionFile.h"
#include "core/TrackRecord.h"
#include "platform/Paths.h"
#include "plugins/InputPluginHost.h"
#include "support/TestSupport.h"

#include <windows.h>

#include <string>

#include <gtest/gtest.h>

namespace {

std::string Tool(const std::string& arguments, int* code, std::string* err = nullptr)
{
    std::string out;
    *code = vuvtest::RunCaptured("\"" + vuvtest::SuiteDir() + "vuvtool.exe\" " + arguments, &out, err);
    return out;
}

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

// One second of 16-bit stereo silence at 44.1 kHz, made by sox, under each
// of the names.
void SilentWaves(const vuvtest::ScratchFolder& folder, const std::vector<std::string>& names)
{
    std::string script = "set -e\ncd " + vuvtest::ShellQuoted(vuvtest::UnixPathOf(folder.Path())) +
                         "\nsox -n -r 44100 -c 2 -b 16 silence.wav trim 0 1\n";
    for (const std::string& name : names)
        script += "cp silence.wav " + vuvtest::ShellQuoted(name) + "\n";
    std::string output;
    ASSERT_EQ(vuvtest::RunUnixScript(script, &output), 0) << output;
}

TEST(PluginCommands, ListReadAndWriteThroughTheSuitesPlugins)
{
    vuv::SetPluginFolder(vuvtest::SuiteDir() + "Multiplayer\\Input\\");
    std::string patterns;
    vuv::AppendPatternList(patterns);
    vuv::SetPluginFolder("");
    ASSERT_NE(patterns.find("*.mp3;"), std::string::npos);
    int code = -1;
    EXPECT_EQ(Tool("formats", &code), patterns + "\n");
    EXPECT_EQ(code, 0);

    vuvtest::ScratchFolder music;
    SilentWaves(music, {"Corvina - Rain.wav"});
    const std::string wave = music.File("Corvina - Rain.wav");
    std::string read = Tool("read " + Quoted(wave), &code);
    EXPECT_EQ(code, 0);
    const std::string fields = "artist: Corvina\ntitle: Rain\nalbum: \ngenre: \nyear: 0\ntrack: 0\nlength: 1000\n"
                               "kbps: 1411\nkhz: 44.1\nchannels: 2\nsize: 176444\n---\n"
                               "File :\t\tCorvina - Rain\r\nLocation :\t\t" + music.Path() + "\r\n";
    EXPECT_EQ(read.substr(0, fields.size()), fields);
    for (const char* part : {"\r\nOriginal Size :\t173KB\r\nCompression Ratio :\t1 to 1   (100 %)\r\n",
                             "\r\n\r\nFormat :\tRIFF WAVE\r\n"})
        EXPECT_NE(read.find(part), std::string::npos) << read;

    // Latin-1 letters travel as the ANSI code page's bytes.
    const std::string bjork = GetACP() == 1252 ? "Bj\xF6rk" : "Bjork";
    EXPECT_EQ(Tool("settag " + Quoted(wave) + " ARTIST " + Quoted(bjork), &code), "");
    EXPECT_EQ(code, 0);
    EXPECT_EQ(Tool("settag " + Quoted(wave) + " year 1997", &code), "");
    EXPECT_EQ(Tool("tags " + Quoted(wave), &code), "ARTIST=" + bjork + "\nYEAR=1997\n");
    EXPECT_EQ(code, 0);
    const std::string tagged = "artist: " + bjork + "\ntitle: \nalbum: \ngenre: \nyear: 1997\n";
    EXPECT_EQ(Tool("read " + Quoted(wave), &code).substr(0, tagged.size()), tagged);

    // No plug-in for the file: settag fails, tags lists nothing.
    const std::string text = music.File("notes.txt");
    ASSERT_TRUE(vuvtest::WriteBytes(text, "notes"));
    std::string err;
    EXPECT_EQ(Tool("settag " + Quoted(text) + " ARTIST X", &code, &err), "");
    EXPECT_EQ(code, 2);
    EXPECT_NE(err.find("no input plug-in"), std::string::npos) << err;
    EXPECT_EQ(Tool("tags " + Quoted(text), &code), "");
    EXPECT_EQ(code, 0);
    Tool("read", &code);
    EXPECT_EQ(code, 1);
}

TEST(PluginCommands, RefreshAndRewriteTracksOfACollection)
{
    vuvtest::ScratchFolder folder;
    SilentWaves(folder, {"tagged.wav", "target.wav"});
    const std::string tagged = folder.File("tagged.wav"), target = folder.File("target.wav");
    int code = -1;
    Tool("settag " + Quoted(tagged) + " ARTIST Corvina", &code);
    Tool("settag " + Quoted(tagged) + " TRACK 4", &code);
    ASSERT_EQ(code, 0);
    vuv::TrackRecord tracks[2] = {vuv::CreateTrackRecord(tagged.c_str()), vuv::CreateTrackRecord(target.c_str())};
    vuv::SetField(tracks[0].title, "Old title");
    tracks[0].playCount = 9;
    vuv::SetField(tracks[1].artist, "Sleet");
    vuv::SetField(tracks[1].title, "Snow");
    tracks[1].year = 2002;
    const std::string collection = folder.File("music.mcc"), prefix = "--collection " + Quoted(collection) + " ";
    ASSERT_TRUE(vuv::WriteTrackFile(collection, tracks, 2, false));

    std::string err;
    EXPECT_EQ(Tool(prefix + "refresh 0 2", &code, &err), "");
    EXPECT_EQ(code, 2);
    EXPECT_NE(err.find("no track 2 in a collection of 2 tracks"), std::string::npos) << err;
    Tool(prefix + "refresh", &code);
    EXPECT_EQ(code, 1);
    EXPECT_EQ(Tool(prefix + "refresh 0", &code), "");
    EXPECT_EQ(code, 0);
    EXPECT_EQ(Tool(prefix + "rewrite 1", &code), "");
    EXPECT_EQ(code, 0);

    std::vector<vuv::TrackRecord> saved;
    ASSERT_TRUE(vuv::ReadTrackFile(collection, saved, false));
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(std::string(saved[0].artist) + "|" + saved[0].title + "|" + std::to_string(saved[0].trackNumber) + "|" +
                  std::to_string(saved[0].lengthMs) + "|" + std::to_string(saved[0].sampleRate) + "|" +
                  std::to_string(saved[0].playCount),
              "Corvina||4|1000|44100|9");
    EXPECT_EQ(Tool("tags " + Quoted(target), &code), "ARTIST=Sleet\nTITLE=Snow\nYEAR=2002\n");
}

}  // namespace
