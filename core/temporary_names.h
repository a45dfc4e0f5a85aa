// Names of the temporary files that saves write beside the store before
// moving them into place, and how a leftover of a killed save is known.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tolvane {

// "<path>.<process id>.tmp": two running copies never share one.
std::string TemporaryNameBeside(const std::string& path, std::uint32_t processId);

// The id of the process that wrote `fileName` when it is such a temporary
// file of the store `storeFileName` or of one of its backups
// ("tolvane.boot.1234.tmp", "tolvane.boot.bak2.1234.tmp"); nothing for any
// other name. Letter case is ignored, as Windows does for file names.
std::optional<std::uint32_t> TemporaryFileWriter(std::string_view fileName, std::string_view storeFileName);

}  // namespace tolvane
