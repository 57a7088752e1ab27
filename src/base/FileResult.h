// The outcome of loading or storing a file, as a value: what went wrong and the system's errno,
// so that the text shown to the user can be picked in the display language where it is shown.
#pragma once

namespace tevano {

enum class FileError {
    None,
    OpenFailed,   // the file could not be opened for reading
    TooShort,     // fewer bytes than a radio image holds
    ReadFailed,   // reading stopped with an error
    CreateFailed, // no new file could be made beside the target
    WriteFailed,  // writing, flushing or replacing the file failed; the old file is intact
    NotRegular,   // a FIFO, a device or a socket: nothing the program reads or replaces
    ReadOnly,     // the file's own mode (or its file system) forbids writing it; left alone
    ForeignLink,  // a link another user put in a shared folder (sticky, writable by all): not
                  // followed, as the system itself would not follow it
    Busy,         // another program is changing the file; it was left to that program
};

struct [[nodiscard]] FileResult {
    FileError error = FileError::None;
    int systemError = 0; // errno of the failing call, 0 when there is none

    bool Ok() const { return error == FileError::None; }
};

} // namespace tevano
