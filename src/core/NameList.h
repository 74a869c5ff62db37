// A list of distinct texts in order of first appearance, equal only when
// equal byte for byte (case counts). Lookups are hashed, so filling it from
// a whole collection stays linear in the track count.
#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace vuv {

class NameList {
public:
    // Adds the text unless it is already listed; an empty text is listed
    // only with `keepEmpty`.
    void Add(const char* text, bool keepEmpty);
    bool Contains(std::string_view text) const { return index_.count(text) != 0; }
    const std::vector<std::string>& Names() const { return names_; }
    size_t Size() const { return names_.size(); }
    void Clear();

private:
    std::vector<std::string> names_;
    std::deque<std::string> keys_;                // stable storage the index points into
    std::unordered_set<std::string_view> index_;  // views of keys_
    std::string_view last_;  // the text of the last call: runs of one artist skip the hash
    bool haveLast_ = false;
};

}  // namespace vuv
