#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>
#include <pcre2.h>

#include "../support/RegExInterpreter.h"
#include "scan/RegEx.h"

using vorlex::scan::IsValidUtf8;
using vorlex::scan::MatchResult;
using vorlex::scan::RegEx;
using vorlex::test::Interpreter;

namespace {

/// Pieces of names: ASCII, letters and digits of other scripts, case pairs that fold specially, Unicode
/// spaces and line ends, and byte sequences that are not UTF-8 (stray, truncated, overlong, surrogate,
/// beyond U+10FFFF).
const std::vector<std::string> kPieces = {
    "a",
    "Z",
    "7",
    "0",
    "_",
    " ",
    ".",
    "/",
    "-",
    "\t",
    "\r\n",
    "\n",
    "\xC3\xA9",      // é
    "\xC3\x89",      // É
    "\xE6\x97\xA5",  // 日
    "\xE6\x9C\xAC",  // 本
    "\xC3\x9F",      // ß
    "\xE1\xBA\x9E",  // ẞ
    "ss",
    "i",
    "I",
    "\xC4\xB1",          // dotless ı
    "\xC4\xB0",          // İ
    "\xE2\x84\xAA",      // Kelvin sign
    "\xD9\xA3",          // Arabic-Indic digit three
    "\xF0\x9D\x9F\x98",  // mathematical double-struck digit zero
    "\xF0\x9F\x98\x80",  // emoji
    "\xC2\xA0",          // no-break space
    "\xE3\x80\x80",      // ideographic space
    "\xC2\x85",          // NEL
    "\xE2\x80\xA8",      // line separator
    "\xCC\x81",          // combining acute accent
    "\xFF",
    "\x80",
    "\xC3",
    "\xE6\x97",
    "\xC0\xAF",
    "\xED\xA0\x80",
    "\xF4\x90\x80\x80",
    "\xF8\x88\x80\x80\x80",
};

const std::vector<std::string> kPatterns = {
    "\\d",
    "\\D",
    "\\w",
    "\\W",
    "\\s",
    "\\S",
    "^\\D+$",
    "^\\W+$",
    "^\\S+$",
    "\\D\\D",
    "[\\D]",
    "[^\\d]",
    "[\\W\\d]",
    "[^\\w\\s]",
    "\\p{L}",
    "\\P{L}",
    "\\p{Han}",
    "\\P{Han}",
    "\\p{Nd}",
    "\\P{Nd}",
    "^\\p{L}+$",
    "[[:alpha:]]",
    "[[:^alpha:]]",
    "(*UCP)\\w",
    "(*UCP)\\W",
    "(*UCP)\\d",
    "(*UCP)\\D",
    "(*UCP)\\bx",
    "\\b",
    "\\B",
    "\\b\\D",
    "\\D\\b",
    "\\B\\W",
    "(?<=\\D)\\d",
    "(?<!\\w)\\W",
    "(?=\\S)\\W",
    "\\D(?!\\d)",
    "(?<=\xE6\x97\xA5)\xE6\x9C\xAC",
    "\xC3\xA9",
    "(?i)\xC3\x89",
    "\xC3\x9F",
    "ss",
    "\xE1\xBA\x9E",
    "\xC4\xB1",
    "\xC4\xB0",
    "i",
    "k",
    "^.$",
    "^..$",
    ".\\z",
    "\\D\\Z",
    "\\A\\W",
    "(?m)^\\s*$",
    "(?m)\\S$",
    "(?s).",
    "\\N",
    "\\h",
    "\\H",
    "\\v",
    "\\V",
    "\\R",
    "\\X",
    "(\\D)\\1",
    "(\\w+)\\W\\1",
    "(\xC3\xA9)\\1",
    "(?>\\D+)7",
    "\\D++\\d",
    "[\xC3\xA0-\xC3\xBF]",
    "\\x{e9}|\\x{65e5}",
};

std::vector<std::string> Names() {
    std::vector<std::string> names = {
        "",
        "abc",
        "007",
        "a b",
        "\xE6\x97\xA5\xE6\x9C\xAC",
        "\xC3\xA9",
        "caf\xC3\xA9.txt",
        "/d/\xE6\x97\xA5/x",
        "\xFF",
        "a\xFF",
        "\xFF\xE6\x97\xA5",
        "\xE6\x97\xA5\xFF\xE6\x9C\xAC",
        "\xC3\xA9\xC3",
        "\xED\xA0\x80",
        "STRASSE",
        "Stra\xC3\x9F"
        "e",
        "\xC4\xB1\xC4\xB0iI",
        "\xC3\xA9\xC3\x89",
        "7\xC2\xA0"
        "7",
    };
    std::mt19937 random(20240601);
    for (int i = 0; i < 1500; ++i) {
        std::string name;
        const auto length = random() % 9;
        for (unsigned k = 0; k < length; ++k) {
            name += kPieces[random() % kPieces.size()];
        }
        names.push_back(name);
    }
    return names;
}

/// PCRE2's own verdict on `text`: whether a UTF pattern accepts it as a subject.
class Pcre2Utf8Check {
  public:
    Pcre2Utf8Check() {
        int error = 0;
        PCRE2_SIZE offset = 0;
        code_ = pcre2_compile(reinterpret_cast<PCRE2_SPTR>("x"), 1, PCRE2_UTF, &error, &offset, nullptr);
        matchData_ = pcre2_match_data_create(1, nullptr);
    }
    ~Pcre2Utf8Check() {
        pcre2_match_data_free(matchData_);
        pcre2_code_free(code_);
    }
    Pcre2Utf8Check(const Pcre2Utf8Check&) = delete;
    Pcre2Utf8Check& operator=(const Pcre2Utf8Check&) = delete;

    bool Valid(std::string_view text) {
        const int rc = pcre2_match(code_, reinterpret_cast<PCRE2_SPTR>(text.data()), text.size(), 0,
                                   PCRE2_NO_JIT, matchData_, nullptr);
        return rc > PCRE2_ERROR_UTF8_ERR1 || rc < PCRE2_ERROR_UTF8_ERR21;
    }

  private:
    pcre2_code* code_ = nullptr;
    pcre2_match_data* matchData_ = nullptr;
};

MatchResult Match(RegEx& re, const char* pattern, std::string_view subject) {
    re.SetPattern(pattern);
    return re.Match(subject);
}

}  // namespace

TEST(RegEx, NegatedClassesMatchCharactersBeyondAscii) {
    RegEx re;
    for (const char* pattern : {"\\D", "\\W", "\\S", "^\\D+$"}) {
        EXPECT_EQ(Match(re, pattern, "\xE6\x97\xA5\xE6\x9C\xAC"), MatchResult::Match) << pattern;
        EXPECT_EQ(Match(re, pattern, "\xC3\xA9"), MatchResult::Match) << pattern;
    }
    // Around bytes that are not UTF-8 the characters still match; the bytes themselves never do.
    EXPECT_EQ(Match(re, "\\D", "\xFF\xE6\x97\xA5"), MatchResult::Match);
    EXPECT_EQ(Match(re, "\\S", "\xC3\xA9\xFF"), MatchResult::Match);
    EXPECT_EQ(Match(re, "\\W", "a\xFF"), MatchResult::NoMatch);
    EXPECT_EQ(Match(re, "\\D", "7\xFF"), MatchResult::NoMatch);
}

TEST(RegEx, AgreesWithTheInterpreterOnValidAndInvalidNames) {
    const std::vector<std::string> names = Names();
    RegEx re;
    for (const std::string& pattern : kPatterns) {
        Interpreter reference(pattern);
        ASSERT_TRUE(reference.Compiled()) << pattern;
        re.SetPattern(pattern);
        for (const std::string& name : names) {
            EXPECT_EQ(re.Match(name), reference.Match(name)) << "pattern " << pattern << ", name " << name;
        }
    }
}

TEST(IsValidUtf8, AcceptsExactlyWhatPcre2Accepts) {
    Pcre2Utf8Check pcre2;
    // Every sequence of up to three bytes from 0xC0 up, and four-byte ones around the ranges' edges, after
    // ASCII of several lengths so that each falls at every place of an eight-byte block.
    std::vector<std::string> tails;
    for (unsigned a = 0x80; a < 0x100; ++a) {
        tails.push_back({static_cast<char>(a)});
        for (unsigned b = 0; b < 0x100; ++b) {
            tails.push_back({static_cast<char>(a), static_cast<char>(b)});
        }
    }
    for (unsigned a = 0xE0; a < 0x100; ++a) {
        for (unsigned b = 0; b < 0x100; ++b) {
            for (unsigned c = 0x70; c < 0xD0; ++c) {
                tails.push_back({static_cast<char>(a), static_cast<char>(b), static_cast<char>(c)});
            }
        }
    }
    for (unsigned a = 0xF0; a < 0x100; ++a) {
        for (unsigned b = 0; b < 0x100; ++b) {
            for (unsigned c : {0x7Fu, 0x80u, 0xBFu, 0xC0u}) {
                for (unsigned d : {0x7Fu, 0x80u, 0xBFu, 0xC0u}) {
                    tails.push_back({static_cast<char>(a), static_cast<char>(b), static_cast<char>(c),
                                     static_cast<char>(d)});
                }
            }
        }
    }
    std::size_t valid = 0;
    for (const std::string& tail : tails) {
        for (std::size_t ascii : {0, 5, 8, 11}) {
            const std::string text = std::string(ascii, 'a') + tail + "bc";
            ASSERT_EQ(IsValidUtf8(text), pcre2.Valid(text)) << testing::PrintToString(text);
            valid += IsValidUtf8(text) ? 1 : 0;
        }
    }
    EXPECT_GT(valid, 0u);
    for (const std::string& name : Names()) {
        EXPECT_EQ(IsValidUtf8(name), pcre2.Valid(name)) << testing::PrintToString(name);
    }
}
