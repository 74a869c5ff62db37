// A private plug-in folder for one test: the host of the test program is
// pointed at it, and pointed back (unloading every DLL) when the test ends,
// before the folder is deleted.
#pragma once

#include "plugins/InputPluginHost.h"
#include "support/TestSupport.h"

#include <windows.h>

#include <string>

#include <gtest/gtest.h>

namespace vuvtest {

// Where tests/CMakeLists.txt puts the stand-in plug-ins.
inline std::string FixturePluginPath(const std::string& name)
{
    return WindowsPathFromEnv("VUV_TEST_DIR") + "\\plugin-fixtures\\" + name + ".dll";
}

class PluginTestFolder {
public:
    PluginTestFolder() { vuv::SetPluginFolder(plugins_.Path()); }
    ~PluginTestFolder() { vuv::SetPluginFolder(""); }
    PluginTestFolder(const PluginTestFolder&) = delete;
    PluginTestFolder& operator=(const PluginTestFolder&) = delete;

    const std::string& Path() const { return plugins_.Path(); }

    // Copies a stand-in plug-in into the folder under `as` (its own name
    // when empty). Must happen before the host's first use to be seen.
    void Install(const std::string& fixture, const std::string& as = "")
    {
        const std::string target = plugins_.File((as.empty() ? fixture : as) + ".dll");
        ASSERT_TRUE(CopyFileA(FixturePluginPath(fixture).c_str(), target.c_str(), FALSE))
            << "missing fixture " << FixturePluginPath(fixture);
    }
    // Makes the next host operation load the folder afresh.
    void Reload() { vuv::SetPluginFolder(plugins_.Path()); }

private:
    ScratchFolder plugins_;
};

}  // namespace vuvtest
