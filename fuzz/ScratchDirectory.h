// A directory of this fuzzing process for the files a harness writes and reads back: inside
// $TEVANO_FUZZ_SCRATCH when that is set (tools/fuzz.sh sets it, and removes it afterwards, since a
// run that stops at a finding cannot clean up), else in memory (/dev/shm) where there is one, so
// that millions of saves do not wear a disk. Removed with its files when the process ends.
#pragma once

#include "FuzzCheck.h"

#include "support/DirectoryNames.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tevano::fuzz {

class ScratchDirectory {
public:
    static const ScratchDirectory& Get() {
        static const ScratchDirectory directory;
        return directory;
    }

    std::string Path(const std::string& name) const { return path_ + "/" + name; }

    // Writes the bytes as a whole new file, replacing what was there.
    void WriteFile(const std::string& name, const std::uint8_t* data, std::size_t size) const {
        const std::string path = Path(name);
        std::FILE* file = std::fopen(path.c_str(), "wb");
        FUZZ_CHECK(file != nullptr, "the scratch file can be created");
        FUZZ_CHECK(size == 0 || std::fwrite(data, 1, size, file) == size,
                   "the scratch file takes every byte");
        FUZZ_CHECK(std::fclose(file) == 0, "the scratch file is written");
    }

    // The names of the files in it.
    std::vector<std::string> Names() const { return testing::DirectoryNames(path_); }

    ~ScratchDirectory() { RemoveAll(); }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

private:
    ScratchDirectory() {
        std::string base = "/tmp";
        struct stat info {};
        if (stat("/dev/shm", &info) == 0 && S_ISDIR(info.st_mode) &&
            access("/dev/shm", W_OK) == 0) {
            base = "/dev/shm";
        }
        const char* chosen = std::getenv("TEVANO_FUZZ_SCRATCH");
        if (chosen != nullptr && chosen[0] == '/') {
            base = chosen;
        }
        std::string pattern = base + "/tevano-fuzz-XXXXXX";
        FUZZ_CHECK(mkdtemp(pattern.data()) != nullptr, "a scratch directory can be made");
        path_ = pattern;
    }

    void RemoveAll() const {
        for (const std::string& name : Names()) {
            unlink(Path(name).c_str());
        }
        rmdir(path_.c_str());
    }

    std::string path_;
};

} // namespace tevano::fuzz
