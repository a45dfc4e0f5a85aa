// Loads and saves both entry lists in the scrambled store file. The plain
// form lives only in memory; a save replaces the file atomically, and a file
// that could not be read cleanly is copied aside before it is ever replaced.
#pragma once

#include <string>

#include "core/file_access.h"
#include "core/start_entry.h"
#include "core/store_format.h"

namespace tolvane {

inline constexpr const char* kStoreFileName = "tolvane.boot";

enum class LoadResult { NoFile, Loaded, LoadedDamaged, Unreadable };

class EntryStore {
public:
    EntryStore(FileAccess& files, std::string storePath, RandomByte random);

    // Empties both lists and fills them from the file; in system-start mode
    // every loaded row is marked pending.
    LoadResult load(EntryModel& model, bool systemStartMode);
    // Writes both lists. False when nothing was written: the file could not
    // be replaced, or an unreadable file could not be kept aside first.
    bool save(const EntryModel& model);

    const std::string& path() const { return storePath_; }
    // Where an unreadable or damaged file was kept; empty when none was.
    const std::string& backupPath() const { return backupPath_; }

private:
    bool keepDamagedFile();

    FileAccess& files_;
    std::string storePath_;
    RandomByte random_;
    bool mustKeepOldFile_ = false;
    std::string backupPath_;
};

// Byte source for scrambling; any spread of values 0..255 will do.
RandomByte MakeRandomByteSource();

}  // namespace tolvane
