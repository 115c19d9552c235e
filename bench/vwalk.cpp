// Times the program's own scan walk (and, with -i, its directory inventory) over a tree; with -a, the
// platform walker entering every directory, hidden ones included, which visits the same entries as cwalk.c.
// Build after the core library (one command, from the source folder):
//   g++ -std=c++20 -O2 -D_GNU_SOURCE -Isrc bench/vwalk.cpp build/libvorlex_core.a build/libplatform.a
//       build/libbase.a -lbacktrace -o vwalk
// Usage: vwalk DIR [-i | -a]
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "base/LogSink.h"
#include "platform/DirWalk.h"
#include "platform/Time.h"
#include "scan/ScanWalk.h"

namespace {

class NullLog final : public vorlex::base::LogSink {
  public:
    void WriteLog(std::string_view message, vorlex::base::LogColour, vorlex::base::LogStyle) override {
        std::fprintf(stderr, "%.*s\n", static_cast<int>(message.size()), message.data());
    }
    void WriteDebugLog(std::string_view) override {}
    bool DebugMode() const override { return false; }
};

class Host final : public vorlex::scan::WalkHost {
  public:
    vorlex::base::LogSink& Log() override { return log_; }
    bool StopRequested() const override { return false; }
    void KeepAlive() override {}

  private:
    NullLog log_;
};

// Counts like cwalk.c: every entry, every directory entered.
class AllVisitor final : public vorlex::platform::WalkVisitor {
  public:
    explicit AllVisitor(std::int64_t cutoff) : cutoff_(cutoff) {}
    vorlex::platform::WalkControl OnEntry(const vorlex::platform::WalkEntry& e) override {
        if (e.facts.kind == vorlex::platform::EntryKind::Directory) {
            ++dirs;
        } else {
            ++files;
            bytes += e.facts.size;
            old += e.facts.created.sec <= cutoff_ && e.facts.modified.sec <= cutoff_;
        }
        return vorlex::platform::WalkControl::Continue;
    }
    vorlex::platform::WalkControl AfterEntries(std::string_view) override {
        return vorlex::platform::WalkControl::Continue;
    }
    bool ShouldEnter(std::string_view, std::string_view, bool) override { return true; }
    void OnAccessDenied(std::string_view) override { ++errors; }
    void OnMountPointSkipped(std::string_view) override {}
    std::uint64_t files = 0, dirs = 0, bytes = 0, old = 0, errors = 0;

  private:
    std::int64_t cutoff_;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s DIR [-i]\n", argv[0]);
        return 2;
    }
    Host host;
    const std::int64_t cutoff = vorlex::platform::SystemClock().Now().sec - 30 * 86400;
    std::uint64_t files = 0, bytes = 0, old = 0;
    auto t0 = std::chrono::steady_clock::now();
    if (argc > 2 && std::strcmp(argv[2], "-a") == 0) {
        AllVisitor all(cutoff);
        vorlex::platform::WalkTree(vorlex::platform::NormalizeDirectoryPath(argv[1]), all);
        double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        std::printf("%llu files, %llu directories, %llu bytes, %llu old by 30 days, %llu errors\n",
                    static_cast<unsigned long long>(all.files), static_cast<unsigned long long>(all.dirs),
                    static_cast<unsigned long long>(all.bytes), static_cast<unsigned long long>(all.old),
                    static_cast<unsigned long long>(all.errors));
        std::printf("%.3f s, %.0f entries/s\n", s, static_cast<double>(all.files + all.dirs) / s);
        return 0;
    }
    vorlex::scan::ScanTree(argv[1], host, [&](const vorlex::scan::FileVisit& f) {
        ++files;
        bytes += f.facts.size;
        old += f.facts.created.sec <= cutoff && f.facts.modified.sec <= cutoff;
    });
    double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::printf("scan: %llu files, %llu bytes, %llu old by 30 days: %.3f s, %.0f files/s\n",
                static_cast<unsigned long long>(files), static_cast<unsigned long long>(bytes),
                static_cast<unsigned long long>(old), s, static_cast<double>(files) / s);
    if (argc > 2 && std::strcmp(argv[2], "-i") == 0) {
        vorlex::scan::DirListBox rows;
        t0 = std::chrono::steady_clock::now();
        vorlex::scan::ListDirectories(argv[1], host, rows);
        s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        std::printf("inventory: %zu directories: %.3f s\n", rows.size(), s);
    }
    return 0;
}
