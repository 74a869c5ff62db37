#include "plugins/TagFileWriter.h"

#include "plugins/PluginCalls.h"

namespace vuv {

bool TagFileWriter::Write(const char* name, const std::string& value)
{
    if (blocked_)
        return false;
    const TagWriteOutcome outcome = WriteTagElement(path_, name, value);
    if (outcome.written || outcome.noPlugin)
        return true;
    if (firstRefusal_.empty())
        firstRefusal_ = outcome.reason;
    if (outcome.elementNotKept)
        return true;
    blocked_ = true;
    return false;
}

}  // namespace vuv
