// Hostile entries among the old files: links, a hard link to another user's file, FIFOs, sockets and
// devices, locked and immutable entries, and links planted where the program writes its own files.
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/sysmacros.h>
#include <sys/un.h>

#include "AdversarialSupport.h"

namespace vorlex::adv {
namespace {

/// How LockHolder locks.
enum class LockKind {
    Flock,      ///< an exclusive flock
    Record,     ///< a POSIX record lock over the whole file (fcntl F_SETLK)
    OfdRecord,  ///< an open file description record lock over the whole file (F_OFD_SETLK), as SQLite takes
};

/// Takes a lock of `kind` on the open `fd`: a record lock is a write lock on a file opened for writing and a
/// read lock on a directory (which cannot be opened for writing). True when it is held.
inline bool TakeLock(int fd, LockKind kind, bool writable) {
    if (kind == LockKind::Flock) {
        return flock(fd, LOCK_EX | LOCK_NB) == 0;
    }
    struct flock lock {};
    lock.l_type = writable ? F_WRLCK : F_RDLCK;
    lock.l_whence = SEEK_SET;
    return fcntl(fd, kind == LockKind::Record ? F_SETLK : F_OFD_SETLK, &lock) == 0;
}

/// Another process that holds a lock of `kind` on each of `paths` (files or directories) until it is
/// destroyed.
class LockHolder {
  public:
    explicit LockHolder(const std::vector<std::string>& paths, LockKind kind = LockKind::Flock) {
        int ready[2];
        int release[2];
        if (pipe(ready) != 0 || pipe(release) != 0) {
            return;
        }
        pid_ = fork();
        if (pid_ == 0) {
            close(ready[0]);
            close(release[1]);
            for (const auto& p : paths) {
                const bool writable = kind != LockKind::Flock && !std::filesystem::is_directory(p);
                int fd = open(p.c_str(), (writable ? O_RDWR : O_RDONLY) | O_NOFOLLOW | O_CLOEXEC);
                if (fd < 0 || !TakeLock(fd, kind, writable)) {
                    _exit(3);
                }
            }
            char c = 1;
            if (write(ready[1], &c, 1) != 1) {
                _exit(4);
            }
            while (read(release[0], &c, 1) > 0) {
            }
            _exit(0);
        }
        close(ready[1]);
        close(release[0]);
        release_ = release[1];
        char c = 0;
        locked_ = read(ready[0], &c, 1) == 1;
        close(ready[0]);
    }
    ~LockHolder() {
        if (release_ >= 0) {
            close(release_);
        }
        if (pid_ > 0) {
            int status = 0;
            waitpid(pid_, &status, 0);
        }
    }
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;

    /// True once every lock is held.
    bool Locked() const { return locked_; }

  private:
    pid_t pid_ = -1;
    int release_ = -1;
    bool locked_ = false;
};

TEST(Links, LinksAmongTheOldFilesGoAndTheirTargetsNeverChange) {
    Scene s;
    ASSERT_TRUE(WriteFile(s.outside + "/target.txt", "target"));
    std::filesystem::create_directories(s.outside + "/dir/empty");
    ASSERT_TRUE(WriteFile(s.outside + "/dir/inner.txt", "inner"));
    std::filesystem::create_directories(s.tree + "/sub");
    ASSERT_TRUE(WriteFile(s.tree + "/old.dat", "old"));
    ASSERT_TRUE(WriteFile(s.tree + "/sub/old.dat", "old"));
    const std::vector<std::pair<std::string, std::string>> links = {
        {s.outside + "/target.txt", "to-file"},       {s.outside + "/dir", "to-dir"},
        {s.outside + "/missing.txt", "dangling"},     {"/", "to-root"},
        {"../../outside/target.txt", "sub/relative"}, {s.outside + "/dir/empty", "sub/to-empty-dir"},
    };
    for (const auto& [target, name] : links) {
        ASSERT_EQ(symlink(target.c_str(), (s.tree + "/" + name).c_str()), 0) << name;
    }
    const Snapshot before = TakeSnapshot(s.outside);

    RunResult r = s.prog.Run({s.tree, "1"});

    ADV_EXPECT_FINISHED(r, 0);
    EXPECT_EQ(SnapshotDifferences(before, TakeSnapshot(s.outside)), "");
    EXPECT_FALSE(Exists(s.outside + "/missing.txt")) << "a dangling link was written through";
    EXPECT_TRUE(Names(s.tree).empty()) << "links, files and the emptied folder all go";
    auto status = CsvStatus(s.prog.CsvPath());
    for (const auto& [target, name] : links) {
        EXPECT_EQ(status[s.tree + "/" + name], "Deleted") << name;
    }
    EXPECT_EQ(status[s.tree + "/sub/"], "Dir Deleted");
    auto log = LogLines(s.prog.LogPath());
    EXPECT_TRUE(HasLine(log, "8 files deleted.")) << Joined(log);
}

TEST(Links, AHardLinkToAnotherUsersFileGoesAndTheFileKeepsModeOwnerAndContent) {
    ADV_REQUIRE_ROOT("give a file to another user (chown 65534)");
    Scene s;
    const std::string owned = s.outside + "/owned.dat";
    ASSERT_TRUE(WriteFile(owned, "someone else's data"));
    ASSERT_EQ(chown(owned.c_str(), 65534, 65534), 0);
    ASSERT_EQ(chmod(owned.c_str(), 0640), 0);
    ASSERT_EQ(link(owned.c_str(), (s.tree + "/link.dat").c_str()), 0);
    ASSERT_TRUE(WriteFile(s.tree + "/mine.dat", "mine"));
    const Snapshot before = TakeSnapshot(s.outside);

    RunResult r = s.prog.Run({s.tree, "1"});

    ADV_EXPECT_FINISHED(r, 0);
    EXPECT_EQ(SnapshotDifferences(before, TakeSnapshot(s.outside)), "");
    struct stat st {};
    ASSERT_EQ(lstat(owned.c_str(), &st), 0);
    EXPECT_EQ(st.st_nlink, 1u) << "only the listed name in the tree went";
    EXPECT_FALSE(Exists(s.tree + "/link.dat"));
    EXPECT_EQ(CsvStatus(s.prog.CsvPath())[s.tree + "/link.dat"], "Deleted");
    auto log = LogLines(s.prog.LogPath());
    EXPECT_TRUE(HasLine(log, "2 files deleted.")) << Joined(log);
}

TEST(SpecialEntries, FifoSocketAndDeviceNamedLikeMatchingFilesNeverHangTheRun) {
    Scene s;
    ASSERT_EQ(mkfifo((s.tree + "/pipe.tmp").c_str(), 0644), 0);
    // A listening socket whose owner never accepts: connecting to it or reading it would block.
    int sock = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    ASSERT_GE(sock, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const std::string sockPath = s.tree + "/sock.tmp";
    ASSERT_LT(sockPath.size(), sizeof addr.sun_path);
    std::memcpy(addr.sun_path, sockPath.c_str(), sockPath.size() + 1);
    ASSERT_EQ(bind(sock, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    ASSERT_EQ(listen(sock, 1), 0);
    std::vector<std::string> names = {"pipe.tmp", "sock.tmp", "plain.tmp"};
    ASSERT_TRUE(WriteFile(s.tree + "/plain.tmp", "plain"));
    ASSERT_TRUE(WriteFile(s.tree + "/other.txt", "not matched"));
    if (IsRoot()) {
        // Devices named like matching files: opening either would read a device.
        ASSERT_EQ(mknod((s.tree + "/null.tmp").c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
        ASSERT_EQ(mknod((s.tree + "/zero.tmp").c_str(), S_IFCHR | 0666, makedev(1, 5)), 0);
        names.push_back("null.tmp");
        names.push_back("zero.tmp");
    } else {
        RecordProperty("device_nodes", "left out: mknod needs root");
    }
    const Snapshot before = TakeSnapshot(s.outside);

    RunOptions o;
    o.timeoutSeconds = 60;
    RunResult r = s.prog.Run({s.tree, "1", "/I", "*.tmp"}, o);
    close(sock);

    ADV_EXPECT_FINISHED(r, 0);
    EXPECT_EQ(SnapshotDifferences(before, TakeSnapshot(s.outside)), "");
    auto status = CsvStatus(s.prog.CsvPath());
    EXPECT_EQ(status.size(), names.size());
    for (const auto& n : names) {
        EXPECT_EQ(status[s.tree + "/" + n], "Deleted") << n;
        EXPECT_FALSE(Exists(s.tree + "/" + n)) << n;
    }
    EXPECT_EQ(Names(s.tree), std::set<std::string>{"other.txt"});
    auto log = LogLines(s.prog.LogPath());
    EXPECT_TRUE(HasLine(log, std::to_string(names.size()) + " files deleted.")) << Joined(log);
}

TEST(LockedEntries, EntriesLockedByAnotherProcessAreKeptWithTheInUseReason) {
    Scene s;
    ASSERT_TRUE(WriteFile(s.tree + "/free.dat", "free"));
    ASSERT_TRUE(WriteFile(s.tree + "/locked.dat", "locked"));
    std::filesystem::create_directories(s.tree + "/lockeddir");
    std::filesystem::create_directories(s.tree + "/emptydir");
    std::filesystem::create_directories(s.tree + "/later");
    ASSERT_TRUE(WriteFile(s.tree + "/later/free.dat", "after the locked ones in the list"));
    LockHolder holder({s.tree + "/locked.dat", s.tree + "/lockeddir"});
    ASSERT_TRUE(holder.Locked());

    RunResult r = s.prog.Run({s.tree, "1"});

    ADV_EXPECT_FINISHED(r, 0);
    EXPECT_EQ(ReadWholeFile(s.tree + "/locked.dat"), "locked");
    EXPECT_TRUE(Exists(s.tree + "/lockeddir"));
    EXPECT_EQ(Names(s.tree), (std::set<std::string>{"locked.dat", "lockeddir"}));
    auto status = CsvStatus(s.prog.CsvPath());
    EXPECT_EQ(status[s.tree + "/locked.dat"], "NOT Deleted");
    EXPECT_EQ(status[s.tree + "/lockeddir/"], "Dir NOT Deleted");
    EXPECT_EQ(status[s.tree + "/free.dat"], "Deleted");
    EXPECT_EQ(status[s.tree + "/later/free.dat"], "Deleted");
    EXPECT_EQ(status[s.tree + "/emptydir/"], "Dir Deleted");
    auto log = LogLines(s.prog.LogPath());
    const std::string inUse = "The file is in use by another process";
    EXPECT_TRUE(HasLine(log, "Could not delete " + s.tree + "/locked.dat")) << Joined(log);
    EXPECT_TRUE(HasLine(log, "Reason: " + inUse)) << Joined(log);
    EXPECT_TRUE(HasLine(log, "ERROR: Could not delete empty directory: " + s.tree + "/lockeddir"))
        << Joined(log);
    EXPECT_TRUE(HasLine(log, "REASON: " + inUse)) << Joined(log);
    EXPECT_TRUE(HasLine(log, "2 files deleted.")) << Joined(log);
    EXPECT_TRUE(HasLine(log, "2 empty directories deleted.")) << Joined(log);
}

TEST(LockedEntries, EntriesUnderRecordLocksOfAnotherProcessAreKeptAsInUse) {
    Scene s;
    ASSERT_TRUE(WriteFile(s.tree + "/free.dat", "free"));
    ASSERT_TRUE(WriteFile(s.tree + "/posix.db", "posix"));
    ASSERT_TRUE(WriteFile(s.tree + "/ofd.db", "ofd"));
    std::filesystem::create_directories(s.tree + "/posixdir");
    std::filesystem::create_directories(s.tree + "/ofddir");
    LockHolder posix({s.tree + "/posix.db", s.tree + "/posixdir"}, LockKind::Record);
    LockHolder ofd({s.tree + "/ofd.db", s.tree + "/ofddir"}, LockKind::OfdRecord);
    ASSERT_TRUE(posix.Locked());
    ASSERT_TRUE(ofd.Locked());

    RunResult r = s.prog.Run({s.tree, "1"});

    ADV_EXPECT_FINISHED(r, 0);
    EXPECT_EQ(ReadWholeFile(s.tree + "/posix.db"), "posix");
    EXPECT_EQ(ReadWholeFile(s.tree + "/ofd.db"), "ofd");
    EXPECT_EQ(Names(s.tree), (std::set<std::string>{"posix.db", "ofd.db", "posixdir", "ofddir"}));
    auto status = CsvStatus(s.prog.CsvPath());
    EXPECT_EQ(status[s.tree + "/posix.db"], "NOT Deleted");
    EXPECT_EQ(status[s.tree + "/ofd.db"], "NOT Deleted");
    EXPECT_EQ(status[s.tree + "/posixdir/"], "Dir NOT Deleted");
    EXPECT_EQ(status[s.tree + "/ofddir/"], "Dir NOT Deleted");
    EXPECT_EQ(status[s.tree + "/free.dat"], "Deleted");
    auto log = LogLines(s.prog.LogPath());
    // The reason follows its entry's line.
    auto lineAfter = [&log](const std::string& message) -> std::vector<std::string> {
        for (std::size_t i = 0; i + 1 < log.size(); ++i) {
            if (HasLine({log[i]}, message)) {
                return {log[i + 1]};
            }
        }
        return {};
    };
    const std::string inUse = "The file is in use by another process";
    for (const char* name : {"/posix.db", "/ofd.db"}) {
        EXPECT_TRUE(HasLine(lineAfter("Could not delete " + s.tree + name), "Reason: " + inUse))
            << name << "\n"
            << Joined(log);
    }
    for (const char* name : {"/posixdir", "/ofddir"}) {
        EXPECT_TRUE(HasLine(lineAfter("ERROR: Could not delete empty directory: " + s.tree + name),
                            "REASON: " + inUse))
            << name << "\n"
            << Joined(log);
    }
    EXPECT_TRUE(HasLine(log, "1 files deleted.")) << Joined(log);
}

TEST(LockedEntries, ImmutableEntriesAreKeptWithTheSystemsReason) {
    ADV_REQUIRE_ROOT("set the immutable flag (chattr +i)");
    Scene s;
    ASSERT_TRUE(WriteFile(s.tree + "/frozen.dat", "frozen"));
    ASSERT_TRUE(WriteFile(s.tree + "/free.dat", "free"));
    std::filesystem::create_directories(s.tree + "/frozendir");
    const std::string frozen =
        test::ShellQuote(s.tree + "/frozen.dat") + " " + test::ShellQuote(s.tree + "/frozendir");
    int rc = -1;
    test::RunTool("chattr +i " + frozen + " 2>&1", &rc);
    // Whatever happens below, the flag goes again so the folder can be removed.
    struct Thaw {
        std::string paths;
        ~Thaw() { test::RunTool("chattr -i " + paths + " 2>/dev/null"); }
    } thaw{frozen};
    if (rc != 0) {
        GTEST_SKIP() << "the file system of " << s.tree << " does not support chattr +i";
    }

    RunResult r = s.prog.Run({s.tree, "1"});

    ADV_EXPECT_FINISHED(r, 0);
    EXPECT_EQ(ReadWholeFile(s.tree + "/frozen.dat"), "frozen");
    EXPECT_EQ(Names(s.tree), (std::set<std::string>{"frozen.dat", "frozendir"}));
    auto status = CsvStatus(s.prog.CsvPath());
    EXPECT_EQ(status[s.tree + "/frozen.dat"], "NOT Deleted");
    EXPECT_EQ(status[s.tree + "/frozendir/"], "Dir NOT Deleted");
    EXPECT_EQ(status[s.tree + "/free.dat"], "Deleted");
    auto log = LogLines(s.prog.LogPath());
    EXPECT_TRUE(HasLine(log, "Could not delete " + s.tree + "/frozen.dat")) << Joined(log);
    EXPECT_TRUE(HasLine(log, "Reason: Operation not permitted")) << Joined(log);
    EXPECT_TRUE(HasLine(log, "ERROR: Could not delete empty directory: " + s.tree + "/frozendir"))
        << Joined(log);
    EXPECT_TRUE(HasLine(log, "REASON: Operation not permitted")) << Joined(log);
    EXPECT_TRUE(HasLine(log, "1 files deleted.")) << Joined(log);
}

TEST(OutputFiles, LinksPlantedAtTheLogAndCsvPathsAreReplacedNeverFollowed) {
    Scene s;
    ASSERT_TRUE(WriteFile(s.outside + "/victim.csv", "precious"));
    ASSERT_EQ(symlink((s.outside + "/victim.csv").c_str(), s.prog.CsvPath().c_str()), 0);
    ASSERT_EQ(symlink((s.outside + "/new.rtf").c_str(), s.prog.LogPath().c_str()), 0);
    ASSERT_TRUE(WriteFile(s.tree + "/old.dat", "old"));
    const Snapshot before = TakeSnapshot(s.outside);

    RunResult r = s.prog.Run({s.tree, "1"});

    ADV_EXPECT_FINISHED(r, 0);
    EXPECT_EQ(SnapshotDifferences(before, TakeSnapshot(s.outside)), "");
    EXPECT_FALSE(Exists(s.outside + "/new.rtf"));
    struct stat st {};
    ASSERT_EQ(lstat(s.prog.CsvPath().c_str(), &st), 0);
    EXPECT_TRUE(S_ISREG(st.st_mode));
    ASSERT_EQ(lstat(s.prog.LogPath().c_str(), &st), 0);
    EXPECT_TRUE(S_ISREG(st.st_mode));
    EXPECT_EQ(CsvStatus(s.prog.CsvPath())[s.tree + "/old.dat"], "Deleted");
    int unrtf = -1;
    EXPECT_TRUE(HasLine(LogLines(s.prog.LogPath(), &unrtf), "Finished."));
    EXPECT_EQ(unrtf, 0);
}

TEST(OutputFiles, LinksPlantedOverAndOverWhileRunsWriteAreNeverFollowed) {
    Scene s;
    ASSERT_TRUE(WriteFile(s.outside + "/victim.csv", "precious"));
    ASSERT_TRUE(WriteFile(s.outside + "/victim.rtf", "precious too"));
    const Snapshot before = TakeSnapshot(s.outside);
    const std::string csv = s.prog.CsvPath();
    const std::string log = s.prog.LogPath();
    const std::string victimCsv = s.outside + "/victim.csv";
    const std::string victimRtf = s.outside + "/victim.rtf";
    const std::string dangling = s.outside + "/new.rtf";
    // Whenever the program has just removed one of its files, a link or a hard link takes the name.
    Repeater planter([&] {
        symlink(victimCsv.c_str(), csv.c_str());
        link(victimRtf.c_str(), log.c_str());
        symlink(dangling.c_str(), log.c_str());
        link(victimCsv.c_str(), csv.c_str());
    });
    for (int round = 0; round < 6; ++round) {
        ASSERT_TRUE(WriteFile(s.tree + "/old" + std::to_string(round) + ".dat", "old"));
        RunResult r = s.prog.Run({s.tree, "1", "/NODIR"});
        ADV_EXPECT_FINISHED(r, 0);
        EXPECT_FALSE(Exists(s.tree + "/old" + std::to_string(round) + ".dat")) << "round " << round;
    }
    planter.Stop();
    RecordProperty("plant_rounds", std::to_string(planter.Rounds()));
    EXPECT_EQ(SnapshotDifferences(before, TakeSnapshot(s.outside)), "");
    EXPECT_FALSE(Exists(dangling));
}

}  // namespace
}  // namespace vorlex::adv
