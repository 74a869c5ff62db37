// How the program runs, from its whole command line (program path
// included): "<edittag>" anywhere selects tag editing of the file named by
// everything after the marker (taken verbatim, cut to 259 characters);
// otherwise "<selective>" anywhere selects the selective-play mode;
// otherwise the normal editor. Markers are matched with case.
#pragma once

#include "platform/NamedEvent.h"

#include <string>

namespace vuv {

enum class StartMode { Normal, TagEdit, Selective };

struct StartupOptions {
    StartMode mode = StartMode::Normal;
    std::string tagEditPath;  // for TagEdit
};

StartupOptions ParseStartupCommandLine(const std::string& commandLine);

// The flags by which editors and the suite's programs recognise a running
// editor. Borrowed from the process's player link; unnamed events in tests.
struct InstanceEvents {
    NamedEvent& editorRunning;  // "evtTbEditorRunning"
    NamedEvent& setFocus;       // "evtTbVUVSetFocus"
    NamedEvent& close;          // "evtTbClose"
};

// Before the main window opens. In the normal mode: when another editor
// runs, asks it to come to the front and answers false (this start ends);
// otherwise marks this editor as the running one. The selective-play mode
// runs beside an editor and never marks itself. In both modes a close
// request left over from an earlier run is dropped. Not called for tag
// editing, which touches no flag.
bool ClaimEditorInstance(StartMode mode, InstanceEvents& events);
// After the main window has ended: the normal mode gives up its mark.
void ReleaseEditorInstance(StartMode mode, InstanceEvents& events);

}  // namespace vuv
