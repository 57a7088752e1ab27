// Whether a user may open a cable's device file, and through what: as root, as its owner, by an
// access list the desktop session gave, by the device's group, or not at all; with the group's
// name, from the tree's own list of groups when the cable check looks at a copied tree.
#pragma once

#include "radiolink/CableScan.h"

#include <string>

namespace tevano {

struct DeviceAccess {
    PortAccess access = PortAccess::Unknown;
    std::string group; // "" when the file or its group's name cannot be seen
};

// `file` is the device file's path as it is reached (under the place's root).
DeviceAccess AccessToDevice(const std::string& file, const ScanPlace& place);

} // namespace tevano
