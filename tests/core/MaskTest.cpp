#include <functional>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "scan/Mask.h"

using vorlex::scan::EMaskException;
using vorlex::scan::MaskList;
using vorlex::scan::MatchesMask;
using vorlex::scan::SplitMaskList;
using vorlex::scan::TMask;
using Items = std::vector<std::string>;

TEST(SplitMaskList, BlanksAndCommasSeparateAndTrailingCommaAddsEmptyItem) {
    EXPECT_EQ(SplitMaskList("*.tmp, *.log"), (Items{"*.tmp", "*.log"}));
    EXPECT_EQ(SplitMaskList("*.tmp *.log"), (Items{"*.tmp", "*.log"}));
    EXPECT_EQ(SplitMaskList("\t\n *.Tmp\r\n"), (Items{"*.Tmp"}));
    EXPECT_EQ(SplitMaskList("*.tmp,"), (Items{"*.tmp", ""}));
    EXPECT_EQ(SplitMaskList("*.tmp, "), (Items{"*.tmp"}));  // the comma is not the last character
    EXPECT_EQ(SplitMaskList("a,,b"), (Items{"a", "", "b"}));
    EXPECT_EQ(SplitMaskList(",,"), (Items{"", "", ""}));
    EXPECT_TRUE(SplitMaskList("").empty());
    EXPECT_TRUE(SplitMaskList("  \t").empty());
    EXPECT_EQ(SplitMaskList(std::string("a,b\0,c", 6)), (Items{"a", "b"}));
}

TEST(SplitMaskList, QuotedItemsHoldBlanksCommasAndDoubledQuotes) {
    EXPECT_EQ(SplitMaskList(R"("my file*.doc", x)"), (Items{"my file*.doc", "x"}));
    EXPECT_EQ(SplitMaskList(R"("a,b""c")"), (Items{"a,b\"c"}));
    EXPECT_EQ(SplitMaskList(R"("a b"c)"), (Items{"a b", "c"}));
    EXPECT_EQ(SplitMaskList(R"("")"), (Items{""}));
    // An unclosed quote runs to the end of the text and loses nothing.
    EXPECT_EQ(SplitMaskList(R"(x, "open end)"), (Items{"x", "open end"}));
}

TEST(TMask, MatchesWholeNamesWithAsciiCaseFolding) {
    EXPECT_TRUE(MatchesMask("a.tmp", "*.TMP"));
    EXPECT_TRUE(MatchesMask("A.TMP", "*.tmp"));
    EXPECT_FALSE(MatchesMask("a.txt.bak", "*.txt"));
    EXPECT_TRUE(MatchesMask("README", "readme"));
    EXPECT_FALSE(MatchesMask("README.md", "readme"));
    EXPECT_FALSE(MatchesMask("xreadme", "readme"));
    EXPECT_FALSE(
        MatchesMask("\xC3\x89t\xC3\xA9", "\xC3\xA9T\xC3\xA9"));  // Été and été differ: only ASCII folds
    EXPECT_TRUE(MatchesMask("abc", "a?c"));
    EXPECT_FALSE(MatchesMask("ac", "a?c"));
    EXPECT_FALSE(MatchesMask("any", ""));  // an empty mask matches no file name
    EXPECT_TRUE(MatchesMask("x", "***"));
}

TEST(TMask, QuestionMarkAfterPendingStarIsDropped) {
    EXPECT_TRUE(MatchesMask(".txt", "*?.txt"));
    EXPECT_TRUE(MatchesMask("a", "*??"));
    EXPECT_TRUE(MatchesMask("ab", "a*??b"));  // a*??b equals a*b
    EXPECT_TRUE(MatchesMask("ab", "a*b"));
    EXPECT_FALSE(MatchesMask("ab", "a??b"));
}

TEST(TMask, SetsRangesAndNegation) {
    EXPECT_TRUE(MatchesMask("Beta.doc", "[a-c]*"));
    EXPECT_FALSE(MatchesMask("delta", "[a-c]*"));
    EXPECT_TRUE(MatchesMask("delta", "[!a-c]*"));
    EXPECT_TRUE(MatchesMask("\xC3\xA9t\xC3\xA9", "[!a-c]*"));  // été
    EXPECT_FALSE(MatchesMask("beta", "[!a-c]*"));
    // The lower end of a range stays for a further range: [a-c-e] holds a to e.
    EXPECT_TRUE(MatchesMask("d", "[a-c-e]"));
    EXPECT_FALSE(MatchesMask("f", "[a-c-e]"));
    EXPECT_TRUE(MatchesMask("x", "[z-ax]"));
    EXPECT_FALSE(MatchesMask("z", "[z-ax]"));  // z belongs to its (empty) range only
    // Range ends fold too, so [a-Z] is A to Z.
    EXPECT_TRUE(MatchesMask("q", "[a-Z]"));
    // A dash is always followed by the range's upper end, even a ']'.
    EXPECT_TRUE(MatchesMask("\\", "[A-]]"));
    // Members are held modulo 256: U+0141 stands for 0x41, the letter A.
    EXPECT_TRUE(MatchesMask("apple", "[\xC5\x81]*"));
    // A negated set accepts every character above 255, a plain set none.
    EXPECT_TRUE(MatchesMask("\xC5\x81x", "[!a]x"));
    EXPECT_FALSE(MatchesMask("\xC5\x81x", "[\xC5\x81]x"));
}

TEST(TMask, CharactersAboveBmpAreExactLiteralsAndSkippedInSets) {
    const std::string smile = "\xF0\x9F\x98\x80";  // U+1F600
    EXPECT_TRUE(MatchesMask(smile + "abc", smile + "*"));
    EXPECT_FALSE(MatchesMask("xabc", smile + "*"));
    EXPECT_TRUE(MatchesMask(smile, "?"));  // one character, not two units
    EXPECT_TRUE(MatchesMask("a", "[a" + smile + "]"));
    EXPECT_FALSE(MatchesMask(smile, "[a" + smile + "]"));
}

TEST(TMask, UndecodableBytesAreCharactersOfTheirOwn) {
    const std::string bad = "\xFF\xFEname\xC3.tmp";  // not UTF-8; a truncated sequence before ".tmp"
    EXPECT_TRUE(MatchesMask(bad, "*.tmp"));
    EXPECT_TRUE(MatchesMask(bad, "??name?.tmp"));
    EXPECT_TRUE(MatchesMask(bad, bad));
    EXPECT_FALSE(MatchesMask(bad, "\xFE\xFFname\xC3.tmp"));
    EXPECT_FALSE(MatchesMask("\xE9t\xE9", "\xC3\xA9t\xC3\xA9"));  // Latin-1 bytes are not é
    EXPECT_TRUE(MatchesMask("\xE9", "[!a]"));
    EXPECT_THROW(MatchesMask("\xE9", "[\xE9]"), EMaskException);  // not a set member, so the set is empty
}

TEST(TMask, InvalidMasksNameTheFaultPosition) {
    auto messageOf = [](const std::string& mask) -> std::string {
        try {
            TMask m(mask);
        } catch (const EMaskException& e) {
            return e.what();
        }
        return "valid";
    };
    EXPECT_EQ(messageOf("[abc"), "'[abc' is an invalid mask at (5)");
    EXPECT_EQ(messageOf("[]"), "'[]' is an invalid mask at (2)");
    EXPECT_EQ(messageOf("[-a]"), "'[-a]' is an invalid mask at (2)");
    EXPECT_EQ(messageOf("x[z-a]"), "'x[z-a]' is an invalid mask at (6)");
    EXPECT_EQ(messageOf("[!]"), "'[!]' is an invalid mask at (3)");
    EXPECT_EQ(messageOf("[a-"), "'[a-' is an invalid mask at (4)");
    EXPECT_EQ(messageOf("\xC3\xA9[\xF0\x9F\x98\x80]"),
              "'\xC3\xA9[\xF0\x9F\x98\x80]' is an invalid mask at (4)");
    EXPECT_EQ(messageOf("[a]"), "valid");

    // Thirty star groups are the most; the end of the mask counts as one when a star stands before it.
    std::string thirty;
    for (int i = 0; i < 30; ++i) {
        thirty += "*a";
    }
    EXPECT_EQ(messageOf(thirty), "valid");
    EXPECT_EQ(messageOf(thirty + "*"), "'" + thirty + "*' is an invalid mask at (62)");
    EXPECT_EQ(messageOf(thirty + "***b"), "'" + thirty + "***b' is an invalid mask at (64)");
    EXPECT_EQ(messageOf(thirty + "b"), "valid");
    EXPECT_TRUE(MatchesMask(std::string(30, 'a'), thirty));
}

TEST(TMask, ManyStarsOnLongNamesStayCheap) {
    // A backtracking matcher would try billions of ways here; the answer must still come.
    std::string mask;
    for (int i = 0; i < 29; ++i) {
        mask += "*a";
    }
    mask += "*b";
    EXPECT_FALSE(TMask(mask).Matches(std::string(255, 'a')));
    EXPECT_TRUE(TMask(mask).Matches(std::string(254, 'a') + "b"));
}

// Reference: plain recursive wildcard matching over ASCII, with the compiler's `?` quirk applied first.
namespace {

bool ReferenceMatch(const std::string& mask, const std::string& name) {
    std::string m;
    bool star = false;
    for (char c : mask) {
        if (c == '*') {
            star = true;
        } else if (c == '?' && star) {
            continue;
        } else {
            if (star) {
                m += '*';
            }
            star = false;
            m += c;
        }
    }
    if (star) {
        m += '*';
    }
    auto up = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
    std::function<bool(std::size_t, std::size_t)> rec = [&](std::size_t i, std::size_t j) -> bool {
        if (i == m.size()) {
            return j == name.size();
        }
        if (m[i] == '*') {
            for (std::size_t k = j; k <= name.size(); ++k) {
                if (rec(i + 1, k)) {
                    return true;
                }
            }
            return false;
        }
        if (j == name.size()) {
            return false;
        }
        return (m[i] == '?' || up(m[i]) == up(name[j])) && rec(i + 1, j + 1);
    };
    return rec(0, 0);
}

}  // namespace

TEST(TMask, AgreesWithPlainWildcardMatching) {
    std::mt19937 rng(12345);
    const std::string maskChars = "ab*?A";
    const std::string nameChars = "abAB";
    for (int round = 0; round < 4000; ++round) {
        std::string mask;
        std::string name;
        for (int k = static_cast<int>(rng() % 7); k > 0; --k) {
            mask += maskChars[rng() % maskChars.size()];
        }
        for (int k = static_cast<int>(rng() % 8); k > 0; --k) {
            name += nameChars[rng() % nameChars.size()];
        }
        ASSERT_EQ(TMask(mask).Matches(name), ReferenceMatch(mask, name))
            << "mask " << mask << " name " << name;
    }
}

TEST(MaskList, InvalidMaskRaisesOnlyWhenReached) {
    MaskList list("*.tmp, [x, *.log");
    ASSERT_EQ(list.Size(), 3u);
    EXPECT_EQ(list.Text(1), "[x");
    EXPECT_TRUE(list.Matches(0, "a.tmp"));
    try {
        list.Matches(1, "a.tmp");
        FAIL() << "the invalid mask was accepted";
    } catch (const EMaskException& e) {
        EXPECT_STREQ(e.what(), "'[x' is an invalid mask at (3)");
    }
    EXPECT_TRUE(list.Matches(2, "b.LOG"));
    ASSERT_TRUE(list.FirstError().has_value());
    EXPECT_EQ(list.FirstError()->Position(), 3u);
    EXPECT_FALSE(MaskList("*.tmp,").FirstError().has_value());
}
