// The sub-dialog that offers the running processes' names for a trigger.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/image_set_win.h"
#include "wizards/wizard_frame_win.h"

namespace tolvane {

inline constexpr int kIdProcessList = 500;

// Opens the chooser over `owner` with the names `runningNames` gives, filtered
// as the list shows them; the name taken, or none after cancelling.
std::optional<std::string> ChooseRunningProcess(const ImageSet& images,
                                                const std::function<std::vector<std::string>()>& runningNames,
                                                HWND owner);

class ProcessChooser {
public:
    // `names` as the list shows them, already filtered.
    ProcessChooser(const ImageSet& images, std::vector<std::string> names)
        : images_(images), names_(std::move(names)) {}
    bool create(HWND owner);
    void run() { frame_.runModal(); }
    // The name "OK" took (empty text for an empty list); none after cancelling.
    const std::optional<std::string>& result() const { return result_; }
    WizardFrame& frame() { return frame_; }

private:
    void onCommand(int id, int code);

    const ImageSet& images_;
    std::vector<std::string> names_;
    WizardFrame frame_;
    std::optional<std::string> result_;
};

}  // namespace tolvane
