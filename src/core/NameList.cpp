#include "core/NameList.h"

namespace vuv {

void NameList::Add(const char* text, bool keepEmpty)
{
    if (!keepEmpty && text[0] == '\0')
        return;
    const std::string_view view(text);
    if (haveLast_ && last_ == view)
        return;
    auto found = index_.find(view);
    if (found == index_.end()) {
        keys_.emplace_back(view);
        found = index_.insert(std::string_view(keys_.back())).first;
        names_.emplace_back(view);
    }
    last_ = *found;
    haveLast_ = true;
}

void NameList::Clear()
{
    names_.clear();
    index_.clear();
    keys_.clear();
    last_ = std::string_view();
    haveLast_ = false;
}

}  // namespace vuv
