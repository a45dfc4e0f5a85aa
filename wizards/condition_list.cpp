#include "wizards/condition_list.h"

#include <cstdint>

#include "core/texts.h"

namespace tolvane {

KindControls ControlsForKind(int kind) {
    KindControls shown;
    if (KindTakesNumber(kind)) {
        shown.digits = true;
        shown.seconds = kind == kWaitSeconds;
        shown.percent = kind == kProcessorLoadBelow;
        shown.megabyte = !shown.seconds && !shown.percent;
    } else if (KindTakesText(kind)) {
        shown.text = true;
        shown.chooser = kind != kUserNameIs;
        shown.folderChooser = kind == kDirectoryExists || kind == kDirectoryMissing;
        shown.processChooser = kind == kProgramRunning;
    }
    return shown;
}

AddDecision DecideAdd(int kind, std::string_view digitsField, std::string_view textField) {
    AddDecision decision;
    decision.item.label = std::string(KindLabel(kind));
    if (KindTakesNumber(kind)) {
        // The field takes only digits when typed into, but a paste can bring
        // others; what is stored must be the number the user sees.
        if (!IsNumberOf(kind, digitsField)) {
            decision.problem = ValueProblem::NotWholeNumber;
            return decision;
        }
        decision.item.value = std::string(digitsField);
    } else if (KindTakesText(kind)) {
        decision.item.value = std::string(textField);
    }
    // Braces are refused even in a text field the kind hides; a ";" only
    // matters in the value that is stored.
    if (textField.find_first_of("{}") != std::string_view::npos) {
        decision.problem = ValueProblem::Brace;
    } else {
        decision.problem = CheckConditionValue(decision.item.value);
    }
    return decision;
}

ValueField ShownValueField(int kind) {
    const KindControls shown = ControlsForKind(kind);
    return shown.digits ? ValueField::Digits : shown.text ? ValueField::Text : ValueField::None;
}

ValueFieldFault ShownFieldFault(int kind, std::string_view digitsUtf8, std::string_view textUtf8) {
    const ValueField field = ShownValueField(kind);
    if (field == ValueField::None) return {};
    const FieldFault fault = CheckFieldText(field == ValueField::Digits ? digitsUtf8 : textUtf8).fault;
    return {fault == FieldFault::None ? ValueField::None : field, fault};
}

ValueField FieldAtFault(int kind, ValueProblem problem) {
    if (problem == ValueProblem::None) return ValueField::None;
    const ValueField shown = ShownValueField(kind);
    if (problem == ValueProblem::NotWholeNumber) return shown == ValueField::Digits ? shown : ValueField::None;
    // A brace or ";" is in the text field, which may be hidden.
    return shown == ValueField::Text ? shown : ValueField::None;
}

std::string ValueProblemMessage(ValueProblem problem, int kind) {
    if (problem == ValueProblem::NotWholeNumber) return WholeNumberRequest(LargestNumberOf(kind));
    std::string message(GetText(Text::BraceMessage));
    if (problem == ValueProblem::Semicolon) {
        const auto braces = message.rfind("{ }");
        if (braces != std::string::npos) message = message.substr(0, braces) + ";" + message.substr(braces + 3);
    }
    return message;
}

void ConditionList::remove(std::size_t index) {
    if (index < rows_.size()) rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(index));
}

}  // namespace tolvane
