#include "wizards/wizard_rules.h"

#include "core/path_text.h"
#include "engine/start_target.h"

namespace tolvane {

bool NameStepComplete(std::string_view name, bool automaticName) { return automaticName || !name.empty(); }

bool NamesExistingFile(std::string_view path, PathKind probe) {
    return probe == PathKind::File && path.find_first_of("*?") == std::string_view::npos;
}

bool TriggerStepComplete(TriggerChoice choice, std::string_view trigger, PathKind probe) {
    if (choice == TriggerChoice::ProcessName) return !trigger.empty();
    return NamesExistingFile(trigger, probe);
}

TriggerChoice TriggerChoiceOf(std::string_view trigger) {
    if (trigger.empty()) return TriggerChoice::Application;
    for (const char c : trigger) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20) return TriggerChoice::Application;
        if (std::string_view("\"\\/:*?<>|").find(c) != std::string_view::npos) return TriggerChoice::Application;
    }
    return TriggerChoice::ProcessName;
}

namespace {

template <class Complete>
StepCheck CheckStep(Field field, std::string_view utf8, Complete complete) {
    const CheckedText checked = CheckFieldText(utf8);
    if (checked.fault != FieldFault::None) return {true, FieldRefusal{field, checked.fault}};
    return {complete(checked.text), std::nullopt};
}

}  // namespace

StepCheck CheckNameStep(std::string_view utf8, bool automaticName) {
    // The automatic name replaces the field, whatever it holds.
    if (automaticName) return {true, std::nullopt};
    return CheckStep(Field::Name, utf8, [](const std::string& name) { return NameStepComplete(name, false); });
}

StepCheck CheckPathStep(std::string_view utf8, const PathProbe& probe) {
    return CheckStep(Field::Path, utf8,
                     // Only a file the launcher can start: a path too long for it is refused here.
                     [&probe](const std::string& path) {
                         return NamesExistingFile(path, probe(path)) && FitsStartPath(path);
                     });
}

StepCheck CheckTriggerStep(TriggerChoice choice, std::string_view utf8, const PathProbe& probe) {
    return CheckStep(Field::Trigger, utf8, [&](const std::string& trigger) {
        return TriggerStepComplete(choice, trigger,
                                   choice == TriggerChoice::Application ? probe(trigger) : PathKind::Missing);
    });
}

bool SystemStartEditComplete(std::string_view name) { return !name.empty(); }

bool ProgramStartEditComplete(std::string_view name, std::string_view trigger) {
    return !name.empty() && !trigger.empty();
}

std::string AutomaticName(std::string_view path) {
    std::string_view file = FilePart(path);
    if (const auto dot = file.rfind('.'); dot != std::string_view::npos) file = file.substr(0, dot);
    std::string name(file);
    for (char& c : name) {
        if (c == '_') c = ' ';
    }
    return name;
}

std::vector<std::string> ChooserProcessNames(const std::vector<std::string>& names) {
    std::vector<std::string> kept;
    for (const std::string& raw : names) {
        const auto first = raw.find_first_not_of(' ');
        if (first == std::string::npos) continue;
        const auto last = raw.find_last_not_of(' ');
        std::string name = raw.substr(first, last - first + 1);
        if (name == "?" || name == "IDLE") continue;
        kept.push_back(std::move(name));
    }
    return kept;
}

}  // namespace tolvane
