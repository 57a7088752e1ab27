#include "radiolink/CableTexts.h"

#include <array>
#include <cstddef>

namespace tevano {

namespace {

// In the order of CableTextId.
constexpr std::array<TextPair, static_cast<std::size_t>(CableTextId::Count)> kTexts = {{
    {"unknown", "未知"},
    {"  by-id name: <name>", "  by-id 名称：<name>"},
    {"  chip: <chip> (USB <vendor>:<product>)", "  芯片：<chip>（USB <vendor>:<product>）"},
    {"  chip: unknown", "  芯片：未知"},
    {"  driver: <driver>", "  驱动：<driver>"},
    {"  port name: <names>", "  端口名：<names>"},
    {"  port name: none; choose it for a port in Port Setup, or name the device itself",
     "  端口名：无；请在端口设置中把它选给一个端口，或直接使用设备名"},
    {"  access: yes (as root)", "  访问权限：有（root 用户）"},
    {"  access: yes (the device is yours)", "  访问权限：有（设备属于当前用户）"},
    {"  access: yes (you are in group <group>)", "  访问权限：有（当前用户属于 <group> 组）"},
    {"  access: yes (given by the desktop session)", "  访问权限：有（由桌面会话授予）"},
    {"  access: yes (open to everyone)", "  访问权限：有（所有用户均可使用）"},
    {"  access: no: the device belongs to group <group>, and you are not in it",
     "  访问权限：无：设备属于 <group> 组，而当前用户不在该组中"},
    {"  what to do: sudo usermod -aG <group> $USER, then log out and in again (or install the "
     "tevano package, whose rules give the user at the desk the cable)",
     "  解决办法：sudo usermod -aG <group> $USER，然后注销并重新登录（或安装 tevano "
     "软件包，其规则让坐在电脑前的用户直接使用写频线）"},
    {"  what to do: install the tevano package, whose rules give the user at the desk the cable, "
     "or ask the computer's administrator for a udev rule that gives it to group dialout",
     "  解决办法：安装 tevano "
     "软件包，其规则让坐在电脑前的用户直接使用写频线；或请电脑管理员添加一条"
     "把它交给 dialout 组的 udev 规则"},
    {"  access: unknown (the device file could not be looked at)",
     "  访问权限：未知（无法查看设备文件）"},
    {"  in use by: <program> (process <pid>)", "  正被占用：<program>（进程 <pid>）"},
    {"  what to do: close that program, then try again", "  解决办法：关闭该程序后再试"},
    {"  latency timer: <ms> ms", "  延迟计时器：<ms> 毫秒"},
    {"  note: the program turns it down to 1 ms while it talks to the radio; if reads stay slow: "
     "echo 1 | sudo tee /sys/bus/usb-serial/devices/<tty>/latency_timer",
     "  说明：本程序与对讲机通讯时会把它调到 1 毫秒；如果读取仍然很慢：echo 1 | sudo tee "
     "/sys/bus/usb-serial/devices/<tty>/latency_timer"},
    {"<chip> cable (USB <vendor>:<product>, bus device <usb>) has no serial port",
     "<chip> 写频线（USB <vendor>:<product>，总线设备 <usb>）没有串口"},
    {"  cause: brltty, the service for braille displays, has taken it (some braille displays "
     "use the same chip)",
     "  原因：盲文显示器服务 brltty 占用了它（部分盲文显示器使用同一芯片）"},
    {"  what to do: if no braille display is used here, keep brltty from taking the cable "
     "without removing it: sudo systemctl mask brltty-udev.service, then sudo systemctl stop "
     "brltty.service, then plug the cable in again",
     "  解决办法：如果本机不使用盲文显示器，可在不卸载 brltty 的情况下让它不再占用写频线："
     "sudo systemctl mask brltty-udev.service，再执行 sudo systemctl stop "
     "brltty.service，然后重新插入写频线"},
    {"  cause: no driver has taken it", "  原因：没有驱动程序接管它"},
    {"  what to do: sudo modprobe <module>, then plug the cable in again",
     "  解决办法：sudo modprobe <module>，然后重新插入写频线"},
    {"  cause: unknown", "  原因：未知"},
    {"  what to do: plug the cable in again; if no port appears, sudo dmesg | tail shows what "
     "the system said about it",
     "  解决办法：重新插入写频线；如果仍然没有串口，sudo dmesg | tail 可显示系统对它的记录"},
    {"No programming cable found: plug the cable into a USB socket of this computer.",
     "没有找到写频线：请把写频线插入本机的 USB 接口。"},
    {"<device> is not plugged in.", "<device> 没有插入。"},
    {"The radio did not answer. Check in this order: the radio is switched on; the plug is pushed "
     "fully into the radio's socket; <port> is the right port name (it points at <device>); no "
     "other program holds the port.",
     "对讲机没有应答。请依次检查：对讲机已开机；写频线插头已完全插入对讲机的插孔；<port> "
     "是正确的端口名（它指向 <device>）；没有其他程序占用该端口。"},
}};
static_assert(Complete(kTexts));

} // namespace

std::string CableText(CableTextId id, Language language, TextParts parts) {
    return FillText(In(language, kTexts[static_cast<std::size_t>(id)]), parts);
}

} // namespace tevano
