// Real processes for the engine's Windows tests: copies of the marker helper
// under chosen names and folders, and the lines they record.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "core/unique_handle_win.h"

namespace tolvane::testing {

// Folder of the running test program (the helpers are built beside it).
std::string TestProgramFolder();

// A fresh folder under the temporary folder, removed with its files at the end.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& name);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::string& path() const { return path_; }
    // Creates a subfolder (and its parents inside this folder).
    std::string subfolder(const std::string& relative) const;

private:
    std::string path_;
};

// Copies the marker helper to `path` (creating nothing else).
bool CopyMarkerHelper(const std::string& path);

// Starts a program; the handle lets the test end exactly this process.
UniqueKernelHandle Spawn(const std::string& program, const std::string& arguments);
void EndProcess(UniqueKernelHandle& process);

struct MarkerLine {
    unsigned long pid = 0;
    unsigned long long createTime = 0;
    std::string module, folder, commandLine;
};

// Points the helpers started from now on at `file`.
void UseMarkerFile(const std::string& file);
std::vector<MarkerLine> ReadMarkers(const std::string& file);
// Waits until the file holds at least `count` lines or the time is up.
std::vector<MarkerLine> WaitForMarkers(const std::string& file, std::size_t count, DWORD timeoutMs = 5000);

}  // namespace tolvane::testing
