// Where the store lives: the user's profile folder.
#pragma once

#include <string>

namespace tolvane {

// Path of the store file in the user's profile folder, in UTF-8; empty when
// the profile folder cannot be found.
std::string StoreFilePath();

}  // namespace tolvane
