#include "core/MoveJournal.h"

#include "core/PathKey.h"
#include "platform/FileReplace.h"
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
    // Files an add moved whose track is not in the collection: where each
    // is now (folded) -> {where it is now, where it came from}.
    std::unordered_map<std::string, std::pair<std::string, std::string>> unsaved;

    size_t applied = 0;
    auto apply = [&](const MoveJournalRecord& r) {
        auto found = byPath.find(FoldedPath(r.from));
        if (found == byPath.end()) {
            auto file = unsaved.find(FoldedPath(r.from));
            if (file != unsaved.end()) {
                const std::string origin = file->second.second;
                unsaved.erase(file);
                unsaved[FoldedPath(r.to)] = {r.to, origin};
            }
            return;
        }
        TrackRecord* track = found->second;
        byPath.erase(found);
        SetField(track->path, r.to);
        byPath.emplace(FoldedPath(track->path), track);
        ++applied;
    };
    auto added = [&](const MoveJournalRecord& r) {
        if (byPath.count(FoldedPath(r.to)) == 0)
            unsaved[FoldedPath(r.to)] = {r.to, r.from};
    };
    for (size_t k = 0; k < records.size(); ++k) {
        const MoveJournalRecord& r = records[k];
        if (r.state == kMoveDone)
            apply(r);
        else if (r.state == kAddMoveDone)
            added(r);
        // An intended move followed by another record has had its answer
        // (or failed); only the last one can be unanswered.
        if ((r.state != kMoveIntended && r.state != kAddMoveIntended) || k + 1 != records.size())
            continue;
        const bool sourceThere = Exists(r.from), targetThere = Exists(r.to);
        const bool moved = !sourceThere && targetThere;
        if (moved)
            r.state == kMoveIntended ? apply(r) : added(r);
        else if (r.state == kAddMoveIntended && sourceThere && targetThere)
            DeleteFileAt(r.to);
        MoveJournal journal;
        if (journal.Open(journalPath))
            journal.Write(!moved ? kMoveNotDone : r.state == kMoveIntended ? kMoveDone : kAddMoveDone, r.from, r.to);
    }
    for (const auto& file : unsaved) {
        const std::string& now = file.second.first;
        const std::string& origin = file.second.second;
        if (!Exists(origin) && Exists(now))
            MoveFileTo(now, origin);
    }
    return applied;
}

}  // namespace vuv
