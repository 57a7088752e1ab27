// The system's own words for an errno value ("Permission denied"), safe to ask from several
// threads at once, as radio exchanges on their own threads may fail together.
#pragma once

#include <string>

namespace tevano {

std::string SystemErrorText(int error);

} // namespace tevano
