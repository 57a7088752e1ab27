#include "OutputFile.h"

#include "Arguments.h"
#include "CliTexts.h"

#include "base/AtomicFile.h"
#include "base/FileChecks.h"
#include "base/FileMessages.h"
#include "base/SystemErrorText.h"

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace tevano::cli {

namespace {

constexpr const char* kStandardStream = "-";

// The descriptor a name stands for without any file behind it: "-" and /dev/stdout standard
// output, /dev/stderr standard error, /dev/fd/N and /proc/self/fd/N descriptor N.
std::optional<int> DescriptorNamed(const std::string& name) {
    if (name == kStandardStream || name == "/dev/stdout") {
        return STDOUT_FILENO;
    }
    if (name == "/dev/stderr") {
        return STDERR_FILENO;
    }
    for (const std::string prefix : {"/dev/fd/", "/proc/self/fd/"}) {
        const std::string number = name.rfind(prefix, 0) == 0 ? name.substr(prefix.size()) : "";
        if (!number.empty() && number.size() < 9 &&
            number.find_first_not_of("0123456789") == std::string::npos) {
            return std::stoi(number);
        }
    }
    return std::nullopt;
}

bool StatOf(const std::string& name, bool output, struct stat& info) {
    if (name == kStandardStream) {
        return fstat(output ? STDOUT_FILENO : STDIN_FILENO, &info) == 0;
    }
    return stat(name.c_str(), &info) == 0;
}

int WriteThrough(int fd, const std::string& out, const std::string& bytes, Language language) {
    if (!WriteAll(FileSystemCalls::Posix(), fd, reinterpret_cast<const std::uint8_t*>(bytes.data()),
                  bytes.size())) {
        const std::string reason = ": " + SystemErrorText(errno);
        return Fail(out == kStandardStream || fd == STDOUT_FILENO
                        ? CliText(CliTextId::StandardOutputFailed, language, {{"<reason>", reason}})
                        : CliText(CliTextId::OutputNotWritten, language,
                                  {{"<file>", out}, {"<reason>", reason}}));
    }
    return 0;
}

} // namespace

bool SameFile(const std::string& output, const std::string& input) {
    struct stat out {};
    struct stat in {};
    return StatOf(output, true, out) && StatOf(input, false, in) && out.st_dev == in.st_dev &&
           out.st_ino == in.st_ino;
}

std::string SameFileProblem(const std::string& output, const std::string& input) {
    return "the output \"" + output + "\" is the input \"" + input +
           "\" itself, which writing would destroy; name another output file";
}

int WriteOutput(const std::string& out, const std::string& bytes, Language language) {
    // What the command printed before goes out first, in its order.
    std::fflush(stdout);
    if (const std::optional<int> fd = DescriptorNamed(out)) {
        return WriteThrough(*fd, out, bytes, language);
    }
    std::string target;
    const FileResult resolved = ResolveSaveTarget(out, target);
    struct stat info {};
    const bool stream = resolved.error == FileError::NotRegular ||
                        (resolved.Ok() && stat(target.c_str(), &info) == 0 &&
                         !S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode));
    if (stream) {
        // Appended, never cut: a link to a descriptor may stand for a log.
        const int fd = open(out.c_str(), O_WRONLY | O_APPEND | O_NOCTTY | O_CLOEXEC);
        if (fd < 0) {
            return Fail(CliText(CliTextId::OutputNotWritten, language,
                                {{"<file>", out}, {"<reason>", ": " + SystemErrorText(errno)}}));
        }
        const int status = WriteThrough(fd, out, bytes, language);
        close(fd);
        return status;
    }
    const FileResult written =
        WriteFileAtomically(out, reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    return written.Ok() ? 0 : Fail(FileErrorText(written, out, language));
}

} // namespace tevano::cli
