#include "ui/SiblingPrograms.h"

#include "platform/Locations.h"
#include "platform/Paths.h"
#include "platform/Process.h"
#include "platform/UserMessages.h"

namespace vuv {
namespace {

struct Sibling {
    const char* file;
    const char* description;
};

const Sibling& Of(SiblingProgram program)
{
    static const Sibling kSiblings[] = {
        {"Pastrel.exe", "The previously played viewer"},
        {"Hubbin.exe", "The menu program"},
        {"Lystra.exe", "The playlist program"},
    };
    return kSiblings[int(program)];
}

}  // namespace

const char* SiblingFileName(SiblingProgram program) { return Of(program).file; }

std::string SiblingProgramPath(SiblingProgram program) { return GetInstallFolder(false) + Of(program).file; }

bool SiblingInstalled(SiblingProgram program)
{
    bool isFolder = false;
    return Exists(SiblingProgramPath(program), &isFolder) && !isFolder;
}

bool StartSiblingProgram(SiblingProgram program)
{
    if (!SiblingInstalled(program)) {
        ShowMessage(std::string(Of(program).description) + " (" + Of(program).file + ") is not installed in '" +
                    GetInstallFolder(false) + "'.");
        return false;
    }
    return RunProgram(SiblingProgramPath(program), false);
}

}  // namespace vuv
