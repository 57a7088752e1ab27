#include "radiolink/PortOpenFailure.h"

#include "base/PrintableText.h"
#include "base/SystemErrorText.h"
#include "radiolink/RadioLinkTexts.h"

#include <cerrno>
#include <cstring>
#include <grp.h>
#include <sys/stat.h>
#include <vector>

namespace tevano {

std::string DeviceGroupName(const std::string& devicePath) {
    const std::string usual = "dialout";
    struct stat info {};
    if (stat(devicePath.c_str(), &info) != 0 || info.st_gid == 0) {
        return usual;
    }
    // getgrgid_r: several exchanges may fail at once on their own threads.
    std::vector<char> buffer(16384);
    group entry{};
    group* found = nullptr;
    if (getgrgid_r(info.st_gid, &entry, buffer.data(), buffer.size(), &found) != 0 ||
        found == nullptr || found->gr_name == nullptr || found->gr_name[0] == '\0') {
        return usual;
    }
    return found->gr_name;
}

PortProblem ProblemOf(int systemError) {
    switch (systemError) {
    case EACCES:
    case EPERM:
        return PortProblem::NoPermission;
    case ENOENT:
    case ENODEV:
    case ENXIO:
        // ENXIO and ENODEV: a device node left behind whose adapter is gone.
        return PortProblem::NotPluggedIn;
    case EBUSY:
        return PortProblem::HeldElsewhere;
    case ENOTTY:
        return PortProblem::NotSerialLine;
    default:
        return PortProblem::Other;
    }
}

std::string PortOpenFailureText(const std::string& device, int systemError, Language language) {
    // The path may come from the INI file: nothing in it reaches the screen raw.
    const std::string devicePath = PrintableText(device);
    const auto text = [&](RadioLinkTextId id) {
        return RadioLinkText(id, language, {{"<device>", devicePath}});
    };
    if (device.empty()) {
        return RadioLinkText(RadioLinkTextId::PortNameEmpty, language);
    }
    // The process's own terminal: ENXIO there means there is none, not a cable unplugged.
    if (device == "/dev/tty" && systemError == ENXIO) {
        return text(RadioLinkTextId::PortNoTerminal);
    }
    switch (ProblemOf(systemError)) {
    case PortProblem::NoPermission:
        return RadioLinkText(
            RadioLinkTextId::PortNoPermission, language,
            {{"<device>", devicePath}, {"<group>", PrintableText(DeviceGroupName(device))}});
    case PortProblem::NotPluggedIn:
        return text(RadioLinkTextId::PortNotPluggedIn);
    case PortProblem::HeldElsewhere:
        return text(RadioLinkTextId::PortHeldElsewhere);
    case PortProblem::NotSerialLine:
        return text(RadioLinkTextId::PortNotSerialLine);
    case PortProblem::Other:
        break;
    }
    if (systemError == 0) {
        return text(RadioLinkTextId::PortNotOpened);
    }
    return RadioLinkText(RadioLinkTextId::PortSystemReason, language,
                         {{"<device>", devicePath}, {"<reason>", SystemErrorText(systemError)}});
}

} // namespace tevano
