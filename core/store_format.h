// The entry store's byte formats: the plain record sequence and its
// scrambled form on disk. Pure functions; file handling is in entry_store.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/start_entry.h"

namespace tolvane {

// Fixed one-byte key of the scrambled form, the same in every installation.
inline constexpr std::uint8_t kScrambleKey = 0x6B;

using RandomByte = std::function<std::uint8_t()>;

// Two bytes per plain byte: a random r, then (x + r - K) mod 256.
std::string Scramble(std::string_view plain, const RandomByte& random);
// Pairs (a, b) give (b - a + K) mod 256; a lone last byte pairs with 0.
std::string Unscramble(std::string_view stored);

// Bytes that would break a record: they are dropped whenever a field is written.
bool IsUnstorableByte(char byte);
// The most characters a field can hold: what an entry window's edit field
// takes (Windows' default limit) and what Windows reads of a path.
inline constexpr std::size_t kLongestField = 32767;
std::string StorableField(std::string_view field);
bool IsStorableField(std::string_view field);

// All system-start rows, then all program-start rows, each record
// kind byte, five fields each followed by 0x01, then CR LF.
std::string EncodePlainStore(const EntryModel& model);

struct PlainDecodeReport {
    std::size_t rowsLoaded = 0;
    // False when anything deviated from what a save writes (dropped kind
    // bytes, short or long lines, other line ends): the file may be damaged.
    bool canonical = true;
};

enum class RowFilter {
    Every,
    // Only records exactly as a save writes them: a kind byte, five fields, CR LF.
    WholeRecordsOnly,
};

// Appends the records to the model's lists, each row with the given mark.
// Reads as far as the format's rules go; never fails.
PlainDecodeReport DecodePlainStore(std::string_view plain, EntryModel& model, std::uint32_t pendingMark,
                                   RowFilter filter = RowFilter::Every);

// Stores written now begin with a check record: kind byte 0x02, the CRC-32
// of every plain byte after the record as eight hex digits, 0x01, CR LF.
// Older versions skip a record of a kind they do not know.
std::string SealPlainStore(std::string_view rows);

enum class StoreSeal { None, Matches, Broken };
struct OpenedSeal {
    StoreSeal seal = StoreSeal::None;
    std::string_view rows;  // the plain bytes after the check record, if any
};
OpenedSeal OpenSeal(std::string_view plain);

std::uint32_t Crc32(std::string_view bytes);

struct StoredDecode {
    // Not as Tolvane writes a store: a check record that does not match, or
    // without one (older versions) records or a length no save writes.
    bool damaged = false;
    std::size_t rowsLoaded = 0;
};

// The stored (scrambled) file as the program reads it. A damaged one gives
// only its whole records, none of them marked: nothing in it is trusted to start.
StoredDecode DecodeStoredFile(std::string_view stored, EntryModel& model, std::uint32_t pendingMark);

}  // namespace tolvane
