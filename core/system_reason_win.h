// The system's own words for an error code, for messages and the history.
#pragma once

#include <cstdint>
#include <string>

namespace tolvane {

// UTF-8: "Zugriff verweigert (Fehler 5)"; "Fehler 5" when the system has no text.
std::string SystemErrorReason(std::uint32_t code);

}  // namespace tolvane
