// Arbitrary stored bytes through the loader's path: unscramble, decode, and
// a save of what was read must load back to the same rows.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/store_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tolvane;
    const std::string_view stored(reinterpret_cast<const char*>(data), size);
    EntryModel model;
    DecodePlainStore(Unscramble(stored), model, 1);
    // Bytes the format cannot hold never survive a decode, so a save and a
    // load must reproduce the rows exactly.
    EntryModel again;
    const auto report = DecodePlainStore(EncodePlainStore(model), again, 1);
    if (!report.canonical) std::abort();
    for (auto kind : {ListKind::SystemStart, ListKind::ProgramStart}) {
        const EntryList& a = model.list(kind);
        const EntryList& b = again.list(kind);
        if (a.size() != b.size()) std::abort();
        for (std::size_t i = 0; i < a.size(); ++i)
            if (!(a[i].entry == b[i].entry)) std::abort();
    }
    return 0;
}
