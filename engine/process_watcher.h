// Watches for programs that newly start and starts the program-start entries
// whose trigger matches them. A path is "known" while at least one process
// with that path runs; the first process of a path that was not known fires
// the matching entries, in row order.
//
// Reading a process's path means opening it, and the watcher runs twice a
// second for the program's whole life, so each process's path is read once,
// when its identity (id + creation time) first appears, and remembered.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/path_text.h"
#include "core/start_entry.h"
#include "engine/start_events.h"
#include "engine/start_target.h"

namespace tolvane {

struct ProcessIdentity {
    std::uint32_t id = 0;
    // Creation time as the system reports it; tells a reused id apart.
    std::uint64_t createTime = 0;
    bool operator==(const ProcessIdentity&) const = default;
};

struct ProcessIdentityHash {
    std::size_t operator()(const ProcessIdentity& p) const {
        return std::hash<std::uint64_t>{}(p.createTime * 0x9E3779B97F4A7C15ull ^ p.id);
    }
};

struct ProcessSource {
    virtual ~ProcessSource() = default;
    // Every running process in the system's order, without opening any.
    virtual void listProcesses(std::vector<ProcessIdentity>& out) = 0;
    // Full path of the executable; empty when the process cannot be read.
    virtual std::string processPath(const ProcessIdentity& process) = 0;
};

// A trigger names a program by its full path or by its file name; both
// compare exactly and case-sensitively.
bool TriggerMatches(std::string_view trigger, std::string_view path);

std::string_view TrimBlanks(std::string_view text);

class ProcessWatcher {
public:
    // Everything running now is known and never fires.
    void takeFirstSnapshot(ProcessSource& source);
    // One watcher pass: starts the entries of every newly seen path.
    void watchProgramStarts(ProcessSource& source, const EntryList& programStart, Launcher& launcher,
                            StartEvents& events = NoStartEvents(), StartGate& gate = OpenStartGate());

    // Brings the running processes up to date without starting anything.
    void update(ProcessSource& source) { refresh(source, nullptr); }
    // The path of a running process the trigger matches; empty when none.
    std::string findRunning(std::string_view trigger) const;

    bool isKnown(std::string_view path) const { return running_.count(std::string(path)) != 0; }
    std::size_t knownPathCount() const { return running_.size(); }

private:
    struct Seen {
        std::string path;
        std::uint32_t pass = 0;
    };
    // Brings the remembered processes up to date. Paths whose first process
    // appears in this listing are appended to `fresh` in listing order.
    void refresh(ProcessSource& source, std::vector<std::string>* fresh);

    std::uint32_t pass_ = 0;
    std::vector<ProcessIdentity> listing_;
    std::vector<std::string> fresh_;
    std::unordered_map<ProcessIdentity, Seen, ProcessIdentityHash> byIdentity_;
    // Known paths with the number of running processes of each.
    std::unordered_map<std::string, std::size_t> running_;
};

}  // namespace tolvane
