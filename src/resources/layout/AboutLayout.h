// The About box (dialog 100): the program's name at the top left, a three-line notice below it,
// the program icon at the right and an OK button that closes the box.
#pragma once

#include "resources/layout/ControlBuilders.h"

namespace tevano::res::about {

struct Texts {
    const char* caption;
    const char* programName;
    const char* versionLine;
    const char* copyrightLine;
    const char* purposeLine;
    const char* ok;
};

constexpr auto Controls(const Texts& t) {
    using namespace build;
    return std::to_array<ControlTemplate>({
        Label(kIdStatic, t.programName, 10, 10, 170, 10, kNoWrap),
        Label(kIdStatic, t.versionLine, 10, 28, 170, 10, kNoWrap),
        Label(kIdStatic, t.copyrightLine, 10, 39, 170, 10, kNoWrap),
        Label(kIdStatic, t.purposeLine, 10, 50, 170, 10, kNoWrap),
        Icon(kIdStatic, "134", 196, 10, 20, 20),
        DefaultButton(kIdOk, t.ok, 170, 64, 50, 14, kTabStop | kGroup),
    });
}

template <std::size_t N>
constexpr DialogTemplate Dialog(const Texts& t, const std::array<ControlTemplate, N>& controls) {
    return build::Dialog(ids::kAboutDialog, t.caption, 230, 86, "Times New Roman", 10, controls);
}

} // namespace tevano::res::about
