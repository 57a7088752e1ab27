#include "radiolink/CableAccess.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <grp.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <vector>

namespace tevano {

namespace {

// Whether the file's access list gives the user read and write: the list as the kernel keeps it,
// a version word, then entries of tag, permissions and id.
bool AclGivesUser(const std::string& file, uid_t uid) {
    std::array<unsigned char, 1024> list{};
    const ssize_t got = getxattr(file.c_str(), "system.posix_acl_access", list.data(), list.size());
    if (got < 4) {
        return false;
    }
    const auto size = static_cast<std::size_t>(got);
    constexpr unsigned kUserTag = 0x02;
    for (std::size_t at = 4; at + 8 <= size; at += 8) {
        const auto word = [&list](std::size_t from, int bytes) {
            unsigned value = 0;
            for (int i = bytes - 1; i >= 0; --i) {
                value = (value << 8) | list[from + static_cast<std::size_t>(i)];
            }
            return value;
        };
        const unsigned tag = word(at, 2);
        const unsigned perm = word(at + 2, 2);
        const unsigned id = word(at + 4, 4);
        if (tag == kUserTag && id == uid && (perm & 6) == 6) {
            return true;
        }
    }
    return false;
}

std::string GroupName(gid_t group, const std::string& root) {
    // A copied tree brings its own list of groups; the machine's names would be wrong for it.
    if (!root.empty()) {
        std::ifstream groups(root + "/etc/group");
        for (std::string line; std::getline(groups, line);) {
            const std::size_t first = line.find(':');
            const std::size_t second = line.find(':', first == std::string::npos ? 0 : first + 1);
            const std::size_t third = line.find(':', second == std::string::npos ? 0 : second + 1);
            if (third != std::string::npos &&
                line.substr(second + 1, third - second - 1) == std::to_string(group)) {
                return line.substr(0, first);
            }
        }
        return "";
    }
    std::vector<char> buffer(16384);
    struct group entry {};
    struct group* found = nullptr;
    if (getgrgid_r(group, &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr ||
        found->gr_name == nullptr) {
        return "";
    }
    return found->gr_name;
}

} // namespace

DeviceAccess AccessToDevice(const std::string& file, const ScanPlace& place) {
    DeviceAccess result;
    struct stat info {};
    if (stat(file.c_str(), &info) != 0) {
        return result;
    }
    result.group = GroupName(info.st_gid, place.root);
    const bool groupMember =
        std::find(place.groups.begin(), place.groups.end(), info.st_gid) != place.groups.end();
    if (place.uid == 0) {
        result.access = PortAccess::AsRoot;
    } else if (info.st_uid == place.uid &&
               (info.st_mode & (S_IRUSR | S_IWUSR)) == (S_IRUSR | S_IWUSR)) {
        result.access = PortAccess::AsOwner;
    } else if (AclGivesUser(file, place.uid)) {
        result.access = PortAccess::ByAcl;
    } else if (groupMember && (info.st_mode & (S_IRGRP | S_IWGRP)) == (S_IRGRP | S_IWGRP)) {
        result.access = PortAccess::ByGroup;
    } else if ((info.st_mode & (S_IROTH | S_IWOTH)) == (S_IROTH | S_IWOTH)) {
        result.access = PortAccess::ForEveryone;
    } else {
        result.access = PortAccess::Refused;
    }
    return result;
}

} // namespace tevano
