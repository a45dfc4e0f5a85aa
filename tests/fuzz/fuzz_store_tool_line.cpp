// Arbitrary bytes as one line for tolvane-store pack: nothing may escape the
// reader, and a row it takes must come back unchanged through dump's writer.
// Input starting with "{" is the line itself; any other input is cut at zero
// bytes into the raw texts of the six members, so rows get taken often.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "tools/json_row.h"
#include "tools/row_rules.h"

namespace {

std::string LineOfPieces(std::string_view input) {
    static constexpr std::array<const char*, 6> kKeys = {"list", "name", "condition", "parameters", "hidden", "path"};
    std::string line = "{";
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        const std::size_t end = std::min(input.find('\0'), input.size());
        line += std::string(i ? "," : "") + "\"" + kKeys[i] + "\":\"" + std::string(input.substr(0, end)) + "\"";
        input.remove_prefix(std::min(end + 1, input.size()));
    }
    return line + "}";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tolvane;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string line = input.substr(0, 1) == "{" ? std::string(input) : LineOfPieces(input);
    LineRefusal refusal;
    const auto fields = ParseJsonFields(line, refusal);
    if (!fields) {
        if (refusal.reason.empty()) std::abort();
        return 0;
    }
    const auto row = RowOfFields(*fields, refusal);
    if (!row) return 0;
    const auto again = ParseJsonFields(JsonLine(FieldsOfRow(row->kind, row->entry)), refusal);
    if (!again) std::abort();
    const auto rowAgain = RowOfFields(*again, refusal);
    if (!rowAgain || rowAgain->kind != row->kind || !(rowAgain->entry == row->entry)) std::abort();
    return 0;
}
