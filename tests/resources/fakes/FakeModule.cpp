// Libraries that a careless install could put where the resource modules belong: one without
// the entry point, one from another format version, one whose set is damaged.
#include "resources/ResourceTypes.h"

#if defined(FAKE_OLD_VERSION) || defined(FAKE_DAMAGED)

namespace {

const tevano::res::ResourceSet kSet = {
#ifdef FAKE_OLD_VERSION
    tevano::res::kResourceFormatVersion + 1,
    "EN",
    nullptr,
    0,
    nullptr,
    0,
    nullptr,
    0,
    nullptr,
    0,
    nullptr,
    0,
    nullptr,
    0,
#else
    tevano::res::kResourceFormatVersion,
    "EN",
    nullptr,
    3,
    nullptr,
    0,
    nullptr,
    0,
    nullptr,
    -1,
    nullptr,
    0,
    nullptr,
    0,
#endif
};

} // namespace

extern "C" __attribute__((visibility("default"))) const tevano::res::ResourceSet*
tevano_resource_set() {
    return &kSet;
}

#else

extern "C" __attribute__((visibility("default"))) int tevano_something_else() {
    return 1;
}

#endif
