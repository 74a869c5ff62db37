#include "core/FileTypeNames.h"

#include "platform/Paths.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

using namespace vuv;

namespace {

// A registered class of our own under HKEY_CLASSES_ROOT for the test.
class RegisteredType {
public:
    RegisteredType(const char* extension, const char* className, const char* description)
        : extension_(extension), className_(className)
    {
        SetDefault(extension, className);
        SetDefault(className, description);
    }
    ~RegisteredType()
    {
        RegDeleteTreeA(HKEY_CLASSES_ROOT, extension_.c_str());
        RegDeleteTreeA(HKEY_CLASSES_ROOT, className_.c_str());
        ResetFileTypeCache();
    }

private:
    static void SetDefault(const char* key, const char* value)
    {
        HKEY h;
        if (RegCreateKeyExA(HKEY_CLASSES_ROOT, key, 0, nullptr, 0, KEY_WRITE, nullptr, &h,
                            nullptr) == ERROR_SUCCESS) {
            RegSetValueExA(h, "", 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                           DWORD(strlen(value) + 1));
            RegCloseKey(h);
        }
    }
    std::string extension_, className_;
};

// The one-entry cache of the plain algorithm: recompute whenever the
// extension differs, byte for byte, from the previous one.
class OneEntryCache {
public:
    std::string TextFor(const std::string& path)
    {
        std::string ext = ExtensionOf(path);
        if (!valid_ || ext != ext_) {
            text_ = ComputeFileTypeText(ext);
            ext_ = ext;
            valid_ = true;
        }
        return text_;
    }

private:
    bool valid_ = false;
    std::string ext_, text_;
};

}  // namespace

TEST(FileTypeNames, IdsAndTheLookupGiveWhatThePlainComputationGives)
{
    // A registered class's description wins; otherwise "<EXT> File", and
    // "File" for a lone dot or no extension.
    RegisteredType type(".vuvr", "VuvTest.Rfile", "Registered Test Audio");
    ResetFileTypeCache();
    EXPECT_EQ(ComputeFileTypeText(".vuvr"), "Registered Test Audio");
    EXPECT_EQ(ComputeFileTypeText(".xyq"), "XYQ File");
    EXPECT_EQ(ComputeFileTypeText("."), "File");
    EXPECT_EQ(FileTypeText(0), "");
    const char* paths[] = {"a.mp3", "b.MP3", "c.vuvr", "d.flac", "e", "f.x", "g.mp3", "h.Vuvr", "i.vuvr", "j.",
                           "k.ogg", "l.mp3", ".ogg", "", "C:\\dir.x\\noext", "C:\\a.verylongextension123",
                           "C:\\b.verylongextension123", "\\\\srv\\s\\x.q"};
    OneEntryCache plain;
    FileTypeLookup lookup;
    for (int round = 0; round < 3; ++round)
        for (const char* p : paths) {
            EXPECT_EQ(FileTypeText(FileTypeIdForPath(p)), plain.TextFor(p)) << p;
            EXPECT_EQ(lookup.IdForPath(p), FileTypeIdForPath(p)) << p;
        }
    // Equal texts share one id, whatever the extension's case.
    EXPECT_EQ(FileTypeIdForPath("x.mp3"), FileTypeIdForPath("y.MP3"));
    EXPECT_NE(FileTypeIdForPath("C:\\m\\a.q"), FileTypeIdForPath("C:\\m\\a.qq"));
}
