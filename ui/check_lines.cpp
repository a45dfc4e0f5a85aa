#include "ui/check_lines.h"

#include "core/cp1252.h"
#include "core/texts.h"

namespace tolvane {

std::vector<CheckLine> LinesToShow(const std::vector<CheckLine>& lines) {
    if (!lines.empty()) return lines;
    return {CheckLine{Cp1252ToUtf8(fixed_text::kNoPreconditions), {}, {}}};
}

std::string CheckViewTitle(std::string_view entryName) {
    return Cp1252ToUtf8(ReplaceFilePlaceholder(fixed_text::kCheckTitle, entryName));
}

}  // namespace tolvane
