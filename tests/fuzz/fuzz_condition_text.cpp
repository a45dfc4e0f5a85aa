// Arbitrary precondition texts: decoding never fails, and items whose parts
// hold no "{", "}" or ";" encode and decode back unchanged.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/precondition_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tolvane;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto items = DecodeConditions(text);
    for (const auto& item : items) {
        FindConditionKind(item.label);
        ReadLenientNumber(item.value);
    }
    std::vector<ConditionItem> clean;
    for (const auto& item : items)
        if (item.label.find_first_of("{};") == std::string::npos && CheckConditionValue(item.value) == ValueProblem::None)
            clean.push_back(item);
    if (DecodeConditions(EncodeConditions(clean)) != clean) std::abort();
    return 0;
}
