#include "shell/IniFile.h"

#include "base/AtomicFile.h"
#include "base/TextCase.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tevano {

namespace {

constexpr const char* kWhiteSpace = " \t\r\n\v\f";

std::string Trim(const std::string& text) {
    const std::size_t first = text.find_first_not_of(kWhiteSpace);
    if (first == std::string::npos) {
        return std::string();
    }
    const std::size_t last = text.find_last_not_of(kWhiteSpace);
    return text.substr(first, last - first + 1);
}

void CutAtFirst(std::string& text, const char* marker) {
    const std::size_t at = text.find(marker);
    if (at != std::string::npos) {
        text.erase(at);
    }
}

bool IsCommentStart(char c) {
    return c == ';' || c == '/' || c == '\\' || c == '*';
}

// The whole file; with createMissing a file that does not exist is created empty. 0, or the
// errno of what failed.
int ReadFile(const std::string& path, bool createMissing, std::string& text) {
    int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT && createMissing) {
        fd = open(path.c_str(), O_RDONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
    }
    if (fd < 0) {
        return errno;
    }
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        return S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
    }
    text.clear();
    char buffer[4096];
    for (;;) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            const int error = errno;
            close(fd);
            return error;
        }
        if (got == 0) {
            break;
        }
        text.append(buffer, static_cast<std::size_t>(got));
    }
    close(fd);
    return 0;
}

// A program's folder may be closed to new files while the file itself is writable, and a file
// mounted on its own (a container's settings) cannot be replaced, only rewritten. A full disk is
// no reason to rewrite: that would cut the file.
bool FolderRefusesNewFiles(const FileResult& result) {
    const int error = result.systemError;
    return (result.error == FileError::CreateFailed && (error == EACCES || error == EPERM)) ||
           (result.error == FileError::WriteFailed && error == EBUSY);
}

// Leading decimal digits of the last three characters of a file name, 0 when there are none.
int TrailingNumber(const std::string& name) {
    const std::string tail = name.size() > 3 ? name.substr(name.size() - 3) : name;
    int number = 0;
    for (char c : tail) {
        if (c < '0' || c > '9') {
            break;
        }
        number = number * 10 + (c - '0');
    }
    return number;
}

std::string ThreeDigits(int number) {
    std::string digits = std::to_string(number);
    if (digits.size() < 3) {
        digits.insert(0, 3 - digits.size(), '0');
    }
    return digits;
}

} // namespace

CIniFile::CIniFile(int growthStep) : growthStep_(growthStep > 0 ? growthStep : 1) {}

CIniFile::~CIniFile() {
    if (saveAtDestruction_) {
        Save(makeBackup_);
    }
    Clear();
}

bool CIniFile::Open(const std::string& fileName, const std::string& programDirectory,
                    bool saveAtDestruction, bool caseInsensitive, bool makeBackup) {
    return Load(IniFilePath(fileName, programDirectory), saveAtDestruction, caseInsensitive,
                makeBackup);
}

bool CIniFile::Load(const std::string& fullPath, bool saveAtDestruction, bool caseInsensitive,
                    bool makeBackup) {
    if (!path_.empty()) {
        Save(false);
    }
    Clear();
    saveAtDestruction_ = saveAtDestruction;
    caseInsensitive_ = caseInsensitive;
    makeBackup_ = makeBackup;

    std::string text;
    if (const int error = ReadFile(fullPath, true, text)) {
        KeepInMemoryOnly(fullPath, {FileError::CreateFailed, error});
        return false;
    }
    pathTried_ = fullPath;
    path_ = fullPath;
    sections_.reserve(static_cast<std::size_t>(growthStep_));
    Section* current = &AppendSection("");

    std::size_t lineStart = 0;
    while (lineStart < text.size()) {
        std::size_t lineEnd = text.find('\n', lineStart);
        if (lineEnd == std::string::npos) {
            lineEnd = text.size();
        }
        const std::string line = Trim(text.substr(lineStart, lineEnd - lineStart));
        lineStart = lineEnd + 1;

        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            // The name between the brackets is kept as written, blanks included.
            current = &AppendSection(line.substr(1, line.size() - 2));
            continue;
        }
        const std::size_t equals = line.find('=');
        std::string key = Trim(line.substr(0, equals));
        if (key.empty() || IsCommentStart(key.front())) {
            continue;
        }
        std::string value =
            equals == std::string::npos ? std::string() : Trim(line.substr(equals + 1));
        current->entries.push_back({std::move(key), std::move(value)});
    }
    return true;
}

std::string CIniFile::GetValue(const std::string& section, const std::string& key,
                               const std::string& defaultValue) const {
    const int slot = FindSection(section);
    if (slot < 0) {
        return defaultValue;
    }
    const Section& found = sections_[static_cast<std::size_t>(slot)];
    const int position = FindLastKey(found, key);
    if (position < 0) {
        return Trim(defaultValue);
    }
    std::string value = found.entries[static_cast<std::size_t>(position)].value;
    CutAtFirst(value, "//");
    CutAtFirst(value, "\t;");
    CutAtFirst(value, "/*");
    return value;
}

void CIniFile::KeepInMemoryOnly(const std::string& path, FileResult reason) {
    Clear();
    pathTried_ = path;
    loadFailure_ = reason;
    AppendSection("");
}

void CIniFile::SetValue(const std::string& section, const std::string& key,
                        const std::string& value) {
    if (pathTried_.empty()) {
        return;
    }
    const int slot = FindSection(section);
    Section& target = slot < 0 ? AppendSection(section) : sections_[static_cast<std::size_t>(slot)];
    if (slot < 0) {
        changed_ = true;
    }
    const int position = FindLastKey(target, key);
    if (position < 0) {
        target.entries.push_back({key, value});
        changed_ = true;
        return;
    }
    Entry& entry = target.entries[static_cast<std::size_t>(position)];
    // A value that differs only in letter case does not count as a change of the file.
    if (!SameText(entry.value, value)) {
        changed_ = true;
    }
    entry.value = value;
}

std::string CIniFile::Save(bool makeBackup) {
    if (!changed_ || pathTried_.empty()) {
        return std::string();
    }
    if (path_.empty()) {
        // Nothing was loaded: a file that could not be read is not written over unread.
        lastSave_ = loadFailure_;
        return std::string();
    }
    std::string madeBackup;
    if (makeBackup) {
        if (backupName_.empty()) {
            backupName_ = ChooseBackupName();
        }
        std::string current;
        if (ReadFile(path_, false, current) == 0 &&
            WriteFileAtomically(backupName_, reinterpret_cast<const std::uint8_t*>(current.data()),
                                current.size())
                .Ok()) {
            madeBackup = backupName_;
        }
    }

    const std::string text = FileText();
    lastSave_ = WriteFileAtomically(path_, reinterpret_cast<const std::uint8_t*>(text.data()),
                                    text.size(), calls_);
    if (FolderRefusesNewFiles(lastSave_)) {
        lastSave_ = RewriteInPlace(text);
    }
    return madeBackup;
}

// For where no new file can be made. A full disk must not cut the file, so the part of the new
// text beyond the old end goes in first: once it is in, the whole new text has its room, and
// the rest is written over the old text, which never needs more. When that room cannot be had,
// what went in is cut off again and the old text stays as it was.
FileResult CIniFile::RewriteInPlace(const std::string& text) const {
    const int fd = open(path_.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) {
        return {FileError::CreateFailed, errno};
    }
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        return {FileError::NotRegular, 0};
    }
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    const std::size_t oldSize = static_cast<std::size_t>(info.st_size);
    FileResult result;
    if (text.size() > oldSize && (lseek(fd, info.st_size, SEEK_SET) < 0 ||
                                  !WriteAll(calls_, fd, bytes + oldSize, text.size() - oldSize))) {
        result = {FileError::WriteFailed, errno};
        static_cast<void>(ftruncate(fd, info.st_size));
    }
    if (result.Ok() && (lseek(fd, 0, SEEK_SET) < 0 ||
                        !WriteAll(calls_, fd, bytes, std::min(oldSize, text.size())) ||
                        ftruncate(fd, static_cast<off_t>(text.size())) != 0)) {
        result = {FileError::WriteFailed, errno};
    }
    if (close(fd) != 0 && result.Ok()) {
        result = {FileError::WriteFailed, errno};
    }
    return result;
}

void CIniFile::Clear() {
    sections_.clear();
    sections_.shrink_to_fit();
    path_.clear();
    pathTried_.clear();
    loadFailure_ = {};
    changed_ = false;
}

CIniFile::Section& CIniFile::AppendSection(const std::string& name) {
    // Growing by a fixed step would move every section at every step: a file of many sections
    // would take time in the square of its size to load.
    sections_.push_back({name, {}});
    return sections_.back();
}

int CIniFile::FindSection(const std::string& name) const {
    for (std::size_t slot = 0; slot < sections_.size(); ++slot) {
        if (SameText(sections_[slot].name, name)) {
            return static_cast<int>(slot);
        }
    }
    return -1;
}

int CIniFile::FindLastKey(const Section& section, const std::string& key) const {
    for (std::size_t position = section.entries.size(); position > 0; --position) {
        if (SameText(section.entries[position - 1].key, key)) {
            return static_cast<int>(position - 1);
        }
    }
    return -1;
}

bool CIniFile::SameText(const std::string& a, const std::string& b) const {
    return caseInsensitive_ ? EqualsNoCase(a, b) : a == b;
}

// The path with "." and one more than the largest number that ends a name beginning like the
// file's (without its extension) in the same directory: tevano.ini beside tevano.ini.004 gives
// tevano.ini.005.
std::string CIniFile::ChooseBackupName() const {
    const std::size_t slash = path_.rfind('/');
    const std::string directory =
        slash == std::string::npos ? "." : (slash == 0 ? "/" : path_.substr(0, slash));
    const std::string fileName = slash == std::string::npos ? path_ : path_.substr(slash + 1);
    const std::string prefix = fileName.substr(0, fileName.rfind('.'));

    int largest = 0;
    if (DIR* listing = opendir(directory.c_str())) {
        while (const dirent* item = readdir(listing)) {
            const std::string name = item->d_name;
            if (name == "." || name == ".." || name.compare(0, prefix.size(), prefix) != 0) {
                continue;
            }
            largest = std::max(largest, TrailingNumber(name));
        }
        closedir(listing);
    }
    return path_ + "." + ThreeDigits(largest + 1);
}

std::string CIniFile::FileText() const {
    std::string text;
    for (const Section& section : sections_) {
        // A section without a name has no header: its pairs join the section above on reading.
        if (!section.name.empty()) {
            text += "[" + section.name + "]\n";
        }
        for (const Entry& entry : section.entries) {
            text += entry.key;
            if (!entry.key.empty()) {
                text += "=";
            }
            text += entry.value + "\n";
        }
    }
    return text;
}

std::string IniFilePath(const std::string& fileName, const std::string& programDirectory) {
    std::string directory = programDirectory;
    if (directory.empty()) {
        char* working = getcwd(nullptr, 0);
        if (working == nullptr) {
            return fileName; // relative to a working directory that has no name any more
        }
        directory = working;
        std::free(working);
    }
    if (directory.back() != '/') {
        directory += '/';
    }
    return directory + fileName;
}

} // namespace tevano
