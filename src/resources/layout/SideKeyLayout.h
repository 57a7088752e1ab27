// The Side Key dialog (dialog 158): for each of the two side keys a short-press and a long-press
// list of the nine key functions, whose positions are the radio's function codes.
#pragma once

#include "resources/layout/ControlBuilders.h"

namespace tevano::res::sidekey {

constexpr int kKey1ShortPress = 1109;
constexpr int kKey1LongPress = 1110;
constexpr int kKey2ShortPress = 1111;
constexpr int kKey2LongPress = 1112;

struct Texts {
    const char* caption;
    const char* sideKey1;
    const char* sideKey2;
    const char* shortPress;
    const char* longPress;
    build::Entries<9> functions; // in the order of the function codes 0 to 8
    const char* ok;
    const char* cancel;
};

constexpr auto Controls(const Texts& t) {
    using namespace build;
    constexpr unsigned kList = kTabStop | kVScroll;
    return std::to_array<ControlTemplate>({
        Group(kIdStatic, t.sideKey1, 17, 13, 149, 51),
        Label(kIdStatic, t.shortPress, 34, 27, 40, 8),
        Combo(kKey1ShortPress, ControlKind::ComboDropList, 75, 25, 80, 100, kList, t.functions),
        Label(kIdStatic, t.longPress, 34, 45, 40, 8),
        Combo(kKey1LongPress, ControlKind::ComboDropList, 75, 43, 80, 100, kList, t.functions),
        Group(kIdStatic, t.sideKey2, 18, 70, 149, 51),
        Label(kIdStatic, t.shortPress, 34, 84, 40, 8),
        Combo(kKey2ShortPress, ControlKind::ComboDropList, 75, 82, 80, 100, kList, t.functions),
        Label(kIdStatic, t.longPress, 34, 102, 40, 8),
        Combo(kKey2LongPress, ControlKind::ComboDropList, 75, 100, 80, 100, kList, t.functions),
        DefaultButton(kIdOk, t.ok, 39, 131, 35, 14),
        Button(kIdCancel, t.cancel, 110, 131, 35, 14),
    });
}

template <std::size_t N>
constexpr DialogTemplate Dialog(const Texts& t, const std::array<ControlTemplate, N>& controls) {
    return build::Dialog(ids::kSideKeyDialog, t.caption, 183, 157, "Times New Roman", 9, controls);
}

} // namespace tevano::res::sidekey
