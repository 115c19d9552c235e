#include <string>

#include <gtest/gtest.h>

#include "config/Validation.h"
#include "scan/RegEx.h"

using vorlex::config::IsValidFileType;
using vorlex::config::SyntaxCheckRegEx;
using vorlex::scan::MatchResult;
using vorlex::scan::RegEx;
using vorlex::scan::RegExError;

TEST(IsValidFileType, AllowsStarsAndAccentsButNotPathOrWildcardCharacters) {
    for (const char* ok : {"*.tmp", "*.*", "*core*.dll", "~*", "caf\xC3\xA9.txt", "\xE4\xB8\xAD*", "a\xFF"}) {
        EXPECT_TRUE(IsValidFileType(ok)) << ok;
    }
    for (const char* bad : {"", "a?b.txt", "C:\\x", "a/b", "a|b", "\"x\"", "<a", "a>"}) {
        EXPECT_FALSE(IsValidFileType(bad)) << bad;
    }
}

TEST(RegEx, CaselessUnanchoredNeverEmptyAnyNewlineAndSafeOnInvalidUtf8) {
    RegEx re;
    auto match = [&](const char* pattern, const std::string& subject) {
        re.SetPattern(pattern);
        return re.Match(subject);
    };
    EXPECT_EQ(match("TEMP", "/home/a/AppData/Local/Temp/"), MatchResult::Match);
    EXPECT_EQ(match("^$", ""), MatchResult::NoMatch);
    EXPECT_EQ(match("x*", "abc"), MatchResult::NoMatch);
    EXPECT_EQ(match("x*", "abxc"), MatchResult::Match);
    EXPECT_EQ(match("\xC3\xA9t\xC3\xA9$", "/x/\xC3\x89T\xC3\x89"), MatchResult::Match);
    EXPECT_EQ(match("(?m)^b$", "a\r\nb"), MatchResult::Match);
    EXPECT_EQ(match("(?m)^b$",
                    "a\xC2\x85"
                    "b"),
              MatchResult::Match);  // NEL ends a line too
    EXPECT_EQ(match("caf", "/caf\xE9/\xFF\xFE"), MatchResult::Match);
    EXPECT_EQ(match("caf.$", "/caf\xE9"), MatchResult::NoMatch);  // a stray byte is no character
}

TEST(RegEx, CompilesOnceAndReportsErrorsWithOffset) {
    RegEx re;
    try {
        re.Compile();
        FAIL() << "an empty pattern compiled";
    } catch (const RegExError& e) {
        EXPECT_STREQ(e.what(), "TPerlRegEx.Compile() - Please specify a regular expression in RegEx first");
    }
    re.SetPattern("a+");
    EXPECT_EQ(re.Match("caab"), MatchResult::Match);
    re.SetPattern("a+");
    EXPECT_TRUE(re.Compiled());  // same text: the compiled form stays
    re.SetPattern("ab)c");
    EXPECT_FALSE(re.Compiled());
    try {
        re.Match("abc");
        FAIL() << "an unbalanced pattern compiled";
    } catch (const RegExError& e) {
        const std::string head = "TPerlRegEx.Compile() - Error in regex at offset 2: ";
        EXPECT_EQ(std::string(e.what()).rfind(head, 0), 0u) << e.what();
        EXPECT_GT(std::string(e.what()).size(), head.size());
    }
}

TEST(RegEx, HostilePatternsEndAsNoMatchWhileLongOrdinaryWorkSucceeds) {
    RegEx re;
    const std::string name = std::string(4000, 'a') + "!";
    for (const char* pattern : {"(a+)+$", "(a|aa)+$", "^(\\w+\\s?)*$"}) {
        re.SetPattern(pattern);
        EXPECT_EQ(re.Match(name), MatchResult::Error) << pattern;
    }
    re.SetPattern("(?:a|b)*!$");
    EXPECT_EQ(re.Match(std::string(30000, 'a') + "!"), MatchResult::Match);
}

TEST(SyntaxCheckRegEx, JudgesTheGivenExpressionInTheSharedObject) {
    RegEx shared;
    auto good = SyntaxCheckRegEx(shared, "bee(hive|line)");
    EXPECT_TRUE(good.valid && good.error.empty());
    EXPECT_TRUE(shared.Compiled());
    auto bad = SyntaxCheckRegEx(shared, "a(b");
    EXPECT_FALSE(bad.valid);
    EXPECT_EQ(bad.error.rfind("TPerlRegEx.Compile() - Error in regex at offset 3: ", 0), 0u) << bad.error;
    auto empty = SyntaxCheckRegEx(shared, "");
    EXPECT_FALSE(empty.valid || !empty.error.empty());
}
