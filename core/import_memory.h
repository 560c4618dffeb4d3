#pragma once
// What earlier imports added, by each reminder's calendar UID and time, so that importing
// the same file again adds nothing twice. Kept as a text of its own beside the data file,
// one key a line in the exact text form.

#include <set>
#include <string>
#include <string_view>

namespace nudgery {

class ImportMemory {
public:
    // Reads the text of the memory file; lines that are not keys (its heading among them)
    // are passed over.
    static ImportMemory FromText(std::string_view text);
    std::string Text() const;

    bool Holds(const std::string& key) const { return keys_.contains(key); }
    void Add(std::string key) { keys_.insert(std::move(key)); }
    std::size_t Size() const { return keys_.size(); }

private:
    std::set<std::string> keys_;
};

} // namespace nudgery
