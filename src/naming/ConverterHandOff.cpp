#include "naming/ConverterHandOff.h"

#include "platform/FileHandle.h"
#include "platform/Locations.h"
#include "platform/Paths.h"
#include "platform/Process.h"

namespace vuv {

ConvertResult ConvertSelected(const std::vector<std::string>& paths, const std::string& installFolder,
                              const NamedEvent& converterWaiting)
{
    ConvertResult result;
    FileHandle file;
    file.Open(installFolder + kConverterHandOffFile, FileAccess::Write, FileDisposition::CreateAlways, false, true);
    if (file.IsOpen()) {
        std::string records(paths.size() * kHandOffRecordSize, '\0');
        for (size_t i = 0; i < paths.size(); ++i)
            CopyBounded(&records[i * kHandOffRecordSize], paths[i].c_str(), kHandOffRecordSize);
        result.handOffWritten = records.empty() || file.Write(records.data(), uint32_t(records.size()));
    }
    if (!converterWaiting.IsSet())
        result.converterStarted = RunProgram("\"" + installFolder + kConverterProgram + "\" <editor>", false);
    file.Close();
    return result;
}

}  // namespace vuv
