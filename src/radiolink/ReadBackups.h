// A copy of every completed read from a radio, kept apart from the user's own files: the radio's
// memory exactly as it came off the cable, saved under a name that tells when, in
// $XDG_DATA_HOME/tevano/backups (~/.local/share/tevano/backups). The newest 50 are kept, so that
// a radio overwritten by mistake can be put back as it was.
#pragma once

#include "base/AtomicFile.h"
#include "base/Language.h"
#include "image/RadioImage.h"
#include "radiolink/CloneExchange.h"

#include <chrono>
#include <string>
#include <vector>

namespace tevano {

constexpr int kBackupsKept = 50;

// Where the backups go: $XDG_DATA_HOME/tevano/backups when XDG_DATA_HOME is an absolute path,
// else $HOME/.local/share/tevano/backups; "" when neither is set.
std::string BackupDirectory();

// Makes the directory and any parent it lacks, each new one readable by the user alone.
// Returns 0 or the errno of the step that failed.
[[nodiscard]] int MakeBackupDirectory(const std::string& directory);

enum class BackupError {
    None,
    NoDirectory,     // neither XDG_DATA_HOME nor HOME is set
    DirectoryFailed, // the directory could not be made
    WriteFailed,     // the file could not be made or written
    FolderShared,    // the folder is not the user's own, or others may write in it
};

struct [[nodiscard]] BackupResult {
    BackupError error = BackupError::None;
    int systemError = 0;
    std::string directory;
    std::string path; // the backup, when it was saved

    bool Ok() const { return error == BackupError::None; }
};

// A read in which the radio sent short replies: some bytes did not come from the radio.
enum class ReadKind { Whole, Incomplete };

inline ReadKind ReadKindOf(const CloneOutcome& outcome) {
    return outcome.shortReplies.empty() ? ReadKind::Whole : ReadKind::Incomplete;
}

// The backup's file name for a read completed at `when`: "read-20240131T142501.123Z.sin" in UTC,
// so that names sort by time; `sequence` > 0 adds "-2", "-3"... for reads in the same millisecond.
// An incomplete read's name ends in "-incomplete.sin", so that it stands out.
std::string BackupFileName(std::chrono::system_clock::time_point when, int sequence,
                           ReadKind kind = ReadKind::Whole);

// Saves the image as a new backup in `directory` (made when missing) and then removes the
// oldest backups beyond `keep`, oldest by the time each was made, whatever the clock said when
// it was named. Files in the directory that are not backups are left alone. The bytes go through
// the file the save itself created (never a name looked up again, which a link could replace),
// and only into a folder that is the user's own and that others may not write in.
BackupResult
SaveReadBackup(const RadioImage& image, const std::string& directory,
               std::chrono::system_clock::time_point when = std::chrono::system_clock::now(),
               int keep = kBackupsKept, ReadKind kind = ReadKind::Whole,
               const FileSystemCalls& calls = FileSystemCalls::Posix());

// The backups in the directory, full paths, oldest made first.
std::vector<std::string> ListBackups(const std::string& directory);

// What the user is told after a read: where its backup is, or why there is none.
std::string BackupSavedText(const std::string& path, Language language);
std::string BackupFailedText(const BackupResult& result, Language language);

} // namespace tevano
