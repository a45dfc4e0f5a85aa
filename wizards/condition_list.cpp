#include "wizards/condition_list.h"

#include "core/texts.h"

namespace tolvane {

KindControls ControlsForKind(int kind) {
    KindControls shown;
    if (KindTakesNumber(kind)) {
        shown.digits = true;
        shown.seconds = kind == kWaitSeconds;
        shown.megabyte = kind != kWaitSeconds;
    } else if (KindTakesText(kind)) {
        shown.text = true;
        shown.chooser = kind != kUserNameIs;
        shown.folderChooser = kind == kDirectoryExists || kind == kDirectoryMissing;
    }
    return shown;
}

AddDecision DecideAdd(int kind, std::string_view digitsField, std::string_view textField) {
    AddDecision decision;
    decision.item.label = std::string(KindLabel(kind));
    if (KindTakesNumber(kind)) {
        decision.item.value = std::string(digitsField);
    } else if (KindTakesText(kind)) {
        decision.item.value = std::string(textField);
    }
    decision.problem = CheckConditionValue(textField);
    if (decision.problem == ValueProblem::None) decision.problem = CheckConditionValue(decision.item.value);
    return decision;
}

std::string ValueProblemMessage(ValueProblem problem) {
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
