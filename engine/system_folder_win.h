// The path the system calls must be given so that they reach what the user
// means: on 64-bit Windows, System32 is the 64-bit folder.
#pragma once

#include <string>
#include <string_view>

namespace tolvane {

// Unchanged on 32-bit Windows and for a 64-bit build.
std::string PathAsTheUserSeesIt(std::string_view path);

}  // namespace tolvane
