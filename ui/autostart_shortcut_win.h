// The shell shortcut that starts Tolvane hidden ("-h") at every logon.
#pragma once

#include <string>

namespace tolvane {

// Every text and path here is UTF-8.
struct ShellLinkFields {
    std::string target;
    std::string arguments;
    std::string workingDirectory;  // empty: the target's folder
    std::string description;
    int showCommand = 1;
    unsigned short hotkey = 0;
    std::string iconFile = "|";  // "|": the target itself
    int iconIndex = 0;
};

// True when the shell saved the link.
bool CreateShellLink(const ShellLinkFields& fields, const std::string& linkPath);
// Reads a link back; false when it cannot be loaded.
bool ReadShellLink(const std::string& linkPath, ShellLinkFields& fields);

struct StartupFolders {
    std::string common;  // all users; needs administrator rights
    std::string user;    // the user's own
};
StartupFolders ResolveStartupFolders();

// Writes Tolvane.lnk into the common folder, or the user's when the common
// one cannot be written, and removes the other copy so that exactly one
// starts Tolvane. Returns the written link's path, empty when none.
std::string WriteAutostartShortcut(const StartupFolders& folders, const std::string& programPath);
// Removes Tolvane.lnk from both folders. Returns the path of a link that is
// still there (the common one needs administrator rights), empty when none.
std::string RemoveAutostartShortcut(const StartupFolders& folders);

}  // namespace tolvane
