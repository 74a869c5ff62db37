#include "core/MoveJournal.h"

#include "core/PathKey.h"
#include "platform/Paths.h"

#include <cstring>
#include <unordered_map>
#include <vector>

namespace vuv {

std::string MoveJournalPathFor(const std::string& collectionPath) { return collectionPath + ".moves"; }

bool MoveJournal::Open(const std::string& journalPath)
{
    file_.Open(journalPath, FileAccess::Write, FileDisposition::OpenAlways, false);
    if (file_.IsOpen())
        file_.Seek(0, SeekOrigin::End);
    return file_.IsOpen();
}

bool MoveJournal::Write(MoveState state, const char* from, const char* to)
{
    MoveJournalRecord record;
    memset(&record, 0, sizeof record);
    record.state = state;
    CopyBounded(record.from, from, sizeof record.from);
    CopyBounded(record.to, to, sizeof record.to);
    return file_.Write(&record, sizeof record);
}

size_t ReplayMoveJournal(const std::string& journalPath, TrackRecord* const* tracks, size_t count)
{
    std::vector<MoveJournalRecord> records;
    {
        FileHandle file;
        file.Open(journalPath, FileAccess::Read, FileDisposition::OpenExisting, false, true);
        if (!file.IsOpen())
            return 0;
        MoveJournalRecord record;
        while (file.Read(&record, sizeof record) == sizeof record) {
            record.from[sizeof record.from - 1] = '\0';
            record.to[sizeof record.to - 1] = '\0';
            records.push_back(record);
        }
    }
    if (records.empty())
        return 0;

    // The first track of each path, as FindTrackByPath would find it.
    std::unordered_map<std::string, TrackRecord*> byPath;
    byPath.reserve(count);
    for (size_t i = 0; i < count; ++i)
        byPath.emplace(FoldedPath(tracks[i]->path), tracks[i]);

    size_t applied = 0;
    auto apply = [&](const MoveJournalRecord& r) {
        auto found = byPath.find(FoldedPath(r.from));
        if (found == byPath.end())
            return;
        TrackRecord* track = found->second;
        byPath.erase(found);
        SetField(track->path, r.to);
        byPath.emplace(FoldedPath(track->path), track);
        ++applied;
    };
    for (size_t k = 0; k < records.size(); ++k) {
        const MoveJournalRecord& r = records[k];
        if (r.state == kMoveDone)
            apply(r);
        // An intended move followed by another record has had its answer
        // (or failed); only the last one can be unanswered.
        if (r.state != kMoveIntended || k + 1 != records.size())
            continue;
        const bool moved = !Exists(r.from) && Exists(r.to);
        if (moved)
            apply(r);
        MoveJournal journal;
        if (journal.Open(journalPath))
            journal.Write(moved ? kMoveDone : kMoveNotDone, r.from, r.to);
    }
    return applied;
}

}  // namespace vuv
