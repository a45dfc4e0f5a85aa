// Where the program's libraries come from once it runs.
#pragma once

namespace tolvane {

// Libraries loaded from here on (the common controls at their first call,
// theming, the file dialogs) come from the system folder only, never from
// the program's own folder or the current one, where anybody who can write
// there could plant a library of the same name. Call first thing.
void LoadLibrariesOnlyFromTheSystemFolder();

}  // namespace tolvane
