// What the user reads when a system library the program loads late (at its
// first call) cannot be loaded, or lacks a function.
#pragma once

#include <string>
#include <string_view>

namespace tolvane {

// UTF-8. function is empty when the library itself could not be loaded.
std::string MissingLibraryMessage(std::string_view library, std::string_view function);

}  // namespace tolvane
