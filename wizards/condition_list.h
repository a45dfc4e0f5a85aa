// The precondition editor without its windows: the list of rows, what the
// add sub-dialog shows for each kind, and what its "OK" adds or refuses.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/precondition_text.h"
#include "wizards/field_check.h"

namespace tolvane {

// Which of the add sub-dialog's value controls a kind shows.
struct KindControls {
    bool digits = false;
    bool text = false;
    bool chooser = false;
    bool folderChooser = false;  // the chooser picks a folder, not a file
    bool processChooser = false;  // the chooser offers the running processes
    bool seconds = false;
    bool megabyte = false;
    bool percent = false;
};
KindControls ControlsForKind(int kind);

// What "OK" of the add sub-dialog does with the two value fields.
struct AddDecision {
    ValueProblem problem = ValueProblem::None;  // not None: refuse, stay open
    ConditionItem item;                         // the row to add otherwise
};
// The text field is checked whatever kind is selected (it may still hold a
// value typed for another kind); so is the value that would be added.
AddDecision DecideAdd(int kind, std::string_view digitsField, std::string_view textField);

// The value field a kind shows; only that one is judged for text the store
// cannot keep, as a hidden one is neither seen nor stored.
enum class ValueField { None, Digits, Text };
ValueField ShownValueField(int kind);
struct ValueFieldFault {
    ValueField field = ValueField::None;
    FieldFault fault = FieldFault::None;
};
ValueFieldFault ShownFieldFault(int kind, std::string_view digitsUtf8, std::string_view textUtf8);
// Where the keyboard goes after a refused value: the field at fault, or
// None (the kind selector) when that field is hidden.
ValueField FieldAtFault(int kind, ValueProblem problem);

// The message shown for a refused value of this kind.
std::string ValueProblemMessage(ValueProblem problem, int kind);

class ConditionList {
public:
    const std::vector<ConditionItem>& rows() const { return rows_; }
    void add(ConditionItem item) { rows_.push_back(std::move(item)); }
    // Out-of-range indices are ignored.
    void remove(std::size_t index);
    void load(std::string_view text) { rows_ = DecodeConditions(text); }
    std::string encode() const { return EncodeConditions(rows_); }

private:
    std::vector<ConditionItem> rows_;
};

// "Entfernen" is usable exactly while a row is selected.
inline bool RemoveEnabled(std::optional<std::size_t> selected) { return selected.has_value(); }

}  // namespace tolvane
