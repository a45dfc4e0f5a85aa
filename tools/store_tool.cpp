#include "tools/store_tool.h"

#include <array>
#include <ostream>

#include "core/cp1252.h"
#include "core/entry_store.h"
#include "tools/json_lines.h"

namespace tolvane {

namespace {

constexpr std::array<const char*, kEntryFieldCount> kFieldKeys = {"name", "condition", "parameters", "hidden", "path"};
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
    // Exactly the program's loader: unscramble, then the record rules.
    EntryModel model;
    const PlainDecodeReport report = DecodePlainStore(Unscramble(file.bytes), model, 0);
    for (ListKind kind : {ListKind::SystemStart, ListKind::ProgramStart}) {
        for (const EntryRow& row : model.list(kind).rows()) {
            out << "{\"list\":" << (kind == ListKind::SystemStart ? "\"system\"" : "\"program\"");
            for (int column = 0; column < kEntryFieldCount; ++column)
                out << ",\"" << kFieldKeys[column] << "\":" << JsonString(Cp1252ToUtf8(EntryField(row.entry, column)));
            out << "}\n";
        }
    }
    if (!report.canonical || file.bytes.size() % 2 != 0)
        err << "tolvane-store: warning: " << path << " is not exactly as Tolvane writes it; the rows above are what Tolvane reads from it\n";
    return 0;
}

bool Reject(std::string& error, std::string why) {
    error = std::move(why);
    return false;
}

// One line of JSON into an entry; false with a message when the line is wrong.
bool ParseRow(const std::string& line, ListKind& kind, StartEntry& entry, std::string& error) {
    const auto object = ParseFlatJsonObject(line, error);
    if (!object) return false;
    for (const auto& [key, value] : object->booleans) {
        if (key != "hidden") return Reject(error, "\"" + key + "\" must be a string");
        entry.hidden = value ? kHiddenMark : "";
    }
    bool haveList = false;
    for (const auto& [key, value] : object->strings) {
        if (key == "list") {
            if (value != "system" && value != "program") return Reject(error, "\"list\" must be \"system\" or \"program\"");
            kind = value == "system" ? ListKind::SystemStart : ListKind::ProgramStart;
            haveList = true;
            continue;
        }
        int column = 0;
        while (column < kEntryFieldCount && key != kFieldKeys[column]) ++column;
        if (column == kEntryFieldCount) return Reject(error, "unknown key \"" + key + "\"");
        const auto ansi = Utf8ToCp1252(value);
        if (!ansi) return Reject(error, "\"" + key + "\" holds a character that Windows-1252 cannot represent");
        if (!IsStorableField(*ansi))
            return Reject(error, "\"" + key + "\" holds a line break, NUL or 0x01, which the store cannot hold");
        EntryField(entry, column) = *ansi;
    }
    if (!haveList) return Reject(error, "\"list\" is missing");
    return true;
}

int Pack(const std::string& jsonPath, const std::string& storePath, FileAccess& files, std::ostream& err) {
    const FileRead input = files.read(jsonPath);
    if (input.state != FileState::Read) {
        err << "tolvane-store: cannot read " << jsonPath << "\n";
        return 1;
    }
    EntryModel model;
    std::size_t lineNumber = 0;
    for (std::size_t begin = 0; begin < input.bytes.size();) {
        std::size_t end = input.bytes.find('\n', begin);
        if (end == std::string::npos) end = input.bytes.size();
        const std::string line = input.bytes.substr(begin, end - begin);
        begin = end + 1;
        ++lineNumber;
        if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
        ListKind kind = ListKind::SystemStart;
        StartEntry entry;
        std::string error;
        if (!ParseRow(line, kind, entry, error)) {
            err << "tolvane-store: " << jsonPath << ":" << lineNumber << ": " << error << "\n";
            return 1;
        }
        model.list(kind).append(std::move(entry));
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
