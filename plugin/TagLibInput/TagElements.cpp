#include "TagElements.h"

#include "AnsiText.h"

#include <id3v2tag.h>
#include <mpegfile.h>
#include <tag.h>
#include <tpropertymap.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace taglibinput {

namespace {

std::string Joined(const TagLib::StringList& values)
{
    std::string joined;
    for (const TagLib::String& value : values) {
        std::string text = AnsiFromTagText(value);
        if (text.empty())
            continue;
        if (!joined.empty())
            joined += "; ";
        joined += text;
    }
    return joined;
}

std::string Upper(const char* text)
{
    std::string upper(text != nullptr ? text : "");
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

unsigned NumberFromText(const char* text)
{
    if (text == nullptr)
        return 0;
    long number = strtol(text, nullptr, 10);
    return number > 0 ? static_cast<unsigned>(number) : 0;
}

// The element's text as GetIDTagElement lists it; empty when absent.
std::string PresentValue(TagLib::File& file, const std::string& key)
{
    for (const TagElement& element : ReadTagElements(file))
        if (element.name == key)
            return element.value;
    return std::string();
}

}  // namespace

// Saves with the file's own tag layout. MPEG files keep the tag types they
// have (ID3v1 and APE are updated only when present, ID3v2 is always
// written) and their ID3v2 version; a new ID3v2 tag is version 2.3, which
// every player and tagger of the platform reads.
bool SaveTagChanges(TagLib::File& file)
{
    if (auto* mpeg = dynamic_cast<TagLib::MPEG::File*>(&file)) {
        int tags = TagLib::MPEG::File::ID3v2;
        if (mpeg->hasID3v1Tag())
            tags |= TagLib::MPEG::File::ID3v1;
        if (mpeg->hasAPETag())
            tags |= TagLib::MPEG::File::APE;
        TagLib::ID3v2::Version version = TagLib::ID3v2::v3;
        if (mpeg->hasID3v2Tag() && mpeg->ID3v2Tag()->header()->majorVersion() == 4)
            version = TagLib::ID3v2::v4;
        return mpeg->save(tags, TagLib::File::StripNone, version, TagLib::File::Duplicate);
    }
    return file.save();
}

std::string FirstValueOf(const TagLib::PropertyMap& properties, const char* key)
{
    auto it = properties.find(key);
    if (it == properties.end())
        return std::string();
    for (const TagLib::String& value : it->second) {
        std::string text = AnsiFromTagText(value);
        if (!text.empty())
            return text;
    }
    return std::string();
}

std::string JoinedValueOf(const TagLib::PropertyMap& properties, const char* key)
{
    auto it = properties.find(key);
    return it == properties.end() ? std::string() : Joined(it->second);
}

std::vector<TagElement> ReadTagElements(TagLib::File& file)
{
    return ReadTagElements(file, file.properties());
}

std::vector<TagElement> ReadTagElements(TagLib::File& file, const TagLib::PropertyMap& properties)
{
    std::vector<TagElement> elements;
    TagLib::Tag* tag = file.tag();
    unsigned year = tag != nullptr ? tag->year() : 0;
    unsigned track = tag != nullptr ? tag->track() : 0;

    auto add = [&elements](const char* name, const std::string& value) {
        if (!value.empty())
            elements.push_back({name, value});
    };
    auto field = [&properties](const char* key) { return JoinedValueOf(properties, key); };
    char number[16];

    add("ARTIST", field("ARTIST"));
    add("TITLE", field("TITLE"));
    add("ALBUM", field("ALBUM"));
    if (year != 0) {
        snprintf(number, sizeof(number), "%u", year);
        add("YEAR", number);
    }
    add("GENRE", field("GENRE"));
    add("COMMENT", field("COMMENT"));
    if (track != 0) {
        snprintf(number, sizeof(number), "%u", track);
        add("TRACK", number);
    }
    for (const auto& entry : properties) {
        const std::string key = AnsiFromTagText(entry.first);
        if (key == "ARTIST" || key == "TITLE" || key == "ALBUM" || key == "GENRE" ||
            key == "COMMENT" || key.empty())
            continue;
        if ((key == "DATE" && year != 0) || (key == "TRACKNUMBER" && track != 0))
            continue;
        add(key.c_str(), Joined(entry.second));
    }
    return elements;
}

bool HoldsTagElement(TagLib::File& file, const char* name, const char* value)
{
    return PresentValue(file, Upper(name)) == (value != nullptr ? value : "");
}

bool SetTagElement(TagLib::File& file, const char* name, const char* value)
{
    TagLib::Tag* tag = file.tag();
    if (tag == nullptr || name == nullptr || *name == '\0')
        return false;
    const std::string key = Upper(name);
    const TagLib::String text = TagTextFromAnsi(value != nullptr ? value : "");
    if (key == "ARTIST")
        tag->setArtist(text);
    else if (key == "TITLE")
        tag->setTitle(text);
    else if (key == "ALBUM")
        tag->setAlbum(text);
    else if (key == "GENRE")
        tag->setGenre(text);
    else if (key == "COMMENT")
        tag->setComment(text);
    else if (key == "YEAR")
        tag->setYear(NumberFromText(value));
    else if (key == "TRACK")
        tag->setTrack(NumberFromText(value));
    else {
        TagLib::PropertyMap properties = file.properties();
        const TagLib::String propertyKey = TagTextFromAnsi(key.c_str());
        if (text.isEmpty())
            properties.erase(propertyKey);
        else
            properties.replace(propertyKey, TagLib::StringList(text));
        file.setProperties(properties);
    }
    return true;
}

bool KeepsTagElement(TagLib::File& file, const char* name, const char* value)
{
    const std::string key = Upper(name);
    const std::string wanted = value != nullptr ? value : "";
    const std::string present = PresentValue(file, key);
    if (key == "YEAR" || key == "TRACK") {
        // Only whole decimal numbers are kept as they were given.
        if (wanted.find_first_not_of("0123456789") != std::string::npos)
            return false;
        const unsigned number = NumberFromText(wanted.c_str());
        return present == (number != 0 ? std::to_string(number) : std::string());
    }
    return present == wanted ||
           (!present.empty() && wanted.compare(0, present.size(), present) == 0);
}

}  // namespace taglibinput
