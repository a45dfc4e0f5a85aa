#include "ui/icon_slots.h"

namespace tolvane {

std::optional<int> IconSlots::find(const std::string& key) {
    const auto found = byKey_.find(key);
    if (found == byKey_.end()) return std::nullopt;
    slots_[static_cast<std::size_t>(found->second)].used = ++clock_;
    return found->second;
}

int IconSlots::claim(const std::string& key) {
    if (const auto held = find(key)) return *held;
    std::size_t slot = slots_.size();
    // A slot given up earlier is filled before the list of slots grows.
    for (std::size_t index = 0; index < slots_.size() && slot == slots_.size(); ++index)
        if (!slots_[index].taken) slot = index;
    if (slot == slots_.size() && slots_.size() >= capacity_) {
        // A linear search is fine: it runs once per icon read from a file,
        // which costs far more.
        slot = 0;
        for (std::size_t index = 1; index < slots_.size(); ++index)
            if (slots_[index].used < slots_[slot].used) slot = index;
        byKey_.erase(slots_[slot].key);
    }
    if (slot == slots_.size()) slots_.emplace_back();
    slots_[slot] = {key, ++clock_, true};
    byKey_[key] = static_cast<int>(slot);
    return static_cast<int>(slot);
}

void IconSlots::forget(const std::string& key) {
    const auto found = byKey_.find(key);
    if (found == byKey_.end()) return;
    slots_[static_cast<std::size_t>(found->second)] = {};
    byKey_.erase(found);
}

void IconSlots::clear() {
    slots_.clear();
    byKey_.clear();
}

}  // namespace tolvane
