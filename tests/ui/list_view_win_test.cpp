// The main window's lists with many rows: what a change costs the list, and
// that selection, scroll position and row icons stay right.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "app/app_win.h"
#include "core/wide_text_win.h"
#include "ui/image_set_win.h"
#include "ui/main_window_win.h"
#include "tests/win/main_window_fixture_win.h"
#include "tests/win/message_pump_win.h"

using namespace tolvane;
using tolvane::testing::ListCellText;
using tolvane::testing::Pump;

namespace {

// Counts the messages that put rows into a list one by one.
LRESULT CALLBACK CountRowMessages(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR counter) {
    if (message == LVM_INSERTITEMA || message == LVM_INSERTITEMW || message == LVM_DELETEALLITEMS ||
        message == LVM_DELETEITEM)
        ++*reinterpret_cast<int*>(counter);
    return ::DefSubclassProc(window, message, wParam, lParam);
}

class ListViewTest : public tolvane::testing::MainWindowFixture {
protected:
    ListViewTest() : MainWindowFixture("tolvane-list-view-test.boot") { answer_ = IDYES; }
    // Opens the window on the rows the model holds now.
    void open() {
        ASSERT_NO_FATAL_FAILURE(openWindow());
        ::SetWindowSubclass(list(), CountRowMessages, 1, reinterpret_cast<DWORD_PTR>(&rowMessages_));
        window_->entriesChanged(ListKind::SystemStart);
        ::UpdateWindow(list());
        Pump();
    }
    HWND list() const { return window_->list(ListKind::SystemStart); }
    int count() const { return static_cast<int>(::SendMessageA(list(), LVM_GETITEMCOUNT, 0, 0)); }
    int next(UINT which) const {
        return static_cast<int>(::SendMessageA(list(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), which));
    }
    void select(int row) {
        LVITEMA state{};
        state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
        ::SendMessageA(list(), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
    }
    std::string text(int row, int column = 0) const { return Utf8OfWide(ListCellText(list(), row, column)); }
    int image(int row) const {
        LVITEMA item{};
        item.mask = LVIF_IMAGE;
        item.iItem = row;
        ::SendMessageA(list(), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        return item.iImage;
    }
    HIMAGELIST images() const {
        return reinterpret_cast<HIMAGELIST>(::SendMessageA(list(), LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    }
    // The picture the list draws for an image, on white.
    std::vector<COLORREF> pixels(int index) const {
        HDC screen = ::GetDC(nullptr);
        HDC memory = ::CreateCompatibleDC(screen);
        HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 16, 16);
        ::ReleaseDC(nullptr, screen);
        HGDIOBJ old = ::SelectObject(memory, bitmap);
        const RECT all{0, 0, 16, 16};
        ::FillRect(memory, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        ::ImageList_Draw(images(), index, memory, 0, 0, ILD_NORMAL);
        std::vector<COLORREF> result;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) result.push_back(::GetPixel(memory, x, y));
        ::SelectObject(memory, old);
        ::DeleteObject(bitmap);
        ::DeleteDC(memory);
        return result;
    }
    bool linksEnabled() const {
        return ::IsWindowEnabled(window_->link(ListKind::SystemStart, 1)) &&
               ::IsWindowEnabled(window_->link(ListKind::SystemStart, 2));
    }
    void appendRows(int rows) {
        for (int row = 0; row < rows; ++row)
            app_.model.systemStart.append(
                {"Eintrag " + std::to_string(row), "", "", "", "C:\\Daten\\notiz" + std::to_string(row) + ".txt"});
    }

    int rowMessages_ = 0;
};

TEST_F(ListViewTest, TenThousandRowsAreShownRemovedAndEditedWithoutRowByRowWork) {
    appendRows(10000);
    open();
    EXPECT_EQ(count(), 10000);
    EXPECT_EQ(text(9999), "Eintrag 9999");
    EXPECT_EQ(text(9999, 4), "C:\\Daten\\notiz9999.txt");
    EXPECT_EQ(rowMessages_, 0) << "the rows were put into the list one by one";

    select(5000);
    window_->removeSelected(ListKind::SystemStart);
    EXPECT_EQ(count(), 9999);
    EXPECT_EQ(text(5000), "Eintrag 5001");
    EXPECT_EQ(next(LVNI_SELECTED), -1);
    EXPECT_FALSE(linksEnabled());

    select(100);
    app_.model.systemStart.replace(100, {"Geändert", "", "", "X", "C:\\x.txt"});
    window_->entriesChanged(ListKind::SystemStart);
    EXPECT_EQ(text(100), "Geändert");
    EXPECT_EQ(text(100, 3), "X");
    EXPECT_EQ(next(LVNI_SELECTED), 100);
    EXPECT_EQ(rowMessages_, 0) << "a removal or an edit refilled the list";
}

TEST_F(ListViewTest, RemovingTheLastRowLeavesNothingSelectedAndTheRestSelectable) {
    appendRows(3);
    open();
    select(2);
    ASSERT_TRUE(linksEnabled());
    window_->removeSelected(ListKind::SystemStart);
    EXPECT_EQ(count(), 2);
    EXPECT_EQ(next(LVNI_SELECTED), -1);
    ASSERT_EQ(::GetFocus(), list());
    EXPECT_EQ(next(LVNI_FOCUSED), 0) << "the keyboard stays on a row, the top one, selecting none";
    EXPECT_FALSE(linksEnabled());
    select(1);
    EXPECT_EQ(next(LVNI_SELECTED), 1);
    EXPECT_TRUE(linksEnabled());
    // The last row again, down to an empty list.
    window_->removeSelected(ListKind::SystemStart);
    select(0);
    window_->removeSelected(ListKind::SystemStart);
    EXPECT_EQ(count(), 0);
    EXPECT_EQ(next(LVNI_SELECTED), -1);
    EXPECT_FALSE(linksEnabled());
    EXPECT_TRUE(app_.model.systemStart.empty());
}

TEST_F(ListViewTest, AnEditOrARemovalKeepsTheScrollPositionAndAnEditTheSelection) {
    appendRows(300);
    open();
    ::SendMessageA(list(), LVM_ENSUREVISIBLE, 250, FALSE);
    select(250);
    const int top = static_cast<int>(::SendMessageA(list(), LVM_GETTOPINDEX, 0, 0));
    ASSERT_GT(top, 200);
    app_.model.systemStart.replace(250, {"Neu", "", "", "", "C:\\neu.txt"});
    window_->entriesChanged(ListKind::SystemStart);
    EXPECT_EQ(::SendMessageA(list(), LVM_GETTOPINDEX, 0, 0), top);
    EXPECT_EQ(next(LVNI_SELECTED), 250);
    EXPECT_TRUE(linksEnabled());
    EXPECT_EQ(text(250), "Neu");

    select(260);  // focusing a row may scroll it into view
    const int topBeforeRemoval = static_cast<int>(::SendMessageA(list(), LVM_GETTOPINDEX, 0, 0));
    window_->removeSelected(ListKind::SystemStart);
    EXPECT_EQ(::SendMessageA(list(), LVM_GETTOPINDEX, 0, 0), topBeforeRemoval);
    EXPECT_EQ(text(260), "Eintrag 261");
    EXPECT_EQ(next(LVNI_SELECTED), -1);
    EXPECT_EQ(next(LVNI_FOCUSED), topBeforeRemoval) << "the keyboard's row is one on screen";
}

TEST_F(ListViewTest, RowIconsFollowTheirRowsAfterARemoval) {
    char self[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, self, MAX_PATH);  // a program with the program icon of its own
    app_.model.systemStart.append({"Text A", "", "", "", "C:\\docs\\a.txt"});
    app_.model.systemStart.append({"Programm", "", "", "", self});
    app_.model.systemStart.append({"Text C", "", "", "", "C:\\docs\\c.txt"});
    open();
    const std::vector<COLORREF> document = pixels(image(0));
    const std::vector<COLORREF> program = pixels(image(1));
    ASSERT_NE(document, program) << "the two kinds of icon must look different for this test";
    EXPECT_EQ(pixels(image(2)), document);

    select(1);
    window_->removeSelected(ListKind::SystemStart);
    ASSERT_EQ(count(), 2);
    EXPECT_EQ(pixels(image(0)), document);
    EXPECT_EQ(pixels(image(1)), document);

    // An edit that makes a document row a program shows the program's icon.
    app_.model.systemStart.replace(0, {"Programm", "", "", "", self});
    window_->entriesChanged(ListKind::SystemStart);
    EXPECT_EQ(pixels(image(0)), program);
    EXPECT_EQ(pixels(image(1)), document);
}

TEST_F(ListViewTest, RowIconsStayFewWhateverTheRowsShow) {
    const int rows = static_cast<int>(kRowIconSlots) + 50;
    for (int row = 0; row < rows; ++row)
        app_.model.systemStart.append({"P" + std::to_string(row), "", "", "", "C:\\p\\" + std::to_string(row) + ".exe"});
    open();
    for (int row = 0; row < rows; ++row) EXPECT_GE(image(row), 0) << row;
    EXPECT_LE(::ImageList_GetImageCount(images()), static_cast<int>(kRowIconSlots));
    // Rows on screen keep their icons while further rows are drawn.
    const int last = image(rows - 1);
    EXPECT_EQ(image(rows - 1), last);
    EXPECT_EQ(::ImageList_GetImageCount(images()), static_cast<int>(kRowIconSlots));
}

TEST_F(ListViewTest, TypingTheFirstLettersOfANameSelectsItsRow) {
    app_.model.systemStart.append({"Editor", "", "", "", "C:\\e.exe"});
    app_.model.systemStart.append({"Sicherung", "", "", "", "C:\\s.bat"});
    app_.model.programStart.append({"Rechner", "", "", "", "C:\\r.exe"});
    app_.model.programStart.append({"Übersicht", "", "", "", "C:\\u.txt"});
    open();
    window_->entriesChanged(ListKind::ProgramStart);
    ::SetForegroundWindow(window_->window());
    ::SetFocus(list());
    ASSERT_EQ(::GetFocus(), list());
    ::SendMessageA(list(), WM_CHAR, 's', 1);
    EXPECT_EQ(next(LVNI_SELECTED), 1);
    EXPECT_TRUE(linksEnabled());

    // On the other tab, a letter of the code page's upper half in its other case.
    ::SendMessageA(window_->tabs(), TCM_SETCURSEL, 1, 0);
    NMHDR change{window_->tabs(), static_cast<UINT_PTR>(kIdTabs), static_cast<UINT>(TCN_SELCHANGE)};
    ::SendMessageA(window_->window(), WM_NOTIFY, kIdTabs, reinterpret_cast<LPARAM>(&change));
    HWND other = window_->list(ListKind::ProgramStart);
    ::SetFocus(other);
    ASSERT_EQ(::GetFocus(), other);
    ::SendMessageW(other, WM_CHAR, L'\u00FC', 1);
    EXPECT_EQ(::SendMessageA(other, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 1);
    EXPECT_TRUE(::IsWindowEnabled(window_->link(ListKind::ProgramStart, 1)));
}

}  // namespace
