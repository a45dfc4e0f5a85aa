#include "core/store_format.h"

#include <algorithm>

#include "core/cp1252.h"

namespace tolvane {

namespace {
constexpr char kFieldEnd = '\x01';
constexpr std::uint8_t kSystemStartByte = 0x00;
constexpr std::uint8_t kProgramStartByte = 0x01;
constexpr std::uint8_t kCheckRecordByte = 0x02;
// Kind byte, eight hex digits, field end, CR LF.
constexpr std::size_t kCheckRecordSize = 12;
constexpr std::string_view kHexDigits = "0123456789ABCDEF";

std::string CheckRecord(std::uint32_t crc) {
    std::string record(1, static_cast<char>(kCheckRecordByte));
    for (int shift = 28; shift >= 0; shift -= 4) record += kHexDigits[(crc >> shift) & 0xFu];
    return record.append(1, kFieldEnd).append("\r\n");
}
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
                plain.append(StorableField(Utf8ToCp1252Marked(EntryField(row.entry, column)))).append(1, kFieldEnd);
            plain.append("\r\n");
        }
    };
    writeList(model.systemStart, kSystemStartByte);
    writeList(model.programStart, kProgramStartByte);
    return plain;
}

PlainDecodeReport DecodePlainStore(std::string_view plain, EntryModel& model, std::uint32_t pendingMark,
                                   RowFilter filter) {
    PlainDecodeReport report;
    std::size_t at = 0;
    while (at < plain.size()) {
        const auto kindByte = static_cast<std::uint8_t>(plain[at++]);

        // A line ends at CR, LF, CR LF, NUL or the end of the data.
        const std::size_t lineEnd = std::min(plain.find_first_of(std::string_view("\r\n\0", 3), at), plain.size());
        const std::string_view line = plain.substr(at, lineEnd - at);
        at = lineEnd;
        bool wholeRecord = true;
        if (at < plain.size()) {
            const bool crlf = plain[at] == '\r' && at + 1 < plain.size() && plain[at + 1] == '\n';
            if (!crlf) wholeRecord = false;
            at += crlf ? 2 : 1;
        } else {
            wholeRecord = false;
        }

        StartEntry entry;
        std::size_t fieldBegin = 0;
        int column = 0;
        for (; column < kEntryFieldCount; ++column) {
            const std::size_t fieldEnd = line.find(kFieldEnd, fieldBegin);
            if (fieldEnd == std::string_view::npos) {
                if (fieldBegin <= line.size()) EntryField(entry, column) = Cp1252ToUtf8(line.substr(fieldBegin));
                fieldBegin = line.size() + 1;
                wholeRecord = false;
                break;
            }
            EntryField(entry, column) = Cp1252ToUtf8(line.substr(fieldBegin, fieldEnd - fieldBegin));
            fieldBegin = fieldEnd + 1;
        }
        if (column == kEntryFieldCount && fieldBegin != line.size()) wholeRecord = false;
        if (kindByte != kSystemStartByte && kindByte != kProgramStartByte) wholeRecord = false;
        if (!wholeRecord) report.canonical = false;

        if (kindByte != kSystemStartByte && kindByte != kProgramStartByte) continue;
        if (filter == RowFilter::WholeRecordsOnly && !wholeRecord) continue;
        model.list(kindByte == kSystemStartByte ? ListKind::SystemStart : ListKind::ProgramStart)
            .append(std::move(entry), pendingMark);
        ++report.rowsLoaded;
    }
    return report;
}

std::uint32_t Crc32(std::string_view bytes) {
    // Bitwise: a store is a few kilobytes, read once per run.
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char c : bytes) {
        crc ^= static_cast<std::uint8_t>(c);
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

std::string SealPlainStore(std::string_view rows) { return CheckRecord(Crc32(rows)).append(rows); }

OpenedSeal OpenSeal(std::string_view plain) {
    if (plain.empty() || static_cast<std::uint8_t>(plain[0]) != kCheckRecordByte) return {StoreSeal::None, plain};
    const std::string_view rows = plain.substr(std::min(plain.size(), kCheckRecordSize));
    const bool matches = plain.size() >= kCheckRecordSize && plain.substr(0, kCheckRecordSize) == CheckRecord(Crc32(rows));
    return {matches ? StoreSeal::Matches : StoreSeal::Broken, rows};
}

StoredDecode DecodeStoredFile(std::string_view stored, EntryModel& model, std::uint32_t pendingMark) {
    const std::string plain = Unscramble(stored);
    const OpenedSeal opened = OpenSeal(plain);
    // Every save writes an even number of bytes in whole records.
    EntryModel scratch;
    const bool damaged = stored.size() % 2 != 0 || opened.seal == StoreSeal::Broken ||
                         !DecodePlainStore(opened.rows, scratch, 0).canonical;
    StoredDecode result;
    result.damaged = damaged;
    result.rowsLoaded = damaged ? DecodePlainStore(opened.rows, model, 0, RowFilter::WholeRecordsOnly).rowsLoaded
                                : DecodePlainStore(opened.rows, model, pendingMark).rowsLoaded;
    return result;
}

}  // namespace tolvane
