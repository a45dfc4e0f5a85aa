#include "core/store_format.h"

#include <algorithm>

namespace tolvane {

namespace {
constexpr char kFieldEnd = '\x01';
constexpr std::uint8_t kSystemStartByte = 0x00;
constexpr std::uint8_t kProgramStartByte = 0x01;
}  // namespace

std::string Scramble(std::string_view plain, const RandomByte& random) {
    std::string stored;
    stored.reserve(plain.size() * 2);
    for (char c : plain) {
        const std::uint8_t r = random();
        stored += static_cast<char>(r);
        stored += static_cast<char>(static_cast<std::uint8_t>(static_cast<std::uint8_t>(c) + r - kScrambleKey));
    }
    return stored;
}

std::string Unscramble(std::string_view stored) {
    std::string plain;
    plain.reserve(stored.size() / 2 + 1);
    for (std::size_t at = 0; at < stored.size(); at += 2) {
        const auto a = static_cast<std::uint8_t>(stored[at]);
        const std::uint8_t b = at + 1 < stored.size() ? static_cast<std::uint8_t>(stored[at + 1]) : 0;
        plain += static_cast<char>(static_cast<std::uint8_t>(b - a + kScrambleKey));
    }
    return plain;
}

bool IsUnstorableByte(char byte) { return byte == '\0' || byte == kFieldEnd || byte == '\r' || byte == '\n'; }

std::string StorableField(std::string_view field) {
    std::string clean;
    clean.reserve(field.size());
    std::copy_if(field.begin(), field.end(), std::back_inserter(clean), [](char c) { return !IsUnstorableByte(c); });
    return clean;
}

bool IsStorableField(std::string_view field) { return std::none_of(field.begin(), field.end(), IsUnstorableByte); }

std::string EncodePlainStore(const EntryModel& model) {
    std::string plain;
    auto writeList = [&plain](const EntryList& list, std::uint8_t kindByte) {
        for (const EntryRow& row : list.rows()) {
            plain += static_cast<char>(kindByte);
            for (int column = 0; column < kEntryFieldCount; ++column)
                plain.append(StorableField(EntryField(row.entry, column))).append(1, kFieldEnd);
            plain.append("\r\n");
        }
    };
    writeList(model.systemStart, kSystemStartByte);
    writeList(model.programStart, kProgramStartByte);
    return plain;
}

PlainDecodeReport DecodePlainStore(std::string_view plain, EntryModel& model, std::uint32_t pendingMark) {
    PlainDecodeReport report;
    std::size_t at = 0;
    while (at < plain.size()) {
        const auto kindByte = static_cast<std::uint8_t>(plain[at++]);

        // A line ends at CR, LF, CR LF, NUL or the end of the data.
        const std::size_t lineEnd = std::min(plain.find_first_of(std::string_view("\r\n\0", 3), at), plain.size());
        const std::string_view line = plain.substr(at, lineEnd - at);
        at = lineEnd;
        if (at < plain.size()) {
            const bool crlf = plain[at] == '\r' && at + 1 < plain.size() && plain[at + 1] == '\n';
            if (!crlf) report.canonical = false;
            at += crlf ? 2 : 1;
        } else {
            report.canonical = false;
        }

        StartEntry entry;
        std::size_t fieldBegin = 0;
        int column = 0;
        for (; column < kEntryFieldCount; ++column) {
            const std::size_t fieldEnd = line.find(kFieldEnd, fieldBegin);
            if (fieldEnd == std::string_view::npos) {
                if (fieldBegin <= line.size()) EntryField(entry, column) = line.substr(fieldBegin);
                fieldBegin = line.size() + 1;
                report.canonical = false;
                break;
            }
            EntryField(entry, column) = line.substr(fieldBegin, fieldEnd - fieldBegin);
            fieldBegin = fieldEnd + 1;
        }
        if (column == kEntryFieldCount && fieldBegin != line.size()) report.canonical = false;

        if (kindByte != kSystemStartByte && kindByte != kProgramStartByte) {
            report.canonical = false;
            continue;
        }
        model.list(kindByte == kSystemStartByte ? ListKind::SystemStart : ListKind::ProgramStart)
            .append(std::move(entry), pendingMark);
        ++report.rowsLoaded;
    }
    return report;
}

}  // namespace tolvane
