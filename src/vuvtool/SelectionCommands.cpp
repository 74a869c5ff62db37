// vuvtool commands of selective play: the dialog's "OK" (or "No Selective
// Play") with criteria given as options, and the selection index.
#include "platform/Paths.h"
#include "selection/SelectionIndex.h"
#include "selection/SelectivePlay.h"
#include "vuvtool/ToolCommand.h"
#include "vuvtool/ToolPlayerLink.h"

#include <cstdlib>

namespace vuvtool {

namespace {

bool ParseNumber(const std::string& text, uint32_t& value)
{
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    value = uint32_t(strtoul(text.c_str(), nullptr, 10));
    return true;
}

// Artists and genres keep the order of the options, as the lines of the
// dialog would hold them in list order.
int CriteriaCommand(ToolContext& context, const std::vector<std::string>& args)
{
    vuv::SelectiveCriteria criteria;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        const bool hasValue = i + 1 < args.size();
        if (option == "--untick-artist" && hasValue) {
            criteria.untickedArtists.push_back(args[++i]);
        } else if (option == "--exclude-genre" && hasValue) {
            criteria.genres.push_back({args[++i], vuv::GenreChoice::Exclude});
        } else if (option == "--indeterminate-genre" && hasValue) {
            criteria.genres.push_back({args[++i], vuv::GenreChoice::Indeterminate});
        } else if (option == "--min-pref" && hasValue) {
            if (!ParseNumber(args[++i], criteria.minPreference) || criteria.minPreference > 9)
                return BadUsage("criteria");
        } else if (option == "--years" && i + 2 < args.size()) {
            if (!ParseNumber(args[i + 1], criteria.firstYear) ||
                !ParseNumber(args[i + 2], criteria.lastYear))
                return BadUsage("criteria");
            i += 2;
        } else {
            return BadUsage("criteria");
        }
    }
    ToolLink();  // from here on, every rebuild of the index tells the player
    ToolCollection collection;
    collection.Load(context.CollectionPath());
    // Criteria given by hand come from no preset.
    if (!args.empty())
        vuv::SetPresetName(std::string());
    const vuv::SelectionFiles files = vuv::UserSelectionFiles();
    const vuv::SelectiveResult result = args.empty() ? vuv::ClearSelectivePlay(collection, files)
                                                     : vuv::ApplySelectivePlay(collection, files, criteria);
    // The refusal is the command's answer, printed as the dialog shows it.
    if (result == vuv::SelectiveResult::ExcludesAllTracks)
        PrintLine(vuv::kExcludesAllTracksMessage);
    return result == vuv::SelectiveResult::Applied ? kOk : kFailed;
}

int SelectionCommand(ToolContext&, const std::vector<std::string>& args)
{
    if (!args.empty())
        return BadUsage("selection");
    const std::string index = vuv::UserSelectionFiles().index;
    if (!vuv::Exists(index)) {
        PrintLine("all");
        return kOk;
    }
    for (uint32_t position : vuv::ReadSelectionIndex(index))
        PrintLine(std::to_string(position));
    return kOk;
}

}  // namespace

VUVTOOL_COMMAND("criteria",
                "[--untick-artist NAME]... [--exclude-genre NAME]... [--indeterminate-genre NAME]... "
                "[--min-pref N] [--years FIRST LAST]",
                CriteriaCommand);
VUVTOOL_COMMAND("selection", "", SelectionCommand);

}  // namespace vuvtool
