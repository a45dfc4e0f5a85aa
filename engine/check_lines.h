// The check lines of the engine's readings. UTF-8, as the measured texts are.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/check_line.h"
#include "engine/precondition_eval.h"

namespace tolvane {

// The item as the precondition lists show it: its label, then its value
// when the kind takes one.
std::string ItemText(int kind, std::string_view value);

std::string StateText(const ItemReading& reading);

CheckLine CheckLineOf(const ItemReading& reading);
std::vector<CheckLine> CheckLinesOf(const std::vector<ItemReading>& readings);
// The lines of a check that has not answered yet: each item, "wird geprüft".
std::vector<CheckLine> UncheckedLines(std::string_view conditionText);

}  // namespace tolvane
