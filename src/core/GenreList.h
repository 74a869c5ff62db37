// The genre list of a collection: (id, name) records stored beside the
// collection file as ".mcg". Tracks refer to genres by id.
#pragma once

#include "core/TrackRecord.h"
#include "platform/FileHandle.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace vuv {

#pragma pack(push, 1)
struct GenreRecord {
    uint16_t id;                 // 1..65520, unique within the list
    char name[kTagTextSize];
};
#pragma pack(pop)
static_assert(sizeof(GenreRecord) == 102, "GenreRecord is 102 bytes");
static_assert(offsetof(GenreRecord, id) == 0 && offsetof(GenreRecord, name) == 2,
              "GenreRecord layout");

class GenreList {
public:
    const std::vector<GenreRecord>& Records() const { return records_; }
    size_t Size() const { return records_.size(); }
    bool Empty() const { return records_.empty(); }
    void Clear();

    // Appends a record as read from a file (no checks: the file is trusted
    // as it is, duplicates included; the first of an id wins for lookups).
    void Append(const GenreRecord& record);

    // The name of an id, or null when the list does not hold it.
    const char* NameOf(uint16_t id) const;
    bool Holds(uint16_t id) const { return NameOf(id) != nullptr; }

    // The id of the first genre whose name equals `name` without regard to
    // case (SameTextIgnoringCase), found through a hash of the names. When
    // there is none and `create`, the name is appended under a free id
    // (FreeId); 0 when there is none and it was not created, because it
    // was not asked for or every id is taken.
    uint16_t IdFor(const char* name, bool create);

    // Frees the record of `id`; records that still hold the id show nothing
    // for it and lose it at the next normalisation.
    void Remove(uint16_t id);

    // "; "-joined names of the record's ids in slot order; unknown ids and
    // empty slots are skipped.
    std::string GenreText(const TrackRecord& track) const;

    // Before a record is written: unknown ids become 0, used slots move to
    // the front keeping their order, then used ids are ordered by name
    // (byte order, case significant).
    void Normalise(TrackRecord& track) const;

    // Reads N records until a short read; false when the file cannot be
    // opened or a read failed (the list is then empty).
    bool Load(const std::string& path);
    // Writes all records; false when the file was not written completely.
    bool Save(const std::string& path, bool showErrors) const;
    bool WriteTo(FileHandle& file) const;

private:
    void Reindex();
    // Random ids 1..65520 drawn until a free one turns up, as the suite
    // always drew them. The draw reaches only the ids RandomBelow yields;
    // when every one of those is taken it would never end, and the lowest
    // free id is taken instead. 0 when every id is taken.
    uint16_t FreeId() const;

    std::vector<GenreRecord> records_;
    std::unordered_map<uint16_t, size_t> indexById_;
    std::unordered_map<std::string, size_t> indexByName_;  // TextKeyIgnoringCase -> first record
};

}  // namespace vuv
