#include "core/missing_library_text.h"

namespace tolvane {

std::string MissingLibraryMessage(std::string_view library, std::string_view function) {
    const std::string named = "„" + std::string(library) + "“";
    const std::string what = function.empty()
                                 ? "Die Windows-Bibliothek " + named + " ließ sich nicht laden."
                                 : "Der Windows-Bibliothek " + named + " fehlt die Funktion „" +
                                       std::string(function) + "“.";
    return what + "\r\n\r\nTolvane kann so nicht weiterlaufen und wird beendet.";
}

}  // namespace tolvane
