// Helpers shared by the tests: where the built suite lies, a private
// settings key per test, and a private scratch folder per test.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace vuvtest {

// A Unix path given by the test runner as a Windows path on Wine's Z: drive.
std::string WindowsPathFromEnv(const char* variable);
// build/.../suite with a trailing "\".
std::string SuiteDir();

// A kernel object name of this test program's own ("vuvtest<pid>_<base>"),
// so that test programs running side by side never share an object.
std::string PrivateObjectName(const char* base);

// Points the settings store at a key of its own for the object's lifetime
// and deletes that key afterwards, so that tests running side by side never
// see each other's settings.
class ScopedSettingsKey {
public:
    ScopedSettingsKey();
    ~ScopedSettingsKey();
    const std::string& Subkey() const { return subkey_; }

private:
    std::string subkey_;
};

// An empty folder of its own (with a trailing "\"), deleted with everything
// in it when the object goes.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + name; }

private:
    std::string path_;
};

// Runs a Windows program with its stdout and stderr captured, waits for it
// and returns its exit code (-1 when it could not be started).
int RunCaptured(const std::string& commandLine, std::string* out, std::string* err = nullptr);
// The same with a UTF-16 command line, for arguments beyond the ANSI code page.
int RunCaptured(const std::wstring& commandLine, std::string* out, std::string* err = nullptr);

// The Unix path of a Windows path (Wine's own mapping); empty when it has
// none. Tests use it to hand files to Debian's command-line tools.
std::string UnixPathOf(const std::string& windowsPath);
// Runs a POSIX shell script (/bin/sh) as a Unix process, which Wine starts
// from a Windows program, and waits for it. Returns its exit status, or -1
// when it could not be run; `output` (optional) gets its stdout and stderr.
int RunUnixScript(const std::string& script, std::string* output = nullptr);
// A path quoted for the shell ('...').
std::string ShellQuoted(const std::string& text);

// Runs `work` on a thread of its own and waits for it (up to 10 s); false
// when it did not run to its end. Mutexes belong to threads: whether another
// holder can take one is seen only from a second thread.
bool RunOnOtherThread(const std::function<void()>& work);
// An MPEG file's bytes (starting with an ID3v2 tag) with the tag header's
// size raised to `claimed` bytes: a damaged tag that claims the audio after
// it. `claimed` must fit the 28 bits of the header's syncsafe size.
std::string WithId3v2SizeClaim(std::string bytes, uint32_t claimed);
// The size an ID3v2 tag header at the start of the bytes gives.
uint32_t Id3v2SizeOf(const std::string& bytes);

// Sets or clears a file's read-only attribute; false on failure.
bool SetReadOnly(const std::string& path, bool readOnly);
bool IsReadOnly(const std::string& path);

// Writes bytes to a file, replacing it; false on failure.
bool WriteBytes(const std::string& path, const std::string& bytes);
// The whole file; empty when it cannot be read.
std::string ReadBytes(const std::string& path);

}  // namespace vuvtest
