#include "shell/ProgramVersion.h"

namespace tevano {

const char* ProgramVersion() {
    return TEVANO_VERSION;
}

} // namespace tevano
