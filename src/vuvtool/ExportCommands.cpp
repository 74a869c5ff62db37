// vuvtool commands of the collection export: the export dialog's "Export"
// to a file or the clipboard, and its "Load Preset" as a check of a preset.
#include "core/CollectionStore.h"
#include "export/CollectionExport.h"
#include "export/ExportFile.h"
#include "export/ExportPreset.h"
#include "platform/Clipboard.h"
#include "platform/Paths.h"
#include "vuvtool/ToolCommand.h"

namespace vuvtool {

namespace {

// The preset's inputs, or a printed reason (false) why there are none.
bool LoadPreset(const std::string& path, vuv::ExportInputs& inputs)
{
    const vuv::PresetLoad load = vuv::ReadExportPreset(path, inputs);
    switch (load.status) {
    case vuv::PresetStatus::Loaded:
        return true;
    case vuv::PresetStatus::Refused:
        PrintLine(load.message);
        return false;
    default:
        PrintLine("The preset '" + vuv::FileNameOf(path) + "' could not be opened.");
        return false;
    }
}

// The layout of the preset, or the one the dialog last exported with; the
// settings are not written. The output goes exactly where --out says.
int ExportCommand(ToolContext& context, const std::vector<std::string>& args)
{
    std::string preset, out;
    bool html = false, clipboard = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        const bool hasValue = i + 1 < args.size();
        if (option == "--preset" && hasValue)
            preset = args[++i];
        else if (option == "--out" && hasValue)
            out = args[++i];
        else if (option == "--html")
            html = true;
        else if (option == "--clipboard")
            clipboard = true;
        else
            return BadUsage("export");
    }
    if (out.empty() == !clipboard)
        return BadUsage("export");
    vuv::ExportInputs inputs = vuv::LoadExportSettings();
    if (!preset.empty() && !LoadPreset(preset, inputs))
        return kFailed;
    inputs.html = inputs.html || html;
    LoadActiveCollection(context);
    vuv::CollectionStore& store = vuv::TheCollectionStore();
    const std::string listing = vuv::BuildExportListing(store, inputs);
    if (clipboard) {
        if (!vuv::PutTextOnClipboard(listing))
            return Fail("the clipboard could not be opened");
    } else if (!vuv::WriteExportFile(out, listing)) {
        return Fail("Unable to write to '" + out + "'");
    }
    PrintLine("exported " + std::to_string(store.Count()) + " tracks");
    return kOk;
}

int PresetCommand(ToolContext&, const std::vector<std::string>& args)
{
    if (args.size() != 2 || args[0] != "check")
        return BadUsage("preset");
    vuv::ExportInputs inputs;
    if (!LoadPreset(args[1], inputs))
        return kFailed;
    PrintLine("ok");
    return kOk;
}

}  // namespace

VUVTOOL_COMMAND("export", "[--preset FILE] [--html] --out FILE | --clipboard", ExportCommand);
VUVTOOL_COMMAND("preset", "check FILE", PresetCommand);

}  // namespace vuvtool
