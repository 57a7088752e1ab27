#include "shell/FileHistory.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace tevano {

namespace {

constexpr const char* kFilesSection = "RECENT FILES";
constexpr const char* kFoldersSection = "FOLDERS";

std::string FileKey(std::size_t index) {
    return "FILE" + std::to_string(index + 1);
}

const char* FolderKey(FileKind kind) {
    return kind == FileKind::ChannelData ? "CHANNEL_DATA" : "CHANNEL_LIST";
}

bool Escaped(const std::string& path, std::size_t i) {
    const char c = path[i];
    const bool atEnd = i == 0 || i + 1 == path.size();
    return c == '%' || c == '*' || c == '\t' || c == '\r' || c == '\n' || (atEnd && c == ' ') ||
           (c == '/' && i > 0 && path[i - 1] == '/');
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

} // namespace

std::string HistoryValue(const std::string& path) {
    std::string value;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (Escaped(path, i)) {
            char code[4];
            std::snprintf(code, sizeof code, "%%%02X", static_cast<unsigned char>(path[i]));
            value += code;
        } else {
            value += path[i];
        }
    }
    return value;
}

std::string PathFromHistoryValue(const std::string& value) {
    std::string path;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '%' && i + 2 < value.size() && HexDigit(value[i + 1]) >= 0 &&
            HexDigit(value[i + 2]) >= 0) {
            path += static_cast<char>(HexDigit(value[i + 1]) * 16 + HexDigit(value[i + 2]));
            i += 2;
        } else {
            path += value[i];
        }
    }
    return path;
}

bool FileHistory::Open() {
    files_.clear();
    folders_ = {};
    if (!OpenUserIni(ini_, kFileName, false)) {
        return false;
    }
    for (std::size_t i = 0; i < kMostFiles; ++i) {
        const std::string path = PathFromHistoryValue(ini_.GetValue(kFilesSection, FileKey(i), ""));
        if (!path.empty() && std::find(files_.begin(), files_.end(), path) == files_.end()) {
            files_.push_back(path);
        }
    }
    for (FileKind kind : {FileKind::ChannelData, FileKind::ChannelList}) {
        folders_[static_cast<std::size_t>(kind)] =
            PathFromHistoryValue(ini_.GetValue(kFoldersSection, FolderKey(kind), ""));
    }
    return true;
}

void FileHistory::Add(const std::string& path) {
    Remove(path);
    files_.insert(files_.begin(), path);
    if (files_.size() > kMostFiles) {
        files_.resize(kMostFiles);
    }
    Store();
}

void FileHistory::Remove(const std::string& path) {
    const auto it = std::find(files_.begin(), files_.end(), path);
    if (it != files_.end()) {
        files_.erase(it);
        Store();
    }
}

std::string FileHistory::Folder(FileKind kind) const {
    return folders_[static_cast<std::size_t>(kind)];
}

void FileHistory::SetFolder(FileKind kind, const std::string& folder) {
    if (Folder(kind) != folder) {
        folders_[static_cast<std::size_t>(kind)] = folder;
        ini_.SetValue(kFoldersSection, FolderKey(kind), HistoryValue(folder));
        ini_.Save(false);
    }
}

// Written at once, so that a second window started meanwhile, or a crash, finds the list.
// A failure costs only the convenience: it is not worth a message.
void FileHistory::Store() {
    for (std::size_t i = 0; i < kMostFiles; ++i) {
        ini_.SetValue(kFilesSection, FileKey(i), i < files_.size() ? HistoryValue(files_[i]) : "");
    }
    ini_.Save(false);
}

} // namespace tevano
