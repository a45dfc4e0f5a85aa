#include "engine/process_watcher.h"

namespace tolvane {

bool TriggerMatches(std::string_view trigger, std::string_view path) {
    // An empty trigger would match every process whose path cannot be read.
    if (trigger.empty()) return false;
    return trigger == path || trigger == FilePart(path);
}

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

void ProcessWatcher::refresh(ProcessSource& source, std::vector<std::string>* fresh) {
    ++pass_;
    source.listProcesses(listing_);
    std::size_t present = 0;
    for (const ProcessIdentity& process : listing_) {
        auto [it, inserted] = byIdentity_.try_emplace(process);
        if (!inserted) {
            if (it->second.pass != pass_) ++present;
            it->second.pass = pass_;
            continue;
        }
        ++present;
        it->second.pass = pass_;
        it->second.path = TrimBlanks(source.processPath(process));
        // Ended processes are still counted here, so a program that was
        // restarted between two passes stays known, as does a second instance.
        if (running_[it->second.path]++ == 0 && fresh) fresh->push_back(it->second.path);
    }
    if (present == byIdentity_.size()) return;  // nothing ended
    for (auto it = byIdentity_.begin(); it != byIdentity_.end();) {
        if (it->second.pass == pass_) {
            ++it;
            continue;
        }
        const auto count = running_.find(it->second.path);
        if (--count->second == 0) running_.erase(count);
        it = byIdentity_.erase(it);
    }
}

std::string ProcessWatcher::findRunning(std::string_view trigger) const {
    for (const auto& [path, count] : running_)
        if (TriggerMatches(trigger, path)) return path;
    return {};
}

void ProcessWatcher::takeFirstSnapshot(ProcessSource& source) {
    byIdentity_.clear();
    running_.clear();
    refresh(source, nullptr);
}

void ProcessWatcher::watchProgramStarts(ProcessSource& source, const EntryList& programStart, Launcher& launcher,
                                        StartEvents& events, StartGate& gate) {
    fresh_.clear();
    refresh(source, &fresh_);
    for (const std::string& path : fresh_) {
        for (std::size_t row = 0; row < programStart.size(); ++row) {
            if (!TriggerMatches(programStart[row].entry.condition, path)) continue;
            if (!gate.mayStart(ListKind::ProgramStart, programStart[row])) continue;
            // A copy: starting may hand control to the shell for a while.
            LaunchEntry({StartCause::Trigger, programStart[row].entry, {}, path, 0}, launcher, events);
        }
    }
}

}  // namespace tolvane
