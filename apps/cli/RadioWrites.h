// tevano-cli write to one radio or to several at once (a fleet of radios on as many cables):
// the clone exchange per port, on a thread of its own with its own port and questions when there
// are several, optionally the radio read back and compared with the file, and a result line per
// port.
#pragma once

#include "base/Language.h"
#include "image/RadioImage.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tevano::cli {

struct WriteSettings {
    Language language = Language::English;
    bool force = false; // answers the radio-type question OK on every port
    int retries = 0;    // Retry answers to the communication-error question, on every port
    bool verify = false;
};

struct PortTarget {
    std::string name;   // as given: "COM2" or "/dev/ttyUSB1"
    std::string device; // the device it stands for
};

// Writes the image to every port, all at once when there are several. Prints one result line
// per port on stdout, in the order given, once all have ended; the exchanges' messages go to
// stderr as they come. True when every port succeeded.
bool WriteToPorts(const std::vector<PortTarget>& ports, const RadioImage& image,
                  const WriteSettings& settings);

} // namespace tevano::cli
