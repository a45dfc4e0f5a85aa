// The entry lists as the windows change them. Every change is committed at
// once; what a commit does (save, hand the entries to the engine, tell the
// user how it went) is the program's business, not the windows'.
#pragma once

#include "core/start_entry.h"

namespace tolvane {

class EntryBook {
public:
    EntryModel model;

    // Called after every change of either list.
    virtual void commitEntries() = 0;
    // Called once quitting is confirmed; false keeps the program running.
    virtual bool readyToQuit() = 0;

protected:
    ~EntryBook() = default;
};

}  // namespace tolvane
