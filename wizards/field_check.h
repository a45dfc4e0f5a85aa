// Whether the text of a wizard field (or a picked file) can be stored as it
// is. The windows hand over what they hold in UTF-8; the store keeps
// Windows-1252 without line breaks, and a text it cannot hold is refused
// with a message rather than changed ("Ω" to "O", "中" to "?", a line cut).
#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "core/start_entry.h"

namespace tolvane {

enum class Field { Name, Path, Trigger, Parameters, ConditionValue, PickedFile, PickedFolder };

enum class FieldFault {
    None,
    OutsideCodePage,  // a character Windows-1252 has not (or ill-formed UTF-8)
    LineBreak,        // CR, LF, NUL or 0x01: bytes that would split the store's rows
};

struct CheckedText {
    FieldFault fault = FieldFault::None;
    std::string text;  // the text as given when there is no fault
};
CheckedText CheckFieldText(std::string_view utf8);

// What the wizard tells, naming the field.
std::string FieldFaultMessage(Field field, FieldFault fault);

struct FieldRefusal {
    Field field;
    FieldFault fault;
};

// The five fields as the windows hold them, in UTF-8.
struct EntryTexts {
    std::string name, condition, parameters, path;
    bool hidden = false;
};
// The row to commit, or the first field (in the order the window shows
// them: name, path, condition or trigger, parameters) it cannot hold.
std::variant<StartEntry, FieldRefusal> StorableEntry(const EntryTexts& texts, Field conditionField);

}  // namespace tolvane
