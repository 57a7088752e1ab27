// The one symbol a resource module exports: the program looks it up by name after loading the
// module and takes every menu, toolbar, string and dialog template from the set it returns.
#include "resources/module/LanguageParts.h"

namespace tevano::res {
namespace {

// The tables and counts of the other files are constants, in place before this set is made when
// the module is loaded.
const ResourceSet kResourceSet = {
    kResourceFormatVersion,
    kLanguageTag,
    kMenus,
    kMenuCount,
    kToolbars,
    kToolbarCount,
    kAcceleratorTables,
    kAcceleratorTableCount,
    kStrings,
    kStringCount,
    kDialogs,
    kDialogCount,
    kIconIds,
    kIconCount,
};

} // namespace
} // namespace tevano::res

extern "C" __attribute__((visibility("default"))) const tevano::res::ResourceSet*
tevano_resource_set() {
    return &tevano::res::kResourceSet;
}
