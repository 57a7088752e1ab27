#include "base/NoteTexts.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace tevano {

namespace {

// In the order of NoteId. <reason> is the system's words after ": ", or nothing.
constexpr std::array<TextPair, 11> kNotes = {{
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
    {"The read is complete, but some of the radio's replies were short; the bytes that did "
     "not arrive keep their earlier values:",
     "读取已完成，但对讲机的部分回复不完整；未收到的字节保持原来的值："},
    {"The radio's reply to block <block> was short: image offsets <offsets> did not arrive.",
     "对讲机对数据块 <block> 的回复不完整：映像偏移 <offsets> 未收到。"},
    {"The radio's reply to block <block> was short: image offset <offset> did not arrive.",
     "对讲机对数据块 <block> 的回复不完整：映像偏移 <offset> 未收到。"},
    {"the radio's type differs from the file's; nothing was written",
     "对讲机的类型与文件不同；未写入任何数据"},
}};

} // namespace

std::string NoteText(NoteId id, Language language) {
    const TextPair& pair = kNotes[static_cast<std::size_t>(id)];
    return In(language, pair);
}

std::string FillNote(NoteId id, Language language, TextParts parts) {
    return FillText(NoteText(id, language), parts);
}

std::string FillText(std::string_view text, TextParts parts, char openMark, char closeMark) {
    // One pass over the text, so that a part that itself holds "<...>" (a file name) is never
    // taken for a placeholder.
    std::string filled;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t open = text.find(openMark, at);
        const std::size_t close =
            open == std::string_view::npos ? open : text.find(closeMark, open);
        if (close == std::string_view::npos) {
            filled.append(text.substr(at));
            break;
        }
        filled.append(text.substr(at, open - at));
        const std::string_view placeholder = text.substr(open, close - open + 1);
        const auto part = std::find_if(parts.begin(), parts.end(), [&](const auto& given) {
            return given.first == placeholder;
        });
        if (part != parts.end()) {
            filled += part->second;
        } else {
            filled += placeholder;
        }
        at = close + 1;
    }
    return filled;
}

} // namespace tevano
