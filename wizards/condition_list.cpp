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
        // The field takes only digits when typed into; a paste can bring others.
        for (const char c : digitsField) {
            if (c >= '0' && c <= '9') decision.item.value.push_back(c);
        }
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
