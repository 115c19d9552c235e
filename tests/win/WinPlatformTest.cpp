// The win32 platform layer on real files: walk facts, the checked removal, paths, errors, the single
// instance, file replacement and the collation order.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "platform/DirWalk.h"
#include "platform/Errors.h"
#include "platform/FileAccess.h"
#include "platform/Locale.h"
#include "platform/SafeRemove.h"
#include "platform/SingleInstance.h"

namespace vorlex::platform {
namespace {

namespace fs = std::filesystem;

// A fresh folder under the temporary folder, removed with everything in it (read-only files included).
struct WinTempDir {
    fs::path path;
    WinTempDir() {
        path =
            fs::temp_directory_path() / ("vorlex-win-" + std::to_string(GetCurrentProcessId()) + "-" +
                                         std::to_string(GetTickCount64()) + "-" + std::to_string(counter++));
        fs::create_directories(path);
    }
    ~WinTempDir() {
        std::error_code ec;
        for (auto it = fs::recursive_directory_iterator(path, ec);
             !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
            SetFileAttributesW(it->path().c_str(), FILE_ATTRIBUTE_NORMAL);
        }
        fs::remove_all(path, ec);
    }
    // The folder as the program writes paths: '/' separated, with a trailing '/'.
    std::string Root() const { return NormalizeDirectoryPath(path.string()); }
    fs::path Make(const std::string& relative, const std::string& content = "x") const {
        const fs::path p = path / relative;
        fs::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << content;
        return p;
    }
    static inline int counter = 0;
};

FILETIME FileTimeOf(long long unixSeconds) {
    const unsigned long long ticks =
        static_cast<unsigned long long>(unixSeconds) * 10000000ull + 116444736000000000ull;
    return FILETIME{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

// Sets the last-write time and the creation time (to `modified` when -1; left as it is when 0).
void SetTimes(const fs::path& p, long long modified, long long created = -1) {
    HANDLE h =
        CreateFileW(p.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    const FILETIME write = FileTimeOf(modified);
    const FILETIME create = FileTimeOf(created < 0 ? modified : created);
    ASSERT_TRUE(SetFileTime(h, created == 0 ? nullptr : &create, nullptr, &write));
    CloseHandle(h);
}

struct Collect final : WalkVisitor {
    std::map<std::string, EntryFacts> facts;
    std::map<std::string, bool> hidden;
    std::map<std::string, bool> notEntered;
    WalkControl OnEntry(const WalkEntry& e) override {
        const std::string path = std::string(e.directory) + std::string(e.name);
        facts[path] = e.facts;
        hidden[path] = e.hidden;
        notEntered[path] = e.mountPoint;
        return WalkControl::Continue;
    }
    WalkControl AfterEntries(std::string_view) override { return WalkControl::Continue; }
    bool ShouldEnter(std::string_view, std::string_view, bool h) override { return !h; }
    void OnAccessDenied(std::string_view) override {}
    void OnMountPointSkipped(std::string_view) override {}
};

const AgeRule kOldRule{TimeValue{2'000'000'000, 0}, 0};  // everything before 2033 is old
constexpr long long kOld = 1'500'000'000;                // 2017

// The identity the walk records is the one a removal checks through the entry's own handle: otherwise every
// listed file would be kept as "replaced".
TEST(WinWalk, EntryFactsMatchTheHandleFacts) {
    WinTempDir t;
    t.Make("a.txt", "hello");
    t.Make("sub/b.txt");
    t.Make("hid/c.txt");
    SetFileAttributesW((t.path / "hid").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY);
    Collect c;
    ASSERT_EQ(WalkTree(t.Root(), c), WalkResult::Completed);
    const std::string root = t.Root();
    ASSERT_TRUE(c.facts.count(root + "a.txt"));
    ASSERT_TRUE(c.facts.count(root + "sub/b.txt"));
    EXPECT_FALSE(c.facts.count(root + "hid/c.txt")) << "a hidden folder is not entered";
    EXPECT_TRUE(c.hidden[root + "hid"]);
    for (const auto& [path, walked] : c.facts) {
        EntryFacts stat;
        ASSERT_EQ(StatPath(path, stat), 0) << path;
        EXPECT_EQ(walked.device, stat.device) << path;
        EXPECT_EQ(walked.inode, stat.inode) << path;
        EXPECT_EQ(walked.fileType, stat.fileType) << path;
        EXPECT_EQ(walked.created, stat.created) << path;
        EXPECT_EQ(walked.size, stat.size) << path;
    }
    EXPECT_EQ(c.facts[root + "a.txt"].size, 5u);
}

// A system directory is never entered, and the directory inventory does not list it (it skips directories
// marked as never entered); a hidden one is listed but not entered.
TEST(WinWalk, SystemDirectoryIsNeitherEnteredNorListed) {
    WinTempDir t;
    t.Make("sys/inner.txt");
    t.Make("hid/inner.txt");
    SetFileAttributesW((t.path / "sys").c_str(), FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY);
    SetFileAttributesW((t.path / "hid").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY);
    if ((GetFileAttributesW((t.path / "sys").c_str()) & FILE_ATTRIBUTE_SYSTEM) == 0) {
        GTEST_SKIP() << "the system attribute cannot be set on a directory here";
    }
    Collect c;
    ASSERT_EQ(WalkTree(t.Root(), c), WalkResult::Completed);
    const std::string root = t.Root();
    EXPECT_TRUE(c.notEntered[root + "sys"]);
    EXPECT_FALSE(c.notEntered[root + "hid"]);
    EXPECT_FALSE(c.facts.count(root + "sys/inner.txt"));
    EXPECT_FALSE(c.facts.count(root + "hid/inner.txt"));
}

RemoveResult RemoveAgain(const WinTempDir& t, const std::string& name, const EntryFacts& listed,
                         const AgeRule& rule = kOldRule) {
    DirHandle root;
    EXPECT_EQ(OpenTreeRoot(t.Root(), root), 0);
    return RemoveIfUnchanged(root, name, IdentityOf(listed), rule);
}

TEST(WinRemove, ReadOnlyFileIsRemovedThroughItsHandle) {
    WinTempDir t;
    const fs::path p = t.Make("ro.txt");
    SetTimes(p, kOld);
    SetFileAttributesW(p.c_str(), FILE_ATTRIBUTE_READONLY);
    EntryFacts listed;
    ASSERT_EQ(StatPath(t.Root() + "ro.txt", listed), 0);
    EXPECT_TRUE(listed.ReadOnly());
    EXPECT_EQ(RemoveAgain(t, "ro.txt", listed).status, RemoveStatus::Removed);
    EXPECT_FALSE(fs::exists(p));
}

TEST(WinRemove, FileOpenWithoutSharingIsInUseAndKept) {
    WinTempDir t;
    const fs::path p = t.Make("busy.txt");
    SetTimes(p, kOld);
    SetFileAttributesW(p.c_str(), FILE_ATTRIBUTE_READONLY);
    EntryFacts listed;
    ASSERT_EQ(StatPath(t.Root() + "busy.txt", listed), 0);
    HANDLE held = CreateFileW(p.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const RemoveResult r = RemoveAgain(t, "busy.txt", listed);
    CloseHandle(held);
    EXPECT_EQ(r.status, RemoveStatus::Failed);
    EXPECT_EQ(r.error, kErrorInUse);
    EXPECT_TRUE(fs::exists(p));
    EXPECT_NE(GetFileAttributesW(p.c_str()) & FILE_ATTRIBUTE_READONLY, 0u) << "read-only stays set";
}

// A program that lets others delete its open file still has it open: the removal's own open shares nothing,
// so any open handle with data access makes the file "in use".
TEST(WinRemove, FileOpenThatAllowsDeletionIsStillInUse) {
    WinTempDir t;
    const fs::path p = t.Make("shared.txt");
    SetTimes(p, kOld);
    EntryFacts listed;
    ASSERT_EQ(StatPath(t.Root() + "shared.txt", listed), 0);
    HANDLE held = CreateFileW(p.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const RemoveResult r = RemoveAgain(t, "shared.txt", listed);
    CloseHandle(held);
    EXPECT_EQ(r.status, RemoveStatus::Failed);
    EXPECT_EQ(r.error, kErrorInUse);
    EXPECT_TRUE(fs::exists(p));
}

TEST(WinRemove, AnotherFileUnderTheNameIsKept) {
    WinTempDir t;
    const fs::path p = t.Make("f.txt");
    EntryFacts listed;
    ASSERT_EQ(StatPath(t.Root() + "f.txt", listed), 0);
    const fs::path other = t.Make("other.txt");
    SetTimes(other, kOld);
    ASSERT_TRUE(MoveFileExW(other.c_str(), p.c_str(), MOVEFILE_REPLACE_EXISTING));
    EXPECT_EQ(RemoveAgain(t, "f.txt", listed).status, RemoveStatus::Replaced);
    EXPECT_TRUE(fs::exists(p));
}

TEST(WinRemove, FileWrittenSinceTheScanIsKept) {
    WinTempDir t;
    const fs::path p = t.Make("new.txt");
    SetTimes(p, kOld);
    EntryFacts listed;
    ASSERT_EQ(StatPath(t.Root() + "new.txt", listed), 0);
    SetTimes(p, kOld + 60, kOld);
    EntryFacts probe;
    ASSERT_EQ(StatPath(t.Root() + "new.txt", probe), 0);
    if (probe.created.sec != kOld) {
        // Wine on a Linux file system reports the last-write time as the creation time.
        GTEST_SKIP() << "the file system here keeps no creation time of its own";
    }
    ASSERT_EQ(StatPath(t.Root() + "new.txt", listed), 0);
    SetTimes(p, 2'100'000'000, 0);  // written after the cut-off; the same file
    EXPECT_EQ(RemoveAgain(t, "new.txt", listed).status, RemoveStatus::NoLongerOld);
    EXPECT_TRUE(fs::exists(p));
}

TEST(WinRemove, OpenBeneathRefusesAReparsePoint) {
    WinTempDir t;
    t.Make("real/x.txt");
    const fs::path link = t.path / "link";
    if (!CreateSymbolicLinkW(link.c_str(), (t.path / "real").c_str(),
                             SYMBOLIC_LINK_FLAG_DIRECTORY | SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE)) {
        GTEST_SKIP() << "no symbolic link can be made here (error " << GetLastError() << ")";
    }
    DirHandle root;
    ASSERT_EQ(OpenTreeRoot(t.Root(), root), 0);
    DirHandle inside;
    EXPECT_NE(OpenBeneath(root, "link", inside), 0);
    EXPECT_EQ(OpenBeneath(root, "real", inside), 0);
}

TEST(WinPaths, NormalizeDirectoryPath) {
    EXPECT_EQ(NormalizeDirectoryPath("C:\\Temp\\a\\..\\b"), "C:/Temp/b/");
    EXPECT_EQ(NormalizeDirectoryPath("C:/Temp//./x/"), "C:/Temp/x/");
    EXPECT_EQ(NormalizeDirectoryPath("C:\\"), "C:/");
    EXPECT_EQ(NormalizeDirectoryPath("C:\\..\\.."), "C:/");
    EXPECT_EQ(NormalizeDirectoryPath("\\\\server\\share\\dir\\..\\.."), "//server/share/");
    EXPECT_EQ(WithoutTrailingSlash("C:/"), "C:/");
    EXPECT_EQ(WithoutTrailingSlash("C:/Temp/"), "C:/Temp");
}

TEST(WinErrors, TextIsTheSystemMessageTrimmed) {
    const std::string text = ErrorText(kErrorInUse);
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.back(), '.');
    EXPECT_NE(text.back(), '\n');
    EXPECT_EQ(ErrorText(kErrorFileNotFound).find('\r'), std::string::npos);
}

TEST(WinInstance, SecondAcquireOfTheSameProgramFails) {
    const std::string program = "C:/Tools/vorlex-test-" + std::to_string(GetCurrentProcessId()) + ".exe";
    auto first = InstanceLock::Acquire(program);
    ASSERT_TRUE(first);
    EXPECT_FALSE(InstanceLock::Acquire(program));
    EXPECT_FALSE(
        InstanceLock::Acquire("c:/tools/VORLEX-TEST-" + std::to_string(GetCurrentProcessId()) + ".EXE"))
        << "letter case does not make another program";
    EXPECT_TRUE(InstanceLock::Acquire(program + ".other"));
    first.reset();
    EXPECT_TRUE(InstanceLock::Acquire(program));
}

TEST(WinFiles, ReplacementOfAFileInUseLeavesItIntact) {
    WinTempDir t;
    const fs::path p = t.Make("out.csv", "before");
    HANDLE held = CreateFileW(p.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(CheckFileAccess(p.string()), kErrorInUse);
    EXPECT_NE(ReplaceFileContent(p.string(), "after"), 0);
    CloseHandle(held);
    std::string content;
    ASSERT_EQ(ReadFileContent(p.string(), content), 0);
    EXPECT_EQ(content, "before");
    EXPECT_EQ(std::distance(fs::directory_iterator(t.path), fs::directory_iterator()), 1)
        << "no temporary left";
    EXPECT_EQ(ReplaceFileContent(p.string(), "after"), 0);
    ASSERT_EQ(ReadFileContent(p.string(), content), 0);
    EXPECT_EQ(content, "after");
}

// The keys order texts as CompareStringEx does (word sort: hyphens and apostrophes weigh less).
TEST(WinCollation, KeysAgreeWithCompareStringEx) {
    const std::vector<std::string> texts = {
        "a",     "A",      "b",     "B",  "co-op", "coop", "co op", "Zebra", "\xC3\xA4pfel",
        "apfel", "file10", "file9", "_x", "x"};
    for (const std::string& a : texts) {
        for (const std::string& b : texts) {
            const int wideA =
                MultiByteToWideChar(CP_UTF8, 0, a.data(), static_cast<int>(a.size()), nullptr, 0);
            const int wideB =
                MultiByteToWideChar(CP_UTF8, 0, b.data(), static_cast<int>(b.size()), nullptr, 0);
            std::wstring x(static_cast<std::size_t>(wideA), L'\0');
            std::wstring y(static_cast<std::size_t>(wideB), L'\0');
            MultiByteToWideChar(CP_UTF8, 0, a.data(), static_cast<int>(a.size()), x.data(), wideA);
            MultiByteToWideChar(CP_UTF8, 0, b.data(), static_cast<int>(b.size()), y.data(), wideB);
            const int system = CompareStringEx(LOCALE_NAME_USER_DEFAULT, 0, x.data(), wideA, y.data(), wideB,
                                               nullptr, nullptr, 0) -
                               CSTR_EQUAL;
            const int keys = CollationKey(a).compare(CollationKey(b));
            EXPECT_EQ(system < 0, keys < 0) << a << " / " << b;
            EXPECT_EQ(system > 0, keys > 0) << a << " / " << b;
        }
    }
}

}  // namespace
}  // namespace vorlex::platform
