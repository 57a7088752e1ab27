// The backups of completed reads: where they go after the XDG rules, names that sort by time and
// never collide, the image kept byte for byte in a folder only the user can read, the newest 50
// kept, other files left alone, and a failure that is reported rather than thrown.

#include "radiolink/ReadBackups.h"
#include "support/EnvironmentGuard.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tevano {
namespace {

using std::chrono::milliseconds;
using std::chrono::system_clock;

// 2024-01-31 14:25:01.123 UTC.
const system_clock::time_point kReadAt = system_clock::time_point(milliseconds(1706711101123));

RadioImage Pattern(std::uint8_t seed) {
    RadioImage image{};
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<std::uint8_t>(i * 7 + seed);
    }
    return image;
}

std::string NameOf(const std::string& path) {
    return path.substr(path.rfind('/') + 1);
}

std::vector<std::string> Names(const std::vector<std::string>& paths) {
    std::vector<std::string> names;
    std::transform(paths.begin(), paths.end(), std::back_inserter(names), NameOf);
    return names;
}

TEST(ReadBackupsTest, FolderFollowsXdgDataHomeThenHome) {
    testing::EnvironmentGuard environment;
    environment.Set("HOME", "/home/ham");
    environment.Set("XDG_DATA_HOME", "/data/ham/");
    EXPECT_EQ(BackupDirectory(), "/data/ham/tevano/backups");
    // A relative XDG_DATA_HOME is to be ignored, as is an empty one.
    environment.Set("XDG_DATA_HOME", "data");
    EXPECT_EQ(BackupDirectory(), "/home/ham/.local/share/tevano/backups");
    environment.Set("XDG_DATA_HOME", "");
    EXPECT_EQ(BackupDirectory(), "/home/ham/.local/share/tevano/backups");
    environment.Set("XDG_DATA_HOME", nullptr);
    environment.Set("HOME", nullptr);
    EXPECT_EQ(BackupDirectory(), "");
    const BackupResult result = SaveReadBackup(Pattern(1), BackupDirectory(), kReadAt);
    EXPECT_EQ(result.error, BackupError::NoDirectory);
    EXPECT_NE(BackupFailedText(result, Language::English).find("HOME"), std::string::npos);
}

TEST(ReadBackupsTest, NamesSortByTimeInUtc) {
    EXPECT_EQ(BackupFileName(kReadAt, 1), "read-20240131T142501.123Z.sin");
    EXPECT_EQ(BackupFileName(kReadAt, 2), "read-20240131T142501.123Z-2.sin");
    EXPECT_EQ(BackupFileName(system_clock::time_point(milliseconds(5)), 1),
              "read-19700101T000000.005Z.sin");
}

TEST(ReadBackupsTest, ReadIsKeptByteForByteInAFolderOnlyTheUserReads) {
    testing::TempDir temp;
    const std::string folder = temp.Path("share/tevano/backups");
    const RadioImage image = Pattern(3);
    const BackupResult result = SaveReadBackup(image, folder, kReadAt);
    ASSERT_TRUE(result.Ok()) << result.systemError;
    EXPECT_EQ(result.path, folder + "/read-20240131T142501.123Z.sin");
    EXPECT_EQ(testing::ReadBytes(result.path),
              std::vector<std::uint8_t>(image.begin(), image.end()));
    for (const std::string& made : {temp.Path("share"), temp.Path("share/tevano"), folder}) {
        struct stat info {};
        ASSERT_EQ(stat(made.c_str(), &info), 0) << made;
        EXPECT_EQ(info.st_mode & 0777, 0700u) << made;
    }
    struct stat info {};
    ASSERT_EQ(stat(result.path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_NE(BackupSavedText(result.path, Language::English).find(result.path), std::string::npos);
    EXPECT_NE(BackupSavedText(result.path, Language::Chinese).find(result.path), std::string::npos);
}

TEST(ReadBackupsTest, ReadsInTheSameMillisecondNeverOverwriteEachOther) {
    testing::TempDir temp;
    std::vector<std::string> saved;
    for (std::uint8_t seed = 0; seed < 11; ++seed) {
        const BackupResult result = SaveReadBackup(Pattern(seed), temp.path(), kReadAt);
        ASSERT_TRUE(result.Ok());
        saved.push_back(result.path);
    }
    // Oldest first: the sequence counts as a number, "-10" after "-9".
    EXPECT_EQ(ListBackups(temp.path()), saved);
    EXPECT_EQ(NameOf(saved[1]), "read-20240131T142501.123Z-2.sin");
    EXPECT_EQ(NameOf(saved[10]), "read-20240131T142501.123Z-11.sin");
    for (std::uint8_t seed = 0; seed < 11; ++seed) {
        const RadioImage image = Pattern(seed);
        EXPECT_EQ(testing::ReadBytes(saved[seed]),
                  std::vector<std::uint8_t>(image.begin(), image.end()));
    }
}

TEST(ReadBackupsTest, OnlyTheNewestFiftyBackupsAreKept) {
    testing::TempDir temp;
    // The user's own files in the folder are not backups and stay.
    for (const char* other :
         {"my-radio.sin", "read-notes.txt", "read-2024.sin", "read-20240131T142501.123Z-x.sin"}) {
        testing::WriteBytes(temp.Path(other), {1});
    }
    std::vector<std::string> names;
    for (int second = 0; second < 55; ++second) {
        const auto when = kReadAt + std::chrono::seconds(second);
        const BackupResult result = SaveReadBackup(Pattern(1), temp.path(), when);
        ASSERT_TRUE(result.Ok());
        names.push_back(NameOf(result.path));
    }
    const std::vector<std::string> kept = Names(ListBackups(temp.path()));
    EXPECT_EQ(kept, std::vector<std::string>(names.begin() + 5, names.end()));
    EXPECT_EQ(kept.front(), "read-20240131T142506.123Z.sin");
    for (const char* other :
         {"my-radio.sin", "read-notes.txt", "read-2024.sin", "read-20240131T142501.123Z-x.sin"}) {
        EXPECT_EQ(access(temp.Path(other).c_str(), F_OK), 0) << other;
    }

    // The backups above were made a day ago, as their names say.
    for (const std::string& path : ListBackups(temp.path())) {
        const timespec madeAgo[2] = {{time(nullptr) - 86400, 0}, {time(nullptr) - 86400, 0}};
        ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), madeAgo, 0), 0);
    }
    // A clock set back makes the next reads the oldest by name; they were made last all the same,
    // so each read deletes the oldest made, never the read before it.
    std::vector<std::string> early;
    for (const int hours : {48, 47}) {
        const BackupResult result =
            SaveReadBackup(Pattern(2), temp.path(), kReadAt - std::chrono::hours(hours));
        ASSERT_TRUE(result.Ok());
        early.push_back(NameOf(result.path));
    }
    const std::vector<std::string> afterEarly = Names(ListBackups(temp.path()));
    ASSERT_EQ(afterEarly.size(), 50u);
    EXPECT_EQ(std::vector<std::string>(afterEarly.end() - 2, afterEarly.end()), early);
    EXPECT_EQ(afterEarly.front(), names[7]);
}

// The backup is written through the file its save created: a link put in the place of its name
// between the create and the write leads nowhere, and the file it names stays as it was.
TEST(ReadBackupsTest, TheBackupIsWrittenThroughTheFileItsSaveCreated) {
    testing::TempDir temp;
    ASSERT_EQ(mkdir(temp.Path("backups").c_str(), 0700), 0);
    const std::vector<std::uint8_t> old(10, 0x42);
    testing::WriteBytes(temp.Path("victim"), old);
    FileSystemCalls calls = FileSystemCalls::Posix();
    bool swapped = false;
    calls.write = [&](int fd, const void* data, std::size_t size) {
        if (!swapped) {
            const std::string name = temp.Path("backups/" + BackupFileName(kReadAt, 1));
            swapped = unlink(name.c_str()) == 0 &&
                      symlink(temp.Path("victim").c_str(), name.c_str()) == 0;
        }
        return ::write(fd, data, size);
    };
    const BackupResult result = SaveReadBackup(Pattern(1), temp.Path("backups"), kReadAt,
                                               kBackupsKept, ReadKind::Whole, calls);
    ASSERT_TRUE(swapped);
    EXPECT_TRUE(result.Ok());
    EXPECT_EQ(testing::ReadBytes(temp.Path("victim")), old);
}

// A folder that another user owns, or that others may write in, keeps no backup: it is said,
// in both languages, and nothing is written there.
TEST(ReadBackupsTest, ASharedFolderKeepsNoBackup) {
    testing::TempDir temp;
    ASSERT_EQ(mkdir(temp.Path("backups").c_str(), 0700), 0);
    ASSERT_EQ(chmod(temp.Path("backups").c_str(), 0777), 0);
    const BackupResult result = SaveReadBackup(Pattern(1), temp.Path("backups"), kReadAt);
    EXPECT_EQ(result.error, BackupError::FolderShared);
    EXPECT_TRUE(ListBackups(temp.Path("backups")).empty());
    for (const Language language : {Language::English, Language::Chinese}) {
        const std::string text = BackupFailedText(result, language);
        EXPECT_NE(text.find(temp.Path("backups")), std::string::npos) << text;
        EXPECT_NE(text.find("chmod go-w"), std::string::npos) << text;
    }
}

TEST(ReadBackupsTest, AFolderThatCannotBeMadeIsReportedNotThrown) {
    testing::TempDir temp;
    testing::WriteBytes(temp.Path("share"), {1});
    const BackupResult result = SaveReadBackup(Pattern(1), temp.Path("share/tevano/backups"));
    EXPECT_EQ(result.error, BackupError::DirectoryFailed);
    EXPECT_EQ(result.systemError, ENOTDIR);
    EXPECT_TRUE(result.path.empty());
    const std::string english = BackupFailedText(result, Language::English);
    EXPECT_NE(english.find(temp.Path("share/tevano/backups")), std::string::npos) << english;
    EXPECT_NE(english.find("The read is complete"), std::string::npos) << english;
    EXPECT_NE(BackupFailedText(result, Language::Chinese).find("读取已完成"), std::string::npos);
}

} // namespace
} // namespace tevano
