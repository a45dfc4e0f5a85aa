// What the user reads about one precondition item: in the check view's three
// columns and in the history. UTF-8, as the measured texts are.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/precondition_eval.h"

namespace tolvane {

struct CheckLine {
    std::string precondition;  // "Freier Festplattenspeicher größer als ... 5000"
    std::string measured;      // "4211 MB frei"
    std::string state;         // "erfüllt", "wartet (noch 42 s)", "nicht erfüllt"
    bool operator==(const CheckLine&) const = default;
};

// The item as the precondition lists show it: its label, then its value
// when the kind takes one.
std::string ItemText(int kind, std::string_view value);

std::string StateText(const ItemReading& reading);

CheckLine CheckLineOf(const ItemReading& reading);
std::vector<CheckLine> CheckLinesOf(const std::vector<ItemReading>& readings);

}  // namespace tolvane
