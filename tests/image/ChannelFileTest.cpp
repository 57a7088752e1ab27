#include "image/ChannelFile.h"
#include "base/AtomicFile.h"
#include "base/FileChecks.h"
#include "support/FailingFileCalls.h"
#include "support/OtherUser.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace tevano {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

class ChannelFileTest : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return temp_.Path(name); }

    // Names in the directory; a failed save must leave no temporary file behind.
    std::vector<std::string> Entries() const { return temp_.Names(); }

    static RadioImage Pattern() {
        RadioImage image{};
        for (std::size_t i = 0; i < image.size(); ++i) {
            image[i] = static_cast<std::uint8_t>(i * 7 + 3);
        }
        return image;
    }

    testing::TempDir temp_;
    const std::string& dir_ = temp_.path();
};

TEST_F(ChannelFileTest, StoreThenLoadGivesTheSameBytes) {
    const RadioImage image = Pattern();
    ASSERT_TRUE(StoreChannelFile(Path("a.sin"), image).Ok());
    const std::vector<std::uint8_t> bytes = ReadBytes(Path("a.sin"));
    ASSERT_EQ(bytes.size(), kImageSize);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), image.begin()));
    RadioImage loaded{};
    ASSERT_TRUE(LoadChannelFile(Path("a.sin"), loaded).Ok());
    EXPECT_EQ(loaded, image);
}

TEST_F(ChannelFileTest, ShortFileIsRefusedAndTheImageKept) {
    const RadioImage before = Pattern();
    for (std::size_t size : {std::size_t{0}, std::size_t{1}, kImageSize - 1}) {
        WriteBytes(Path("short.sin"), std::vector<std::uint8_t>(size, 0x11));
        RadioImage image = before;
        const FileResult result = LoadChannelFile(Path("short.sin"), image);
        EXPECT_EQ(result.error, FileError::TooShort) << size;
        EXPECT_EQ(image, before);
    }
}

TEST_F(ChannelFileTest, LongerFileLoadsItsFirstImageBytes) {
    std::vector<std::uint8_t> bytes(kImageSize + 500);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<std::uint8_t>(i);
    }
    WriteBytes(Path("long.sin"), bytes);
    RadioImage image{};
    ASSERT_TRUE(LoadChannelFile(Path("long.sin"), image).Ok());
    EXPECT_TRUE(std::equal(image.begin(), image.end(), bytes.begin()));
}

TEST_F(ChannelFileTest, MissingFileAndDirectoryAreRefused) {
    RadioImage image = Pattern();
    FileResult result = LoadChannelFile(Path("missing.sin"), image);
    EXPECT_EQ(result.error, FileError::OpenFailed);
    EXPECT_EQ(result.systemError, ENOENT);
    result = LoadChannelFile(dir_, image);
    EXPECT_EQ(result.error, FileError::OpenFailed);
    EXPECT_EQ(result.systemError, EISDIR);
    EXPECT_EQ(image, Pattern());
}

TEST_F(ChannelFileTest, SaveIntoMissingDirectoryFails) {
    const FileResult result = StoreChannelFile(Path("no/such/dir/a.sin"), Pattern());
    EXPECT_EQ(result.error, FileError::CreateFailed);
    EXPECT_EQ(result.systemError, ENOENT);
}

// A save that fails at any step leaves the old file byte for byte and no temporary file.
TEST_F(ChannelFileTest, FailedSaveKeepsTheOldFile) {
    const std::vector<std::uint8_t> old(kImageSize, 0x42);
    struct Failure {
        const char* step;
        FileSystemCalls calls;
    };
    // Half the image goes out, then the disk is full.
    const Failure failures[] = {{"write", testing::DiskFullAfter(kImageSize / 2)},
                                {"fsync", testing::FlushFails()},
                                {"rename", testing::RenameFails(EXDEV)}};
    for (const Failure& failure : failures) {
        WriteBytes(Path("keep.sin"), old);
        const RadioImage image = Pattern();
        const FileResult result =
            WriteFileAtomically(Path("keep.sin"), image.data(), image.size(), failure.calls);
        EXPECT_EQ(result.error, FileError::WriteFailed) << failure.step;
        EXPECT_NE(result.systemError, 0) << failure.step;
        EXPECT_EQ(ReadBytes(Path("keep.sin")), old) << failure.step;
        EXPECT_EQ(Entries(), std::vector<std::string>{"keep.sin"}) << failure.step;
    }
}

// A real file-size limit, which even root cannot write past: the save fails with EFBIG.
TEST_F(ChannelFileTest, FileSizeLimitFailsTheSaveCleanly) {
    const std::vector<std::uint8_t> old(kImageSize, 0x42);
    WriteBytes(Path("limit.sin"), old);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1000, 1000};
        setrlimit(RLIMIT_FSIZE, &limit);
        const FileResult result = StoreChannelFile(Path("limit.sin"), Pattern());
        _exit(result.error == FileError::WriteFailed && result.systemError == EFBIG ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ReadBytes(Path("limit.sin")), old);
    EXPECT_EQ(Entries(), std::vector<std::string>{"limit.sin"});
}

TEST_F(ChannelFileTest, SaveKeepsPermissionsAndFollowsSymbolicLinks) {
    WriteBytes(Path("real.sin"), std::vector<std::uint8_t>(kImageSize, 0));
    ASSERT_EQ(chmod(Path("real.sin").c_str(), 0640), 0);
    ASSERT_EQ(symlink("real.sin", Path("link.sin").c_str()), 0);
    ASSERT_TRUE(StoreChannelFile(Path("link.sin"), Pattern()).Ok());
    struct stat info {};
    ASSERT_EQ(lstat(Path("link.sin").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    ASSERT_EQ(stat(Path("real.sin").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    RadioImage loaded{};
    ASSERT_TRUE(LoadChannelFile(Path("real.sin"), loaded).Ok());
    EXPECT_EQ(loaded, Pattern());
}

// A FIFO (which a blocking open would wait on for ever) and a device are refused at once, as
// inputs and as targets; a target left alone stays what it was.
TEST_F(ChannelFileTest, OnlyRegularFilesAreReadOrReplaced) {
    ASSERT_EQ(mkfifo(Path("pipe").c_str(), 0644), 0);
    for (const std::string& path : {Path("pipe"), std::string("/dev/null")}) {
        RadioImage image = Pattern();
        EXPECT_EQ(LoadChannelFile(path, image).error, FileError::NotRegular) << path;
        EXPECT_EQ(image, Pattern());
    }
    EXPECT_EQ(StoreChannelFile(Path("pipe"), Pattern()).error, FileError::NotRegular);
    ASSERT_EQ(symlink("/dev/null", Path("null.sin").c_str()), 0);
    EXPECT_EQ(StoreChannelFile(Path("null.sin"), Pattern()).error, FileError::NotRegular);
    struct stat info {};
    ASSERT_EQ(lstat(Path("pipe").c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    ASSERT_EQ(stat("/dev/null", &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode));
}

// A mode without write bits says "do not change this file", to root as well; the folder's
// permission to rename over it is no permission to replace it.
TEST_F(ChannelFileTest, ReadOnlyTargetIsRefusedAndLeftAlone) {
    const std::vector<std::uint8_t> old(kImageSize, 0x42);
    WriteBytes(Path("locked.sin"), old);
    ASSERT_EQ(chmod(Path("locked.sin").c_str(), 0444), 0);
    const FileResult result = StoreChannelFile(Path("locked.sin"), Pattern());
    EXPECT_EQ(result.error, FileError::ReadOnly);
    EXPECT_NE(result.systemError, 0);
    EXPECT_EQ(CheckSaveTarget(Path("locked.sin")).error, FileError::ReadOnly);
    EXPECT_EQ(ReadBytes(Path("locked.sin")), old);
    EXPECT_EQ(Entries(), std::vector<std::string>{"locked.sin"});
}

// What a read from the radio checks before it starts: the folder and the file it will save to.
TEST_F(ChannelFileTest, SaveTargetIsCheckedBeforeTheWork) {
    EXPECT_TRUE(CheckSaveTarget(Path("new.sin")).Ok());
    WriteBytes(Path("old.sin"), {1, 2, 3});
    EXPECT_TRUE(CheckSaveTarget(Path("old.sin")).Ok());
    FileResult result = CheckSaveTarget(Path("missing/dir/x.sin"));
    EXPECT_EQ(result.error, FileError::CreateFailed);
    EXPECT_EQ(result.systemError, ENOENT);
    result = CheckSaveTarget(Path("old.sin/x.sin"));
    EXPECT_EQ(result.error, FileError::CreateFailed);
    EXPECT_EQ(result.systemError, ENOTDIR);
    ASSERT_EQ(mkfifo(Path("pipe").c_str(), 0644), 0);
    EXPECT_EQ(CheckSaveTarget(Path("pipe")).error, FileError::NotRegular);
    EXPECT_FALSE(CheckSaveTarget(dir_).Ok());
}

// A name near the system's longest still saves (its temporary file has a short name), and a
// link to a file not made yet is followed: the file is made, the link stays a link. Links in a
// loop are refused and stay links.
TEST_F(ChannelFileTest, LongNamesAndLinksToFilesNotMadeYet) {
    const std::string longName = std::string(250, 'n') + ".sin";
    ASSERT_TRUE(StoreChannelFile(Path(longName), Pattern()).Ok());
    RadioImage loaded{};
    ASSERT_TRUE(LoadChannelFile(Path(longName), loaded).Ok());
    EXPECT_EQ(loaded, Pattern());

    ASSERT_EQ(mkdir(Path("elsewhere").c_str(), 0755), 0);
    ASSERT_EQ(symlink("elsewhere/later.sin", Path("link.sin").c_str()), 0);
    ASSERT_EQ(symlink("link.sin", Path("chain.sin").c_str()), 0);
    ASSERT_TRUE(StoreChannelFile(Path("chain.sin"), Pattern()).Ok());
    struct stat info {};
    ASSERT_EQ(lstat(Path("chain.sin").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    ASSERT_EQ(lstat(Path("link.sin").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    EXPECT_EQ(ReadBytes(Path("elsewhere/later.sin")).size(), kImageSize);

    ASSERT_EQ(symlink("loop-b.sin", Path("loop-a.sin").c_str()), 0);
    ASSERT_EQ(symlink("loop-a.sin", Path("loop-b.sin").c_str()), 0);
    EXPECT_FALSE(StoreChannelFile(Path("loop-a.sin"), Pattern()).Ok());
    ASSERT_EQ(lstat(Path("loop-a.sin").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
}

// A link in a shared folder (sticky, writable by all, as /tmp) is followed as the system follows
// one: the user's own link is, another user's is not, and the file it names stays as it was.
// Another user's link in a folder that is not shared is followed.
TEST_F(ChannelFileTest, LinksInSharedFoldersAreFollowedOnlyAsTheSystemFollowsThem) {
    const std::vector<std::uint8_t> old(kImageSize, 0x42);
    WriteBytes(Path("victim"), old);
    ASSERT_EQ(mkdir(Path("shared").c_str(), 0755), 0);
    ASSERT_EQ(chmod(Path("shared").c_str(), 01777), 0);
    ASSERT_EQ(symlink(Path("mine.sin").c_str(), Path("shared/own.sin").c_str()), 0);
    ASSERT_TRUE(StoreChannelFile(Path("shared/own.sin"), Pattern()).Ok());
    EXPECT_EQ(ReadBytes(Path("mine.sin")).size(), kImageSize);

    ASSERT_EQ(symlink(Path("victim").c_str(), Path("shared/x.sin").c_str()), 0);
    ASSERT_EQ(symlink(Path("victim").c_str(), Path("private.sin").c_str()), 0);
    if (!testing::GiveLinkToAnotherUser(Path("shared/x.sin")) ||
        !testing::GiveLinkToAnotherUser(Path("private.sin"))) {
        GTEST_SKIP() << testing::kNeedsAnotherUser;
    }
    for (const std::string& path : {Path("shared/x.sin"), Path("shared/../shared/x.sin")}) {
        EXPECT_EQ(StoreChannelFile(path, Pattern()).error, FileError::ForeignLink) << path;
        EXPECT_EQ(CheckSaveTarget(path).error, FileError::ForeignLink) << path;
    }
    // A link to that link, made by the user in a folder of the user's own, leads there too, and
    // so does another user's link to a folder on the way.
    ASSERT_EQ(symlink(Path("shared/x.sin").c_str(), Path("via.sin").c_str()), 0);
    EXPECT_EQ(StoreChannelFile(Path("via.sin"), Pattern()).error, FileError::ForeignLink);
    ASSERT_EQ(symlink(dir_.c_str(), Path("shared/dir").c_str()), 0);
    ASSERT_TRUE(testing::GiveLinkToAnotherUser(Path("shared/dir")));
    EXPECT_EQ(StoreChannelFile(Path("shared/dir/victim"), Pattern()).error, FileError::ForeignLink);
    EXPECT_EQ(ReadBytes(Path("victim")), old);
    struct stat info {};
    ASSERT_EQ(lstat(Path("shared/x.sin").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));

    ASSERT_TRUE(StoreChannelFile(Path("private.sin"), Pattern()).Ok());
    RadioImage loaded{};
    ASSERT_TRUE(LoadChannelFile(Path("victim"), loaded).Ok());
    EXPECT_EQ(loaded, Pattern());
}

// Standard output named as a file is a stream, whatever it is connected to: a save never renames
// over the log it appends to.
TEST_F(ChannelFileTest, DescriptorsAreNoFilesToReplace) {
    WriteBytes(Path("log.txt"), {'l', 'o', 'g', '\n'});
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const int log = open(Path("log.txt").c_str(), O_WRONLY | O_APPEND);
        dup2(log, STDOUT_FILENO);
        const bool refused =
            StoreChannelFile("/dev/stdout", Pattern()).error == FileError::NotRegular &&
            StoreChannelFile("/dev/fd/1", Pattern()).error == FileError::NotRegular;
        _exit(refused ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ReadBytes(Path("log.txt")), (std::vector<std::uint8_t>{'l', 'o', 'g', '\n'}));
}

// The rename is kept through a power cut only once the folder is flushed after it: the save
// opens the folder and flushes it through the calls it was given, after the rename.
TEST_F(ChannelFileTest, TheFolderIsFlushedAfterTheRename) {
    std::vector<std::string> steps;
    int folderFd = -1;
    FileSystemCalls calls = FileSystemCalls::Posix();
    calls.open = [&](const char* path, int flags, mode_t mode) {
        const int fd = ::open(path, flags, mode);
        if ((flags & O_DIRECTORY) != 0) {
            folderFd = fd;
            steps.push_back(std::string("open folder ") + path);
        }
        return fd;
    };
    calls.fsync = [&](int fd) {
        steps.push_back(fd == folderFd ? "flush folder" : "flush file");
        return ::fsync(fd);
    };
    calls.rename = [&](const char* from, const char* to) {
        steps.push_back("rename");
        return ::rename(from, to);
    };
    const RadioImage image = Pattern();
    ASSERT_TRUE(WriteFileAtomically(Path("a.sin"), image.data(), image.size(), calls).Ok());
    EXPECT_EQ(steps, (std::vector<std::string>{"flush file", "rename", "open folder " + dir_,
                                               "flush folder"}));
}

// A save killed half way leaves its temporary file; the next save into the folder removes it
// once the process that made it is gone, and leaves a running save's file alone.
TEST_F(ChannelFileTest, TemporaryFilesOfEndedSavesAreRemoved) {
    const pid_t ended = fork();
    ASSERT_GE(ended, 0);
    if (ended == 0) {
        _exit(0);
    }
    waitpid(ended, nullptr, 0);
    const std::string left = ".tevano-" + std::to_string(ended) + "-3.tmp";
    const std::string running = ".tevano-" + std::to_string(getppid()) + "-0.tmp";
    WriteBytes(Path(left), {1, 2, 3});
    WriteBytes(Path(running), {1, 2, 3});
    ASSERT_TRUE(StoreChannelFile(Path("a.sin"), Pattern()).Ok());
    std::vector<std::string> names = Entries();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{running, "a.sin"}));
}

} // namespace
} // namespace tevano
