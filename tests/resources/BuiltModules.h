// The two resource modules of the build tree, loaded once for the whole test program, and small
// helpers for walking their tables.
#pragma once

#include "shell/ResourceModule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tevano::testing {

inline const ResourceModule& BuiltModule(const std::string& name) {
    static const ResourceModule english =
        ResourceModule::LoadFrom("MAIN_EN", {TEVANO_BUILT_MODULE_DIR});
    static const ResourceModule chinese =
        ResourceModule::LoadFrom("MAIN_CH", {TEVANO_BUILT_MODULE_DIR});
    return name == "MAIN_EN" ? english : chinese;
}

inline const ResourceModule& English() {
    return BuiltModule("MAIN_EN");
}
inline const ResourceModule& Chinese() {
    return BuiltModule("MAIN_CH");
}

// For tests run once per language.
class EachLanguage : public ::testing::TestWithParam<std::string> {
protected:
    const ResourceModule& Module() const { return BuiltModule(GetParam()); }
};

inline std::vector<const res::ControlTemplate*> Controls(const res::DialogTemplate& dialog) {
    std::vector<const res::ControlTemplate*> controls;
    for (int i = 0; i < dialog.controlCount; ++i) {
        controls.push_back(&dialog.controls[i]);
    }
    return controls;
}

inline std::vector<std::string> Entries(const res::ControlTemplate& control) {
    return {control.entries, control.entries + control.entryCount};
}

} // namespace tevano::testing
