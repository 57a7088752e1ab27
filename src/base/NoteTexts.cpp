#include "base/NoteTexts.h"

#include <array>
#include <cstddef>

namespace tevano {

namespace {

// In the order of NoteId. <reason> is the system's words after ": ", or nothing.
constexpr std::array<TextPair, static_cast<std::size_t>(NoteId::Count)> kNotes = {{
    {"\"<file>\" is read-only<reason>. It was left as it was; save to another place.",
     "\"<file>\" 是只读文件<reason>。该文件未被改动，请另存到其他位置。"},
    {"\"<file>\" is not a regular file.", "\"<file>\" 不是普通文件。"},
    {"Cannot open \"<file>\"<reason>.", "无法打开文件 \"<file>\"<reason>。"},
    {"Cannot open \"<file>\": it is not a channel data file (it holds fewer than 3168 bytes).",
     "无法打开文件 \"<file>\"：它不是频道数据文件（不足 3168 字节）。"},
    {"Cannot read \"<file>\"<reason>.", "无法读取文件 \"<file>\"<reason>。"},
    {"Cannot save \"<file>\"<reason>. The file on disk was left as it was; save to another place.",
     "无法保存文件 \"<file>\"<reason>。磁盘上的原文件未被改动，请另存到其他位置。"},
    {"The settings could not be saved in \"<file>\"<reason>.",
     "无法把设置保存到 \"<file>\"<reason>。"},
    {"\"<file>\" is a link owned by another user in a shared folder. It was not followed; save "
     "to another place.",
     "\"<file>\" 是共享文件夹中属于其他用户的链接。该链接未被跟随，请另存到其他位置。"},
    {"\"<file>\" is being changed by another program. It was left as it was; try again when "
     "that program is done.",
     "\"<file>\" 正被另一个程序修改。该文件未被改动，请在该程序完成后再试。"},
    {"\"<file>\" was changed on disk by another program since it was opened or last saved "
     "here. Replace it with the channels shown here?",
     "自从在这里打开或上次保存以来，\"<file>\" 已被其他程序在磁盘上修改。要用这里显示的频道数据"
     "替换它吗？"},
    {"Saved the channel data in \"<file>\".", "频道数据已保存到 \"<file>\"。"},
    {"\"<file>\" is no longer there: it was moved, renamed or deleted. It has been taken off the "
     "list of recent files; open it with File > Open from where it is now.",
     "\"<file>\" 已不存在：它已被移动、改名或删除。该文件已从最近文件列表中移除；"
     "如果它在其他位置，请用“文件 > 打开”打开。"},
}};
static_assert(Complete(kNotes));

} // namespace

std::string NoteText(NoteId id, Language language) {
    const TextPair& pair = kNotes[static_cast<std::size_t>(id)];
    return In(language, pair);
}

std::string FillNote(NoteId id, Language language, TextParts parts) {
    return FillText(NoteText(id, language), parts);
}

} // namespace tevano
