// The commands of vuvtool. Each command file registers its commands with
// VUVTOOL_COMMAND at static initialisation; Main.cpp dispatches by name.
#pragma once

#include "core/CollectionCommands.h"

#include <cstddef>
#include <string>
#include <vector>

namespace vuvtool {

// Exit statuses of every command.
enum ExitCode { kOk = 0, kBadUsage = 1, kFailed = 2 };

struct ToolContext {
    // The --collection PATH given before the command; empty when absent.
    std::string collectionOverride;
    // The collection the command works on: --collection PATH, else the one
    // the editor opens at its next start.
    std::string CollectionPath() const;
};

using CommandFunction = int (*)(ToolContext& context, const std::vector<std::string>& args);

struct CommandInfo {
    const char* name;
    const char* usage;  // arguments, for the usage text
    CommandFunction run;
};

const std::vector<CommandInfo>& Commands();

struct CommandRegistrar {
    CommandRegistrar(const char* name, const char* usage, CommandFunction run);
};

// Prints "vuvtool: <message>" to stderr and returns kFailed.
int Fail(const std::string& message);
// Prints the usage of one command to stderr and returns kBadUsage.
int BadUsage(const char* command);

// Writes a text as its stored bytes, followed by LF.
void PrintLine(const std::string& text);

// vuvtool's load and save of the collection: the editor's without a
// window. A failed save is not retried but printed ("vuvtool: Error saving
// '<path>'.", or that the file was not loaded and is kept); the command
// then ends with kFailed. A collection too large to load ends the command
// at once with its message and kFailed.
class ToolCollection : public vuv::CollectionHost {
public:
    vuv::CollectionStore& Store() override;
    void Load(const std::string& path) override;
    bool Save(const std::string& path, bool sortFirst) override;
};

// Installs the faults the tests ask for through the environment.
void ApplyTestFaults();

// Loads the command's collection into the store as the editor does at
// start, with the sort and search settings.
void LoadActiveCollection(const ToolContext& context);
// Saves the store to the file it was loaded from; false (printed) when it
// was not written.
bool SaveActiveCollection(bool sortFirst);

// A whole decimal number within [low, high].
bool ParseNumber(const std::string& text, long low, long high, long& value);

// The store indexes (0-based, as `dump` lists them) of the arguments, all
// checked against the loaded collection before anything is done; false with
// `error` set at the first that names no track.
bool ParseTrackIndexes(const std::vector<std::string>& args, std::vector<size_t>& indexes,
                       std::string& error);

}  // namespace vuvtool

#define VUVTOOL_CONCAT2(a, b) a##b
#define VUVTOOL_CONCAT(a, b) VUVTOOL_CONCAT2(a, b)
#define VUVTOOL_COMMAND(name, usage, function) \
    static ::vuvtool::CommandRegistrar VUVTOOL_CONCAT(g_command_, __LINE__)(name, usage, function)
