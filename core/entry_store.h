// Loads and saves both entry lists in the scrambled store file. The plain
// form lives only in memory; a save replaces the file atomically, and a file
// that could not be read cleanly is copied aside before it is ever replaced.
#pragma once

#include <cstdint>
#include <string>

#include "core/file_access.h"
#include "core/start_entry.h"
#include "core/store_format.h"

namespace tolvane {

inline constexpr const char* kStoreFileName = "tolvane.boot";

// How long after start a store that could not be read is tried again.
inline constexpr std::int32_t kUnreadableStoreRetryMs = 60'000;

enum class LoadResult {
    NoFile,
    Loaded,
    // Not as Tolvane writes it: copied aside at once (see backupPath()), only
    // its whole records loaded, and none of them marked pending.
    LoadedDamaged,
    Unreadable,
};

enum class SaveOutcome {
    Saved,
    // The file that could not be read at start could not be copied aside,
    // so it was not replaced.
    KeepAsideFailed,
    // The new file could not be written or moved into place.
    WriteFailed,
};

struct SaveResult {
    SaveOutcome outcome = SaveOutcome::Saved;
    std::uint32_t error = 0;  // the system's error code when not saved
    // Set when this save copied a file that could not be read cleanly aside.
    std::string backupPath;

    bool saved() const { return outcome == SaveOutcome::Saved; }
};

class EntryStore {
public:
    EntryStore(FileAccess& files, std::string storePath, RandomByte random);

    // Empties both lists and fills them from the file; in system-start mode
    // every loaded row of an intact file is marked pending.
    LoadResult load(EntryModel& model, bool systemStartMode);
    // Writes both lists. Nothing is written when the file could not be
    // replaced, or when an unreadable file could not be kept aside first.
    SaveResult save(const EntryModel& model);

    // A store locked at start (by a backup, sync or virus scanner) is read
    // again while the lists are as that load left them, within the first
    // minute; true when the lists were filled from it just now.
    bool loadIfNowReadable(EntryModel& model, bool systemStartMode, std::int32_t msSinceStart);
    // True while such a later load is still possible.
    bool awaitsUnreadableFile() const { return awaitingReadable_; }
    // What the last load found, a late one included (it may find the file damaged).
    LoadResult lastLoad() const { return lastLoad_; }

    const std::string& path() const { return storePath_; }
    // Where an unreadable or damaged file was kept; empty when none was.
    const std::string& backupPath() const { return backupPath_; }

private:
    LoadResult loadFile(EntryModel& model, bool systemStartMode);
    FileStatus keepDamagedFile();

    FileAccess& files_;
    std::string storePath_;
    RandomByte random_;
    bool mustKeepOldFile_ = false;
    bool awaitingReadable_ = false;
    LoadResult lastLoad_ = LoadResult::NoFile;
    std::string backupPath_;
};

// Byte source for scrambling; any spread of values 0..255 will do.
RandomByte MakeRandomByteSource();

}  // namespace tolvane
