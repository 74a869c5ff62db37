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

// The bytes of one such file.
std::string SilentWave()
{
    static const std::string bytes = [] {
        vuvtest::ScratchFolder folder;
        SilentWaves(folder, {"one.wav"});
        return vuvtest::ReadBytes(folder.File("one.wav"));
    }();
    return bytes;
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

std::wstring Wide(const std::string& ansi)
{
    std::wstring wide(ansi.size() + 1, L'\0');
    wide.resize(size_t(MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, &wide[0], int(wide.size()))));
    return wide.substr(0, wide.size() - 1);
}

TEST(PluginCommands, SettagAndReadFailWhenNothingIsWrittenOrRead)
{
    vuvtest::ScratchFolder music;
    int code = -1;
    std::string err;
    auto refused = [&](const std::string& file, const char* name, const char* why) {
        const std::string before = vuvtest::ReadBytes(file);
        EXPECT_EQ(Tool("settag " + Quoted(file) + " " + name + " Corvina", &code, &err), "");
        EXPECT_EQ(code, 2) << file;
        EXPECT_NE(err.find("'" + file + "': "), std::string::npos) << err;
        EXPECT_NE(err.find(why), std::string::npos) << err;
        EXPECT_TRUE(vuvtest::ReadBytes(file) == before) << file;
    };
    const std::string locked = music.File("locked.wav");
    ASSERT_TRUE(vuvtest::WriteBytes(locked, SilentWave()));
    ASSERT_TRUE(SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY));
    refused(locked, "ARTIST", "read-only");
    EXPECT_TRUE(GetFileAttributesA(locked.c_str()) & FILE_ATTRIBUTE_READONLY);
    SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_TRUE(CreateDirectoryA(music.File("folder.wav").c_str(), nullptr));
    refused(music.File("folder.wav"), "ARTIST", "folder");
    refused(music.File("absent.wav"), "ARTIST", "does not exist");
    ASSERT_TRUE(vuvtest::WriteBytes(music.File("notes.mp3"), "just notes"));
    refused(music.File("notes.mp3"), "ARTIST", "cannot read");
    // A tracker module holds a title but no artist.
    const std::string module = music.File("song.mod");
    ASSERT_TRUE(CopyFileA((vuvtest::WindowsPathFromEnv("VUV_TAGLIB_TEST_DATA") + "\\test.mod").c_str(),
                          module.c_str(), FALSE));
    refused(module, "ARTIST", "does not keep");

    Tool("read " + Quoted(music.File("absent.wav")), &code, &err);
    EXPECT_EQ(code, 2);
    EXPECT_NE(err.find("no such file"), std::string::npos) << err;

    // A name with a letter the ANSI code page lacks never reaches the file
    // whose name the look-alike letters spell.
    const std::string wave = music.File("lodz.wav");
    ASSERT_TRUE(vuvtest::WriteBytes(wave, SilentWave()));
    const std::wstring polish = Wide(music.Path()) + L"\u0141\u00f3d\u017a.wav";
    ASSERT_TRUE(CopyFileW(Wide(wave).c_str(), polish.c_str(), FALSE));
    ASSERT_TRUE(CopyFileA(wave.c_str(), music.File("L\xF3" "dz.wav").c_str(), FALSE));
    std::string out;
    code = vuvtest::RunCaptured(L"\"" + Wide(vuvtest::SuiteDir()) + L"vuvtool.exe\" settag \"" +
                                    polish + L"\" ARTIST Corvina",
                                &out, &err);
    EXPECT_EQ(code, 2);
    EXPECT_NE(err.find("ANSI"), std::string::npos) << err;
    EXPECT_TRUE(vuvtest::ReadBytes(music.File("L\xF3" "dz.wav")) == SilentWave());
}

// A write killed at its most delicate point, just before the written copy
// replaces the file: the file is whole, the copy lies beside it under a
// name no plug-in claims.
TEST(PluginCommands, AKillDuringATagWriteLeavesTheFileWhole)
{
    vuvtest::ScratchFolder music;
    const std::string wave = music.File("song.wav");
    ASSERT_TRUE(vuvtest::WriteBytes(wave, SilentWave()));
    int code = -1;
    SetEnvironmentVariableA("VUV_TEST_TAG_WRITE_FAULT", "kill-before-replace");
    Tool("settag " + Quoted(wave) + " ARTIST Corvina", &code);
    SetEnvironmentVariableA("VUV_TEST_TAG_WRITE_FAULT", nullptr);
    EXPECT_NE(code, 0);
    EXPECT_TRUE(vuvtest::ReadBytes(wave) == SilentWave());
    std::vector<vuv::FolderEntry> entries = vuv::FolderEntries(music.Path(), "*");
    ASSERT_EQ(entries.size(), 2u);
    vuv::SetPluginFolder(vuvtest::SuiteDir() + "Multiplayer\\Input\\");
    for (const vuv::FolderEntry& entry : entries)
        EXPECT_EQ(vuv::IsSupportedFile(entry.fullPath), entry.name == "song.wav") << entry.name;
    vuv::SetPluginFolder("");
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

    // An MP3 whose ID3v2 size claims 30,000 bytes of its audio is reported
    // and left as it is.
    const std::string mp3 = folder.File("forged.mp3");
    ASSERT_EQ(vuvtest::RunUnixScript("cd " + vuvtest::ShellQuoted(vuvtest::UnixPathOf(folder.Path())) +
                                     " && sox -n -r 44100 -c 2 -b 16 five.wav synth 5 sine 440 && "
                                     "lame --quiet -b 128 --tt Rain five.wav forged.mp3"),
              0);
    std::string forged = vuvtest::ReadBytes(mp3);
    forged = vuvtest::WithId3v2SizeClaim(forged, vuvtest::Id3v2SizeOf(forged) + 30000);
    ASSERT_TRUE(vuvtest::WriteBytes(mp3, forged));
    tracks[1] = vuv::CreateTrackRecord(mp3.c_str());
    vuv::SetField(tracks[1].title, "Snow");
    ASSERT_TRUE(vuv::WriteTrackFile(collection, tracks, 2, false));
    EXPECT_EQ(Tool(prefix + "rewrite 1", &code, &err), "");
    EXPECT_EQ(code, 2);
    EXPECT_NE(err.find("'" + mp3 + "': its tag or layout is damaged"), std::string::npos) << err;
    EXPECT_TRUE(vuvtest::ReadBytes(mp3) == forged);
}

}  // namespace
