#include "intake/HandOffFile.h"

#include "platform/Paths.h"

#include <cstring>

namespace vuv {

bool HandOffFile::TryOpen(const std::string& path)
{
    exists_ = Exists(path);
    if (!exists_)
        return false;
    file_.Open(path, FileAccess::ReadWrite, FileDisposition::OpenExisting, false, false);
    return file_.IsOpen();
}

std::vector<std::string> HandOffFile::ReadPaths()
{
    std::vector<std::string> paths;
    char record[kHandOffRecordSize];
    file_.Seek(0, SeekOrigin::Start);
    while (file_.Read(record, sizeof record) == sizeof record)
        paths.emplace_back(record, strnlen(record, sizeof record));
    return paths;
}

void HandOffFile::Empty()
{
    file_.Truncate(0);
    file_.Close();
}

}  // namespace vuv
