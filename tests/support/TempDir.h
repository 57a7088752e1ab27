// A scratch directory for one test, removed with everything in it when the test ends,
// and the small file helpers the tests use in it.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace tevano::testing {

class TempDir {
public:
    TempDir() {
        char pattern[] = "/tmp/tevano-test-XXXXXX";
        if (mkdtemp(pattern) == nullptr) {
            ADD_FAILURE() << "cannot make a temporary directory";
        }
        path_ = pattern;
    }
    ~TempDir() { std::system(("rm -rf '" + path_ + "'").c_str()); }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string Path(const std::string& name) const { return path_ + "/" + name; }

    // The names in the directory, in no particular order.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        if (DIR* listing = opendir(path_.c_str())) {
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

private:
    std::string path_;
};

inline void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace tevano::testing
