#include "radiolink/PortNames.h"

#include <cctype>

namespace tevano {

namespace {

std::string Trimmed(const std::string& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && std::isspace(static_cast<unsigned char>(text[begin])) != 0) {
        ++begin;
    }
    while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1])) != 0) {
        --end;
    }
    return text.substr(begin, end - begin);
}

bool SameLetters(const std::string& text, const char* name) {
    std::size_t i = 0;
    for (; name[i] != '\0'; ++i) {
        if (i >= text.size() || std::toupper(static_cast<unsigned char>(text[i])) !=
                                    static_cast<unsigned char>(name[i])) {
            return false;
        }
    }
    return i == text.size();
}

} // namespace

std::string PortDevicePath(const std::string& portName,
                           const std::function<std::string(const std::string& key)>& portsLookup) {
    for (std::size_t index = 0; index < kPortNames.size(); ++index) {
        if (SameLetters(portName, kPortNames[index])) {
            const std::string mapped = portsLookup ? Trimmed(portsLookup(kPortNames[index])) : "";
            return mapped.empty() ? "/dev/ttyUSB" + std::to_string(index) : mapped;
        }
    }
    return portName;
}

} // namespace tevano
