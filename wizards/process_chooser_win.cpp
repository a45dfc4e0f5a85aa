#include "wizards/process_chooser_win.h"

#include "core/texts.h"
#include "core/wide_text_win.h"
#include "wizards/wizard_rules.h"

namespace tolvane {

std::optional<std::string> ChooseRunningProcess(const ImageSet& images,
                                                const std::function<std::vector<std::string>()>& runningNames,
                                                HWND owner) {
    ProcessChooser chooser(images, runningNames ? ChooserProcessNames(runningNames()) : std::vector<std::string>());
    if (!chooser.create(owner)) return std::nullopt;
    chooser.run();
    return chooser.result();
}

bool ProcessChooser::create(HWND owner) {
    if (!frame_.create(owner, GetText(Text::ChooseProcess), 300, 130)) return false;
    HWND panel = frame_.addPanel(images_, 0, 0, 300, 130, {{kImageGlobe, 10}});
    AddLabel(panel, GetText(Text::RunningProcessesLabel), 20, 40, 200, 20);
    HWND list = AddControl(panel, L"COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 20, 60, 260, 200,
                           kIdProcessList);
    for (const std::string& name : names_) ::SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideOfUtf8(name).c_str()));
    ::SendMessageW(list, CB_SETCURSEL, 0, 0);
    AddDefaultButton(panel, GetText(Text::Ok), 100, 94, 80, 24, IDOK);
    AddButton(panel, GetText(Text::Cancel), 200, 94, 80, 24, IDCANCEL);
    frame_.onCommand = [this](int id, int code, HWND) { onCommand(id, code); };
    frame_.defaultButton = [] { return static_cast<int>(IDOK); };
    frame_.show();
    return true;
}

void ProcessChooser::onCommand(int id, int code) {
    if (code != BN_CLICKED) return;
    if (id == IDOK) {
        const LRESULT index = ::SendMessageW(FindControl(frame_.window(), kIdProcessList), CB_GETCURSEL, 0, 0);
        const bool chosen = index >= 0 && static_cast<std::size_t>(index) < names_.size();
        result_ = chosen ? names_[static_cast<std::size_t>(index)] : std::string();
        frame_.end();
    } else if (id == IDCANCEL) {
        frame_.end();
    }
}

}  // namespace tolvane
