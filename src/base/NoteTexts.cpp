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
