// Short constructors for the rows of a dialog template, so that a layout reads like the dialog:
// one control per line with its id, text and place in dialog units.
#pragma once

#include "resources/ResourceTypes.h"

#include <array>
#include <cstddef>

namespace tevano::res::build {

// The entries of a combo box, in list order; the size is part of the type so that every language
// gives a list the same number of entries.
template <std::size_t N> using Entries = std::array<const char*, N>;

constexpr ControlTemplate Group(int id, const char* text, int x, int y, int width, int height,
                                unsigned style = kVisible) {
    return {id, ControlKind::GroupBox, text, x, y, width, height, style, 0, nullptr, 0};
}

constexpr ControlTemplate Label(int id, const char* text, int x, int y, int width, int height,
                                unsigned style = kVisible) {
    return {id, ControlKind::Label, text, x, y, width, height, style, 0, nullptr, 0};
}

// iconText is the icon's resource id in decimal, as the program looks it up.
constexpr ControlTemplate Icon(int id, const char* iconText, int x, int y, int width, int height) {
    return {id, ControlKind::Icon, iconText, x, y, width, height, kVisible, 0, nullptr, 0};
}

constexpr ControlTemplate Edit(int id, int x, int y, int width, int height, unsigned style,
                               int limit = 0) {
    return {id, ControlKind::Edit, "", x, y, width, height, style, limit, nullptr, 0};
}

// height is that of the dropped-down list.
template <std::size_t N>
constexpr ControlTemplate Combo(int id, ControlKind kind, int x, int y, int width, int height,
                                unsigned style, const Entries<N>& entries) {
    return {id, kind, "", x, y, width, height, style, 0, N == 0 ? nullptr : entries.data(), int(N)};
}

constexpr ControlTemplate Check(int id, const char* text, int x, int y, int width, int height,
                                unsigned style = kTabStop) {
    return {id, ControlKind::CheckBox, text, x, y, width, height, style, 0, nullptr, 0};
}

constexpr ControlTemplate Radio(int id, const char* text, int x, int y, int width, int height,
                                unsigned style = kTabStop) {
    return {id, ControlKind::RadioButton, text, x, y, width, height, style, 0, nullptr, 0};
}

constexpr ControlTemplate Button(int id, const char* text, int x, int y, int width, int height,
                                 unsigned style = kTabStop) {
    return {id, ControlKind::PushButton, text, x, y, width, height, style, 0, nullptr, 0};
}

constexpr ControlTemplate DefaultButton(int id, const char* text, int x, int y, int width,
                                        int height, unsigned style = kTabStop) {
    return {id, ControlKind::DefPushButton, text, x, y, width, height, style, 0, nullptr, 0};
}

// Any other kind that carries no text: spin, progress bar, slider, tree, the channel grid.
constexpr ControlTemplate Plain(int id, ControlKind kind, int x, int y, int width, int height,
                                unsigned style = kVisible) {
    return {id, kind, "", x, y, width, height, style, 0, nullptr, 0};
}

template <std::size_t N>
constexpr DialogTemplate Dialog(int id, const char* caption, int width, int height,
                                const char* fontName, int fontPointSize,
                                const std::array<ControlTemplate, N>& controls) {
    return {id, caption, width, height, fontName, fontPointSize, controls.data(), int(N)};
}

// The standard button ids the dialogs answer with.
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
// A control that the code never addresses.
constexpr int kIdStatic = -1;

} // namespace tevano::res::build
