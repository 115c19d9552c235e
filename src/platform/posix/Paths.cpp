#include "platform/Paths.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace vorlex::platform {

std::string WithTrailingSlash(std::string path) {
    if (path.empty() || path.back() != '/') {
        path.push_back('/');
    }
    return path;
}

std::string ProgramFolder() {
    std::vector<char> buf(4096);
    for (;;) {
        ssize_t n = readlink("/proc/self/exe", buf.data(), buf.size());
        if (n < 0) {
            return CurrentFolder();
        }
        if (static_cast<size_t>(n) < buf.size()) {
            std::string exe(buf.data(), static_cast<size_t>(n));
            auto slash = exe.rfind('/');
            return slash == std::string::npos ? CurrentFolder() : exe.substr(0, slash + 1);
        }
        buf.resize(buf.size() * 2);
    }
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

}  // namespace vorlex::platform
