#include "engine/process_source_win.h"

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstring>
#include <iterator>

#include "core/unique_handle_win.h"
#include "core/wide_text_win.h"

namespace tolvane {

namespace {

constexpr int kSystemProcessInformation = 5;
constexpr long kStatusInfoLengthMismatch = static_cast<long>(0xC0000004L);

// The leading fields of one SystemProcessInformation record, as laid out by
// the system (not declared in full by the public headers).
struct ProcessRecord {
    ULONG nextEntryOffset;
    ULONG numberOfThreads;
    LARGE_INTEGER workingSetPrivateSize;
    ULONG hardFaultCount;
    ULONG numberOfThreadsHighWatermark;
    ULONGLONG cycleTime;
    LARGE_INTEGER createTime;
    LARGE_INTEGER userTime;
    LARGE_INTEGER kernelTime;
    struct {
        USHORT length;
        USHORT maximumLength;
        PWSTR buffer;
    } imageName;
    LONG basePriority;
    HANDLE uniqueProcessId;
};

// Fallback without the ntdll call: ids only, so a reused id reads as the old process.
void ListByEnumeration(std::vector<ProcessIdentity>& out) {
    std::vector<DWORD> ids(1024);
    for (;;) {
        DWORD bytes = 0;
        if (!::K32EnumProcesses(ids.data(), static_cast<DWORD>(ids.size() * sizeof(DWORD)), &bytes)) return;
        if (bytes < ids.size() * sizeof(DWORD)) {
            for (DWORD i = 0; i < bytes / sizeof(DWORD); ++i) out.push_back({ids[i], 0});
            return;
        }
        ids.resize(ids.size() * 2);  // a full buffer may have cut the list short
    }
}

}  // namespace

WinProcessSource::WinProcessSource() {
    if (HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll"))
        query_ = reinterpret_cast<QueryFunction>(
            reinterpret_cast<void*>(::GetProcAddress(ntdll, "NtQuerySystemInformation")));
    buffer_.resize(256 * 1024);
}

void WinProcessSource::listProcesses(std::vector<ProcessIdentity>& out) {
    out.clear();
    if (!query_) return ListByEnumeration(out);
    long status = 0;
    for (int attempt = 0; attempt < 8; ++attempt) {
        unsigned long needed = 0;
        status = query_(kSystemProcessInformation, buffer_.data(), static_cast<unsigned long>(buffer_.size()),
                        &needed);
        if (status != kStatusInfoLengthMismatch) break;
        buffer_.resize(std::max<std::size_t>(buffer_.size() * 2, needed + 64 * 1024));
    }
    if (status < 0) return ListByEnumeration(out);
    for (std::size_t offset = 0;;) {
        ProcessRecord record;
        std::memcpy(&record, buffer_.data() + offset, sizeof record);
        out.push_back({static_cast<std::uint32_t>(reinterpret_cast<ULONG_PTR>(record.uniqueProcessId)),
                       static_cast<std::uint64_t>(record.createTime.QuadPart)});
        if (record.nextEntryOffset == 0) break;
        offset += record.nextEntryOffset;
        if (offset + sizeof record > buffer_.size()) break;
    }
}

std::string WinProcessSource::processPath(const ProcessIdentity& process) {
    ++opens_;
    return ProcessPathOfId(process.id);
}

std::string ProcessPathOfId(unsigned long processId) {
    if (processId == 0) return {};
    const UniqueKernelHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process) return {};
    wchar_t path[1024] = {};  // room beyond MAX_PATH for long program folders
    DWORD size = static_cast<DWORD>(std::size(path)) - 1;
    if (!::QueryFullProcessImageNameW(process.get(), 0, path, &size)) return {};
    return std::string(TrimBlanks(Utf8OfWide(std::wstring_view(path, size))));
}

}  // namespace tolvane
