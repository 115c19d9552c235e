// Files for tests: existence without following links, whole contents, times and directory listings.
#pragma once

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cstdint>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

namespace vorlex::test {

/// True when `path` itself exists (a dangling link counts).
inline bool Exists(const std::string& path) {
    struct stat st {};
    return lstat(path.c_str(), &st) == 0;
}

/// The content of the file at `path` (empty when it cannot be read).
inline std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

/// Writes `content` to `path` (created or truncated); true on success.
inline bool WriteFile(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    return static_cast<bool>(out.flush());
}

/// Sets the modified and accessed times of `path` itself (a link is not followed).
inline void SetTimes(const std::string& path, std::int64_t sec, long nsec = 0) {
    struct timespec ts[2] = {{static_cast<time_t>(sec), nsec}, {static_cast<time_t>(sec), nsec}};
    utimensat(AT_FDCWD, path.c_str(), ts, AT_SYMLINK_NOFOLLOW);
}

/// The names in the directory `path`, "." and ".." left out.
inline std::set<std::string> Names(const std::string& path) {
    std::set<std::string> names;
    if (DIR* dir = opendir(path.c_str())) {
        while (dirent* e = readdir(dir)) {
            const std::string n = e->d_name;
            if (n != "." && n != "..") {
                names.insert(n);
            }
        }
        closedir(dir);
    }
    return names;
}

}  // namespace vorlex::test
