#include "core/NameList.h"

namespace vuv {

void NameList::Add(const char* text, bool keepEmpty)
{
    if (!keepEmpty && text[0] == '\0')
        return;
    if (haveLast_ && last_ == text)
        return;
    last_ = text;
    haveLast_ = true;
    if (index_.insert(last_).second)
        names_.push_back(last_);
}

void NameList::Clear()
{
    names_.clear();
    index_.clear();
    last_.clear();
    haveLast_ = false;
}

}  // namespace vuv
