// What is checked about a file before it is read or replaced: only regular files are read (a
// FIFO or a device named by mistake would block or answer nonsense), and a save replaces only a
// regular file that its user could write in place, in a folder that takes new files.
#pragma once

#include "base/FileResult.h"

#include <string>

namespace tevano {

// Opens the file for reading without ever waiting on it. A directory is refused as OpenFailed
// with EISDIR, anything else that is not a regular file as NotRegular, before a byte is read.
// On success `fd` is the open descriptor, for the caller to close.
FileResult OpenRegularFile(const std::string& path, int& fd);

// The file a save at `path` writes: symbolic links followed to their end, also to a target that
// does not exist yet (the save creates it there, as editors do). A link is followed as the
// system itself follows one: a link in a shared folder (sticky and writable by all, as /tmp) is
// refused as ForeignLink unless the user or the folder's owner made it. A link that names an
// open descriptor (/dev/stdout, /proc/self/fd/N) is a stream, never a file to replace: NotRegular.
FileResult ResolveSaveTarget(const std::string& path, std::string& target);

// Whether the file at `target` (from ResolveSaveTarget) may be replaced: there is none yet, or it
// is a regular file its user could write in place; a link whose chain never ends is refused. A mode
// without any write bit stands for root too: a read-only file is its owner's statement, whoever
// saves.
FileResult CheckReplaceable(const std::string& target);

// All that can be known of a save before its bytes exist: the target's folder exists and takes
// new files, and the target may be replaced. For work that takes long before its result is
// saved (a read from the radio).
FileResult CheckSaveTarget(const std::string& path);

// The folder part of a path: "." when it has none, "/" for a file at the top.
std::string FolderOf(const std::string& path);

} // namespace tevano
