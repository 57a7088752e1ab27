// The files the user works with, remembered from one run to the next: the four channel files
// last opened or saved (the File menu's list) and the folder last used for each kind of file.
// Kept in the user's configuration folder, whether or not the program is a portable copy.
#pragma once

#include "shell/IniFile.h"

#include <array>
#include <string>
#include <vector>

namespace tevano {

// The kinds of file the file dialogs offer, each with a folder of its own.
enum class FileKind { ChannelData, ChannelList };

class FileHistory {
public:
    static constexpr std::size_t kMostFiles = 4;
    // The file's name in the user's configuration folder.
    static constexpr const char* kFileName = "recent.ini";

    // Reads the history kept by earlier runs; false when there is no configuration folder to
    // keep it in (the history then lasts for this run only).
    bool Open();

    // Newest first.
    const std::vector<std::string>& Files() const { return files_; }
    // The file goes to the top of the list (once); the oldest beyond four drops off.
    void Add(const std::string& path);
    void Remove(const std::string& path);

    // "" when no file of the kind was picked yet.
    std::string Folder(FileKind kind) const;
    void SetFolder(FileKind kind, const std::string& folder);

private:
    void Store();

    CIniFile ini_;
    std::vector<std::string> files_;
    std::array<std::string, 2> folders_; // by FileKind
};

// The path as the history stores it: the characters the settings file would cut or trim ("//",
// "/*", tabs, line breaks, blanks at the ends) and "%" written as %XX, so any path comes back.
std::string HistoryValue(const std::string& path);
std::string PathFromHistoryValue(const std::string& value);

} // namespace tevano
