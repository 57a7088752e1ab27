#include "radiolink/RadioLinkTexts.h"

#include <array>
#include <cstddef>

namespace tevano {

namespace {

// In the order of RadioLinkTextId.
constexpr std::array<TextPair, static_cast<std::size_t>(RadioLinkTextId::Count)> kTexts = {{
    {"<device>: permission denied. Add your user to the <group> group (sudo usermod -aG <group> "
     "$USER), then log out and in again.",
     "<device>：没有使用串口的权限。请把当前用户加入 <group> 组（sudo usermod -aG <group> "
     "$USER），然后注销并重新登录。"},
    {"<device> does not exist: the programming cable is not plugged in, or the port is set to "
     "another device (Port Setup).",
     "<device> 不存在：写频线没有插好，或该端口设置成了别的设备（端口设置）。"},
    {"<device> is in use by another program: close that program and try again.",
     "<device> 正被其他程序占用：请关闭该程序后再试。"},
    {"<device> is not a serial device.", "<device> 不是串口设备。"},
    {"<device> could not be opened.", "<device> 无法打开。"},
    {"<device>: <reason>", "<device>：<reason>"},
    {"No serial device is named for this port: choose the programming cable in Port Setup.",
     "该端口没有指定串口设备：请在端口设置中选择写频线。"},
    {"<device> stands for the terminal this program was started from, and it has none: name the "
     "programming cable's device instead (Port Setup).",
     "<device> 指启动本程序的终端，而本程序没有终端：请改用写频线的设备名（端口设置）。"},
    {"A backup of the read is in <file>", "读取的数据已备份到 <file>"},
    {"The read is complete, but no backup was saved: neither XDG_DATA_HOME nor HOME is set.",
     "读取已完成，但没有保存备份：XDG_DATA_HOME 和 HOME 都没有设置。"},
    {"The read is complete, but its backup could not be saved in <folder>: <reason>",
     "读取已完成，但无法在 <folder> 中保存备份：<reason>"},
    {"The read is complete, but no backup was kept: <folder> is not your own folder, or others "
     "may write in it, so they could change or remove the backups. Make it yours and writable "
     "by you alone (chmod go-w).",
     "读取已完成，但没有保存备份：<folder> 不是您自己的文件夹，或其他用户可以写入，他们可能改动或"
     "删除备份。请把它设为您自己的、只有您可写的文件夹（chmod go-w）。"},
    {"There is no folder for backups: neither XDG_DATA_HOME nor HOME is set.",
     "没有备份文件夹：XDG_DATA_HOME 和 HOME 都没有设置。"},
    {"The backup folder <folder> could not be made: <reason>",
     "无法建立备份文件夹 <folder>：<reason>"},
    {"Backups of the reads are kept in <folder>", "读取的备份保存在 <folder>"},
    {"The read is complete, but some of the radio's replies were short; the bytes that did "
     "not arrive keep their earlier values:",
     "读取已完成，但对讲机的部分回复不完整；未收到的字节保持原来的值："},
    {"The radio's reply to block <block> was short: image offsets <offsets> did not arrive.",
     "对讲机对数据块 <block> 的回复不完整：映像偏移 <offsets> 未收到。"},
    {"The radio's reply to block <block> was short: image offset <offset> did not arrive.",
     "对讲机对数据块 <block> 的回复不完整：映像偏移 <offset> 未收到。"},
    {"the cable echoes what is sent; echoed bytes are skipped",
     "写频线会回送发出的数据；回送的字节已跳过"},
    {"The cable echoes what is sent; echoed bytes are skipped.",
     "写频线会回送发出的数据；回送的字节已跳过。"},
    {"reply names block <named>, expected <expected>", "回复的数据块为 <named>，应为 <expected>"},
    {"reply to block <block> names length <length>, expected 8",
     "数据块 <block> 的回复长度为 <length>，应为 8"},
    {"Read <blocks> blocks from <port> (<device>) at <time>.",
     "<time> 从 <port>（<device>）读取了 <blocks> 块。"},
    {"Wrote <blocks> blocks to <port> (<device>) at <time>.",
     "<time> 向 <port>（<device>）写入了 <blocks> 块。"},
    {"Port Setup", "端口设置"},
    {"Choose the serial device behind each port name: a programming cable plugged in, or any "
     "path typed in. A port left empty uses its default device.",
     "为每个端口名选择对应的串口设备：已插入的写频线，或直接输入路径。留空的端口使用默认设备。"},
    {"No USB serial device is plugged in.", "没有找到已插入的 USB 串口设备。"},
    {"&Refresh", "刷新(&R)"},
    {"Cable &check of the selected port:", "所选端口的写频线检查(&C)："},
    {"The write completed, but reading the radio back to check it did not.",
     "写入已完成，但读回电台进行校验未完成。"},
}};
static_assert(Complete(kTexts));

} // namespace

std::string RadioLinkText(RadioLinkTextId id, Language language, TextParts parts) {
    return FillText(In(language, kTexts[static_cast<std::size_t>(id)]), parts);
}

} // namespace tevano
