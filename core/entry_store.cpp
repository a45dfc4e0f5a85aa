#include "core/entry_store.h"

#include <memory>
#include <random>

namespace tolvane {

namespace {

// Stands for "the file exists already" when a system gives no code.
constexpr std::uint32_t kNoFreeBackupName = 80;  // ERROR_FILE_EXISTS

}  // namespace

EntryStore::EntryStore(FileAccess& files, std::string storePath, RandomByte random)
    : files_(files), storePath_(std::move(storePath)), random_(std::move(random)) {}

LoadResult EntryStore::load(EntryModel& model, bool systemStartMode) {
    lastLoad_ = loadFile(model, systemStartMode);
    return lastLoad_;
}

LoadResult EntryStore::loadFile(EntryModel& model, bool systemStartMode) {
    model.systemStart.clear();
    model.programStart.clear();
    mustKeepOldFile_ = false;
    awaitingReadable_ = false;
    const FileRead file = files_.read(storePath_);
    switch (file.state) {
    case FileState::Missing:
        return LoadResult::NoFile;
    case FileState::Unreadable:
        mustKeepOldFile_ = true;
        awaitingReadable_ = true;
        return LoadResult::Unreadable;
    case FileState::Read:
        break;
    }
    if (!DecodeStoredFile(file.bytes, model, systemStartMode ? 1u : 0u).damaged) return LoadResult::Loaded;
    // Kept aside now, while it is as it was found; a copy that fails now is
    // tried again before the first save replaces it.
    backupPath_.clear();
    mustKeepOldFile_ = !keepDamagedFile().ok();
    return LoadResult::LoadedDamaged;
}

bool EntryStore::loadIfNowReadable(EntryModel& model, bool systemStartMode, std::int32_t msSinceStart) {
    if (!awaitingReadable_) return false;
    if (msSinceStart < 0 || msSinceStart >= kUnreadableStoreRetryMs) {
        awaitingReadable_ = false;  // given up: the first save keeps the file aside
        return false;
    }
    EntryModel loaded;
    if (load(loaded, systemStartMode) == LoadResult::Unreadable) return false;
    model = std::move(loaded);
    return true;
}

FileStatus EntryStore::keepDamagedFile() {
    for (int attempt = 1; attempt < 1000; ++attempt) {
        std::string candidate = storePath_ + ".bak";
        if (attempt > 1) candidate += std::to_string(attempt);
        if (files_.exists(candidate)) continue;
        const FileStatus copied = files_.copyNew(storePath_, candidate);
        if (copied.ok()) backupPath_ = candidate;
        return copied;
    }
    return {kNoFreeBackupName};
}

SaveResult EntryStore::save(const EntryModel& model) {
    // The lists have changed: what a late load would bring must not replace them.
    awaitingReadable_ = false;
    SaveResult result;
    if (mustKeepOldFile_) {
        // A file that vanished meanwhile needs no copy; one still locked must
        // not be overwritten with lists that lack its entries.
        if (files_.exists(storePath_)) {
            const FileStatus kept = keepDamagedFile();
            if (!kept.ok()) return {SaveOutcome::KeepAsideFailed, kept.error, {}};
            result.backupPath = backupPath_;
        }
        mustKeepOldFile_ = false;
    }
    const FileStatus written = files_.replaceAtomically(storePath_, Scramble(SealPlainStore(EncodePlainStore(model)), random_));
    if (!written.ok()) {
        result.outcome = SaveOutcome::WriteFailed;
        result.error = written.error;
    }
    return result;
}

RandomByte MakeRandomByteSource() {
    auto engine = std::make_shared<std::minstd_rand>(std::random_device{}());
    return [engine] { return static_cast<std::uint8_t>((*engine)() >> 8); };
}

}  // namespace tolvane
