// Why a serial port could not be opened, in words a user can act on: the device path, and for
// the common causes on Linux what to do (join the device's group, plug the cable in, close the
// program that holds the line). Shown beside the port's open-failure message, never instead.
#pragma once

#include "base/Language.h"

#include <string>

namespace tevano {

enum class PortProblem {
    NoPermission,  // the user may not use serial lines (not in the device's group)
    NotPluggedIn,  // the device does not exist: the cable is not plugged in
    HeldElsewhere, // another program has the line
    NotSerialLine, // the path names something that is not a terminal line
    Other,         // anything else: the system's own words
};

// The kind of problem an errno of a failed open stands for.
PortProblem ProblemOf(int systemError);

// The group that may use the device: the group of its file ("dialout" on Debian, "uucp" on
// others), or "dialout" when the file cannot be examined or belongs to root's group.
std::string DeviceGroupName(const std::string& devicePath);

// One line naming the device and the reason, in the display language.
std::string PortOpenFailureText(const std::string& devicePath, int systemError, Language language);

} // namespace tevano
