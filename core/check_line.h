// One precondition item as the user reads it, measured now: in the check
// view's three columns and in the history. UTF-8.
#pragma once

#include <string>

namespace tolvane {

struct CheckLine {
    std::string precondition;  // "Freier Festplattenspeicher größer als ... 5000"
    std::string measured;      // "4211 MB frei"
    std::string state;         // "erfüllt", "wartet (noch 42 s)", "nicht erfüllt"
    bool operator==(const CheckLine&) const = default;
};

}  // namespace tolvane
