// A full disk for one test: a small file-size limit (RLIMIT_FSIZE), so writes past it fail with EFBIG.
#pragma once

#include <signal.h>
#include <sys/resource.h>

#include <filesystem>
#include <set>
#include <string>

namespace vorlex::test {

/// Lowers the soft file-size limit of the process while alive; SIGXFSZ is ignored meanwhile, so a write
/// past the limit fails with EFBIG instead of ending the process. Works for root too.
class ScopedFileSizeLimit {
  public:
    explicit ScopedFileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = signal(SIGXFSZ, SIG_IGN);
        struct rlimit lower = old_;
        lower.rlim_cur = bytes;
        ok_ = setrlimit(RLIMIT_FSIZE, &lower) == 0;
    }
    ~ScopedFileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        signal(SIGXFSZ, oldHandler_);
    }
    ScopedFileSizeLimit(const ScopedFileSizeLimit&) = delete;
    ScopedFileSizeLimit& operator=(const ScopedFileSizeLimit&) = delete;

    /// True when the limit is in force.
    bool Ok() const { return ok_; }

  private:
    struct rlimit old_ {};
    sighandler_t oldHandler_ = SIG_DFL;
    bool ok_ = false;
};

/// The names of the entries of the folder `dir`.
inline std::set<std::string> EntryNames(const std::string& dir) {
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir)) {
        names.insert(e.path().filename().string());
    }
    return names;
}

}  // namespace vorlex::test
