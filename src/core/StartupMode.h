// How the program runs, from its whole command line (program path
// included): "<edittag>" anywhere selects tag editing of the file named by
// everything after the marker (taken verbatim, cut to 259 characters);
// otherwise "<selective>" anywhere selects the selective-play mode;
// otherwise the normal editor. Markers are matched with case.
#pragma once

#include <string>

namespace vuv {

enum class StartMode { Normal, TagEdit, Selective };

struct StartupOptions {
    StartMode mode = StartMode::Normal;
    std::string tagEditPath;  // for TagEdit
};

StartupOptions ParseStartupCommandLine(const std::string& commandLine);

}  // namespace vuv
