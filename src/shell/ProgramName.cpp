#include "shell/ProgramName.h"

#include <unistd.h>
#include <vector>

namespace tevano {

std::string ProgramBaseName(const std::string& programPath) {
    std::string name = programPath;
    const std::size_t last = name.find_last_not_of(" \t\r\n\v\f");
    name.erase(last == std::string::npos ? 0 : last + 1);
    const std::size_t slash = name.rfind('/');
    if (slash != std::string::npos) {
        name.erase(0, slash + 1);
    }
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos) {
        return "MAIN";
    }
    name.erase(dot);
    return name;
}

std::string ProgramDirectory(const std::string& programPath) {
    const std::size_t slash = programPath.rfind('/');
    if (slash == std::string::npos) {
        return std::string();
    }
    return slash == 0 ? "/" : programPath.substr(0, slash);
}

std::string RunningProgramPath() {
    // The link's length is not known beforehand; grow the buffer until the whole path fits.
    std::vector<char> buffer(256);
    for (;;) {
        const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) {
            return std::string();
        }
        if (static_cast<std::size_t>(length) < buffer.size()) {
            return std::string(buffer.data(), static_cast<std::size_t>(length));
        }
        buffer.resize(buffer.size() * 2);
    }
}

} // namespace tevano
