#include "base/StandardDescriptors.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace tevano {

void OpenNullOnClosedStandardDescriptors() {
    for (int descriptor = STDIN_FILENO; descriptor <= STDERR_FILENO; ++descriptor) {
        if (fcntl(descriptor, F_GETFD) != -1 || errno != EBADF) {
            continue;
        }
        // The lowest free number: this one, since the lower ones are open by now.
        const int opened = open("/dev/null", O_RDWR);
        if (opened >= 0 && opened != descriptor) {
            close(opened);
        }
    }
}

} // namespace tevano
