// The selective play criteria file (".dps", also every preset): a plain
// sequence of 104-byte records, no header, read until a short read. Each
// record is a kind and a 100-byte payload whose meaning depends on the kind.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace vuv {

enum CriteriaKind : uint32_t {
    kCriteriaUntickedArtist = 1,      // payload: artist name (excluded)
    kCriteriaExcludedGenre = 2,       // payload: genre name
    kCriteriaMinPreference = 3,       // payload offset 0: u32 lowest preference 1..9
    kCriteriaIndeterminateGenre = 4,  // payload: genre name
    kCriteriaYearRange = 5,           // payload offsets 0 and 16: u32 first, last (0 = open)
};

#pragma pack(push, 1)
struct CriteriaRecord {
    uint32_t kind;
    char payload[100];
};
#pragma pack(pop)
static_assert(sizeof(CriteriaRecord) == 104, "CriteriaRecord is 104 bytes");
static_assert(offsetof(CriteriaRecord, payload) == 4, "CriteriaRecord layout");

// The u32 at a payload offset (0 or 16), little-endian.
uint32_t CriteriaNumber(const CriteriaRecord& record, size_t payloadOffset);
// The payload as a name: up to its NUL, at most 99 characters.
std::string CriteriaName(const CriteriaRecord& record);

// Records with zeroed unused payload bytes. Names longer than 99
// characters are cut to their first 99 (they could not match a stored
// tag or genre name, which never hold more).
CriteriaRecord MakeNameCriteria(CriteriaKind kind, const std::string& name);
CriteriaRecord MakeMinPreferenceCriteria(uint32_t minPreference);
CriteriaRecord MakeYearRangeCriteria(uint32_t firstYear, uint32_t lastYear);

// No criteria file the program writes comes near this size (one record per
// artist and genre left out); a larger file is taken for a damaged one.
constexpr uint64_t kMaxCriteriaFileBytes = 16u << 20;

// Every complete record of the file (opened shared, no message); empty
// when the file is missing, empty or larger than kMaxCriteriaFileBytes.
std::vector<CriteriaRecord> ReadCriteriaRecords(const std::string& path);
// Creates the file anew with the records; false when not written whole.
bool WriteCriteriaRecords(const std::string& path, const std::vector<CriteriaRecord>& records);

enum class GenreChoice { Include, Exclude, Indeterminate };

// The criteria as the selective play dialog holds them. Artists and genres
// not listed are ticked or included.
struct SelectiveCriteria {
    std::vector<std::string> untickedArtists;                  // list order
    std::vector<std::pair<std::string, GenreChoice>> genres;  // only Exclude or Indeterminate
    uint32_t minPreference = 0;  // 0..9, 0 = no star criterion
    uint32_t firstYear = 0;      // 0 = no lower bound
    uint32_t lastYear = 0;       // 0 = no upper bound
};

// The dialog's reading: a genre named by a kind-2 record is Exclude, and
// Indeterminate when a kind-4 record names it too; the first kind-3 and the
// first kind-5 record count. A missing file gives empty criteria.
SelectiveCriteria ReadCriteria(const std::string& path);
// Writes, in this order: a kind-1 record per unticked artist, a kind-2 or
// kind-4 record per listed genre, a kind-3 record when minPreference > 0,
// a kind-5 record when a year is set. False when not written whole.
bool WriteCriteria(const std::string& path, const SelectiveCriteria& criteria);

}  // namespace vuv
