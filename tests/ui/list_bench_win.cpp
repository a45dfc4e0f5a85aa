// Times the main window's lists with many entries as a user meets them:
// filling, a removal (with its save) and an edit, each until the list has
// painted. Arguments: [runs [entries...]] (default 3 runs of 100 and 10,000
// entries). Prints medians in milliseconds; asserts nothing.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/app_win.h"
#include "ui/image_set_win.h"
#include "ui/main_window_win.h"
#include "tests/win/message_pump_win.h"

using namespace tolvane;
using tolvane::testing::Pump;

namespace {

double Now() {
    LARGE_INTEGER count{}, frequency{};
    ::QueryPerformanceCounter(&count);
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(count.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// Half programs whose own icon is read, half documents, as in the start-up benchmark.
StartEntry Entry(std::size_t index, const char* prefix = "Eintrag ") {
    const bool program = index % 2 == 0;
    return {prefix + std::to_string(index), "Wartezeit von ...{3600};", "", "",
            program ? "C:\\windows\\system32\\notepad.exe" : "C:\\Daten\\notiz" + std::to_string(index) + ".txt"};
}

void Select(HWND list, int row) {
    LVITEMA state{};
    state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageA(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
    ::SendMessageA(list, LVM_ENSUREVISIBLE, row, FALSE);
    ::UpdateWindow(list);
    Pump();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[(values.size() - 1) / 2];
}

struct Figures {
    double fill, removal, save, edit;
};

Figures Measure(std::size_t entries, const std::string& storePath) {
    App app;
    ::DeleteFileA(storePath.c_str());
    app.store = std::make_unique<EntryStore>(HostFiles(), storePath, MakeRandomByteSource());
    for (std::size_t index = 0; index < entries; ++index) app.model.systemStart.append(Entry(index));
    const ImageSet images = ImageSet::Load(::GetModuleHandleA(nullptr));
    MainWindow window(app, images, false);
    window.ask = [](const std::string&, const std::string&, UINT) { return IDYES; };
    HWND list = window.list(ListKind::SystemStart);
    Pump();
    Figures figures{};

    double start = Now();
    window.entriesChanged(ListKind::SystemStart);
    ::UpdateWindow(list);
    figures.fill = Now() - start;
    Pump();

    const int middle = static_cast<int>(entries / 2);
    Select(list, middle);
    start = Now();
    window.removeSelected(ListKind::SystemStart);
    ::UpdateWindow(list);
    figures.removal = Now() - start;
    Pump();

    start = Now();
    app.commitEntries();
    figures.save = Now() - start;

    Select(list, middle);
    start = Now();
    app.model.systemStart.replace(static_cast<std::size_t>(middle), Entry(middle, "Geändert "));
    app.commitEntries();
    window.entriesChanged(ListKind::SystemStart);
    ::UpdateWindow(list);
    figures.edit = Now() - start;
    Pump();
    ::DeleteFileA(storePath.c_str());
    ::DeleteFileA((storePath + ".bak").c_str());
    return figures;
}

}  // namespace

int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&controls);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    char folder[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, folder);
    const std::string storePath = std::string(folder) + "tolvane-list-bench.boot";
    std::printf("%-8s %10s %12s %14s %10s\n", "entries", "fill ms", "removal ms", "(its save ms)", "edit ms");
    std::vector<std::size_t> sizes;
    for (int arg = 2; arg < argc; ++arg) sizes.push_back(static_cast<std::size_t>(std::atol(argv[arg])));
    if (sizes.empty()) sizes = {100, 10000};
    for (std::size_t entries : sizes) {
        std::vector<double> fill, removal, save, edit;
        for (int run = 0; run < runs; ++run) {
            const Figures figures = Measure(entries, storePath);
            fill.push_back(figures.fill);
            removal.push_back(figures.removal);
            save.push_back(figures.save);
            edit.push_back(figures.edit);
        }
        std::printf("%-8zu %10.1f %12.1f %14.1f %10.1f\n", entries, Median(fill), Median(removal), Median(save),
                    Median(edit));
        std::fflush(stdout);
    }
    return 0;
}
