#include "base/FileMessages.h"

#include "base/NoteTexts.h"
#include "base/PrintableText.h"

#include <cstring>

namespace tevano {

namespace {

std::string SystemText(int error) {
    if (error == 0) {
        return std::string();
    }
    char buffer[256];
    // GNU strerror_r returns the text, which may or may not be the buffer.
    const char* text = strerror_r(error, buffer, sizeof buffer);
    return std::string(": ") + text;
}

} // namespace

std::string FileErrorText(const FileResult& result, const std::string& path, Language language) {
    const std::string shownPath = PrintableText(path);
    const std::string name = "\"" + shownPath + "\"";
    const std::string reason = SystemText(result.systemError);
    switch (result.error) {
    case FileError::None:
        return std::string();
    case FileError::OpenFailed:
        return language == Language::English ? "Cannot open " + name + reason + "."
                                             : "无法打开文件 " + name + reason + "。";
    case FileError::TooShort:
        return language == Language::English
                   ? "Cannot open " + name +
                         ": it is not a channel data file (it holds fewer than 3168 bytes)."
                   : "无法打开文件 " + name + "：它不是频道数据文件（不足 3168 字节）。";
    case FileError::ReadFailed:
        return language == Language::English ? "Cannot read " + name + reason + "."
                                             : "无法读取文件 " + name + reason + "。";
    case FileError::CreateFailed:
    case FileError::WriteFailed:
        return language == Language::English
                   ? "Cannot save " + name + reason +
                         ". The file on disk was left as it was; save to another place."
                   : "无法保存文件 " + name + reason +
                         "。磁盘上的原文件未被改动，请另存到其他位置。";
    case FileError::NotRegular:
        return FillNote(NoteId::FileNotRegular, language, {{"<file>", shownPath}});
    case FileError::ReadOnly:
        return FillNote(NoteId::FileReadOnly, language,
                        {{"<file>", shownPath}, {"<reason>", reason}});
    }
    return std::string();
}

std::string SettingsSaveErrorText(const FileResult& result, const std::string& path,
                                  Language language) {
    if (result.Ok()) {
        return std::string();
    }
    return FillNote(
        NoteId::SettingsNotSaved, language,
        {{"<file>", PrintableText(path)}, {"<reason>", SystemText(result.systemError)}});
}

} // namespace tevano
