// Waiting on a condition in a Windows test: polled every 50 ms, never a bare sleep.
#pragma once

#include <windows.h>

namespace tolvane::test {

template <typename Condition>
bool WaitFor(Condition condition, int ms = 8000) {
    for (int waited = 0; waited < ms; waited += 50) {
        if (condition()) return true;
        ::Sleep(50);
    }
    return condition();
}

}  // namespace tolvane::test
