// A Language in the message of a failed check or a trace: "English" or "Chinese".
#pragma once

#include "base/Language.h"

#include <ostream>

namespace tevano {

inline std::ostream& operator<<(std::ostream& out, Language language) {
    return out << In(language, {"English", "Chinese"});
}

} // namespace tevano
