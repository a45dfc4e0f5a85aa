// What the user is told about saving the store: a save that failed, the
// copy of an unreadable store kept aside, changes that would be lost on
// quit. Texts are UTF-8, like the store's path they name (a profile folder
// may hold any character); the reason is the system's own text, in UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/entry_store.h"

namespace tolvane {

// The system's message for an error, without its line end, with the code
// for reference: "Zugriff verweigert (Fehler 5)"; "Fehler 5" without a text.
std::string SystemReason(std::string_view systemText, std::uint32_t code);

// What to tell after a save, or the empty text when there is nothing to
// tell (saved, nothing kept aside). `reason` is SystemReason of result.error.
std::string SaveReportText(const SaveResult& result, std::string_view storePath, std::string_view reason);

// What to tell after a load found the store damaged (LoadResult::LoadedDamaged).
// `backupPath` is EntryStore::backupPath(), empty when the copy failed (the
// first save then tries it again and does not replace the file without it).
std::string DamagedStoreText(std::string_view storePath, std::string_view backupPath, bool systemStartMode);

// Question on quit while the last save failed once more.
std::string QuitUnsavedText(std::string_view storePath, std::string_view reason);

}  // namespace tolvane
