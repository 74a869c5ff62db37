#include "selection/SelectiveCriteria.h"

#include "platform/FileHandle.h"

#include <cstring>
#include <unordered_map>

namespace vuv {
namespace {

void PutNumber(CriteriaRecord& record, size_t payloadOffset, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        record.payload[payloadOffset + i] = char((value >> (8 * i)) & 0xFF);
}

CriteriaRecord EmptyRecord(CriteriaKind kind)
{
    CriteriaRecord record;
    memset(&record, 0, sizeof record);
    record.kind = kind;
    return record;
}

}  // namespace

uint32_t CriteriaNumber(const CriteriaRecord& record, size_t payloadOffset)
{
    const unsigned char* p = reinterpret_cast<const unsigned char*>(record.payload) + payloadOffset;
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

std::string CriteriaName(const CriteriaRecord& record)
{
    return std::string(record.payload, strnlen(record.payload, sizeof record.payload - 1));
}

CriteriaRecord MakeNameCriteria(CriteriaKind kind, const std::string& name)
{
    CriteriaRecord record = EmptyRecord(kind);
    size_t n = name.size() < sizeof record.payload - 1 ? name.size() : sizeof record.payload - 1;
    memcpy(record.payload, name.data(), n);
    return record;
}

CriteriaRecord MakeMinPreferenceCriteria(uint32_t minPreference)
{
    CriteriaRecord record = EmptyRecord(kCriteriaMinPreference);
    PutNumber(record, 0, minPreference);
    return record;
}

CriteriaRecord MakeYearRangeCriteria(uint32_t firstYear, uint32_t lastYear)
{
    CriteriaRecord record = EmptyRecord(kCriteriaYearRange);
    PutNumber(record, 0, firstYear);
    PutNumber(record, 16, lastYear);
    return record;
}

std::vector<CriteriaRecord> ReadCriteriaRecords(const std::string& path)
{
    std::vector<CriteriaRecord> records;
    FileHandle file;
    file.Open(path, FileAccess::Read, FileDisposition::OpenExisting, false, true);
    if (!file.IsOpen() || file.Size() > kMaxCriteriaFileBytes)
        return records;
    CriteriaRecord record;
    while (file.Read(&record, sizeof record) == sizeof record)
        records.push_back(record);
    return records;
}

bool WriteCriteriaRecords(const std::string& path, const std::vector<CriteriaRecord>& records)
{
    FileHandle file;
    file.Open(path, FileAccess::Write, FileDisposition::CreateAlways, false, true);
    if (!file.IsOpen())
        return false;
    if (records.empty())
        return true;
    return file.Write(records.data(), uint32_t(records.size() * sizeof(CriteriaRecord)));
}

SelectiveCriteria ReadCriteria(const std::string& path)
{
    SelectiveCriteria criteria;
    std::unordered_map<std::string, size_t> genreIndex;  // name -> criteria.genres position
    bool haveStars = false, haveYears = false;
    for (const CriteriaRecord& r : ReadCriteriaRecords(path)) {
        switch (r.kind) {
        case kCriteriaUntickedArtist:
            criteria.untickedArtists.push_back(CriteriaName(r));
            break;
        case kCriteriaExcludedGenre:
        case kCriteriaIndeterminateGenre: {
            const std::string name = CriteriaName(r);
            const GenreChoice choice =
                r.kind == kCriteriaExcludedGenre ? GenreChoice::Exclude : GenreChoice::Indeterminate;
            const auto listed = genreIndex.find(name);
            if (listed == genreIndex.end()) {
                genreIndex.emplace(name, criteria.genres.size());
                criteria.genres.emplace_back(name, choice);
            } else if (choice == GenreChoice::Indeterminate) {
                // Exclude is applied first and Indeterminate after it, so
                // Indeterminate wins whatever the record order.
                criteria.genres[listed->second].second = choice;
            }
            break;
        }
        case kCriteriaMinPreference:
            if (!haveStars)
                criteria.minPreference = CriteriaNumber(r, 0);
            haveStars = true;
            break;
        case kCriteriaYearRange:
            if (!haveYears) {
                criteria.firstYear = CriteriaNumber(r, 0);
                criteria.lastYear = CriteriaNumber(r, 16);
            }
            haveYears = true;
            break;
        default:
            break;
        }
    }
    return criteria;
}

bool WriteCriteria(const std::string& path, const SelectiveCriteria& criteria)
{
    std::vector<CriteriaRecord> records;
    for (const std::string& artist : criteria.untickedArtists)
        records.push_back(MakeNameCriteria(kCriteriaUntickedArtist, artist));
    for (const auto& genre : criteria.genres) {
        if (genre.second == GenreChoice::Include)
            continue;
        records.push_back(MakeNameCriteria(genre.second == GenreChoice::Exclude
                                               ? kCriteriaExcludedGenre
                                               : kCriteriaIndeterminateGenre,
                                           genre.first));
    }
    if (criteria.minPreference > 0)
        records.push_back(MakeMinPreferenceCriteria(criteria.minPreference));
    if (criteria.firstYear != 0 || criteria.lastYear != 0)
        records.push_back(MakeYearRangeCriteria(criteria.firstYear, criteria.lastYear));
    return WriteCriteriaRecords(path, records);
}

}  // namespace vuv
