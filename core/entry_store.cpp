#include "core/entry_store.h"

#include <memory>
#include <random>

namespace tolvane {

EntryStore::EntryStore(FileAccess& files, std::string storePath, RandomByte random)
    : files_(files), storePath_(std::move(storePath)), random_(std::move(random)) {}

LoadResult EntryStore::load(EntryModel& model, bool systemStartMode) {
    model.systemStart.clear();
    model.programStart.clear();
    const FileRead file = files_.read(storePath_);
    switch (file.state) {
    case FileState::Missing:
        return LoadResult::NoFile;
    case FileState::Unreadable:
        mustKeepOldFile_ = true;
        return LoadResult::Unreadable;
    case FileState::Read:
        break;
    }
    const PlainDecodeReport report = DecodePlainStore(Unscramble(file.bytes), model, systemStartMode ? 1u : 0u);
    // Every save writes an even number of bytes in canonical records.
    if (report.canonical && file.bytes.size() % 2 == 0) return LoadResult::Loaded;
    mustKeepOldFile_ = true;
    return LoadResult::LoadedDamaged;
}

bool EntryStore::keepDamagedFile() {
    for (int attempt = 1; attempt < 1000; ++attempt) {
        std::string candidate = storePath_ + ".bak";
        if (attempt > 1) candidate += std::to_string(attempt);
        if (files_.exists(candidate)) continue;
        if (!files_.copyNew(storePath_, candidate)) return false;
        backupPath_ = candidate;
        return true;
    }
    return false;
}

bool EntryStore::save(const EntryModel& model) {
    if (mustKeepOldFile_) {
        // A file that vanished meanwhile needs no copy; one still locked must
        // not be overwritten with lists that lack its entries.
        if (files_.exists(storePath_) && !keepDamagedFile()) return false;
        mustKeepOldFile_ = false;
    }
    return files_.replaceAtomically(storePath_, Scramble(EncodePlainStore(model), random_));
}

RandomByte MakeRandomByteSource() {
    auto engine = std::make_shared<std::minstd_rand>(std::random_device{}());
    return [engine] { return static_cast<std::uint8_t>((*engine)() >> 8); };
}

}  // namespace tolvane
