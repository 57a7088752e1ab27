#include "radiolink/SerialDevices.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace tevano {

namespace {

namespace fs = std::filesystem;

constexpr const char* kByIdDirectory = "/dev/serial/by-id";

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

bool AllDigits(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
}

// udev writes some characters it will not put in a name as "\xNN".
std::string Unescaped(const std::string& name) {
    std::string text;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name.compare(i, 2, "\\x") == 0 && i + 3 < name.size() &&
            std::isxdigit(static_cast<unsigned char>(name[i + 2])) != 0 &&
            std::isxdigit(static_cast<unsigned char>(name[i + 3])) != 0) {
            text += static_cast<char>(std::stoi(name.substr(i + 2, 2), nullptr, 16));
            i += 3;
        } else {
            text += name[i];
        }
    }
    return text;
}

// Removes "-ifNN" or "-ifNN-portN" at the end: the interface of a multi-port adapter, which the
// device name in brackets tells apart anyway.
std::string WithoutInterface(const std::string& name) {
    const std::size_t at = name.rfind("-if");
    if (at == std::string::npos) {
        return name;
    }
    const std::string tail = name.substr(at + 3);
    const std::size_t dash = tail.find('-');
    const std::string interfaceNumber = tail.substr(0, dash);
    if (!AllDigits(interfaceNumber)) {
        return name;
    }
    if (dash != std::string::npos &&
        !(StartsWith(tail.substr(dash + 1), "port") && AllDigits(tail.substr(dash + 5)))) {
        return name;
    }
    return name.substr(0, at);
}

// ttyUSB3 gives 3; -1 for a name that is not prefix + number.
long NumberAfter(const std::string& name, const std::string& prefix) {
    if (!StartsWith(name, prefix) || !AllDigits(name.substr(prefix.size())) ||
        name.size() - prefix.size() > 6) {
        return -1;
    }
    return std::stol(name.substr(prefix.size()));
}

void AddNumberedDevices(const std::string& root, const std::string& prefix,
                        std::vector<SerialDevice>& devices) {
    std::vector<std::pair<long, std::string>> found;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(root + "/dev", error)) {
        const std::string name = entry.path().filename().string();
        const long number = NumberAfter(name, prefix);
        if (number >= 0) {
            found.emplace_back(number, name);
        }
    }
    std::sort(found.begin(), found.end());
    for (const auto& [number, name] : found) {
        devices.push_back({"/dev/" + name, "/dev/" + name});
    }
}

} // namespace

std::string ReadableDeviceName(const std::string& byIdName) {
    std::string name = WithoutInterface(byIdName);
    for (const char* bus : {"usb-", "pci-", "platform-"}) {
        if (StartsWith(name, bus)) {
            name = name.substr(std::string(bus).size());
            break;
        }
    }
    // udev writes a blank, and whatever else it will not put in a name, as "_".
    std::string readable;
    for (const char c : Unescaped(name)) {
        const char shown = c == '_' ? ' ' : c;
        if (shown != ' ' || (!readable.empty() && readable.back() != ' ')) {
            readable += shown;
        }
    }
    while (!readable.empty() && readable.back() == ' ') {
        readable.pop_back();
    }
    return readable.empty() ? byIdName : readable;
}

std::vector<SerialDevice> FindSerialDevices(const std::string& root) {
    std::vector<SerialDevice> devices;
    std::error_code error;
    std::vector<std::string> byIdNames;
    for (const fs::directory_entry& entry : fs::directory_iterator(root + kByIdDirectory, error)) {
        byIdNames.push_back(entry.path().filename().string());
    }
    std::sort(byIdNames.begin(), byIdNames.end());
    for (const std::string& name : byIdNames) {
        const fs::path link = fs::path(root + kByIdDirectory) / name;
        std::error_code linkError;
        const fs::path target = fs::read_symlink(link, linkError);
        // A name whose adapter has gone leaves nothing to open.
        if (!fs::exists(link, linkError)) {
            continue;
        }
        std::string label = ReadableDeviceName(name);
        if (!target.empty()) {
            label += " (" + target.filename().string() + ")";
        }
        devices.push_back({std::string(kByIdDirectory) + "/" + name, label});
    }
    AddNumberedDevices(root, "ttyUSB", devices);
    AddNumberedDevices(root, "ttyACM", devices);
    return devices;
}

} // namespace tevano
