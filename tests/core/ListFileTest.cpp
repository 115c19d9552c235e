#include <sys/stat.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TempDir.h"
#include "config/ListFile.h"
#include "platform/Errors.h"

using namespace vorlex::config;

namespace {

/// One record as the format lays it out, with any flag byte and any length field.
std::string Record(unsigned char flag, std::int32_t length, const std::string& text) {
    std::string r(1, static_cast<char>(flag));
    r += std::string("\x07\x08\x09", 3);  // padding is ignored whatever it holds
    auto n = static_cast<std::uint32_t>(length);
    for (int shift = 0; shift < 32; shift += 8) {
        r += static_cast<char>((n >> shift) & 0xFF);
    }
    return r + text;
}

}  // namespace

// Flag 1, three zero bytes, length 5 and the five bytes of the text: 13 bytes, no terminator, no header.
TEST(ListFile, OneTickedMaskIsItsHeaderAndText) {
    vorlex::test::TempDir dir;
    std::string path = ListFilePath(dir.path + "/", ListEditorMode::Include);
    EXPECT_EQ(path, dir.path + "/Vorlex.incl");
    ASSERT_EQ(WriteListFile(path, {{"*.tmp", true}}), 0);
    EXPECT_EQ(dir.Read("Vorlex.incl"), std::string("\x01\0\0\0\x05\0\0\0*.tmp", 13));

    std::vector<ListEntry> back;
    ASSERT_EQ(ReadListFile(path, back), 0);
    EXPECT_EQ(back, (std::vector<ListEntry>{{"*.tmp", true}}));
}

TEST(ListFile, EntriesKeepOrderTicksDuplicatesAndLength) {
    vorlex::test::TempDir dir;
    std::string path = ListFilePath(dir.path + "/", ListEditorMode::RegEx);
    const std::vector<ListEntry> entries = {{"z", false},
                                            {std::string(300, 'x') + "\xE2\x82\xAC", true},
                                            {"z", true},
                                            {"", true},
                                            {std::string(70000, 'y'), false}};
    ASSERT_EQ(WriteListFile(path, entries), 0);
    std::vector<ListEntry> back;
    ASSERT_EQ(ReadListFile(path, back), 0);
    EXPECT_EQ(back, entries);
    EXPECT_EQ(back[1].text.size(), 303u);

    ASSERT_EQ(WriteListFile(path, {}), 0);
    EXPECT_EQ(dir.Read("Vorlex.regex"), "");
}

TEST(ListFile, AnyNonZeroFlagIsATick) {
    std::vector<ListEntry> e = ParseListFile(Record(0xFF, 1, "a") + Record(0, 1, "b") + Record(2, 1, "c"));
    EXPECT_EQ(e, (std::vector<ListEntry>{{"a", true}, {"b", false}, {"c", true}}));
}

TEST(ListFile, DamagedRecordsAddNothingAndEarlierEntriesLoad) {
    const std::string good = Record(1, 5, "*.bak") + Record(0, 5, "*.log");
    const std::vector<ListEntry> expected = {{"*.bak", true}, {"*.log", false}};
    // The last record claims 10 bytes of text where only 5 remain.
    EXPECT_EQ(ParseListFile(good + Record(1, 10, "*.tmp")), expected);
    // A header cut short, and a few stray bytes.
    EXPECT_EQ(ParseListFile(good + Record(1, 5, "*.tmp").substr(0, 6)), expected);
    // A negative length, followed by bytes that would read as a record: nothing after it loads.
    EXPECT_EQ(ParseListFile(good + Record(1, -1, "") + Record(1, 3, "bad")), expected);
    // An absurd length in the middle of the file stops reading instead of taking text bytes as headers.
    std::string absurd = good + Record(1, 0x7FFFFFFF, Record(1, 3, "bad"));
    EXPECT_EQ(ParseListFile(absurd), expected);
    EXPECT_TRUE(ParseListFile(std::string("\x01\0\0", 3)).empty());
}

TEST(ListFile, MissingAndReadOnlyFiles) {
    vorlex::test::TempDir dir;
    std::vector<ListEntry> e = {{"stale", true}};
    EXPECT_EQ(ReadListFile(dir.path + "/Vorlex.excl", e), vorlex::platform::kErrorFileNotFound);
    EXPECT_TRUE(e.empty());

    const std::string original = Record(1, 5, "*.bak");
    std::string path = dir.File("Vorlex.excl", original);
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    EXPECT_NE(WriteListFile(path, {{"*.tmp", true}}), 0);
    EXPECT_EQ(dir.Read("Vorlex.excl"), original);
}

TEST(ListFile, TickedEntriesJoinAsTheyAre) {
    EXPECT_EQ(JoinTickedEntries({{"*.bak", true}, {"*.log", false}, {"*.tmp", true}}), "*.bak,*.tmp");
    EXPECT_EQ(JoinTickedEntries({{"old file*.txt", true}, {"*.x", true}}), "old file*.txt,*.x");
    EXPECT_EQ(JoinTickedEntries({{"*.bak", false}}), "");
}
