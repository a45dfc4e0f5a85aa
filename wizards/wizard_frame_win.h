// The modal window shared by the wizards, edit dialogs and sub-dialogs:
// centred over its owner, the owner disabled while it is open, its content
// on panels that each begin with the banner and their icons.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control_kit_win.h"
#include "ui/image_set_win.h"
#include "ui/modal_window_win.h"

namespace tolvane {

// One icon of a header band: image slot and its x in the band.
struct BandIcon {
    int slot;
    int x;
};

// What a panel's header band shows.
struct WizardBand {
    const ImageSet* images;
    std::vector<BandIcon> icons;
};

class WizardFrame : public ModalWindow {
public:
    // id and notification code of a control event; the control's handle.
    std::function<void(int id, int code, HWND control)> onCommand;
    std::function<void(const NMHDR& header)> onNotify;
    // Id of the button Enter presses ("Weiter", "Fertig", "OK", "Übernehmen");
    // Enter does nothing while it is disabled.
    std::function<int()> defaultButton;

    // Builds the window hidden over `owner` (which it disables) with the given
    // client size. False if the window could not be made. Here and in every
    // helper below, positions and sizes are given for 96 DPI and scaled to
    // the display's.
    bool create(HWND owner, std::string_view title, int width, int height);
    // A borderless panel at (x, y) with the header band and its icons.
    HWND addPanel(const ImageSet& images, int x, int y, int width, int height, std::vector<BandIcon> icons);
    // Shows the window with the focus on its first field.
    void show();
    // Focuses the first field of what is shown now (after a page switch).
    void focusFirst();

private:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool takeKey(MSG& message) override;
    void pressButton(HWND button);
    HWND defaultControl() const;

    HWND lastFocus_ = nullptr;  // restored when the window is activated again
    std::vector<std::unique_ptr<WizardBand>> bands_;
};

// "Schritt n:" at (20, 40) of a wizard page, in the heading font.
HWND AddStepTitle(HWND page, const ImageSet& images, int step);

}  // namespace tolvane
