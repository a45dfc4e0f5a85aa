// Which row icons an image list holds: a fixed number of slots, each filled
// with the icon of one key (see RowIconKey), the one shown longest ago
// given up first when all are taken. Keeps a long list's icons to those
// recently drawn, however many rows it has and however often they change.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace tolvane {

class IconSlots {
public:
    explicit IconSlots(std::size_t capacity) : capacity_(capacity == 0 ? 1 : capacity) {}

    // The slot holding the key's icon, marked as just used.
    std::optional<int> find(const std::string& key);
    // A slot for the key's icon, which the caller fills: the next unused
    // one, or the one used longest ago (its old key is forgotten).
    int claim(const std::string& key);
    // Gives up the key's slot, e.g. when its icon could not be stored.
    void forget(const std::string& key);
    void clear();

    std::size_t size() const { return byKey_.size(); }
    std::size_t capacity() const { return capacity_; }

private:
    struct Slot {
        std::string key;
        std::uint64_t used = 0;
        bool taken = false;
    };
    std::size_t capacity_;
    std::uint64_t clock_ = 0;
    std::vector<Slot> slots_;
    std::unordered_map<std::string, int> byKey_;
};

}  // namespace tolvane
