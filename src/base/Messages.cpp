#include "base/Messages.h"

#include "base/FillText.h"

#include <array>
#include <cstddef>

namespace tevano {

namespace {

// In the order of MessageId. Leading blanks, double blanks and full-width commas are the texts'.
constexpr std::array<MessageInfo, static_cast<std::size_t>(MessageId::Count)> kMessages = {{
    {Buttons::Ok,
     {"Error Data Format，Please input again", "输入数据错误，请按正确的格式及大小重新输入"}},
    {Buttons::Ok,
     {"Error data Value，Please input according the step value(6.25K/5k/2.5k)",
      "输入数据错误，请按6.25K/5k/2.5k的倍数重新输入"}},
    {Buttons::Ok,
     {"Error data Value，Please input according the step value(6.25K/5k/2.5k)",
      "输入数据错误，请按6.25K/5k/2.5K的倍数重新输入"}},
    {Buttons::Ok, {"Please input Number", "请输入数字"}},
    {Buttons::Ok,
     {"This tone is not in the tone list. Please choose one from the list.",
      "该亚音不在亚音列表中，请从列表中选择"}},
    {Buttons::Ok,
     {"Could not Open the Port,Please check whether the Port are occupied or the device are ok",
      "无法打开串口，请检查该设备是否正常，或是否被占用"}},
    {Buttons::OkCancel,
     {" Radio Type are not match for your setting，If you want continue,push ok button",
      " 对讲机的类型与你所设置的不一样，若要覆盖请按确定按钮"}},
    {Buttons::Ok, {" Error in the Send Order", " 发送数据错误"}},
    {Buttons::RetryCancel,
     {"Communication Error，Please check all the connections and the radio power",
      "通讯错误，请检查连接线是否接触良好或对讲机电源是否开启"}},
    {Buttons::Ok,
     {" Program Interrupt，Please reset the radio and try again", " 接收出错中断，请重试"}},
    {Buttons::Ok, {"not received enough  byte", "未收到足够字节"}},
    {Buttons::Ok, {"Error had happen,please try again", "接收出错中断，请重试"}},
    {Buttons::Ok,
     {"Communication had been interrupted,please try again", "通讯已被中断,请重新开始"}},
    {Buttons::Ok,
     {"The write to the radio stopped after <value> of its 396 blocks. The radio now holds a "
      "partly written memory: write it again before using the radio.",
      "写入对讲机时中止：396 块中只写入了 <value> 块。对讲机中现在是只写入了一部分的数据，"
      "使用对讲机之前必须重新写入。"}},
    {Buttons::Ok,
     {"The programming cable was disconnected during the exchange with the radio. Plug it in "
      "again and start once more.",
      "与对讲机通讯时写频线已断开。请重新插好写频线后再开始。"}},
    {Buttons::YesNo,
     {"Stop writing? The radio will then hold a partly written memory that must be written "
      "again.",
      "停止写入吗？对讲机中将是只写入了一部分的数据，必须重新写入。"}},
    {Buttons::Ok,
     {"No file manager could be started to show the backups. They are kept in the folder <value>",
      "无法启动文件管理器来显示备份。备份保存在文件夹 <value>"}},
    {Buttons::Ok, {" There are no Visible information", " 没有可视信息"}},
    {Buttons::Ok, {"Finish successfully!", "对讲机已收到!"}},
    {Buttons::RetryCancel, {" Error had happen ,need try again", " 错误需延时再试"}},
    {Buttons::Ok,
     {"The Receive frequency is empty or not a number, so nothing was sent. Choose a test "
      "frequency under Debug Frequency and type the frequency in MHz.",
      "接收频率为空或不是数字，没有发送任何数据。请在“调试频率”下选择测试频率并输入以 MHz "
      "为单位的频率。"}},
    {Buttons::Ok,
     {"The Transmit frequency is empty or not a number, so nothing was sent. Choose a test "
      "frequency under Debug Frequency and type the frequency in MHz.",
      "发射频率为空或不是数字，没有发送任何数据。请在“调试频率”下选择测试频率并输入以 MHz "
      "为单位的频率。"}},
    {Buttons::YesNo, {"Confirm change language", " 请确认是否修改语言"}},
    {Buttons::Ok, {"Load Resource DLL english.dll Fail", "Load Resource DLL english.dll Fail"}},
    {Buttons::Ok, {"Load Dll Resources fail", "Load Dll Resources fail"}},
    {Buttons::YesNoCancel, {"Save changes to <name>?", "是否保存对 <name> 的修改?"}},
}};
static_assert(Complete(kMessages));

constexpr std::array<TextPair, static_cast<std::size_t>(TextId::Count)> kTexts = {{
    {"Now are detecting Communication Port,Please wait...",
     "Now are detecting Communication Port,Please wait..."},
    {"Waiting the response from radio....", "Waiting the response from radio...."},
    {"   Not start yet", "   尚未开始"},
    {"Reading Data Progress", "Reading Data Progress"},
    {"Writing Data Progress", "Writing Data Progress"},
    {"Please click the CommBox to choose value，For help，please press F1",
     "请点击组合框右边的箭头按钮以进行选择"},
    {"Please Click the cell to edit or input data，For help，please press F1",
     "请单击格子进入编辑状态或直接输入数字,如需帮助，请按F1键"},
    {"For help，please press F1", "如需帮助，请按F1键"},
    {"Untitled", "无标题"},
    {"Channel Data (*.sin);;All Files (*)", "Channel Data (*.sin);;所有文件 (*)"},
    {"Read From Radio copies the radio's memory into the grid; Write To Radio sends the grid "
     "back. Choose the cable's port in the Port menu first.\n\n"
     "Click a cell, or type on it, to edit a channel. Frequencies are in MHz, from 67 to 521, "
     "in steps of 6.25, 5 or 2.5 kHz. Clear both frequencies to empty a channel.\n\n"
     "Optional Features and Side Key set the radio-wide options. Save keeps the image in a "
     ".sin file.",
     "“从对讲机读取”把对讲机的存储内容读入表格；“写入对讲机”把表格内容写回对讲机。请先在“端口”"
     "菜单中选择编程线所连接的端口。\n\n"
     "单击格子或直接输入即可编辑频道。频率以 MHz 为单位，范围 67 至 521，步进为 6.25、5 或 "
     "2.5 kHz。清除两个频率即可清空该频道。\n\n"
     "“可选功能”和“侧键”设置整机选项。“保存”把数据存为 .sin 文件。"},
}};
static_assert(Complete(kTexts));

} // namespace

const MessageInfo& Message(MessageId id) {
    return kMessages[static_cast<std::size_t>(id)];
}

std::string MessageText(MessageId id, Language language) {
    return In(language, Message(id).text);
}

std::string SaveChangesText(const std::string& documentName, Language language) {
    return FillText(MessageText(MessageId::SaveChanges, language), {{"<name>", documentName}});
}

std::string MessageTextWith(MessageId id, const std::string& value, Language language) {
    return FillText(MessageText(id, language), {{"<value>", value}});
}

std::string UiText(TextId id, Language language) {
    const TextPair& pair = kTexts[static_cast<std::size_t>(id)];
    return In(language, pair);
}

} // namespace tevano
