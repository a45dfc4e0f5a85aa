// What a path names, as the file and directory preconditions and the
// wizards' "existing file" rules see it.
#pragma once

#include <cstdint>
#include <string_view>

namespace tolvane {

enum class PathKind { Missing, Directory, File };

// A two- or three-character drive path ("C:", "C:\") is a directory when the
// drive exists; otherwise one trailing backslash is dropped and the path is
// searched, so wildcards match any fitting name.
PathKind ProbePath(std::string_view path);

}  // namespace tolvane
