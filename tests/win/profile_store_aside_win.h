// Keeps the prefix's real store file aside while a test writes its own, and
// puts it back afterwards: the program under test saves to the real path.
#pragma once

#include <windows.h>

#include <string>

#include "core/app_win.h"
#include "core/entry_store.h"

namespace tolvane {

class ProfileStoreAside {
public:
    ProfileStoreAside() : path_(StoreFilePath()), saved_(path_ + ".test-saved") {
        ::DeleteFileA(saved_.c_str());
        hadStore_ = !path_.empty() && ::MoveFileA(path_.c_str(), saved_.c_str()) != 0;
    }
    ~ProfileStoreAside() {
        if (path_.empty()) return;
        ::DeleteFileA(path_.c_str());
        ::DeleteFileA((path_ + ".bak").c_str());
        if (hadStore_) ::MoveFileA(saved_.c_str(), path_.c_str());
    }
    ProfileStoreAside(const ProfileStoreAside&) = delete;
    ProfileStoreAside& operator=(const ProfileStoreAside&) = delete;

    // Empty when the profile folder cannot be found.
    const std::string& path() const { return path_; }
    bool exists() const { return ::GetFileAttributesA(path_.c_str()) != INVALID_FILE_ATTRIBUTES; }
    // What a fresh load of the file finds.
    EntryModel stored() const {
        EntryModel loaded;
        EntryStore store(HostFiles(), path_, MakeRandomByteSource());
        store.load(loaded, false);
        return loaded;
    }

private:
    std::string path_, saved_;
    bool hadStore_ = false;
};

}  // namespace tolvane
