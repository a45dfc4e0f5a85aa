#include <gtest/gtest.h>

#include <cstdint>

#include "core/pass_clock.h"

using namespace tolvane;

namespace {

PassClock EndedAt(std::uint32_t tick) {
    PassClock clock;
    clock.start(tick);
    return clock;
}

}  // namespace

TEST(PassClock, SleepEndsExactlyWhenThePassBecomesDue) {
    const PassClock clock = EndedAt(10'000);
    EXPECT_EQ(clock.msUntilPassDue(10'000), 501u);
    EXPECT_EQ(clock.msUntilPassDue(10'200), 301u);
    EXPECT_EQ(clock.msUntilPassDue(10'500), 1u);  // 500 ms is not yet "more than 500 ms"
    EXPECT_EQ(clock.msUntilPassDue(10'501), 0u);
    EXPECT_EQ(clock.msUntilPassDue(90'000), 0u);  // long overdue (a modal wizard held the loop)
}

TEST(PassClock, SleepAgreesWithPassDueAroundEveryTickAndAcrossTheWrap) {
    for (const std::uint32_t end : {0u, 10'000u, 0xFFFF'FF00u, 0xFFFF'FFFFu}) {
        const PassClock clock = EndedAt(end);
        for (std::uint32_t elapsed = 0; elapsed < 1200; ++elapsed) {
            const std::uint32_t now = end + elapsed;  // wraps for the last two
            const std::uint32_t sleep = clock.msUntilPassDue(now);
            ASSERT_EQ(sleep == 0, clock.passDue(now)) << end << "+" << elapsed;
            // Waking when the sleep ends finds the pass due, one tick earlier does not.
            ASSERT_TRUE(clock.passDue(now + sleep)) << end << "+" << elapsed;
            if (sleep > 0) {
                ASSERT_FALSE(clock.passDue(now + sleep - 1)) << end << "+" << elapsed;
            }
        }
    }
}

TEST(PassClock, TickBeforeThePassEndSleepsOneIntervalAtMost) {
    const PassClock clock = EndedAt(5);
    EXPECT_EQ(clock.msUntilPassDue(0), 501u);
    EXPECT_EQ(clock.msUntilPassDue(0xFFFF'FFF0u), 501u);  // before the wrap, 21 ms earlier
    PassClock later = EndedAt(1000);
    later.passEnded(3000);
    EXPECT_EQ(later.msUntilPassDue(3100), 401u);
    EXPECT_EQ(later.sinceProgramStart(3100), 2100);
}
