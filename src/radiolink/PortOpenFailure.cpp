#include "radiolink/PortOpenFailure.h"

#include "base/PrintableText.h"

#include <cerrno>
#include <cstring>
#include <grp.h>
#include <sys/stat.h>
#include <vector>

namespace tevano {

namespace {

// The system's own description of an errno; strerror_r, since several exchanges may fail at
// once on their own threads.
std::string SystemWords(int systemError) {
    char buffer[256] = {};
    return strerror_r(systemError, buffer, sizeof buffer);
}

} // namespace

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
    switch (ProblemOf(systemError)) {
    case PortProblem::NoPermission: {
        const std::string group = DeviceGroupName(devicePath);
        return language == Language::English
                   ? devicePath + ": permission denied. Add your user to the " + group +
                         " group (sudo usermod -aG " + group + " $USER), then log out and in again."
                   : devicePath + "：没有使用串口的权限。请把当前用户加入 " + group +
                         " 组（sudo usermod -aG " + group + " $USER），然后注销并重新登录。";
    }
    case PortProblem::NotPluggedIn:
        return language == Language::English
                   ? devicePath + " does not exist: the programming cable is not plugged in, "
                                  "or the port is set to another device (Port Setup)."
                   : devicePath + " 不存在：写频线没有插好，或该端口设置成了别的设备（端口设置）。";
    case PortProblem::HeldElsewhere:
        return language == Language::English
                   ? devicePath + " is in use by another program: close that program and "
                                  "try again."
                   : devicePath + " 正被其他程序占用：请关闭该程序后再试。";
    case PortProblem::NotSerialLine:
        return language == Language::English ? devicePath + " is not a serial device."
                                             : devicePath + " 不是串口设备。";
    case PortProblem::Other:
        break;
    }
    if (systemError == 0) {
        return language == Language::English ? devicePath + " could not be opened."
                                             : devicePath + " 无法打开。";
    }
    return devicePath + (language == Language::English ? ": " : "：") + SystemWords(systemError);
}

} // namespace tevano
