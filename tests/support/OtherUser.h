// A link that belongs to another user than the one running the tests, as a second local user
// would leave one in /tmp: only root can make it, so the tests that need one skip elsewhere.
#pragma once

#include <string>
#include <sys/types.h>
#include <unistd.h>

namespace tevano::testing {

// Gives the link (not what it names) to another user (uid 65534, nobody, or 65533 when the tests
// run as nobody); false where the system does not allow it.
inline bool GiveLinkToAnotherUser(const std::string& path) {
    const uid_t other = geteuid() == 65534 ? 65533 : 65534;
    return lchown(path.c_str(), other, static_cast<gid_t>(-1)) == 0;
}

inline constexpr const char* kNeedsAnotherUser =
    "another user's link needs root to make (it belongs to uid 65534, nobody)";

} // namespace tevano::testing
