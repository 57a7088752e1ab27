// The words of the two settings dialogs in the display language, as the report prints them for
// the same settings: the Optional Features and Side Key dialogs' labels and list entries.
#pragma once

#include "base/Language.h"
#include "resources/layout/OptionalFeaturesLayout.h"
#include "resources/layout/SideKeyLayout.h"

#include <cstddef>
#include <string>

namespace tevano {

const res::features::Texts& FeatureWords(Language language);
const res::sidekey::Texts& SideKeyWords(Language language);

// The entry at a list's position, as the dialog shows it; empty for a list without a pick.
template <std::size_t N> std::string EntryAt(const res::build::Entries<N>& entries, int position) {
    if (position < 0 || static_cast<std::size_t>(position) >= N) {
        return std::string();
    }
    return entries[static_cast<std::size_t>(position)];
}

} // namespace tevano
