// Texts of the tray balloon, in UTF-8, cut to what the notification area
// holds.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tolvane {

// The notification area keeps 63 UTF-16 units of a title and 255 of a text.
inline constexpr std::size_t kBalloonTitleUnits = 63;
inline constexpr std::size_t kBalloonTextUnits = 255;

// At most `units` UTF-16 units, cut between characters; a cut text ends in
// "..." so that it does not read as whole.
std::string CutForBalloon(std::string_view text, std::size_t units);

}  // namespace tolvane
