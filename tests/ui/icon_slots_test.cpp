#include "ui/icon_slots.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace tolvane;

TEST(IconSlots, OneSlotPerKeyFilledInOrder) {
    IconSlots slots(3);
    EXPECT_FALSE(slots.find("type:TXT"));
    EXPECT_EQ(slots.claim("type:TXT"), 0);
    EXPECT_EQ(slots.claim("exe:C:\\a.exe"), 1);
    EXPECT_EQ(slots.claim("type:TXT"), 0) << "a key already held keeps its slot";
    EXPECT_EQ(slots.find("exe:C:\\a.exe"), 1);
    EXPECT_EQ(slots.size(), 2u);
}

TEST(IconSlots, WhenFullTheSlotUsedLongestAgoIsTakenOver) {
    IconSlots slots(3);
    slots.claim("a");
    slots.claim("b");
    slots.claim("c");
    slots.find("a");  // drawn again: "b" is now the oldest
    EXPECT_EQ(slots.claim("d"), 1);
    EXPECT_FALSE(slots.find("b"));
    EXPECT_EQ(slots.find("d"), 1);
    EXPECT_EQ(slots.find("a"), 0);
    EXPECT_EQ(slots.claim("e"), 2);  // "c" is oldest now
    EXPECT_FALSE(slots.find("c"));
    EXPECT_EQ(slots.size(), 3u);
}

TEST(IconSlots, NeverMoreSlotsThanItsCapacityWhateverPassesThrough) {
    IconSlots slots(8);
    std::set<int> used;
    for (int row = 0; row < 10000; ++row) used.insert(slots.claim("exe:C:\\p" + std::to_string(row) + ".exe"));
    EXPECT_EQ(used.size(), 8u);
    EXPECT_EQ(*used.rbegin(), 7);
    EXPECT_EQ(slots.size(), 8u);
}

TEST(IconSlots, AForgottenSlotIsFilledFirst) {
    IconSlots slots(4);
    slots.claim("a");
    slots.claim("b");
    slots.claim("c");
    slots.forget("b");
    EXPECT_FALSE(slots.find("b"));
    EXPECT_EQ(slots.claim("d"), 1);
    EXPECT_EQ(slots.claim("e"), 3);
    slots.forget("unknown");
    slots.clear();
    EXPECT_EQ(slots.size(), 0u);
    EXPECT_EQ(slots.claim("f"), 0);
}
