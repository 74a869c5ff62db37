#include "plugins/FileTagEdit.h"

#include "platform/FileAttributes.h"
#include "plugins/PluginCalls.h"
#include "plugins/TagFileWriter.h"

#include <cstdlib>

namespace vuv {

namespace {

bool SameName(const std::string& name, const char* upper)
{
    size_t i = 0;
    for (; i < name.size() && upper[i] != '\0'; ++i) {
        char c = name[i];
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
        if (c != upper[i])
            return false;
    }
    return i == name.size() && upper[i] == '\0';
}

}  // namespace

FileTagFields ReadFileTagFields(const std::string& path)
{
    FileTagFields fields;
    for (const TagElementText& element : ReadTagElements(path)) {
        const std::string& name = element.name;
        if (SameName(name, "ARTIST"))
            fields.artist = element.value;
        else if (SameName(name, "TITLE"))
            fields.title = element.value;
        else if (SameName(name, "ALBUM"))
            fields.album = element.value;
        else if (SameName(name, "YEAR"))
            fields.year = element.value;
        else if (SameName(name, "GENRE"))
            fields.genre = element.value;
        else if (SameName(name, "COMMENT"))
            fields.comment = element.value;
        else if (SameName(name, "TRACK") && strtol(element.value.c_str(), nullptr, 10) > 0)
            fields.track = element.value;
    }
    return fields;
}

FileTagWriteResult WriteFileTagFields(const std::string& path, const FileTagFields& fields)
{
    FileTagWriteResult result;
    ClearFileAttributes(path);
    const std::string* const order[] = {&fields.artist, &fields.title,   &fields.album, &fields.year,
                                        &fields.genre,  &fields.comment, &fields.track};
    const char* const names[] = {"ARTIST", "TITLE", "ALBUM", "YEAR", "GENRE", "COMMENT", "TRACK"};
    for (const std::string* field : order)
        result.attempted = result.attempted || !field->empty();
    if (!result.attempted)
        return result;
    TagFileWriter writer(path);
    for (size_t i = 0; i < 7 && !writer.Blocked(); ++i)
        writer.Write(names[i], *order[i]);
    result.refusal = writer.FirstRefusal();
    return result;
}

}  // namespace vuv
