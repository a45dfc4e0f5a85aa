#include <gtest/gtest.h>

#include "core/start_entry.h"

using namespace tolvane;

namespace {
StartEntry Named(std::string name) { return StartEntry{std::move(name), "", "", "", "C:\\x.exe"}; }
}  // namespace

TEST(EntryList, AppendReplaceRemoveKeepOrderAndClearTheMark) {
    EntryList list;
    list.append(Named("a"), 1);
    list.append(Named("b"), 1);
    list.append(Named("c"), 1);
    list.replace(1, Named("B"));
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[1].entry.name, "B");
    EXPECT_EQ(list[1].pending, 0u) << "an edited entry is not started in this run";
    EXPECT_EQ(list[0].pending, 1u);
    list.remove(0);
    EXPECT_EQ(list[0].entry.name, "B");
    EXPECT_EQ(list[1].entry.name, "c");
    list.remove(7);  // out of range: nothing happens
    EXPECT_EQ(list.size(), 2u);
}

TEST(StartEntry, FieldsByColumnAndHiddenFlag) {
    StartEntry entry{"n", "c", "p", "", "path"};
    EXPECT_EQ(EntryField(entry, 0), "n");
    EXPECT_EQ(EntryField(entry, 4), "path");
    EXPECT_FALSE(IsHidden(entry));
    EntryField(entry, 3) = "anything";
    EXPECT_TRUE(IsHidden(entry));
}
