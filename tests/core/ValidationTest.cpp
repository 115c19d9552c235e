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

TEST(RegEx, MatchesCaselessUnanchoredAndNeverEmpty) {
    RegEx re;
    re.SetPattern("TEMP");
    EXPECT_EQ(re.Match("/home/a/AppData/Local/Temp/"), MatchResult::Match);
    re.SetPattern("^$");
    EXPECT_EQ(re.Match(""), MatchResult::NoMatch);
    EXPECT_EQ(re.Match("abc"), MatchResult::NoMatch);
    re.SetPattern("x*");
    EXPECT_EQ(re.Match("abc"), MatchResult::NoMatch);
    EXPECT_EQ(re.Match("abxc"), MatchResult::Match);
    re.SetPattern("\xC3\xA9t\xC3\xA9$");  // été, caseless beyond ASCII
    EXPECT_EQ(re.Match("/x/\xC3\x89T\xC3\x89"), MatchResult::Match);
    re.SetPattern("^b$");                                 // any newline sequence ends a line, NEL included
    EXPECT_EQ(re.Match("a\r\nb"), MatchResult::NoMatch);  // ^ needs multiline
    re.SetPattern("(?m)^b$");
    EXPECT_EQ(re.Match("a\r\nb"), MatchResult::Match);
    EXPECT_EQ(re.Match("a\xC2\x85"
                       "b"),
              MatchResult::Match);
}

TEST(RegEx, InvalidUtf8SubjectsAreMatchedSafely) {
    RegEx re;
    re.SetPattern("caf");
    EXPECT_EQ(re.Match("/caf\xE9/\xFF\xFE"), MatchResult::Match);
    re.SetPattern("caf\xC3\xA9");
    EXPECT_EQ(re.Match("/caf\xE9"), MatchResult::NoMatch);
    re.SetPattern("caf.$");
    EXPECT_EQ(re.Match("/caf\xE9"), MatchResult::NoMatch);  // a stray byte is no character
}

TEST(RegEx, RecompilesOnlyWhenThePatternTextChanges) {
    RegEx re;
    re.SetPattern("a+");
    EXPECT_FALSE(re.Compiled());
    EXPECT_EQ(re.Match("caab"), MatchResult::Match);
    EXPECT_TRUE(re.Compiled());
    re.SetPattern("a+");
    EXPECT_TRUE(re.Compiled());
    re.SetPattern("A+");
    EXPECT_FALSE(re.Compiled());
    EXPECT_EQ(re.Pattern(), "A+");
}

TEST(RegEx, CompileErrorsCarryOffsetAndReason) {
    RegEx re;
    try {
        re.Compile();
        FAIL() << "an empty pattern compiled";
    } catch (const RegExError& e) {
        EXPECT_STREQ(e.what(), "TPerlRegEx.Compile() - Please specify a regular expression in RegEx first");
    }
    re.SetPattern("ab)c");
    try {
        re.Match("abc");
        FAIL() << "an unbalanced pattern compiled";
    } catch (const RegExError& e) {
        const std::string what = e.what();
        const std::string head = "TPerlRegEx.Compile() - Error in regex at offset 2: ";
        EXPECT_EQ(what.substr(0, head.size()), head);
        EXPECT_GT(what.size(), head.size());
    }
    EXPECT_FALSE(re.Compiled());
}

TEST(RegEx, HostilePatternsEndAsNoMatch) {
    RegEx re;
    const std::string name = std::string(4000, 'a') + "!";
    for (const char* pattern : {"(a+)+$", "(a|aa)+$", "^(\\w+\\s?)*$"}) {
        re.SetPattern(pattern);
        EXPECT_NE(re.Match(name), MatchResult::Match) << pattern;
    }
    // The limits leave ordinary work alone: a long subject with a pattern that has to scan it.
    re.SetPattern("(?:a|b)*!$");
    EXPECT_EQ(re.Match(name), MatchResult::Match);
}

TEST(SyntaxCheckRegEx, JudgesTheGivenExpressionInTheSharedObject) {
    RegEx shared;
    auto good = SyntaxCheckRegEx(shared, "bee(hive|line)");
    EXPECT_TRUE(good.valid);
    EXPECT_TRUE(good.error.empty());
    EXPECT_EQ(shared.Pattern(), "bee(hive|line)");
    EXPECT_TRUE(shared.Compiled());

    auto bad = SyntaxCheckRegEx(shared, "a(b");
    EXPECT_FALSE(bad.valid);
    EXPECT_EQ(bad.error.rfind("TPerlRegEx.Compile() - Error in regex at offset 3: ", 0), 0u) << bad.error;

    auto empty = SyntaxCheckRegEx(shared, "");
    EXPECT_FALSE(empty.valid);
    EXPECT_TRUE(empty.error.empty());

    // A scan that sets its own pattern afterwards is not disturbed by what the check left behind.
    shared.SetPattern("hive");
    EXPECT_EQ(shared.Match("/x/beehive.txt"), MatchResult::Match);
}
