#include "export/ExportFile.h"

#include "platform/FileHandle.h"
#include "platform/SafeSave.h"
#include "platform/Paths.h"

#include <algorithm>
#include <cstdint>

namespace vuv {
namespace {

constexpr size_t kWriteBlock = 1 << 20;  // bytes per write

}  // namespace

std::string PathWithDefaultExtension(const std::string& chosenPath, const char* extension)
{
    if (ExtensionOf(chosenPath) != ".")
        return chosenPath;
    if (!chosenPath.empty() && chosenPath.back() == '.')
        return chosenPath + (extension + 1);
    return chosenPath + extension;
}

std::string ExportFilePath(const std::string& chosenPath, bool html)
{
    return PathWithDefaultExtension(chosenPath, html ? ".html" : ".txt");
}

bool WriteExportFile(const std::string& path, const std::string& text)
{
    return WriteReplacing(path, [&text](FileHandle& file) {
               for (size_t done = 0; done < text.size();) {
                   const size_t n = std::min(kWriteBlock, text.size() - done);
                   if (!file.Write(text.data() + done, uint32_t(n)))
                       return false;
                   done += n;
               }
               return true;
           }) == WriteOutcome::Written;
}

}  // namespace vuv
