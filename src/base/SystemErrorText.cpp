#include "base/SystemErrorText.h"

#include <cstring>

namespace tevano {

std::string SystemErrorText(int error) {
    char buffer[256] = {};
    // GNU strerror_r returns the text, which may or may not be the buffer.
    return strerror_r(error, buffer, sizeof buffer);
}

} // namespace tevano
