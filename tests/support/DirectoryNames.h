// The names in a directory, for the tests and the fuzz harnesses that look at what a save left
// behind. Needs no test framework.
#pragma once

#include <dirent.h>
#include <string>
#include <vector>

namespace tevano::testing {

// The names of the entries in `path` but "." and "..", in no particular order; none when it
// cannot be read.
inline std::vector<std::string> DirectoryNames(const std::string& path) {
    std::vector<std::string> names;
    if (DIR* listing = opendir(path.c_str())) {
        while (const dirent* item = readdir(listing)) {
            const std::string name = item->d_name;
            if (name != "." && name != "..") {
                names.push_back(name);
            }
        }
        closedir(listing);
    }
    return names;
}

} // namespace tevano::testing
