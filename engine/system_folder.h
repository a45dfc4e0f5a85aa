// A 32-bit program on 64-bit Windows sees the system folder redirected to
// the 32-bit one, while the user sees the 64-bit one in Explorer. Paths into
// it are reached through the "Sysnative" alias, which names the 64-bit
// folder for such a program only.
#pragma once

#include <string>
#include <string_view>

namespace tolvane {

// `path` with a leading "<windowsFolder>\System32" (any letter case, as the
// whole folder name) turned into "<windowsFolder>\Sysnative"; any other path
// unchanged. `windowsFolder` is e.g. "C:\Windows", without a final "\".
std::string SysnativePath(std::string_view path, std::string_view windowsFolder);

}  // namespace tolvane
