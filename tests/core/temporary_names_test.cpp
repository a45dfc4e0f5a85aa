#include <gtest/gtest.h>

#include "core/temporary_names.h"

using namespace tolvane;

TEST(TemporaryNames, ASavesTemporaryFileNamesItsWriter) {
    EXPECT_EQ(TemporaryNameBeside("C:\\me\\tolvane.boot", 1234), "C:\\me\\tolvane.boot.1234.tmp");
    EXPECT_EQ(TemporaryFileWriter("tolvane.boot.1234.tmp", "tolvane.boot"), 1234u);
    EXPECT_EQ(TemporaryFileWriter("TOLVANE.BOOT.1234.TMP", "tolvane.boot"), 1234u) << "Windows ignores case";
    EXPECT_EQ(TemporaryFileWriter("tolvane.boot.4294967295.tmp", "tolvane.boot"), 4294967295u);
    // Copies aside go through a temporary name of their own.
    EXPECT_EQ(TemporaryFileWriter("tolvane.boot.bak.77.tmp", "tolvane.boot"), 77u);
    EXPECT_EQ(TemporaryFileWriter("tolvane.boot.bak12.77.tmp", "tolvane.boot"), 77u);
}

TEST(TemporaryNames, NoOtherFileCountsAsALeftover) {
    for (const char* name : {"tolvane.boot", "tolvane.boot.bak", "tolvane.boot.tmp", "tolvane.boot..tmp",
                             "tolvane.boot.12a.tmp", "tolvane.boot.notes.tmp", "tolvane.boot.x.12.tmp",
                             "tolvane.boot.bakx.12.tmp", "tolvane.boot.bak.tmp", "tolvane.boot.4294967296.tmp",
                             "tolvane.boot.99999999999.tmp", "tolvane.bootx.12.tmp", "other.boot.12.tmp",
                             "tolvane.boot.12.tmp.old", "tolvane.boot.-12.tmp", "tolvane.boot.bak..12.tmp"}) {
        EXPECT_FALSE(TemporaryFileWriter(name, "tolvane.boot")) << name;
    }
}
