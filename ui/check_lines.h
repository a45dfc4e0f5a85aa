// What the check view of an entry shows: one line per precondition, as it
// was measured now. Texts are UTF-8.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/check_line.h"

namespace tolvane {

// The lines to show: an entry without preconditions gets one line saying so,
// so that an empty list is never mistaken for a check that did not run.
std::vector<CheckLine> LinesToShow(const std::vector<CheckLine>& lines);

// Title of the check view for the entry of this name.
std::string CheckViewTitle(std::string_view entryName);

}  // namespace tolvane
