// The parts of a resource module that depend on its language. Each language's files define them
// once; the module's entry point puts them together with the tables every language shares.
#pragma once

#include "resources/ResourceTypes.h"

namespace tevano::res {

extern const char* const kLanguageTag; // "EN" or "CH"

extern const Menu kMenus[];
extern const int kMenuCount;

extern const StringEntry kStrings[];
extern const int kStringCount;

extern const DialogTemplate kDialogs[];
extern const int kDialogCount;

// The same in every language: the toolbar's buttons, the accelerator keys and the icon ids.
extern const Toolbar kToolbars[];
extern const int kToolbarCount;

extern const AcceleratorTable kAcceleratorTables[];
extern const int kAcceleratorTableCount;

extern const int kIconIds[];
extern const int kIconCount;

} // namespace tevano::res
