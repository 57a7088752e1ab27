#include "radiolink/ReadBackups.h"

#include "base/AtomicFile.h"
#include "base/PrintableText.h"
#include "base/SystemErrorText.h"
#include "radiolink/RadioLinkTexts.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace tevano {

namespace {

constexpr const char* kPrefix = "read-";
constexpr const char* kExtension = ".sin";
constexpr const char* kIncomplete = "-incomplete";
// Reads in the same millisecond, more than any machine makes.
constexpr int kMostInOneMillisecond = 1000;

// What a backup's name says of it: its time stamp ("20240131T142501.123"), then its sequence
// number within that millisecond (1 when the name has none). It orders only backups made in the
// same tick of the file system's clock: a clock set back would put a new read first by name.
struct BackupKey {
    std::string stamp;
    int sequence = 1;
    bool operator<(const BackupKey& other) const {
        return stamp != other.stamp ? stamp < other.stamp : sequence < other.sequence;
    }
};

bool DigitsAt(const std::string& text, std::size_t at, std::size_t count) {
    if (at + count > text.size()) {
        return false;
    }
    return std::all_of(text.begin() + static_cast<long>(at),
                       text.begin() + static_cast<long>(at + count),
                       [](char c) { return c >= '0' && c <= '9'; });
}

// The key of a backup's file name; nothing for any other file.
std::optional<BackupKey> KeyOf(const std::string& name) {
    // "read-" 8 digits "T" 6 digits "." 3 digits "Z", then "-N" or nothing, then "-incomplete"
    // or nothing, then ".sin".
    const std::size_t prefix = std::strlen(kPrefix);
    const std::size_t stampSize = 8 + 1 + 6 + 1 + 3;
    const std::size_t incomplete = std::strlen(kIncomplete);
    std::size_t extension = std::strlen(kExtension);
    if (name.size() > extension + incomplete &&
        name.compare(name.size() - extension - incomplete, incomplete, kIncomplete) == 0) {
        extension += incomplete;
    }
    if (name.size() < prefix + stampSize + 1 + extension || name.compare(0, prefix, kPrefix) != 0 ||
        name.compare(name.size() - std::strlen(kExtension), std::string::npos, kExtension) != 0) {
        return std::nullopt;
    }
    if (!DigitsAt(name, prefix, 8) || name[prefix + 8] != 'T' || !DigitsAt(name, prefix + 9, 6) ||
        name[prefix + 15] != '.' || !DigitsAt(name, prefix + 16, 3) ||
        name[prefix + stampSize] != 'Z') {
        return std::nullopt;
    }
    BackupKey key{name.substr(prefix, stampSize), 1};
    const std::size_t rest = prefix + stampSize + 1;
    const std::size_t restSize = name.size() - extension - rest;
    if (restSize > 0) {
        if (name[rest] != '-' || restSize < 2 || restSize > 5 ||
            !DigitsAt(name, rest + 1, restSize - 1)) {
            return std::nullopt;
        }
        key.sequence = std::atoi(name.substr(rest + 1, restSize - 1).c_str());
    }
    return key;
}

// A backup found in the folder: its name, and when it was made (its last write), then its name's
// key for backups made in the same tick of the file system's clock.
struct FoundBackup {
    std::string name;
    timespec made{};
    BackupKey key;
};

bool MadeBefore(const FoundBackup& a, const FoundBackup& b) {
    if (a.made.tv_sec != b.made.tv_sec) {
        return a.made.tv_sec < b.made.tv_sec;
    }
    if (a.made.tv_nsec != b.made.tv_nsec) {
        return a.made.tv_nsec < b.made.tv_nsec;
    }
    return a.key < b.key;
}

// The backups in the open folder, oldest made first. Only regular files count: a link named as
// a backup is no backup of this program's.
std::vector<FoundBackup> SortedBackups(int folderFd) {
    std::vector<FoundBackup> backups;
    const int listingFd = dup(folderFd);
    DIR* listing = listingFd >= 0 ? fdopendir(listingFd) : nullptr;
    if (listing == nullptr) {
        if (listingFd >= 0) {
            close(listingFd);
        }
        return backups;
    }
    rewinddir(listing);
    while (const dirent* entry = readdir(listing)) {
        const std::optional<BackupKey> key = KeyOf(entry->d_name);
        struct stat info {};
        if (key && fstatat(folderFd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(info.st_mode)) {
            backups.push_back({entry->d_name, info.st_mtim, *key});
        }
    }
    closedir(listing);
    std::sort(backups.begin(), backups.end(), MadeBefore);
    return backups;
}

// Removes the oldest backups beyond `keep`, never the one just saved.
void RemoveOldest(int folderFd, int keep, const std::string& savedName) {
    const std::vector<FoundBackup> backups = SortedBackups(folderFd);
    std::size_t excess = backups.size() > static_cast<std::size_t>(keep)
                             ? backups.size() - static_cast<std::size_t>(keep)
                             : 0;
    for (const FoundBackup& backup : backups) {
        if (excess == 0) {
            break;
        }
        if (backup.name != savedName) {
            unlinkat(folderFd, backup.name.c_str(), 0);
            --excess;
        }
    }
}

// Others who may write in the folder could swap or remove the backups: only the user's own
// folder, written by the user alone, keeps them.
bool FolderIsPrivate(int folderFd) {
    struct stat info {};
    return fstat(folderFd, &info) == 0 && info.st_uid == geteuid() &&
           (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// Writes the image to the backup just created, through its descriptor, and closes it.
bool WriteBackup(const FileSystemCalls& calls, int fd, const RadioImage& image) {
    const bool written = WriteAll(calls, fd, image.data(), image.size()) && calls.fsync(fd) == 0;
    const int error = errno;
    if (close(fd) != 0 || !written) {
        errno = written ? errno : error;
        return false;
    }
    return true;
}

} // namespace

std::string BackupDirectory() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    std::string base;
    // XDG base directories must be absolute: a relative path here is ignored.
    if (dataHome != nullptr && dataHome[0] == '/') {
        base = dataHome;
    } else if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0') {
        base = std::string(home) + "/.local/share";
    } else {
        return "";
    }
    while (base.size() > 1 && base.back() == '/') {
        base.pop_back();
    }
    return base + "/tevano/backups";
}

int MakeBackupDirectory(const std::string& directory) {
    if (directory.empty()) {
        return ENOENT;
    }
    std::size_t next = 1;
    for (;;) {
        const std::size_t slash = directory.find('/', next);
        const std::string step = directory.substr(0, slash);
        if (!step.empty() && step != "/" && mkdir(step.c_str(), 0700) != 0 && errno != EEXIST) {
            return errno;
        }
        if (slash == std::string::npos) {
            break;
        }
        next = slash + 1;
    }
    struct stat info {};
    if (stat(directory.c_str(), &info) != 0) {
        return errno;
    }
    return S_ISDIR(info.st_mode) ? 0 : ENOTDIR;
}

std::string BackupFileName(std::chrono::system_clock::time_point when, int sequence,
                           ReadKind kind) {
    const auto sinceEpoch =
        std::chrono::duration_cast<std::chrono::milliseconds>(when.time_since_epoch()).count();
    const std::time_t seconds = static_cast<std::time_t>(sinceEpoch / 1000);
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "%04d%02d%02dT%02d%02d%02d.%03dZ", utc.tm_year + 1900,
                  utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec,
                  static_cast<int>(sinceEpoch % 1000));
    std::string name = std::string(kPrefix) + stamp;
    if (sequence > 1) {
        name += "-" + std::to_string(sequence);
    }
    if (kind == ReadKind::Incomplete) {
        name += kIncomplete;
    }
    return name + kExtension;
}

BackupResult SaveReadBackup(const RadioImage& image, const std::string& directory,
                            std::chrono::system_clock::time_point when, int keep, ReadKind kind,
                            const FileSystemCalls& calls) {
    BackupResult result;
    result.directory = directory;
    const auto fail = [&result](BackupError error, int systemError) {
        result.error = error;
        result.systemError = systemError;
        return result;
    };
    if (directory.empty()) {
        return fail(BackupError::NoDirectory, 0);
    }
    if (const int error = MakeBackupDirectory(directory); error != 0) {
        return fail(BackupError::DirectoryFailed, error);
    }
    const int folderFd = open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd < 0) {
        return fail(BackupError::DirectoryFailed, errno);
    }
    if (!FolderIsPrivate(folderFd)) {
        close(folderFd);
        return fail(BackupError::FolderShared, 0);
    }
    // The name is taken first, so that two reads at the same moment (two programs, or the
    // window and the command line) never write over each other's backup.
    std::string name;
    int fd = -1;
    for (int sequence = 1; sequence <= kMostInOneMillisecond && fd < 0; ++sequence) {
        name = BackupFileName(when, sequence, kind);
        fd = openat(folderFd, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                    0600);
        if (fd < 0 && errno != EEXIST) {
            const int error = errno;
            close(folderFd);
            return fail(BackupError::WriteFailed, error);
        }
    }
    if (fd < 0) {
        close(folderFd);
        return fail(BackupError::WriteFailed, EEXIST);
    }
    if (!WriteBackup(calls, fd, image)) {
        const int error = errno;
        unlinkat(folderFd, name.c_str(), 0);
        close(folderFd);
        return fail(BackupError::WriteFailed, error);
    }
    calls.fsync(folderFd);
    result.path = directory + "/" + name;
    RemoveOldest(folderFd, keep, name);
    close(folderFd);
    return result;
}

std::vector<std::string> ListBackups(const std::string& directory) {
    std::vector<std::string> paths;
    const int folderFd = open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd < 0) {
        return paths;
    }
    for (const FoundBackup& backup : SortedBackups(folderFd)) {
        paths.push_back(directory + "/" + backup.name);
    }
    close(folderFd);
    return paths;
}

std::string BackupSavedText(const std::string& backupPath, Language language) {
    return RadioLinkText(RadioLinkTextId::BackupSaved, language,
                         {{"<file>", PrintableText(backupPath)}});
}

std::string BackupFailedText(const BackupResult& result, Language language) {
    if (result.error == BackupError::NoDirectory) {
        return RadioLinkText(RadioLinkTextId::BackupNoDirectory, language);
    }
    if (result.error == BackupError::FolderShared) {
        return RadioLinkText(RadioLinkTextId::BackupFolderShared, language,
                             {{"<folder>", PrintableText(result.directory)}});
    }
    return RadioLinkText(RadioLinkTextId::BackupNotSaved, language,
                         {{"<folder>", PrintableText(result.directory)},
                          {"<reason>", SystemErrorText(result.systemError)}});
}

} // namespace tevano
