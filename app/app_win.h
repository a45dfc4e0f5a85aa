// The one Tolvane process: owns the entry lists, the store, the history and
// the way to the user, for the windows, the wizards and the engine's link.
// It lives on the windows' thread; the engine keeps copies of its own.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>

#include "app/notifier_win.h"
#include "core/entry_book.h"
#include "core/entry_store.h"
#include "core/history_file.h"
#include "core/pass_clock.h"

namespace tolvane {

struct App : EntryBook {
    bool systemStartMode = false;
    // When the run began, and when the store locked at start was last looked at.
    PassClock clock;
    std::unique_ptr<EntryStore> store;
    // Every failure goes to the user through it.
    Notifier notify;
    // True while the lists hold changes that the last save could not write.
    bool unsaved = false;
    // The start history; none without a profile folder.
    std::unique_ptr<HistoryFile> history;
    // Hands every committed change of the lists on (to the engine).
    std::function<void()> entriesCommitted;

    App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // Hands the change on, then writes both lists at once. A failure is told
    // at once and the next save writes everything again.
    void commitEntries() override;
    // A failed save is tried once more, and if it fails again the user
    // decides. False keeps the program running.
    bool readyToQuit() override;
    // In the first minute: fills the lists from a store that was locked at
    // start, once it can be read; true when it was.
    bool loadStoreIfNowReadable(std::uint32_t now);

    // Adds one event to the history; written at the next flush, after the
    // work that caused it.
    void record(const std::string& text);
    void flushHistory();
};

}  // namespace tolvane
