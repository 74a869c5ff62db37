#include "core/FileTypeNames.h"

#include "platform/Paths.h"
#include "platform/Settings.h"

#include <cstring>
#include <deque>
#include <mutex>
#include <unordered_map>

namespace vuv {
namespace {

// Guarded by one lock: the arrange worker thread may compute types too.
struct Table {
    std::mutex lock;
    std::deque<std::string> texts{std::string()};  // id 0: no text; deque keeps references stable
    std::unordered_map<std::string, uint32_t> idByText;
    std::unordered_map<std::string, uint32_t> idByExtension;
};

Table& TheTable()
{
    static Table table;
    return table;
}

}  // namespace

std::string ComputeFileTypeText(const std::string& extension)
{
    std::string text;
    if (!extension.empty()) {
        char className[260];
        GetText(className, sizeof className, "", SettingsRoot::ClassesRoot, extension.c_str());
        if (className[0]) {
            char description[260];
            GetText(description, sizeof description, "", SettingsRoot::ClassesRoot, className);
            text = description;
        }
    }
    if (text.empty()) {
        if (extension.size() < 2)
            return "File";
        text = extension.substr(1);
        for (char& c : text)
            if (c >= 'a' && c <= 'z')
                c = char(c - 'a' + 'A');
        text += " File";
    }
    return text;
}

uint32_t FileTypeIdForPath(const char* path)
{
    const std::string extension = ExtensionOf(path ? path : "");
    Table& t = TheTable();
    std::lock_guard<std::mutex> lock(t.lock);
    auto known = t.idByExtension.find(extension);
    if (known != t.idByExtension.end())
        return known->second;
    std::string text = ComputeFileTypeText(extension);
    auto found = t.idByText.find(text);
    uint32_t id;
    if (found != t.idByText.end()) {
        id = found->second;
    } else {
        id = uint32_t(t.texts.size());
        t.texts.push_back(text);
        t.idByText.emplace(std::move(text), id);
    }
    t.idByExtension.emplace(extension, id);
    return id;
}

uint32_t FileTypeLookup::IdForPath(const char* path)
{
    // The extension as ExtensionOf finds it: from the last "." after the
    // last "\\"; "." alone when there is none. Scanning back from the end
    // stops after a few characters.
    const size_t length = strlen(path);
    const char* end = path + length;
    const char* p = end;
    while (p > path && p[-1] != '.' && p[-1] != '\\')
        --p;
    return IdForPath(path, length, p > path && p[-1] == '.' ? size_t(p - 1 - path) : length);
}

uint32_t FileTypeLookup::IdForPath(const char* path, size_t length, size_t dot)
{
    const bool hasDot = dot < length;
    const char* extension = hasDot ? path + dot : ".";
    const size_t extensionLength = hasDot ? length - dot : 1;
    if (extensionLength > sizeof(uint64_t))
        return FileTypeIdForPath(path);  // rare: not worth caching
    uint64_t packed = 0;
    for (size_t i = 0; i < extensionLength; ++i)
        packed |= uint64_t(static_cast<unsigned char>(extension[i])) << (8 * i);
    for (const Known& k : known_)
        if (k.extension == packed)
            return k.id;
    const uint32_t id = FileTypeIdForPath(path);
    known_.push_back(Known{packed, id});
    return id;
}

const std::string& FileTypeText(uint32_t id)
{
    Table& t = TheTable();
    std::lock_guard<std::mutex> lock(t.lock);
    return id < t.texts.size() ? t.texts[id] : t.texts[0];
}

void ResetFileTypeCache()
{
    Table& t = TheTable();
    std::lock_guard<std::mutex> lock(t.lock);
    t.idByExtension.clear();
}

}  // namespace vuv
