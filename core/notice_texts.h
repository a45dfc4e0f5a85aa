// Texts of the failures that concern the program itself rather than an
// entry or the store. UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace tolvane {

// The autostart shortcut could not be written in any startup folder.
std::string ShortcutFailedText(std::string_view reason);
std::string ShortcutFailedHistoryText(std::string_view reason);
inline constexpr char kProgramPathUnknown[] = "Der Pfad von Tolvane.exe ist unbekannt.";
inline constexpr char kNoStartupFolder[] = "Kein Autostart-Ordner ließ sich beschreiben.";
// "Beim Anmelden starten" was unchecked, but a shortcut stayed where the
// user may not change it (the folder of all users).
std::string ShortcutNotRemovedText(std::string_view linkPath);
// The choice could not be kept in the registry: it holds until Tolvane ends.
inline constexpr char kAutostartChoiceNotSaved[] =
    "Tolvane konnte die Wahl „Beim Anmelden starten“ nicht speichern; sie gilt nur, bis Tolvane beendet wird.";

// Why the history cannot be shown, when Windows gives no code for it.
inline constexpr char kHistoryIsAFolder[] = "An seiner Stelle liegt ein Ordner.";
inline constexpr char kNoProgramForHistory[] = "Windows kennt kein Programm, das „.log“-Dateien öffnet.";

}  // namespace tolvane
