#include "intake/DroppedFiles.h"

namespace vuv {

// Adding tracks arrives with the track sources; until then a drop is
// accepted and nothing is added.
void AddDroppedFiles(const std::vector<std::string>&) {}

}  // namespace vuv
