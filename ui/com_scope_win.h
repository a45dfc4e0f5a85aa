// COM for the current thread while a scope lasts; the shell's link objects
// and folder browser need it.
#pragma once

#include <objbase.h>

namespace tolvane {

struct ComScope {
    HRESULT result = ::CoInitialize(nullptr);
    ComScope() = default;
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    ~ComScope() {
        if (SUCCEEDED(result)) ::CoUninitialize();
    }
};

}  // namespace tolvane
