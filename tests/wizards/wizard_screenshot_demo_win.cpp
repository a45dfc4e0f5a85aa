// Shows one wizard page, edit dialog or sub-dialog filled with sample input
// for the screenshot script. Arguments: <rect file> <view>, where view is
// system-0..4, program-0..4, system-edit, program-edit, add-condition or
// process-chooser. Writes the window rectangle as "x y w h" once laid out,
// then keeps the window up until the script ends the process.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/app_win.h"
#include "core/precondition_text.h"
#include "core/texts.h"
#include "ui/image_set_win.h"
#include "wizards/condition_editor_win.h"
#include "wizards/process_chooser_win.h"
#include "wizards/program_start_wizard_win.h"
#include "wizards/system_start_wizard_win.h"

using namespace tolvane;

namespace {

const char kTarget[] = "C:\\windows\\notepad.exe";
// Encoded from the real kind labels, so the pictures show only what exists.
std::string SampleConditions() {
    return EncodeConditions({{std::string(KindLabel(kWaitSeconds)), "30"}, {std::string(KindLabel(kInternetOnline)), ""}});
}

void Click(HWND window, int id) { ::SendMessageA(FindControl(window, id), BM_CLICK, 0, 0); }

void Type(HWND window, int id, const std::string& text) {
    HWND field = FindControl(window, id);
    ::SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    ::SendMessageA(::GetParent(field), WM_COMMAND, MAKEWPARAM(id, EN_CHANGE), reinterpret_cast<LPARAM>(field));
}

// Walks a new-entry wizard forward to `page`, filling each step on the way
// and the shown one too, so every picture shows sample input.
void WalkTo(HWND window, int page, bool programStart) {
    for (int current = 0; current <= page; ++current) {
        if (current == 1) Type(window, kIdName, "Editor");
        if (current == 2) Type(window, kIdPath, kTarget);
        if (current == 3 && programStart) {
            Click(window, kIdTriggerProcess);
            Type(window, kIdTrigger, "winword.exe");
        }
        if (current == 4) Type(window, kIdParameters, "/n");
        if (current < page) Click(window, NavigationRightId(current));
    }
}

void WriteRect(HWND window, const std::string& file) {
    RECT r{};
    ::GetWindowRect(window, &r);
    if (FILE* out = std::fopen(file.c_str(), "w")) {
        std::fprintf(out, "%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
        std::fclose(out);
    }
}

void Loop() {
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

TriggerDialogs NoTriggerDialogs() {
    return {[](HWND) { return std::string(); }, [](HWND) { return std::string(); },
            [](HWND) { return std::optional<std::string>(); }};
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&controls);
    const std::string rectFile = __argc > 1 ? __argv[1] : "rect.txt";
    const std::string view = __argc > 2 ? __argv[2] : "system-0";
    App app;
    app.model.systemStart.append({"Editor", SampleConditions(), "/n", "", kTarget});
    app.model.programStart.append({"Protokoll", "winword.exe", "", "X", "C:\\logs\\start.log"});
    const ImageSet images = ImageSet::Load(instance);
    WizardHost host{app, nullptr, images, [](ListKind) {}, [] { return std::vector<std::string>(); }};

    HWND shown = nullptr;
    SystemStartWizard systemWizard(host);
    ProgramStartWizard programWizard(host, NoTriggerDialogs());
    SystemStartEdit systemEdit(host, 0);
    ProgramStartEdit programEdit(host, 0, NoTriggerDialogs());
    AddConditionDialog addCondition(images, SystemConditionDialogs(host));
    ProcessChooser chooser(images, {"explorer.exe", "winword.exe", "notepad.exe", "notepad.exe"});

    if (view.rfind("system-", 0) == 0 && view != "system-edit") {
        if (!systemWizard.create()) return 1;
        shown = systemWizard.frame().window();
        const int page = view.back() - '0';
        if (page >= 3) systemWizard.conditions().load(SampleConditions());
        WalkTo(shown, page, false);
    } else if (view.rfind("program-", 0) == 0 && view != "program-edit") {
        if (!programWizard.create()) return 1;
        shown = programWizard.frame().window();
        WalkTo(shown, view.back() - '0', true);
    } else if (view == "system-edit") {
        if (!systemEdit.create()) return 1;
        shown = systemEdit.frame().window();
    } else if (view == "program-edit") {
        if (!programEdit.create()) return 1;
        shown = programEdit.frame().window();
    } else if (view == "add-condition") {
        if (!addCondition.create(nullptr)) return 1;
        shown = addCondition.frame().window();
    } else if (view == "process-chooser") {
        if (!chooser.create(nullptr)) return 1;
        shown = chooser.frame().window();
    } else {
        return 2;
    }
    ::UpdateWindow(shown);
    WriteRect(shown, rectFile);
    Loop();
    return 0;
}
