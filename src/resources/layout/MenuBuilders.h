// Short constructors for menu entries, so that a menu reads like the menu bar it makes.
#pragma once

#include "resources/ResourceTypes.h"

#include <cstddef>

namespace tevano::res::build {

constexpr MenuItem Command(const char* text, int commandId) {
    return {MenuItem::Kind::Command, text, commandId, nullptr, 0};
}

constexpr MenuItem kSeparator = {MenuItem::Kind::Separator, "", 0, nullptr, 0};

template <std::size_t N> constexpr MenuItem Popup(const char* text, const MenuItem (&items)[N]) {
    return {MenuItem::Kind::Popup, text, 0, items, static_cast<int>(N)};
}

} // namespace tevano::res::build
