#include "core/system_reason_win.h"

#include <windows.h>

#include "core/store_messages.h"
#include "core/system_reason.h"
#include "core/wide_text_win.h"

namespace tolvane {

std::string SystemErrorReason(std::uint32_t code) {
    wchar_t text[512] = {};
    const DWORD length = ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                                          0, text, 512, nullptr);
    // The texts keep their inserts ("%1 ist keine zulässige Win32-Anwendung").
    return SystemReason(FillMessageInserts(Utf8OfWide(std::wstring_view(text, length))), code);
}

}  // namespace tolvane
