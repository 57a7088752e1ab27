// The cable check in words: every port's block and every chip without a port, each problem
// followed by what to do. `tevano-cli ports` prints it all; Port Setup shows the lines of the
// port picked; a port that did not open gets the first problem beside its reason.
#pragma once

#include "base/Language.h"
#include "radiolink/CableScan.h"

#include <string>
#include <vector>

namespace tevano {

// Every port and every chip without a port, or the line that no cable was found.
std::vector<std::string> CableReportLines(const CableScan& scan, Language language);

// The lines that concern one device (a port name's path, by-id or not): its block, or when it
// is not there, that it is not plugged in and what became of the cables that are.
std::vector<std::string> DeviceReportLines(const CableScan& scan, const ScanPlace& place,
                                           const std::string& devicePath, Language language);

// The first problem of the device with what to do, as one line; "" when none is seen.
std::string FirstDeviceProblem(const CableScan& scan, const ScanPlace& place,
                               const std::string& devicePath, Language language);

// The device's open-failure reason on this machine, followed by the first problem seen.
std::string PortFailureWithDiagnosis(const std::string& devicePath, int systemError,
                                     Language language);

} // namespace tevano
