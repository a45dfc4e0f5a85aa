// Run-wide state of the one Tolvane process and the start-up, main loop and
// shutdown around it. Everything runs on the one thread that owns the windows.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "core/command_line.h"
#include "core/entry_store.h"
#include "core/pass_clock.h"
#include "core/start_entry.h"

namespace tolvane {

struct App {
    HINSTANCE instance = nullptr;
    bool systemStartMode = false;
    PassClock clock;
    EntryModel model;
    std::unique_ptr<EntryStore> store;

    // Writes both lists at once; called after every change of either list.
    void saveEntries() {
        if (store) store->save(model);
    }
};

// Path of the store file in the user's profile folder; empty when the
// profile folder cannot be found.
std::string StoreFilePath();

// Start-up, main loop and shutdown; returns the process exit code.
int RunTolvane(HINSTANCE instance, const char* commandLine);

}  // namespace tolvane
