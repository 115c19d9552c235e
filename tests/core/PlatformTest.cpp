#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <filesystem>
#include <fstream>
#include <limits>
#include <random>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "FileSizeLimit.h"
#include "ScopedLocale.h"
#include "TempDir.h"
#include "TimeZone.h"
#include "platform/CodePage.h"
#include "platform/Errors.h"
#include "platform/FileAccess.h"
#include "platform/Locale.h"

using namespace vorlex::platform;

TEST(CheckFileAccess, ReportsMissingFreeAndLockedFiles) {
    vorlex::test::TempDir dir;
    std::string path = dir.File("log.rtf", "x");
    EXPECT_EQ(CheckFileAccess(dir.path + "/missing.rtf"), kErrorFileNotFound);
    EXPECT_EQ(CheckFileAccess(path), 0);

    // A lock held through another open file description counts as another process's lock.
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(flock(fd, LOCK_SH), 0);
    EXPECT_EQ(CheckFileAccess(path), kErrorInUse);
    EXPECT_EQ(ErrorText(kErrorInUse), "The file is in use by another process");
    close(fd);
    EXPECT_EQ(CheckFileAccess(path), 0);
}

TEST(CheckFileAccess, ReportsRecordLocksOfAnotherProcess) {
    vorlex::test::TempDir dir;
    std::string path = dir.File("log.rtf", "x");
    // A POSIX record lock held by this process would not count against itself: a child holds each kind.
    for (int command : {F_SETLK, F_OFD_SETLK}) {
        int ready[2];
        int release[2];
        ASSERT_EQ(pipe(ready), 0);
        ASSERT_EQ(pipe(release), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(ready[0]);
            close(release[1]);
            int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
            struct flock lock {};
            lock.l_type = F_RDLCK;
            lock.l_whence = SEEK_SET;
            char c = 1;
            if (fd < 0 || fcntl(fd, command, &lock) != 0 || write(ready[1], &c, 1) != 1) {
                _exit(3);
            }
            while (read(release[0], &c, 1) > 0) {
            }
            _exit(0);
        }
        close(ready[1]);
        close(release[0]);
        char c = 0;
        const bool locked = read(ready[0], &c, 1) == 1;
        close(ready[0]);
        const int inUse = CheckFileAccess(path);
        close(release[1]);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(locked) << "command " << command;
        EXPECT_EQ(inUse, kErrorInUse) << "command " << command;
        EXPECT_EQ(CheckFileAccess(path), 0) << "command " << command;
    }
}

TEST(CheckFileAccess, NeverOpensFifosOrFollowsLinks) {
    vorlex::test::TempDir dir;
    std::string fifo = dir.path + "/pipe";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_NE(CheckFileAccess(fifo), 0);  // would block forever if opened for reading
    std::string target = dir.File("target", "t");
    std::filesystem::create_symlink(target, dir.path + "/link");
    EXPECT_NE(CheckFileAccess(dir.path + "/link"), 0);
}

TEST(ErrorText, TrimsTrailingFullStopsAndBlanks) {
    EXPECT_EQ(ErrorText(2), "No such file or directory");
    std::string t = ErrorText(13);
    ASSERT_FALSE(t.empty());
    EXPECT_NE(t.back(), '.');
}

TEST(ReplaceFileContent, ReplacesLinksInsteadOfFollowingThem) {
    vorlex::test::TempDir dir;
    std::string outside = dir.File("outside.txt", "keep");
    std::filesystem::create_symlink(outside, dir.path + "/out.csv");
    ASSERT_EQ(ReplaceFileContent(dir.path + "/out.csv", "new"), 0);
    EXPECT_EQ(dir.Read("outside.txt"), "keep");
    EXPECT_EQ(dir.Read("out.csv"), "new");
    EXPECT_FALSE(std::filesystem::is_symlink(dir.path + "/out.csv"));
}

TEST(ReplaceFileContent, LeavesOldFileWhenFolderIsGone) {
    EXPECT_NE(ReplaceFileContent("/nonexistent-folder/x.csv", "data"), 0);
}

TEST(ReplacingFile, StreamsIntoALockedTemporaryFileAndSwapsItInOnCommitOnly) {
    vorlex::test::TempDir dir;
    const std::string path = dir.File("out.csv", "old");
    ASSERT_EQ(chmod(path.c_str(), 0600), 0);
    const std::string big(3 * 1024 * 1024 + 17, 'x');
    {
        ReplacingFile file;
        ASSERT_EQ(file.Open(path), 0);
        ASSERT_EQ(file.Write("head,"), 0);
        ASSERT_EQ(file.Write(big), 0);
        ASSERT_EQ(file.Write(""), 0);
        ASSERT_EQ(file.Write(",tail\r\n"), 0);

        // Until the commit the target is the old file, and the new one is locked beside it.
        EXPECT_EQ(dir.Read("out.csv"), "old");
        std::set<std::string> names = vorlex::test::EntryNames(dir.path);
        ASSERT_EQ(names.size(), 2u);
        names.erase("out.csv");
        const std::string temp = dir.path + "/" + *names.begin();
        EXPECT_EQ(temp.rfind(path + ".tmp", 0), 0u) << temp;
        EXPECT_EQ(CheckFileAccess(temp), kErrorInUse);

        ASSERT_EQ(file.Commit(), 0);
    }
    EXPECT_EQ(dir.Read("out.csv"), "head," + big + ",tail\r\n");
    EXPECT_EQ(vorlex::test::EntryNames(dir.path), (std::set<std::string>{"out.csv"}));
    EXPECT_EQ(std::filesystem::status(path).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_EQ(CheckFileAccess(path), 0);
}

TEST(ReplacingFile, AnAbandonedOrFailedWriteLeavesThePreviousFileAndNoTemporaryOne) {
    vorlex::test::TempDir dir;
    const std::string path = dir.File("out.csv", "previous");
    const std::set<std::string> before = vorlex::test::EntryNames(dir.path);

    {
        ReplacingFile file;
        ASSERT_EQ(file.Open(path), 0);
        ASSERT_EQ(file.Write("half a file"), 0);
    }  // gone without a commit
    EXPECT_EQ(dir.Read("out.csv"), "previous");
    EXPECT_EQ(vorlex::test::EntryNames(dir.path), before);

    // A disk that fills up in the middle: the first error sticks, also through the commit.
    {
        vorlex::test::ScopedFileSizeLimit limit(64 * 1024);
        ASSERT_TRUE(limit.Ok());
        ReplacingFile file;
        ASSERT_EQ(file.Open(path), 0);
        ASSERT_EQ(file.Write(std::string(40 * 1024, 'a')), 0);
        EXPECT_EQ(file.Write(std::string(40 * 1024, 'b')), EFBIG);
        EXPECT_EQ(file.Write("c"), EFBIG);
        EXPECT_EQ(file.Commit(), EFBIG);
        EXPECT_EQ(dir.Read("out.csv"), "previous");
        EXPECT_EQ(vorlex::test::EntryNames(dir.path), before);

        EXPECT_EQ(ReplaceFileContent(path, std::string(100 * 1024, 'd')), EFBIG);
        EXPECT_EQ(dir.Read("out.csv"), "previous");
        EXPECT_EQ(vorlex::test::EntryNames(dir.path), before);
    }

    // No folder to put the temporary file in: every step reports it.
    ReplacingFile file;
    EXPECT_EQ(file.Open(dir.path + "/missing/out.csv"), ENOENT);
    EXPECT_EQ(file.Write("x"), ENOENT);
    EXPECT_EQ(file.Commit(), ENOENT);
    EXPECT_EQ(vorlex::test::EntryNames(dir.path), before);
}

namespace {}  // namespace

TEST(DateTimeFormatter, GivesTheTextsOfFormatDateTimeForEveryKindOfMomentAndPattern) {
    std::mt19937_64 rng(20261209);
    auto between = [&](std::int64_t lo, std::int64_t hi) {
        return lo + static_cast<std::int64_t>(rng() % static_cast<std::uint64_t>(hi - lo + 1));
    };
    // Moments one after the other through one formatter, so its caches are hit, missed and overwritten.
    std::vector<CivilTime> moments;
    for (int i = 0; i < 6000; ++i) {
        CivilTime t;
        const bool sameFewDays = i % 2 == 0;  // many repeats of days and of seconds
        t.year = sameFewDays ? 2026 : static_cast<int>(between(-30000, 300000));
        t.month = sameFewDays ? 12 : static_cast<int>(between(1, 12));
        t.day = sameFewDays ? static_cast<int>(between(7, 9)) : static_cast<int>(between(1, 28));
        t.hour = static_cast<int>(between(0, 23));
        t.minute = static_cast<int>(between(0, 59));
        t.second = static_cast<int>(between(0, 59));
        t.millisecond = static_cast<int>(between(0, 999));
        if (i % 7 == 0) {
            t.hour = t.minute = t.second = 0;  // midnight: the date alone
        }
        if (i % 11 == 0) {
            t.second = 0;
        }
        moments.push_back(t);
    }
    moments.push_back(CivilTime{2016, 12, 31, 23, 59, 60, 0});  // a leap second
    moments.push_back(CivilTime{1, 1, 1, 12, 0, 0, 0});
    moments.push_back(CivilTime{2147483647, 12, 31, 23, 59, 59, 0});
    moments.push_back(CivilTime{});
    // And what the calendar of a real time zone gives, from far past to far future.
    {
        vorlex::test::ScopedTimeZone tz("CET-1CEST,M3.5.0,M10.5.0/3");
        for (int i = 0; i < 3000; ++i) {
            const std::int64_t range = i % 3 == 0 ? (std::int64_t{1} << 46) : 4'000'000'000;
            moments.push_back(ToLocalCivil(TimeValue{between(-range, range), 0}));
        }
        moments.push_back(ToLocalCivil(TimeValue{std::numeric_limits<std::int64_t>::max(), 0}));
        moments.push_back(ToLocalCivil(TimeValue{std::numeric_limits<std::int64_t>::min(), 0}));
    }

    const std::vector<RegionalFormats> patterns = {
        {"%m/%d/%Y", "%H:%M:%S", ","},
        {"%x", "%X", ","},
        {"%a, %d %b %Y", "%r", ","},
        {"%Ey %G-W%V-%u %j %U %W %C", "%-I:%M %p%P %k %l", ""},
        {"%10A%% %^B %-d %_m %e", "%_H%n%OM%t%T %R", "."},
        {"%D %F", "%H.%M.%S uur, %Hh%Mm%Ss, and so on", ","},
        {"%c", "%Z %z", ","},
        {"%F %s", "%T", ","},
        {"%D", "%H:%M:%S %s", ","},
        {"%Y%", "%H%", ","},
        {"%m/%d/%Y %H", "%S %d", ","},
    };
    for (const char* locale : {"C", "en_US.UTF-8"}) {
        vorlex::test::ScopedLocale scoped(LC_ALL, locale);
        if (!scoped.Ok()) {
            ADD_FAILURE() << locale << " is not installed";
            continue;
        }
        std::vector<RegionalFormats> all = patterns;
        all.push_back(CurrentFormats());
        for (const RegionalFormats& f : all) {
            DateTimeFormatter fast(f);
            int mismatches = 0;
            for (const CivilTime& t : moments) {
                const std::string expected = FormatDateTime(t, f);
                const std::string got = fast.Text(t);
                if (got != expected && ++mismatches <= 3) {
                    ADD_FAILURE() << locale << " \"" << f.shortDate << "\" \"" << f.longTime << "\" "
                                  << t.year << "-" << t.month << "-" << t.day << " " << t.hour << ":"
                                  << t.minute << ":" << t.second << ": \"" << got << "\" instead of \""
                                  << expected << "\"";
                }
            }
            EXPECT_EQ(mismatches, 0) << locale << " " << f.shortDate << " / " << f.longTime;
        }
    }
}

TEST(LocalCivilCache, GivesTheFieldsOfToLocalCivilInEveryKindOfTimeZone) {
    // Daylight saving with whole and half hours, offsets in quarter hours, a calendar day skipped (Apia at
    // the end of 2011), a zone that counts leap seconds, a POSIX rule without a zone file, and UTC.
    const char* zones[] = {":Europe/Berlin",       ":America/New_York",          ":Australia/Lord_Howe",
                           ":Asia/Kathmandu",      ":America/St_Johns",          ":Pacific/Apia",
                           ":right/Europe/London", "CET-1CEST,M3.5.0,M10.5.0/3", "UTC0"};
    std::mt19937_64 rng(20261209);
    std::vector<TimeValue> moments;
    // Every 23 minutes and 13 seconds through years with transitions, in both directions from 1970.
    for (const auto& [from, to] :
         {std::pair{vorlex::test::Utc(2011, 1, 1, 0, 0, 0), vorlex::test::Utc(2013, 1, 1, 0, 0, 0)},
          std::pair{vorlex::test::Utc(1968, 1, 1, 0, 0, 0), vorlex::test::Utc(1970, 6, 1, 0, 0, 0)}}) {
        for (std::int64_t s = from.sec; s < to.sec; s += 23 * 60 + 13) {
            moments.push_back({s, static_cast<std::int32_t>(rng() % 1000000000)});
        }
    }
    // The seconds around each hour, where transitions fall, and random moments from 1800 to 2400 and far off.
    for (std::int64_t h = vorlex::test::Utc(2016, 3, 20, 0, 0, 0).sec;
         h < vorlex::test::Utc(2016, 4, 10, 0, 0, 0).sec; h += 3600) {
        for (std::int64_t d = -2; d <= 2; ++d) {
            moments.push_back({h + d, 0});
        }
    }
    for (int i = 0; i < 10000; ++i) {
        moments.push_back({-5364662400 + static_cast<std::int64_t>(rng() % 18934560000ULL), 999999999});
    }
    moments.push_back({std::int64_t{5000000} * 86400 + 5, 0});  // beyond the cached range
    moments.push_back({-std::int64_t{5000001} * 86400, 0});
    moments.push_back(vorlex::test::Utc(2016, 12, 31, 23, 59, 59));  // before a leap second
    for (const char* zone : zones) {
        vorlex::test::ScopedTimeZone tz(zone);
        LocalCivilCache cache;
        int mismatches = 0;
        for (const TimeValue& t : moments) {
            const CivilTime want = ToLocalCivil(t);
            const CivilTime got = cache.Convert(t);
            const bool same = got.year == want.year && got.month == want.month && got.day == want.day &&
                              got.hour == want.hour && got.minute == want.minute &&
                              got.second == want.second && got.millisecond == want.millisecond;
            if (!same && ++mismatches <= 3) {
                ADD_FAILURE() << zone << " at " << t.sec << ": " << got.year << "-" << got.month << "-"
                              << got.day << " " << got.hour << ":" << got.minute << ":" << got.second
                              << " instead of " << want.year << "-" << want.month << "-" << want.day << " "
                              << want.hour << ":" << want.minute << ":" << want.second;
            }
        }
        EXPECT_EQ(mismatches, 0) << zone;
    }
}

TEST(Locale, GroupsThousandsAndFormatsMidnightAsDateAlone) {
    EXPECT_EQ(GroupThousands(0, ","), "0");
    EXPECT_EQ(GroupThousands(999, ","), "999");
    EXPECT_EQ(GroupThousands(1000, ","), "1,000");
    EXPECT_EQ(GroupThousands(4882813, "."), "4.882.813");
    RegionalFormats f{"%m/%d/%Y", "%I:%M:%S %p", ","};
    CivilTime midnight{2026, 12, 9, 0, 0, 0, 999};
    EXPECT_EQ(FormatDateTime(midnight, f), "12/09/2026");
    CivilTime oneSecond{2026, 12, 9, 0, 0, 1, 0};
    EXPECT_EQ(FormatDateTime(oneSecond, f), "12/09/2026 12:00:01 AM");
    RegionalFormats named{"%a %d %b %Y", "%H:%M:%S", ""};
    CivilTime t{2026, 12, 9, 13, 5, 7, 0};
    EXPECT_EQ(FormatDateTime(t, named), "Wed 09 Dec 2026 13:05:07");
}

TEST(Locale, TheCodePageIsTheOneWindowsGivesTheLanguageOfLcCtype) {
    const std::pair<const char*, int> names[] = {
        {"C", 1252},           {"POSIX", 1252},          {"C.UTF-8", 1252},
        {"en_US.UTF-8", 1252}, {"de_DE", 1252},          {"pt_BR.UTF-8", 1252},
        {"hi_IN.UTF-8", 1252}, {"cs_CZ.UTF-8", 1250},    {"pl_PL", 1250},
        {"ru_RU.UTF-8", 1251}, {"uk_UA.UTF-8", 1251},    {"sr_RS.UTF-8", 1251},
        {"sr_RS@latin", 1250}, {"el_GR.UTF-8", 1253},    {"tr_TR.UTF-8", 1254},
        {"uz_UZ.UTF-8", 1254}, {"uz_UZ@cyrillic", 1251}, {"he_IL.UTF-8", 1255},
        {"ar_EG.UTF-8", 1256}, {"fa_IR", 1256},          {"lt_LT.UTF-8", 1257},
        {"et_EE", 1257},       {"vi_VN", 1258},          {"th_TH.UTF-8", 874},
        {"ja_JP.UTF-8", 932},  {"ja_JP.eucJP", 932},     {"zh_CN.UTF-8", 936},
        {"zh_SG.UTF-8", 936},  {"ko_KR.UTF-8", 949},     {"zh_TW.UTF-8", 950},
        {"zh_HK.UTF-8", 950},  {"sah_RU", 1251},
    };
    for (const auto& [name, codePage] : names) {
        EXPECT_EQ(AnsiCodePageOf(name), codePage) << name;
    }
    // The formats carry the code page of LC_CTYPE, whatever the other categories say.
    for (const auto& [ctype, codePage] :
         {std::pair{"ja_JP.UTF-8", 932}, std::pair{"tr_TR.UTF-8", 1254}, std::pair{"C", 1252}}) {
        vorlex::test::ScopedLocale all(LC_ALL, "en_US.UTF-8");
        vorlex::test::ScopedLocale scoped(LC_CTYPE, ctype);
        if (!all.Ok() || !scoped.Ok()) {
            GTEST_SKIP() << ctype << " or en_US.UTF-8 is not installed (scripts/setup.sh test makes them)";
        }
        EXPECT_EQ(CurrentFormats().ansiCodePage, codePage) << ctype;
        EXPECT_EQ(CurrentFormats().shortDate, "%m/%d/%Y") << ctype;
    }
}
