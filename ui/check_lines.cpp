#include "ui/check_lines.h"

#include "core/texts.h"

namespace tolvane {

std::vector<CheckLine> LinesToShow(const std::vector<CheckLine>& lines) {
    if (!lines.empty()) return lines;
    return {CheckLine{std::string(fixed_text::kNoPreconditions), {}, {}}};
}

std::string CheckViewTitle(std::string_view entryName) {
    return ReplaceFilePlaceholder(fixed_text::kCheckTitle, entryName);
}

}  // namespace tolvane
