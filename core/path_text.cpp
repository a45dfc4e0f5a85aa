#include "core/path_text.h"

namespace tolvane {

std::string_view FilePart(std::string_view path) {
    if (!path.empty() && path.front() == '"') path.remove_prefix(1);
    const std::size_t separator = path.find_last_of("\\/");
    if (separator != std::string_view::npos) path.remove_prefix(separator + 1);
    return path.substr(0, path.find('"'));
}

std::string_view ExtensionOf(std::string_view path) {
    const std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos) return {};
    const std::string_view tail = path.substr(dot + 1);
    return tail.find_first_of("\\/") == std::string_view::npos ? tail : std::string_view();
}

}  // namespace tolvane
