// The check view of a system-start entry: a small modal window listing each
// precondition with the value measured now and its state. It only shows;
// it changes nothing.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/check_lines.h"
#include "ui/modal_window_win.h"

namespace tolvane {

class PreconditionCheckView : public ModalWindow {
public:
    // Builds and shows the window over `owner` (disabled while it is open),
    // the keyboard in the list. Texts in UTF-8. False if it could not be made.
    // runModal() then runs until "OK", Enter, Escape or the close box.
    bool create(HWND owner, const std::string& title, const std::vector<CheckLine>& lines);
    // Shows these lines in place of the ones shown, as a check answers.
    void showLines(const std::vector<CheckLine>& lines);

    HWND list() const { return list_; }
    HWND button() const { return button_; }

private:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool takeKey(MSG& message) override;
    void closing() override { list_ = button_ = nullptr; }

    HWND list_ = nullptr;
    HWND button_ = nullptr;
};

// Shows the check view of the entry named `entryName` and returns once the
// user closed it. `opened` is told of the view while it is open, and of null
// once it is closed, so answers reach it.
void ShowPreconditionCheck(HWND owner, std::string_view entryName, const std::vector<CheckLine>& lines,
                           const std::function<void(PreconditionCheckView*)>& opened = {});

}  // namespace tolvane
