#include <functional>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "scan/Mask.h"

using namespace vorlex::scan;
using Items = std::vector<std::string>;

TEST(SplitMaskList, CommaTextRules) {
    EXPECT_EQ(SplitMaskList("*.tmp, *.log"), (Items{"*.tmp", "*.log"}));
    EXPECT_EQ(SplitMaskList("\t\n *.tmp *.Log\r\n"), (Items{"*.tmp", "*.Log"}));
    EXPECT_EQ(SplitMaskList("*.tmp,"), (Items{"*.tmp", ""}));
    EXPECT_EQ(SplitMaskList("*.tmp, "), (Items{"*.tmp"}));  // the comma is not the last character
    EXPECT_EQ(SplitMaskList(",,"), (Items{"", "", ""}));
    EXPECT_TRUE(SplitMaskList(" \t").empty());
    EXPECT_EQ(SplitMaskList(R"("my file*.doc",x "a,b""c"d)"), (Items{"my file*.doc", "x", "a,b\"c", "d"}));
    EXPECT_EQ(SplitMaskList(R"(x, "open end)"), (Items{"x", "open end"}));  // unclosed quote loses nothing
}

TEST(TMask, MatchesLikeWildcardsWithTheLanguagesQuirks) {
    const std::string smile = "\xF0\x9F\x98\x80";  // U+1F600, two units in UTF-16
    struct Case {
        std::string mask, name;
        bool match;
    } cases[] = {
        {"*.TMP", "a.tmp", true},
        {"*.txt", "a.txt.bak", false},
        {"readme", "README", true},
        {"readme", "README.md", false},
        {"\xC3\xA9t\xC3\xA9", "\xC3\x89T\xC3\x89", false},  // only ASCII letters fold
        {"", "any", false},
        {"*?.txt", ".txt", true},  // ? after a pending * is dropped
        {"*??", "a", true},
        {"a*??b", "ab", true},
        {"a??b", "ab", false},
        {"[a-c]*", "Beta.doc", true},
        {"[!a-c]*", "delta", true},
        {"[!a-c]*", "\xC3\xA9t\xC3\xA9", true},
        {"[!a-c]*", "beta", false},
        {"[a-c-e]", "d", true},          // the lower end stays for a further range
        {"[z-ax]", "z", false},          // z counts only through its empty range
        {"[A-]]", "\\", true},           // after a dash comes the upper end, even ']'
        {"[\xC5\x81]*", "apple", true},  // U+0141 is held as 0x41, A
        {"[!a]x", "\xC5\x81x", true},    // a negated set takes every character above 255
        {smile + "*", smile + "abc", true},
        {"?", smile, true},
        {"[a" + smile + "]", smile, false},       // skipped inside a set
        {"*.tmp", "\xFF\xFEname\xC3.tmp", true},  // undecodable bytes are characters of their own
        {"??name?.tmp", "\xFF\xFEname\xC3.tmp", true},
        {"\xFF*",
         "\xFF"
         "a",
         true},
        {"\xC3\xA9", "\xE9", false},  // a Latin-1 byte is not é
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MatchesMask(c.name, c.mask), c.match) << "mask " << c.mask << " name " << c.name;
    }
}

TEST(TMask, InvalidMasksNameTheFaultPosition) {
    std::string thirty;
    for (int i = 0; i < 30; ++i) {
        thirty += "*a";
    }
    EXPECT_NO_THROW(TMask{thirty});
    EXPECT_NO_THROW(TMask{thirty + "b"});
    const std::pair<std::string, int> invalid[] = {
        {"[abc", 5},        {"[]", 2},
        {"[-a]", 2},        {"x[z-a]", 6},
        {"[!]", 3},         {"[a-", 4},
        {"[\xE9]", 3},      {"\xC3\xA9[\xF0\x9F\x98\x80]", 4},
        {thirty + "*", 62}, {thirty + "***b", 64},
    };
    for (const auto& [mask, position] : invalid) {
        try {
            TMask m(mask);
            ADD_FAILURE() << mask << " was accepted";
        } catch (const EMaskException& e) {
            EXPECT_EQ(e.what(), "'" + mask + "' is an invalid mask at (" + std::to_string(position) + ")");
        }
    }
}

TEST(TMask, AgreesWithPlainWildcardMatchingAndStaysCheap) {
    // Reference: recursive wildcard matching, after dropping every ? that follows a *.
    auto reference = [](const std::string& mask, const std::string& name) {
        std::string m;
        for (char c : mask) {
            if (!(c == '?' && !m.empty() && m.back() == '*') &&
                !(c == '*' && !m.empty() && m.back() == '*')) {
                m += c;
            }
        }
        auto up = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
        std::function<bool(std::size_t, std::size_t)> rec = [&](std::size_t i, std::size_t j) {
            if (i == m.size()) {
                return j == name.size();
            }
            if (m[i] == '*') {
                return rec(i + 1, j) || (j < name.size() && rec(i, j + 1));
            }
            return j < name.size() && (m[i] == '?' || up(m[i]) == up(name[j])) && rec(i + 1, j + 1);
        };
        return rec(0, 0);
    };
    std::mt19937 rng(12345);
    for (int round = 0; round < 4000; ++round) {
        std::string mask, name;
        for (int k = static_cast<int>(rng() % 7); k > 0; --k) {
            mask += "ab*?A"[rng() % 5];
        }
        for (int k = static_cast<int>(rng() % 8); k > 0; --k) {
            name += "abAB"[rng() % 4];
        }
        ASSERT_EQ(TMask(mask).Matches(name), reference(mask, name)) << "mask " << mask << " name " << name;
    }
    // 30 stars against a long name: retrying from every star would never end.
    std::string many;
    for (int i = 0; i < 29; ++i) {
        many += "*a";
    }
    EXPECT_FALSE(TMask(many + "*b").Matches(std::string(255, 'a')));
    EXPECT_TRUE(TMask(many + "*b").Matches(std::string(254, 'a') + "b"));
}

TEST(MaskList, InvalidMaskRaisesOnlyWhenReached) {
    MaskList list("*.tmp, [x, *.log");
    ASSERT_EQ(list.Size(), 3u);
    EXPECT_TRUE(list.Matches(0, "a.tmp"));
    EXPECT_THROW(list.Matches(1, "a.tmp"), EMaskException);
    EXPECT_TRUE(list.Matches(2, "b.LOG"));
    ASSERT_TRUE(list.FirstError().has_value());
    EXPECT_STREQ(list.FirstError()->what(), "'[x' is an invalid mask at (3)");
    EXPECT_FALSE(MaskList("*.tmp,").FirstError().has_value());
}
