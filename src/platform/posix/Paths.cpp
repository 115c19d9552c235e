#include "platform/Paths.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>
#include <vector>

namespace vorlex::platform {

std::string WithTrailingSlash(std::string path) {
    if (path.empty() || path.back() != '/') {
        path.push_back('/');
    }
    return path;
}

int ProgramFileIdentity(std::uint64_t& device, std::uint64_t& inode) {
    struct stat st {};
    if (stat("/proc/self/exe", &st) != 0) {
        return errno;
    }
    device = st.st_dev;
    inode = st.st_ino;
    return 0;
}

std::string ProgramFile() {
    std::vector<char> buf(4096);
    for (;;) {
        ssize_t n = readlink("/proc/self/exe", buf.data(), buf.size());
        if (n < 0) {
            return {};
        }
        if (static_cast<size_t>(n) < buf.size()) {
            return std::string(buf.data(), static_cast<size_t>(n));
        }
        buf.resize(buf.size() * 2);
    }
}

std::string ProgramFolder() {
    const std::string exe = ProgramFile();
    auto slash = exe.rfind('/');
    return slash == std::string::npos ? CurrentFolder() : exe.substr(0, slash + 1);
}

std::string CurrentFolder() {
    std::vector<char> buf(4096);
    while (getcwd(buf.data(), buf.size()) == nullptr) {
        if (errno != ERANGE) {
            return "/";
        }
        buf.resize(buf.size() * 2);
    }
    return WithTrailingSlash(buf.data());
}

bool DirectoryExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

int DeleteFile(const std::string& path) {
    struct stat st {};
    if (lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
        return EISDIR;
    }
    return unlink(path.c_str()) == 0 ? 0 : errno;
}

namespace {

// The process id in "PID-DIGITS", or 0 when `rest` has another form.
pid_t TemporaryCopyOwner(std::string_view rest) {
    const std::size_t dash = rest.find('-');
    if (dash == 0 || dash == std::string_view::npos || dash + 1 == rest.size() || dash > 9) {
        return 0;
    }
    pid_t pid = 0;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        const char c = rest[i];
        if (i == dash) {
            continue;
        }
        if (c < '0' || c > '9') {
            return 0;
        }
        if (i < dash) {
            pid = pid * 10 + (c - '0');
        }
    }
    return pid;
}

}  // namespace

int RemoveStaleTemporaryFiles(const std::string& folder, const std::vector<std::string>& names) {
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) {
        return 0;
    }
    int removed = 0;
    while (const dirent* entry = readdir(dir)) {
        const std::string_view name(entry->d_name);
        for (const std::string& own : names) {
            const std::string prefix = own + ".tmp";
            if (name.size() <= prefix.size() || name.substr(0, prefix.size()) != prefix) {
                continue;
            }
            const pid_t pid = TemporaryCopyOwner(name.substr(prefix.size()));
            // Only a process that is gone for certain (ESRCH) leaves a copy nobody will finish.
            const bool ownerGone = pid > 0 && pid != getpid() && kill(pid, 0) != 0 && errno == ESRCH;
            struct stat st {};
            if (!ownerGone || fstatat(dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 ||
                !S_ISREG(st.st_mode)) {
                break;
            }
            if (unlinkat(dirfd(dir), entry->d_name, 0) == 0) {
                ++removed;
            }
            break;
        }
    }
    closedir(dir);
    return removed;
}

}  // namespace vorlex::platform
