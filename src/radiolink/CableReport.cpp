#include "radiolink/CableReport.h"

#include "base/PrintableText.h"
#include "radiolink/CableTexts.h"
#include "radiolink/PortOpenFailure.h"

#include <filesystem>
#include <system_error>

namespace tevano {

namespace {

std::string Shown(const std::string& text, Language language) {
    return text.empty() ? CableText(CableTextId::Unknown, language) : PrintableText(text);
}

// The driver module that would give a chip its serial port.
std::string ModuleOf(const std::string& vendorId) {
    if (vendorId == "1a86") {
        return "ch341";
    }
    if (vendorId == "067b") {
        return "pl2303";
    }
    if (vendorId == "0403") {
        return "ftdi_sio";
    }
    return "cp210x";
}

std::string ChipOf(const std::string& vendor, const std::string& product, Language language) {
    const char* chip = CableChipName(vendor, product);
    return chip != nullptr ? chip : CableText(CableTextId::Unknown, language);
}

// The lines of a problem of the port: what is wrong, then what to do.
std::vector<std::string> ProblemLines(const CablePort& port, Language language) {
    std::vector<std::string> lines;
    if (port.access == PortAccess::Refused) {
        const std::string group = Shown(port.group, language);
        lines.push_back(CableText(CableTextId::AccessRefused, language, {{"<group>", group}}));
        // Joining root's group, or one whose name is not known, is no advice to give.
        lines.push_back(
            port.group.empty() || port.group == "root"
                ? CableText(CableTextId::AccessRootDo, language)
                : CableText(CableTextId::AccessRefusedDo, language, {{"<group>", group}}));
    }
    for (const PortHolder& holder : port.holders) {
        lines.push_back(CableText(
            CableTextId::HeldBy, language,
            {{"<program>", Shown(holder.name, language)}, {"<pid>", std::to_string(holder.pid)}}));
    }
    if (!port.holders.empty()) {
        lines.push_back(CableText(CableTextId::HeldByDo, language));
    }
    return lines;
}

std::string AccessLine(const CablePort& port, Language language) {
    switch (port.access) {
    case PortAccess::AsRoot:
        return CableText(CableTextId::AccessAsRoot, language);
    case PortAccess::AsOwner:
        return CableText(CableTextId::AccessAsOwner, language);
    case PortAccess::ByGroup:
        return CableText(CableTextId::AccessByGroup, language,
                         {{"<group>", Shown(port.group, language)}});
    case PortAccess::ByAcl:
        return CableText(CableTextId::AccessByAcl, language);
    case PortAccess::ForEveryone:
        return CableText(CableTextId::AccessEveryone, language);
    case PortAccess::Refused:
        return "";
    case PortAccess::Unknown:
        break;
    }
    return CableText(CableTextId::AccessUnknown, language);
}

std::vector<std::string> PortLines(const CablePort& port, Language language) {
    std::vector<std::string> lines = {PrintableText(port.device)};
    if (!port.byId.empty()) {
        lines.push_back(
            CableText(CableTextId::ById, language, {{"<name>", PrintableText(port.byId)}}));
    }
    lines.push_back(port.vendorId.empty()
                        ? CableText(CableTextId::ChipUnknown, language)
                        : CableText(CableTextId::UsbChip, language,
                                    {{"<chip>", ChipOf(port.vendorId, port.productId, language)},
                                     {"<vendor>", PrintableText(port.vendorId)},
                                     {"<product>", Shown(port.productId, language)}}));
    lines.push_back(
        CableText(CableTextId::Driver, language, {{"<driver>", Shown(port.driver, language)}}));
    std::string names;
    for (const std::string& name : port.ports) {
        names += (names.empty() ? "" : ", ") + name;
    }
    lines.push_back(names.empty()
                        ? CableText(CableTextId::NoPortName, language)
                        : CableText(CableTextId::PortNames, language, {{"<names>", names}}));
    if (const std::string access = AccessLine(port, language); !access.empty()) {
        lines.push_back(access);
    }
    for (std::string& line : ProblemLines(port, language)) {
        lines.push_back(std::move(line));
    }
    if (port.latencyMs >= 0) {
        lines.push_back(
            CableText(CableTextId::Latency, language, {{"<ms>", std::to_string(port.latencyMs)}}));
        if (port.latencyMs > 1) {
            const std::string tty = std::filesystem::path(port.device).filename().string();
            lines.push_back(
                CableText(CableTextId::LatencyDo, language, {{"<tty>", PrintableText(tty)}}));
        }
    }
    return lines;
}

std::vector<std::string> PortlessLines(const PortlessCable& cable, Language language) {
    std::vector<std::string> lines = {
        CableText(CableTextId::Portless, language,
                  {{"<chip>", ChipOf(cable.vendorId, cable.productId, language)},
                   {"<vendor>", PrintableText(cable.vendorId)},
                   {"<product>", PrintableText(cable.productId)},
                   {"<usb>", PrintableText(cable.usbName)}})};
    switch (cable.cause) {
    case MissingPortCause::Brltty:
        lines.push_back(CableText(CableTextId::CauseBrltty, language));
        lines.push_back(CableText(CableTextId::CauseBrlttyDo, language));
        break;
    case MissingPortCause::NoDriver:
        lines.push_back(CableText(CableTextId::CauseNoDriver, language));
        lines.push_back(CableText(CableTextId::CauseNoDriverDo, language,
                                  {{"<module>", ModuleOf(cable.vendorId)}}));
        break;
    case MissingPortCause::Unknown:
        lines.push_back(CableText(CableTextId::CauseUnknown, language));
        lines.push_back(CableText(CableTextId::CauseUnknownDo, language));
        break;
    }
    return lines;
}

const CablePort* FindPort(const CableScan& scan, const ScanPlace& place,
                          const std::string& devicePath) {
    const std::filesystem::path root = place.root.empty() ? "/" : place.root;
    for (const CablePort& port : scan.ports) {
        std::error_code error;
        if (devicePath == port.device || devicePath == port.byId ||
            std::filesystem::equivalent(root / std::filesystem::path(devicePath).relative_path(),
                                        root / std::filesystem::path(port.device).relative_path(),
                                        error)) {
            return &port;
        }
    }
    return nullptr;
}

// Lines with a leading blank or two, run together as one.
std::string OneLine(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        const std::size_t start = line.find_first_not_of(' ');
        if (start != std::string::npos) {
            text += (text.empty() ? "" : "; ") + line.substr(start);
        }
    }
    return text;
}

} // namespace

std::vector<std::string> CableReportLines(const CableScan& scan, Language language) {
    std::vector<std::string> lines;
    for (const CablePort& port : scan.ports) {
        for (std::string& line : PortLines(port, language)) {
            lines.push_back(std::move(line));
        }
        lines.push_back("");
    }
    for (const PortlessCable& cable : scan.portless) {
        for (std::string& line : PortlessLines(cable, language)) {
            lines.push_back(std::move(line));
        }
        lines.push_back("");
    }
    if (scan.ports.empty() && scan.portless.empty()) {
        lines.push_back(CableText(CableTextId::NoCable, language));
    } else {
        lines.pop_back();
    }
    return lines;
}

std::vector<std::string> DeviceReportLines(const CableScan& scan, const ScanPlace& place,
                                           const std::string& devicePath, Language language) {
    if (const CablePort* port = FindPort(scan, place, devicePath)) {
        return PortLines(*port, language);
    }
    std::vector<std::string> lines = {
        CableText(CableTextId::NotPresent, language, {{"<device>", PrintableText(devicePath)}})};
    for (const PortlessCable& cable : scan.portless) {
        for (std::string& line : PortlessLines(cable, language)) {
            lines.push_back(std::move(line));
        }
    }
    if (scan.ports.empty() && scan.portless.empty()) {
        lines.push_back(CableText(CableTextId::NoCable, language));
    }
    return lines;
}

std::string FirstDeviceProblem(const CableScan& scan, const ScanPlace& place,
                               const std::string& devicePath, Language language) {
    if (const CablePort* port = FindPort(scan, place, devicePath)) {
        return OneLine(ProblemLines(*port, language));
    }
    if (!scan.portless.empty()) {
        return OneLine(PortlessLines(scan.portless.front(), language));
    }
    return "";
}

std::string PortFailureWithDiagnosis(const std::string& devicePath, int systemError,
                                     Language language) {
    const std::string reason = PortOpenFailureText(devicePath, systemError, language);
    // The reason already says what to do about the group; a terminal or an empty name has
    // nothing to do with the cables.
    const PortProblem kind = ProblemOf(systemError);
    if (kind == PortProblem::NoPermission || kind == PortProblem::NotSerialLine ||
        devicePath.empty() || devicePath == "/dev/tty") {
        return reason;
    }
    const ScanPlace place = ScanPlace::ThisMachine();
    CableScan scan = ScanCables(place);
    if (kind != PortProblem::NotPluggedIn) {
        // Cables without a port do not explain a device that is there.
        scan.portless.clear();
    }
    const std::string problem = FirstDeviceProblem(scan, place, devicePath, language);
    return problem.empty() ? reason : reason + " " + problem;
}

} // namespace tevano
