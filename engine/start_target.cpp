#include "engine/start_target.h"

#include "core/utf8_length.h"

namespace tolvane {

namespace {

// The system errors the shell's result codes stand for.
constexpr std::uint32_t kFileNotFound = 2, kPathNotFound = 3, kAccessDenied = 5, kNotEnoughMemory = 8,
                        kBadFormat = 11, kOutOfMemory = 14, kGeneralFailure = 31, kSharingViolation = 32,
                        kNoAssociation = 1155, kDdeFailed = 1156, kDllNotFound = 1157;

}  // namespace

StartWay NextWay(StartWay tried, std::uint32_t error) {
    if (tried != StartWay::Process) return StartWay::GiveUp;
    return error == kErrorElevationRequired ? StartWay::ElevatedShell : StartWay::Shell;
}

std::uint32_t ShellStartError(std::uint32_t lastError, std::intptr_t resultCode) {
    switch (resultCode) {
    case 0:
        return kOutOfMemory;
    case kFileNotFound:
    case kPathNotFound:
    case kAccessDenied:
    case kNotEnoughMemory:
    case kBadFormat:
        return static_cast<std::uint32_t>(resultCode);
    case 26:  // sharing violation
        return kSharingViolation;
    case 27:  // association incomplete
    case 31:  // no association
        return kNoAssociation;
    case 28:  // DDE timeout, failure, busy
    case 29:
    case 30:
        return kDdeFailed;
    case 32:
        return kDllNotFound;
    default:
        return lastError != 0 ? lastError : kGeneralFailure;
    }
}

bool FitsStartPath(std::string_view target) { return Utf16Length(target) <= kMaxStartPathLength; }

std::string BuildCommandLine(std::string_view target, std::string_view parameters) {
    std::string line;
    if (!target.empty() && target.front() == '"') {
        line = target;
    } else {
        line.append("\"").append(target).append("\"");
    }
    if (!parameters.empty()) line.append(" ").append(parameters);
    return line;
}

bool FitsCommandLine(std::string_view target, std::string_view parameters) {
    return Utf16Length(BuildCommandLine(target, parameters)) <= kMaxCommandLineLength;
}

std::string WorkingDirectoryOf(std::string_view target) {
    const std::size_t slash = target.rfind('\\');
    if (slash == std::string_view::npos || slash == 0) return {};
    return std::string(target.substr(0, slash + 1));
}

}  // namespace tolvane
