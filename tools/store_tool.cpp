#include "tools/store_tool.h"

#include <ostream>
#include <string_view>

#include "core/entry_store.h"
#include "tools/json_row.h"
#include "tools/row_rules.h"

namespace tolvane {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr const char* kUsage =
    "usage: tolvane-store dump FILE\n"
    "       tolvane-store pack JSONL FILE\n"
    "dump prints the rows of a stored file as JSON lines (UTF-8), in file order;\n"
    "pack writes a stored file from such lines, replacing FILE.\n";

int Dump(const std::string& path, FileAccess& files, std::ostream& out, std::ostream& err) {
    const FileRead file = files.read(path);
    if (file.state != FileState::Read) {
        err << "tolvane-store: cannot read " << path << "\n";
        return 1;
    }
    // Exactly the program's loader: the seal, unscramble, then the record rules.
    EntryModel model;
    const StoredDecode decoded = DecodeStoredFile(file.bytes, model, 0);
    for (ListKind kind : {ListKind::SystemStart, ListKind::ProgramStart})
        for (const EntryRow& row : model.list(kind).rows()) out << JsonLine(FieldsOfRow(kind, row.entry)) << "\n";
    if (decoded.damaged)
        err << "tolvane-store: warning: " << path
            << " is damaged (not as Tolvane writes it); the rows above are its whole records, which Tolvane "
               "loads without starting them\n";
    return 0;
}

std::optional<PackedRow> ParseRow(std::string_view line, LineRefusal& refusal) {
    const auto fields = ParseJsonFields(line, refusal);
    if (!fields) return std::nullopt;
    return RowOfFields(*fields, refusal);
}

int Pack(const std::string& jsonPath, const std::string& storePath, FileAccess& files, std::ostream& err) {
    const FileRead input = files.read(jsonPath);
    if (input.state != FileState::Read) {
        err << "tolvane-store: cannot read " << jsonPath << "\n";
        return 1;
    }
    std::string_view text = input.bytes;
    // Windows editors like to save UTF-8 with a mark in front.
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) text.remove_prefix(kByteOrderMark.size());
    EntryModel model;
    std::size_t lineNumber = 0;
    for (std::size_t begin = 0; begin < text.size();) {
        std::size_t end = text.find('\n', begin);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(begin, end - begin);
        begin = end + 1;
        ++lineNumber;
        if (line.find_first_not_of(" \t\r") == std::string_view::npos) continue;
        LineRefusal refusal;
        auto row = ParseRow(line, refusal);
        if (!row) {
            err << "tolvane-store: " << jsonPath << ":" << lineNumber << ": ";
            if (refusal.field) err << "\"" << *refusal.field << "\": ";
            err << refusal.reason << "\n";
            return 1;
        }
        model.list(row->kind).append(std::move(row->entry));
    }
    EntryStore store(files, storePath, MakeRandomByteSource());
    if (!store.save(model).saved()) {
        err << "tolvane-store: cannot write " << storePath << "\n";
        return 1;
    }
    return 0;
}

}  // namespace

int RunStoreTool(const std::vector<std::string>& args, FileAccess& files, std::ostream& out, std::ostream& err) {
    if (args.size() == 2 && args[0] == "dump") return Dump(args[1], files, out, err);
    if (args.size() == 3 && args[0] == "pack") return Pack(args[1], args[2], files, err);
    err << kUsage;
    return 2;
}

}  // namespace tolvane
