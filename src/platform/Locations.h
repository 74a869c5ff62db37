// Where the program finds everything outside the collection file: the
// suite's install folder, the per-user data files (install folder + Windows
// user name + suffix, shared by name with the suite's other programs), the
// suite's subfolders and the files of the active skin.
#pragma once

#include <string>

namespace vuv {

// Suffixes of the per-user files.
constexpr const char* kDefaultCollectionSuffix = ".mcc";
constexpr const char* kCriteriaSuffix = ".dps";
constexpr const char* kSelectionIndexSuffix = ".dpc";
constexpr const char* kPreviouslyPlayedSuffix = ".Previously Played";
constexpr const char* kQueueSuffix = ".Enqued";
constexpr const char* kPriorityQueueSuffix = ".PriorityEnqued";
constexpr const char* kAddToEditorSuffix = ".AddToEditor";

// Names below the install folder.
constexpr const char* kMultiplayerFolder = "Multiplayer\\";
constexpr const char* kInputPluginFolder = "Multiplayer\\Input\\";
constexpr const char* kSkinsFolder = "Skins\\";
constexpr const char* kConverterHandOffFile = "AddThis.Bin";

constexpr const char* kFallbackInstallFolder = "c:\\Program files\\Halvane\\Tonbrook\\";

// The install folder, ending in "\". The first non-empty determination of
// the run is kept; `preferSettings` only matters for that first one: true
// reads "InstalledTo", false takes the folder of the program's executable
// (upper-cased). An empty result (no "InstalledTo") is not remembered.
std::string GetInstallFolder(bool preferSettings);

// The Windows user name of the process, "defuser" when there is none.
std::string GetWindowsUserName();

// Install folder + user name.
std::string GetUserPrefix(bool preferSettings);
// Install folder + user name + suffix (one of the k...Suffix names above).
std::string GetUserFile(const char* suffix, bool preferSettings);
// Install folder + name (one of the folder or file names above).
std::string GetSuiteFolder(const char* name, bool preferSettings);

// The path of a skin file such as "Editor\backdrop.jpg" in the active skin
// ("[SetActive]" under the settings key's "skin" subkey) when it exists
// there (true); otherwise the path in the Default skin (false, existence
// not checked).
bool GetSkinFile(const std::string& name, std::string& out);

// The install folder computed from an executable's full path: upper-cased,
// cut after the last "\", a leading double quote dropped; the fixed folder
// when the path is empty or lies in a "SOURCE CODE" folder.
std::string InstallFolderFromExecutable(const std::string& executablePath);

// Fixes the install folder for the rest of the run (tests and tools that
// work on a folder of their own); an empty text forgets it, so that the
// next call determines it again.
void SetInstallFolderForRun(const std::string& folder);

}  // namespace vuv
