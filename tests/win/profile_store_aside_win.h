// Keeps the prefix's real store file aside while a test writes its own, and
// puts it back afterwards: the program under test saves to the real path.
#pragma once

#include <windows.h>

#include <string>

#include "app/app_win.h"
#include "core/store_location_win.h"
#include "core/entry_store.h"
#include "core/wide_text_win.h"

namespace tolvane {

class ProfileStoreAside {
public:
    ProfileStoreAside() : path_(StoreFilePath()), saved_(path_ + ".test-saved") {
        ::DeleteFileW(WideOfUtf8(saved_).c_str());
        hadStore_ = !path_.empty() && ::MoveFileW(WideOfUtf8(path_).c_str(), WideOfUtf8(saved_).c_str()) != 0;
    }
    ~ProfileStoreAside() {
        if (path_.empty()) return;
        ::DeleteFileW(WideOfUtf8(path_).c_str());
        ::DeleteFileW(WideOfUtf8(path_ + ".bak").c_str());
        if (hadStore_) ::MoveFileW(WideOfUtf8(saved_).c_str(), WideOfUtf8(path_).c_str());
    }
    ProfileStoreAside(const ProfileStoreAside&) = delete;
    ProfileStoreAside& operator=(const ProfileStoreAside&) = delete;

    // Empty when the profile folder cannot be found.
    const std::string& path() const { return path_; }
    bool exists() const { return ::GetFileAttributesW(WideOfUtf8(path_).c_str()) != INVALID_FILE_ATTRIBUTES; }
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
