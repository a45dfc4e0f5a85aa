// Run-wide state of the one Tolvane process, shared by the windows and the
// wizards. Everything runs on the one thread that owns the windows.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>

#include "core/command_line.h"
#include "core/entry_store.h"
#include "core/history_file.h"
#include "core/pass_clock.h"
#include "core/start_entry.h"
#include "core/message_box_win.h"

namespace tolvane {

struct App {
    HINSTANCE instance = nullptr;
    bool systemStartMode = false;
    PassClock clock;
    EntryModel model;
    std::unique_ptr<EntryStore> store;
    // Tells the user what became of a save (texts in UTF-8, as they name the
    // store's path); the program's message box unless a test replaces it.
    AskUser ask;
    // True while the lists hold changes that the last save could not write.
    bool unsaved = false;
    // The start history; none without a profile folder.
    std::unique_ptr<HistoryFile> history;
    // Hands every committed change of the lists on (to the engine).
    std::function<void()> entriesCommitted;
    // Shows a failed start at once (UTF-8 texts): the tray's balloon.
    std::function<void(const std::string& title, const std::string& text)> showFailure;

    // Writes both lists at once; called after every change of either list.
    // A failure is told at once and the next save writes everything again.
    void saveEntries();
    // Called once quitting is confirmed: a failed save is tried once more,
    // and if it fails again the user decides. False keeps the program running.
    bool readyToQuit();
    // At the passes of the first minute: fills the lists from a store that
    // was locked at start, once it can be read; true when it was.
    bool loadStoreIfNowReadable(std::uint32_t now);

    // Adds one event to the history; written at the next flush, after the
    // work that caused it.
    void record(const std::string& text);
    void flushHistory();
};

}  // namespace tolvane
