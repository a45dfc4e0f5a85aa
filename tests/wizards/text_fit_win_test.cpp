// Every static text of every wizard page, edit dialog and small dialog fits
// its control: measured in the control's own font against its client area,
// as the control draws it. Run at 96 DPI and again by scripts/test.sh in a
// prefix set to 144 DPI.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/app_win.h"
#include "ui/image_set_win.h"
#include "wizards/condition_editor_win.h"
#include "wizards/process_chooser_win.h"
#include "wizards/program_start_wizard_win.h"
#include "wizards/system_start_wizard_win.h"
#include "wizards/wizard_test_kit_win.h"

using namespace tolvane;

namespace {

// A static text whose measured lines do not fit its control.
struct Cut {
    std::wstring text;
    SIZE needed, has;
};

struct Walk {
    std::vector<Cut> cuts;
    int measured = 0;
};

BOOL CALLBACK MeasureStatic(HWND control, LPARAM data) {
    auto& walk = *reinterpret_cast<Walk*>(data);
    char type[32] = {};
    ::GetClassNameA(control, type, sizeof type);
    const LONG style = ::GetWindowLongW(control, GWL_STYLE);
    const LONG kind = style & SS_TYPEMASK;
    if (lstrcmpiA(type, "Static") != 0 ||
        (kind != SS_LEFT && kind != SS_CENTER && kind != SS_RIGHT && kind != SS_LEFTNOWORDWRAP))
        return TRUE;
    const int length = ::GetWindowTextLengthW(control);
    if (length == 0) return TRUE;
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(control, text.data(), length + 1)));
    RECT client{};
    ::GetClientRect(control, &client);
    HDC dc = ::GetDC(control);
    auto font = reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0));
    HGDIOBJ old = ::SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : ::GetStockObject(SYSTEM_FONT));
    // As the control draws it: wrapped at its width unless it says not to.
    RECT need{0, 0, client.right, 0};
    UINT flags = DT_CALCRECT | DT_EXPANDTABS | (kind == SS_LEFTNOWORDWRAP ? 0 : DT_WORDBREAK);
    if (style & SS_NOPREFIX) flags |= DT_NOPREFIX;
    ::DrawTextW(dc, text.c_str(), -1, &need, flags);
    ::SelectObject(dc, old);
    ::ReleaseDC(control, dc);
    ++walk.measured;
    if (need.right > client.right || need.bottom > client.bottom)
        walk.cuts.push_back({text, {need.right, need.bottom}, {client.right, client.bottom}});
    return TRUE;
}

class TextFit : public ::testing::Test {
protected:
    void SetUp() override {
        app.model.systemStart.append({"Ein Eintrag", "Wartezeit von ...{30};", "-x", "X", "C:\\a.exe"});
        app.model.programStart.append({"Ein Programm", "notepad.exe", "", "", "C:\\p.exe"});
    }
    void expectAllFit(const char* window, HWND frame, int atLeast) {
        ASSERT_TRUE(frame) << window;
        Walk walk;
        ::EnumChildWindows(frame, MeasureStatic, reinterpret_cast<LPARAM>(&walk));
        const int measured = walk.measured;
        for (const Cut& cut : walk.cuts)
            ADD_FAILURE() << window << ": \"" << cut.text << "\" needs " << cut.needed.cx << " x " << cut.needed.cy
                          << ", has " << cut.has.cx << " x " << cut.has.cy;
        EXPECT_GE(measured, atLeast) << window << ": its texts were all measured";
    }
    App app;
    ImageSet images = ImageSet::Load(::GetModuleHandleA(nullptr));
    WizardHost host{app, nullptr, images, nullptr, nullptr};
};

TEST_F(TextFit, EveryWizardPageAndEditDialog) {
    // Every page of a wizard is built at its start; hidden ones are measured too.
    SystemStartWizard system(host, NoDialogs());
    ASSERT_TRUE(system.create());
    expectAllFit("Systemstart-Assistent", system.frame().window(), 14);
    ProgramStartWizard program(host, TriggerDialogs{});
    ASSERT_TRUE(program.create());
    expectAllFit("Programmstart-Assistent", program.frame().window(), 14);
    SystemStartEdit systemEdit(host, 0, NoDialogs());
    ASSERT_TRUE(systemEdit.create());
    expectAllFit("Systemstart editieren", systemEdit.frame().window(), 4);
    ProgramStartEdit programEdit(host, 0, TriggerDialogs{});
    ASSERT_TRUE(programEdit.create());
    expectAllFit("Programmstart editieren", programEdit.frame().window(), 4);
}

TEST_F(TextFit, TheSmallDialogs) {
    AddConditionDialog add(images, NoDialogs());
    ASSERT_TRUE(add.create(nullptr));
    expectAllFit("Vorraussetzung hinzufuegen", add.frame().window(), 3);
    ProcessChooser chooser(images, {"notepad.exe", "explorer.exe"});
    ASSERT_TRUE(chooser.create(nullptr));
    expectAllFit("Prozessauswahl", chooser.frame().window(), 1);
}

}  // namespace
