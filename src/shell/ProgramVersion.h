// The version of the project's programs and package: one number, set where the build is
// configured, shown by --version, the About box and the package.
#pragma once

namespace tevano {

// "1.0.0"
const char* ProgramVersion();

} // namespace tevano
