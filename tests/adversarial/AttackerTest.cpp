// A user without privileges who owns the scanned folder (a scratch folder in a shared sticky folder) swaps
// it for a link to another tree, or has it covered by a bind mount, once root's run has begun deleting.
#include <sys/mount.h>
#include <sys/wait.h>

#include <atomic>
#include <thread>

#include "AdversarialSupport.h"

namespace vorlex::adv {
namespace {

constexpr uid_t kNobody = 65534;
constexpr int kListedFiles = 3000;

/// base (0755) holds shared/ (root's, 1777) with scratch/ (nobody's, the scanned folder) in it, victim/
/// (root's, old empty folders that nothing may remove) and the program's own folder.
struct SharedScene {
    Scene s;
    std::string shared = s.base.path + "/shared";
    std::string scratch = shared + "/scratch";
    std::string victim = s.base.path + "/victim";

    SharedScene() {
        chmod(s.base.path.c_str(), 0755);
        std::filesystem::create_directories(shared);
        chmod(shared.c_str(), 01777);
        for (const char* d : {"e1", "e2", "deep/e3", "deep/er/e4"}) {
            std::filesystem::create_directories(victim + "/" + d);
        }
        WriteFile(victim + "/keep.dat", "root's");
    }

    /// A fresh scratch folder of nobody's: old files to delete and empty folders to remove.
    void Fill() const {
        std::filesystem::create_directories(scratch + "/empty/inner");
        std::filesystem::create_directories(scratch + "/files");
        for (int i = 0; i < kListedFiles; ++i) {
            WriteFile(scratch + "/files/f" + std::to_string(i), "x");
        }
        for (const auto& e : std::filesystem::recursive_directory_iterator(scratch)) {
            lchown(e.path().c_str(), kNobody, kNobody);
        }
        lchown(scratch.c_str(), kNobody, kNobody);
    }

    /// Waits until the results file of the scan exists (the deletion begins right after it), then runs
    /// `script` with sh as nobody. Returns the attacker's process id.
    pid_t AttackAfterScan(const std::string& script) const {
        const std::string trigger = s.prog.CsvPath();
        const std::string body = "while [ ! -e '" + trigger + "' ]; do :; done; " + script;
        std::fflush(nullptr);
        const pid_t pid = fork();
        if (pid == 0) {
            execl("/usr/bin/setpriv", "setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", "--",
                  "/bin/sh", "-c", body.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        return pid;
    }
};

int WaitExit(pid_t pid) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(UnprivilegedOwner, SwappingTheScannedFolderForALinkNeverReachesTheOtherTree) {
    ADV_REQUIRE_ROOT("run as root against a folder owned by another user");
    if (access("/usr/bin/setpriv", X_OK) != 0) {
        GTEST_SKIP() << "setpriv is missing";
    }
    SharedScene t;
    const Snapshot before = TakeSnapshot(t.victim);
    int refused = 0;
    constexpr int kRounds = 8;
    for (int round = 0; round < kRounds; ++round) {
        std::filesystem::remove_all(t.scratch);
        std::filesystem::remove_all(t.shared + "/scratch.real");
        std::filesystem::remove(t.s.prog.CsvPath());
        t.Fill();
        const pid_t attacker =
            t.AttackAfterScan("mv '" + t.scratch + "' '" + t.shared + "/scratch.real' && ln -s '" + t.victim +
                              "' '" + t.scratch + "'");
        const RunResult r = t.s.prog.Run({t.scratch, "1"});
        ASSERT_EQ(WaitExit(attacker), 0) << "the attacker could not swap the folder";

        ASSERT_EQ(SnapshotDifferences(before, TakeSnapshot(t.victim)), "") << "round " << round;
        const auto log = LogLines(t.s.prog.LogPath());
        // The swap may land while the name is missing (between the move and the link) or after the link.
        const bool refusal = !LinesWith(log, "; deletion stopped.").empty();
        EXPECT_TRUE(LinesWith(log, "Deleted empty directory: " + t.scratch + "/e").empty()) << Joined(log);
        // A run that had to stop says so and does not report success.
        EXPECT_FALSE(r.timedOut) << r.Describe();
        EXPECT_EQ(r.exitCode, refusal ? 1 : 0) << r.Describe();
        if (refusal) {
            ++refused;
            EXPECT_NE(r.err.find("; deletion stopped."), std::string::npos) << r.err;
        }
        std::filesystem::remove(t.scratch);  // the link
    }
    EXPECT_GT(refused, 0) << "no swap landed between the scan and the empty-folder pass";
}

TEST(UnprivilegedOwner, ABindMountOverTheScannedFolderAfterTheScanIsRefused) {
    ADV_REQUIRE_ROOT("bind-mount a folder");
    SharedScene t;
    t.Fill();
    const Snapshot before = TakeSnapshot(t.victim);
    std::atomic<bool> mounted{false};
    std::atomic<bool> done{false};
    std::thread binder([&] {
        while (!done && !Exists(t.s.prog.CsvPath())) {
        }
        if (!done && mount(t.victim.c_str(), t.scratch.c_str(), nullptr, MS_BIND, nullptr) == 0) {
            mounted = true;
        }
    });
    const RunResult r = t.s.prog.Run({t.scratch, "1"});
    done = true;
    binder.join();
    if (!mounted) {
        GTEST_SKIP() << "the bind mount could not be made here";
    }
    umount2(t.scratch.c_str(), MNT_DETACH);
    EXPECT_EQ(SnapshotDifferences(before, TakeSnapshot(t.victim)), "");
    const auto log = LogLines(t.s.prog.LogPath());
    EXPECT_FALSE(LinesWith(log, "is no longer the folder that was scanned; deletion stopped.").empty())
        << Joined(log);
    ADV_EXPECT_FINISHED(r, 1);
}

}  // namespace
}  // namespace vorlex::adv
