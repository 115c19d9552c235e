// A temporary folder for tests on real files, removed with everything in it when the test ends.
#pragma once

#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace vorlex::test {

/// Creates a fresh folder under $TMPDIR (or /tmp); removes it again, making it writable first.
struct TempDir {
    std::string path;

    TempDir() {
        std::string base = std::filesystem::temp_directory_path().string() + "/vorlex-test-XXXXXX";
        char* made = mkdtemp(base.data());
        path = made != nullptr ? made : "";
    }
    ~TempDir() {
        std::error_code ec;
        // Restore permissions a test may have taken away, so the folder can go.
        for (auto it = std::filesystem::recursive_directory_iterator(
                 path, std::filesystem::directory_options::skip_permission_denied, ec);
             !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
            if (it->is_directory(ec) && !it->is_symlink(ec)) {
                chmod(it->path().c_str(), 0700);
            }
        }
        chmod(path.c_str(), 0700);
        std::filesystem::remove_all(path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    /// Creates (with parents) the file `rel` holding `content`; returns its full path.
    std::string File(const std::string& rel, const std::string& content = "") const {
        std::filesystem::path p = std::filesystem::path(path) / rel;
        std::filesystem::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << content;
        return p.string();
    }
    /// Creates (with parents) the folder `rel`; returns its full path.
    std::string Dir(const std::string& rel) const {
        std::filesystem::path p = std::filesystem::path(path) / rel;
        std::filesystem::create_directories(p);
        return p.string();
    }
    /// The content of the file `rel`.
    std::string Read(const std::string& rel) const {
        std::ifstream in(std::filesystem::path(path) / rel, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
};

}  // namespace vorlex::test
