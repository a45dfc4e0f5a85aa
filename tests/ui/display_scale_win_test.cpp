// The windows' layouts at the display's DPI. ctest runs this in the 96-DPI
// test prefix, where every size is exactly as designed; scripts/test.sh runs
// it again in a copy of the prefix set to 144 DPI with TOLVANE_EXPECT_DPI=144,
// where the same layout must be 1.5 times larger.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/app_win.h"
#include "core/wide_text_win.h"
#include "res/resource_ids.h"
#include "ui/dpi_win.h"
#include "ui/icon_menu_win.h"
#include "ui/image_set_win.h"
#include "ui/main_window_win.h"
#include "ui/precondition_check_win.h"
#include "wizards/condition_editor_win.h"
#include "wizards/entry_parts_win.h"
#include "wizards/system_start_wizard_win.h"
#include "wizards/wizard_test_kit_win.h"

using namespace tolvane;

namespace {

int ExpectedDpi() {
    const char* value = std::getenv("TOLVANE_EXPECT_DPI");
    return value && *value ? std::atoi(value) : 96;
}

// A length designed for 96 DPI: exact at 96, within a pixel of rounding at
// other DPIs (computed here in floating point, not with the program's helper).
#define EXPECT_SCALED(actual, designed)                                                              \
    EXPECT_NEAR(static_cast<double>(actual), (designed) * ExpectedDpi() / 96.0,                     \
                ExpectedDpi() == 96 ? 0.0 : 1.0)                                                     \
        << #actual << " (designed " << (designed) << " at 96 DPI)"

SIZE ClientSize(HWND window) {
    RECT client{};
    ::GetClientRect(window, &client);
    return SIZE{client.right, client.bottom};
}

// The control's rectangle in the client coordinates of `in`.
RECT PlaceIn(HWND control, HWND in) {
    RECT place{};
    ::GetWindowRect(control, &place);
    ::MapWindowPoints(nullptr, in, reinterpret_cast<POINT*>(&place), 2);
    return place;
}

void ExpectPlace(HWND control, HWND in, int x, int y, int width, int height) {
    ASSERT_TRUE(control);
    const RECT place = PlaceIn(control, in);
    EXPECT_SCALED(place.left, x);
    EXPECT_SCALED(place.top, y);
    EXPECT_SCALED(place.right - place.left, width);
    EXPECT_SCALED(place.bottom - place.top, height);
}

int FontHeight(HWND control) {
    auto font = reinterpret_cast<HFONT>(::SendMessageA(control, WM_GETFONT, 0, 0));
    LOGFONTA info{};
    if (!font || !::GetObjectA(font, sizeof info, &info)) return 0;
    return info.lfHeight;
}

int IconWidth(HICON icon) {
    ICONINFO info{};
    if (!icon || !::GetIconInfo(icon, &info)) return 0;
    BITMAP bitmap{};
    ::GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    if (info.hbmColor) ::DeleteObject(info.hbmColor);
    if (info.hbmMask) ::DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}

// The manifest built into this executable from the program's resources.
std::string ManifestText() {
    HMODULE self = ::GetModuleHandleA(nullptr);
    HRSRC found = ::FindResourceA(self, MAKEINTRESOURCEA(IDR_MANIFEST), reinterpret_cast<LPCSTR>(RT_MANIFEST));
    if (!found) return {};
    HGLOBAL loaded = ::LoadResource(self, found);
    const char* bytes = loaded ? static_cast<const char*>(::LockResource(loaded)) : nullptr;
    return bytes ? std::string(bytes, ::SizeofResource(self, found)) : std::string();
}

// Pixel widths of the images in an icon resource's directory (a
// GRPICONDIR: 6-byte header, then 14-byte entries starting with the width;
// 0 stands for 256).
std::vector<int> IconImageWidths(int id) {
    HMODULE self = ::GetModuleHandleA(nullptr);
    HRSRC found = ::FindResourceA(self, MAKEINTRESOURCEA(id), reinterpret_cast<LPCSTR>(RT_GROUP_ICON));
    HGLOBAL loaded = found ? ::LoadResource(self, found) : nullptr;
    const auto* bytes = loaded ? static_cast<const unsigned char*>(::LockResource(loaded)) : nullptr;
    std::vector<int> widths;
    if (!bytes || ::SizeofResource(self, found) < 6) return widths;
    const int count = bytes[4] | (bytes[5] << 8);
    if (::SizeofResource(self, found) < static_cast<DWORD>(6 + 14 * count)) return widths;
    for (int index = 0; index < count; ++index) widths.push_back(bytes[6 + 14 * index] ? bytes[6 + 14 * index] : 256);
    return widths;
}

class DisplayScale : public ::testing::Test {
protected:
    App app;
    ImageSet images = ImageSet::Load(::GetModuleHandleA(nullptr));
    WizardHost host{app, nullptr, images, [](ListKind) {}, [] { return std::vector<std::string>(); }};
};

}  // namespace

TEST_F(DisplayScale, TheProgramIsDpiAwareAndReadsTheDisplaysDpi) {
    // Declared in the manifest: without it Windows stretches the program as
    // a bitmap at 125 % and more. (Wine answers IsProcessDPIAware() with TRUE
    // either way, so the declaration itself is read back.)
    const std::string manifest = ManifestText();
    EXPECT_NE(manifest.find("<application xmlns=\"urn:schemas-microsoft-com:asm.v3\">"), std::string::npos);
    EXPECT_NE(manifest.find("<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true</dpiAware>"),
              std::string::npos)
        << manifest;
    HDC screen = ::GetDC(nullptr);
    ASSERT_TRUE(screen);
    EXPECT_EQ(::GetDeviceCaps(screen, LOGPIXELSY), ExpectedDpi()) << "the prefix is not at the expected DPI";
    ::ReleaseDC(nullptr, screen);
    EXPECT_EQ(SystemDpi(), ExpectedDpi());
}

TEST_F(DisplayScale, MainWindowHasTheDesignedLayout) {
    MainWindow window(app, images, false);
    HWND main = window.window();
    ASSERT_TRUE(main);
    const SIZE client = ClientSize(main);
    EXPECT_SCALED(client.cx, 500);
    EXPECT_SCALED(client.cy, 350);
    ExpectPlace(window.tabs(), main, 5, 5, 490, 340);

    for (ListKind kind : {ListKind::SystemStart, ListKind::ProgramStart}) {
        HWND list = window.list(kind);
        ASSERT_TRUE(list);
        const RECT listPlace = PlaceIn(list, window.tabs());
        EXPECT_SCALED(listPlace.right - listPlace.left, 486);
        EXPECT_SCALED(listPlace.bottom - listPlace.top, 290);
        const int widths[5] = {100, 155, 70, 26, 130};
        for (int column = 0; column < 5; ++column)
            EXPECT_SCALED(::SendMessageA(list, LVM_GETCOLUMNWIDTH, column, 0), widths[column]);
        // The links stand at (x, 295) of the list's page, 20 high.
        const int linkX[3] = {10, 150, 320};
        const int linkWidth[3] = {120, 150, 100};
        for (int which = 0; which < 3; ++which) {
            const RECT link = PlaceIn(window.link(kind, which), window.tabs());
            EXPECT_SCALED(link.left - listPlace.left, linkX[which]);
            EXPECT_SCALED(link.top - listPlace.top, 295);
            EXPECT_SCALED(link.right - link.left, linkWidth[which]);
            EXPECT_SCALED(link.bottom - link.top, 20);
        }
        auto rowIcons = reinterpret_cast<HIMAGELIST>(::SendMessageA(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
        int iconWidth = 0, iconHeight = 0;
        ASSERT_TRUE(::ImageList_GetIconSize(rowIcons, &iconWidth, &iconHeight));
        EXPECT_SCALED(iconWidth, 16);
    }
    auto tabIcons = reinterpret_cast<HIMAGELIST>(::SendMessageA(window.tabs(), TCM_GETIMAGELIST, 0, 0));
    int iconWidth = 0, iconHeight = 0;
    ASSERT_TRUE(::ImageList_GetIconSize(tabIcons, &iconWidth, &iconHeight));
    EXPECT_SCALED(iconHeight, 16);
    // 8 points at the display's DPI: 11 pixels at 96, 16 at 144.
    EXPECT_EQ(FontHeight(window.tabs()), -((8 * ExpectedDpi() + 36) / 72));
}

TEST(ProgramIcons, TheApplicationIconHas16To48PixelImagesTheOthers16To32) {
    // Explorer, Alt+Tab and the About box take the 32 and 48 pixel images;
    // the 24 pixel ones serve a display at 150 %.
    using ::testing::IsSupersetOf;
    EXPECT_THAT(IconImageWidths(IDI_APP), IsSupersetOf({16, 24, 32, 48}));
    for (int slot = 1; slot < kImageSlotCount; ++slot)
        EXPECT_THAT(IconImageWidths(IDI_IMAGE_BASE + slot), IsSupersetOf({16, 24, 32})) << "slot " << slot;
}

TEST(CheckView, LayoutFollowsTheDpi) {
    PreconditionCheckView view;
    ASSERT_TRUE(view.create(nullptr, "Titel", {{"Wartezeit von ...: 5", "", "wartet"}}));
    const SIZE client = ClientSize(view.window());
    EXPECT_SCALED(client.cx, 520);
    EXPECT_SCALED(client.cy, 240);
    ExpectPlace(view.list(), view.window(), 10, 10, 500, 184);
    ExpectPlace(view.button(), view.window(), 430, 204, 80, 24);
    EXPECT_EQ(FontHeight(view.button()), -((8 * ExpectedDpi() + 36) / 72));
    EXPECT_SCALED(::SendMessageW(view.list(), LVM_GETCOLUMNWIDTH, 0, 0), 250);
}

TEST_F(DisplayScale, IconsAndMenuItemsFollowTheDpi) {
    for (int slot : {kImageApp, kImageSystemStart, kImageProgramStart, kImageGlobe, kImageHistory, kImageStartNow,
                     kImageCheck, kImageQuit})
        EXPECT_SCALED(IconWidth(images.icon(slot)), 16);
    MainWindow window(app, images, true);
    ASSERT_FALSE(window.iconMenuItems().empty());
    const IconMenuItem& item = window.iconMenuItems().front();
    HDC screen = ::GetDC(nullptr);
    HGDIOBJ old = ::SelectObject(screen, item.font);
    SIZE extent{};
    const std::wstring text = WideOfUtf8(item.text);
    ::GetTextExtentPoint32W(screen, text.c_str(), static_cast<int>(text.size()), &extent);
    ::SelectObject(screen, old);
    ::ReleaseDC(nullptr, screen);
    const SIZE measured = MeasureIconMenuItem(item);
    EXPECT_SCALED(measured.cx - extent.cx, 16);
    EXPECT_SCALED(measured.cy - extent.cy, 4);
}

TEST_F(DisplayScale, StepWizardHasTheDesignedLayout) {
    SystemStartWizard wizard(host, NoDialogs());
    ASSERT_TRUE(wizard.create());
    HWND frame = wizard.frame().window();
    const SIZE client = ClientSize(frame);
    EXPECT_SCALED(client.cx, 400);
    EXPECT_SCALED(client.cy, 184);
    ExpectPlace(FindControl(frame, kIdName), frame, 20, 90, 160, 20);
    ExpectPlace(FindControl(frame, kIdPath), frame, 20, 90, 296, 20);
    ExpectPlace(FindControl(frame, kIdPathChooser), frame, 334, 89, 46, 22);
    // The precondition editor's own list on step 3.
    ExpectPlace(FindControl(frame, kIdConditionList), frame, 130, 40, 250, 90);
    EXPECT_EQ(FontHeight(FindControl(frame, kIdPath)), -((8 * ExpectedDpi() + 36) / 72));
    wizard.frame().close();
}

TEST_F(DisplayScale, EditDialogHasTheDesignedLayout) {
    app.model.systemStart.append({"Alpha", "", "", "", "C:\\alpha.exe"});
    SystemStartEdit edit(host, 0, NoDialogs());
    ASSERT_TRUE(edit.create());
    HWND frame = edit.frame().window();
    const SIZE client = ClientSize(frame);
    EXPECT_SCALED(client.cx, 400);
    EXPECT_SCALED(client.cy, 455);
    // Sections at y = 0, 150 and 300.
    ExpectPlace(FindControl(frame, kIdPath), frame, 20, 110, 296, 20);
    ExpectPlace(FindControl(frame, kIdConditionList), frame, 130, 150 + 40, 250, 90);
    ExpectPlace(FindControl(frame, kIdApply), frame, 200, 300 + 118, 80, 24);
    edit.frame().close();
}
