#include <gtest/gtest.h>

#include "core/missing_library_text.h"

using namespace tolvane;

TEST(MissingLibraryText, NamesTheLibraryAndWhatIsMissing) {
    EXPECT_EQ(MissingLibraryMessage("comctl32.dll", ""),
              "Die Windows-Bibliothek „comctl32.dll“ ließ sich nicht laden.\r\n\r\n"
              "Tolvane kann so nicht weiterlaufen und wird beendet.");
    EXPECT_EQ(MissingLibraryMessage("comctl32.dll", "SetWindowSubclass"),
              "Der Windows-Bibliothek „comctl32.dll“ fehlt die Funktion „SetWindowSubclass“.\r\n\r\n"
              "Tolvane kann so nicht weiterlaufen und wird beendet.");
}
