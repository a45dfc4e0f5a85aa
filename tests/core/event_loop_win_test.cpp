#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>

#include "app/event_loop_win.h"
#include "core/pass_clock.h"

using namespace tolvane;

namespace {

struct LoopRun {
    int turns = 0;
    int passes = 0;
    bool quit = false;
    // Longest time a due pass waited for the loop, in ms.
    std::int32_t latestPass = 0;
};

// Runs the loop as the program does for `ms`: a turn, then a pass if one is due.
LoopRun RunLoop(std::int32_t ms, const std::function<bool(MSG&)>& intercept) {
    PassClock clock;
    const DWORD begin = ::GetTickCount();
    clock.start(begin);
    LoopRun run;
    while (TickDifference(::GetTickCount(), begin) < ms) {
        if (!HandleNextMessage(clock.msUntilPassDue(::GetTickCount()), intercept)) {
            run.quit = true;
            break;
        }
        ++run.turns;
        const DWORD now = ::GetTickCount();
        if (!clock.passDue(now)) continue;
        run.latestPass = std::max(run.latestPass, TickDifference(now, clock.lastPassEnd) - kPassIntervalMs - 1);
        ++run.passes;
        clock.passEnded(now);
    }
    return run;
}

void MakeQueue() {
    MSG msg;
    ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
}

}  // namespace

TEST(EventLoop, AtRestItWakesOnlyForThePasses) {
    MakeQueue();
    const LoopRun run = RunLoop(3000, nullptr);
    // A pass more than 500 ms after the previous one: five or six in 3 s.
    EXPECT_GE(run.passes, 4);
    EXPECT_LE(run.passes, 6);
    // A wait that ends a tick early costs one more turn, nothing else wakes it.
    EXPECT_LE(run.turns, 2 * run.passes + 2) << run.passes << " passes";
    std::printf("at rest: %d turns, %d passes in 3 s, latest pass %d ms late\n", run.turns, run.passes, run.latestPass);
    // Woken on time; a busy machine may oversleep a little.
    EXPECT_LE(run.latestPass, 200);
}

TEST(EventLoop, AMessageEndsTheWaitAtOnceAndQuitEndsTheLoop) {
    MakeQueue();
    const DWORD thread = ::GetCurrentThreadId();
    std::atomic<DWORD> posted{0};
    DWORD handled = 0;
    std::thread poster([&] {
        ::Sleep(50);  // well inside the half-second wait for the first pass
        posted = ::GetTickCount();
        ::PostThreadMessageA(thread, WM_APP, 0, 0);
    });
    RunLoop(400, [&](MSG& msg) {
        if (msg.message != WM_APP) return false;
        handled = ::GetTickCount();
        return true;
    });
    poster.join();
    ASSERT_NE(handled, 0u);
    EXPECT_LT(TickDifference(handled, posted), 250);

    ::PostQuitMessage(0);
    EXPECT_TRUE(RunLoop(1000, nullptr).quit);
}

TEST(EventLoop, AStreamOfMessagesDelaysAPassByOneMessageAtMost) {
    MakeQueue();
    int handled = 0;
    ::PostThreadMessageA(::GetCurrentThreadId(), WM_APP, 0, 0);
    // Each message takes 20 ms and posts the next: the queue is never empty.
    const LoopRun run = RunLoop(2000, [&](MSG& msg) {
        if (msg.message != WM_APP) return false;
        ++handled;
        ::Sleep(20);
        ::PostThreadMessageA(::GetCurrentThreadId(), WM_APP, 0, 0);
        return true;
    });
    EXPECT_GE(run.passes, 3);
    EXPECT_LE(run.latestPass, 20 + 40);
    EXPECT_GE(handled, 50);
    // Leave the queue empty for the next test.
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, WM_APP, WM_APP, PM_REMOVE)) {}
}
