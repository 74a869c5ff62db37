#include "core/GenreList.h"

#include "platform/FileHandle.h"
#include "platform/Random.h"
#include "platform/TextCompare.h"
#include "platform/WideRandom.h"

#include <cstring>

namespace vuv {

void GenreList::Clear()
{
    records_.clear();
    indexById_.clear();
    indexByName_.clear();
}

void GenreList::Append(const GenreRecord& record)
{
    GenreRecord r = record;
    r.name[kTagTextSize - 1] = '\0';
    records_.push_back(r);
    indexById_.emplace(r.id, records_.size() - 1);
    indexByName_.emplace(TextKeyIgnoringCase(r.name), records_.size() - 1);
}

void GenreList::Reindex()
{
    indexById_.clear();
    indexByName_.clear();
    for (size_t i = 0; i < records_.size(); ++i) {
        indexById_.emplace(records_[i].id, i);
        indexByName_.emplace(TextKeyIgnoringCase(records_[i].name), i);
    }
}

const char* GenreList::NameOf(uint16_t id) const
{
    if (id == 0)
        return nullptr;
    auto it = indexById_.find(id);
    return it == indexById_.end() ? nullptr : records_[it->second].name;
}

uint16_t GenreList::FreeId() const
{
    // Below 10,000 genres some id the draw reaches is surely free.
    bool drawable = indexById_.size() < kRandomBelowReach;
    for (int32_t v = 0; !drawable && v < kMaxGenreId; ++v)
        drawable = RandomBelowCanYield(kMaxGenreId, v) && !Holds(uint16_t(v + 1));
    if (drawable) {
        uint16_t id;
        do {
            id = uint16_t(RandomBelow(kMaxGenreId) + 1);
        } while (Holds(id));
        return id;
    }
    for (uint32_t id = 1; id <= kMaxGenreId; ++id)
        if (!Holds(uint16_t(id)))
            return uint16_t(id);
    return 0;
}

uint16_t GenreList::IdFor(const char* name, bool create)
{
    auto found = indexByName_.find(TextKeyIgnoringCase(name));
    if (found != indexByName_.end())
        return records_[found->second].id;
    if (!create)
        return 0;
    const uint16_t id = FreeId();
    if (id == 0)
        return 0;
    GenreRecord r;
    memset(&r, 0, sizeof r);
    r.id = id;
    SetField(r.name, name);
    Append(r);
    return id;
}

void GenreList::Remove(uint16_t id)
{
    for (size_t i = 0; i < records_.size(); ++i) {
        if (records_[i].id == id) {
            records_.erase(records_.begin() + long(i));
            Reindex();
            return;
        }
    }
}

std::string GenreList::GenreText(const TrackRecord& track) const
{
    std::string text;
    for (uint16_t id : track.genreIds) {
        const char* name = NameOf(id);
        if (!name)
            continue;
        if (!text.empty())
            text += "; ";
        text += name;
    }
    return text;
}

void GenreList::Normalise(TrackRecord& track) const
{
    uint16_t* ids = track.genreIds;
    for (int i = 0; i < kGenreSlots; ++i)
        if (ids[i] && !Holds(ids[i]))
            ids[i] = 0;
    // Used slots to the front, order kept (a stable compaction gives what
    // moving one id down and restarting does).
    int used = 0;
    for (int i = 0; i < kGenreSlots; ++i)
        if (ids[i])
            ids[used++] = ids[i];
    for (int i = used; i < kGenreSlots; ++i)
        ids[i] = 0;
    // Swap adjacent ids whose names are out of order and restart, until the
    // pass reaches the first empty slot without a swap.
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (int i = 0; i + 1 < used; ++i) {
            if (strcmp(NameOf(ids[i]), NameOf(ids[i + 1])) > 0) {
                uint16_t t = ids[i];
                ids[i] = ids[i + 1];
                ids[i + 1] = t;
                swapped = true;
                break;
            }
        }
    }
}

bool GenreList::Load(const std::string& path)
{
    Clear();
    FileHandle file;
    file.Open(path, FileAccess::Read, FileDisposition::OpenExisting, false, FileShare::ReadWriteDelete);
    if (!file.IsOpen())
        return false;
    GenreRecord r;
    while (file.Read(&r, sizeof r) == sizeof r)
        Append(r);
    if (file.ReadFailed()) {
        Clear();
        return false;
    }
    return true;
}

bool GenreList::Save(const std::string& path, bool showErrors) const
{
    FileHandle file;
    file.Open(path, FileAccess::Write, FileDisposition::CreateAlways, showErrors, false);
    return file.IsOpen() && WriteTo(file);
}

bool GenreList::WriteTo(FileHandle& file) const
{
    return records_.empty() ||
           file.Write(records_.data(), uint32_t(records_.size() * sizeof(GenreRecord)));
}

}  // namespace vuv
