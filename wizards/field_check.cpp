#include "wizards/field_check.h"

#include "core/cp1252.h"

namespace tolvane {

namespace {

bool BreaksStoreRow(char byte) { return byte == '\0' || byte == '\x01' || byte == '\r' || byte == '\n'; }

// Subject of the message and whether it takes a plural verb.
struct Subject {
    std::string_view words;
    bool plural = false;
};

Subject SubjectOf(Field field) {
    switch (field) {
    case Field::Name: return {"Der Name"};
    case Field::Path: return {"Der Pfad"};
    case Field::Trigger: return {"Das auslösende Programm"};
    case Field::Parameters: return {"Die Parameter", true};
    case Field::ConditionValue: return {"Der Wert"};
    case Field::PickedFile: return {"Der Pfad der gewählten Datei"};
    case Field::PickedFolder: return {"Der Pfad des gewählten Verzeichnisses"};
    }
    return {"Der Text"};
}

}  // namespace

CheckedText CheckFieldText(std::string_view utf8) {
    // A line break is looked for first: it is the more puzzling fault, as a
    // single-line field does not show it.
    for (const char c : utf8)
        if (BreaksStoreRow(c)) return {FieldFault::LineBreak, {}};
    if (!Utf8ToCp1252(utf8)) return {FieldFault::OutsideCodePage, {}};
    return {FieldFault::None, std::string(utf8)};
}

std::string FieldFaultMessage(Field field, FieldFault fault) {
    const Subject subject = SubjectOf(field);
    const std::string verb = subject.plural ? " enthalten " : " enthält ";
    std::string message = std::string(subject.words) + verb +
                          (fault == FieldFault::LineBreak ? "einen Zeilenumbruch, den" : "Zeichen, die") +
                          " Tolvane nicht speichern kann.";
    if (field == Field::PickedFile)
        message += " Bitte wählen Sie eine andere Datei oder benennen Sie sie um.";
    else if (field == Field::PickedFolder)
        message += " Bitte wählen Sie ein anderes Verzeichnis oder benennen Sie es um.";
    return message;
}

std::variant<StartEntry, FieldRefusal> StorableEntry(const EntryTexts& texts, Field conditionField) {
    const std::pair<Field, const std::string*> fields[] = {
        {Field::Name, &texts.name},
        {Field::Path, &texts.path},
        {conditionField, &texts.condition},
        {Field::Parameters, &texts.parameters},
    };
    std::string checked[4];
    for (int i = 0; i < 4; ++i) {
        CheckedText result = CheckFieldText(*fields[i].second);
        if (result.fault != FieldFault::None) return FieldRefusal{fields[i].first, result.fault};
        checked[i] = std::move(result.text);
    }
    return StartEntry{std::move(checked[0]), std::move(checked[2]), std::move(checked[3]),
                      texts.hidden ? std::string(kHiddenMark) : std::string(), std::move(checked[1])};
}

}  // namespace tolvane
