// Fuzz target of the mask splitter, the mask compiler TMask and its matcher.
//
// Input: a mask-list text, a NUL byte, then a file name (raw bytes). Without a NUL the whole input is both
// the text and the name. Checks: no crash, undefined behaviour or hang; EMaskException is the only error;
// a NUL ends the list text; MaskList agrees with compiling each mask on its own; a mask without `*`, `?`
// and `[` matches exactly the names equal to it up to ASCII letter case; `*` matches every name; a mask
// without `[` matches like an independent wildcard matcher with the `?`-after-`*` rule; putting `*` in
// front of or behind a mask never loses a match.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "scan/Mask.h"

using vorlex::fuzz::EqualsAsciiNoCase;
using vorlex::fuzz::ReadUtf8;
using vorlex::scan::EMaskException;
using vorlex::scan::MaskList;
using vorlex::scan::SplitMaskList;
using vorlex::scan::TMask;

namespace {

/// A name or mask as characters; an undecodable byte b becomes 0x110000 + b, which no character equals.
std::vector<char32_t> Characters(std::string_view text) {
    std::vector<char32_t> out;
    for (std::size_t pos = 0; pos < text.size();) {
        const vorlex::fuzz::Utf8Char c = ReadUtf8(text, pos);
        out.push_back(c.valid ? c.cp : 0x110000 + c.cp);
        pos += c.length;
    }
    return out;
}

char32_t Fold(char32_t c) {
    return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c;
}

/// Wildcard match of a mask without sets by dynamic programming: `*` any run, `?` one character (a `?` that
/// follows a `*` with nothing but `?` between them is dropped), anything else itself with ASCII letters
/// folded. The mask must have compiled.
bool ReferenceMatch(std::string_view mask, std::string_view name) {
    enum Kind { Literal, One, Star };
    struct Token {
        Kind kind;
        char32_t c;
    };
    std::vector<Token> tokens;
    bool starPending = false;
    for (char32_t c : Characters(mask)) {
        if (c == '*') {
            if (!starPending) {
                tokens.push_back({Star, 0});
            }
            starPending = true;
        } else if (c == '?') {
            if (!starPending) {
                tokens.push_back({One, 0});
            }
        } else {
            tokens.push_back({Literal, Fold(c)});
            starPending = false;
        }
    }
    const std::vector<char32_t> chars = Characters(name);
    // row[j]: the tokens so far match the first j characters of the name.
    std::vector<char> row(chars.size() + 1, 0);
    row[0] = 1;
    for (const Token& t : tokens) {
        std::vector<char> next(chars.size() + 1, 0);
        for (std::size_t j = 0; j <= chars.size(); ++j) {
            if (t.kind == Star) {
                next[j] = row[j] || (j > 0 && next[j - 1]);
            } else if (j > 0 && row[j - 1]) {
                next[j] = t.kind == One || Fold(chars[j - 1]) == t.c;
            }
        }
        row.swap(next);
    }
    return row[chars.size()] != 0;
}

/// `mask` compiled, or nothing when it is invalid; checks the error's position and message on the way.
std::optional<TMask> Compile(std::string_view mask) {
    try {
        return TMask(mask);
    } catch (const EMaskException& e) {
        const std::size_t chars = Characters(mask).size();
        FUZZ_CHECK(e.Position() >= 1 && e.Position() <= chars + 1, "error position inside the mask");
        FUZZ_CHECK(e.Mask() == mask, "the error names the mask");
        const std::string expected =
            "'" + std::string(mask) + "' is an invalid mask at (" + std::to_string(e.Position()) + ")";
        FUZZ_CHECK(expected == e.what(), "error message");
        return std::nullopt;
    }
}

std::string SwapAsciiCase(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        } else if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return out;
}

void CheckMask(std::string_view mask, std::string_view name) {
    const std::optional<TMask> compiled = Compile(mask);
    const bool plain = mask.find_first_of("*?[") == std::string_view::npos;
    if (!compiled) {
        FUZZ_CHECK(!plain, "a mask without wildcards or sets always compiles");
        return;
    }
    const bool matches = compiled->Matches(name);
    if (plain) {
        FUZZ_CHECK(matches == EqualsAsciiNoCase(name, mask), "plain mask matches only equal names");
        FUZZ_CHECK(compiled->Matches(SwapAsciiCase(mask)), "plain mask ignores ASCII letter case");
    }
    // The reference costs mask length times name length; keep each input fast.
    if (mask.find('[') == std::string_view::npos && mask.size() * name.size() <= 200000) {
        FUZZ_CHECK(matches == ReferenceMatch(mask, name), "mask without sets matches like the reference");
    }
    if (matches) {
        if (std::optional<TMask> front = Compile("*" + std::string(mask))) {
            FUZZ_CHECK(front->Matches("x" + std::string(name)), "a leading * keeps the match");
        }
        if (std::optional<TMask> back = Compile(std::string(mask) + "*")) {
            FUZZ_CHECK(back->Matches(std::string(name) + "x"), "a trailing * keeps the match");
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t nul = input.find('\0');
    const std::string_view text = input.substr(0, nul);
    const std::string_view name = nul == std::string_view::npos ? input : input.substr(nul + 1);

    const std::vector<std::string> items = SplitMaskList(text);
    FUZZ_CHECK(SplitMaskList(input) == items, "a NUL ends the mask-list text");

    const MaskList list(text);
    FUZZ_CHECK(list.Size() == items.size(), "one mask per item");
    std::optional<std::size_t> firstInvalid;
    for (std::size_t i = 0; i < list.Size(); ++i) {
        FUZZ_CHECK(list.Text(i) == items[i], "mask text kept");
        const std::optional<TMask> alone = Compile(items[i]);
        try {
            const bool matches = list.Matches(i, name);
            FUZZ_CHECK(alone.has_value() && matches == alone->Matches(name), "list matches like one mask");
        } catch (const EMaskException& e) {
            FUZZ_CHECK(!alone.has_value(), "only an invalid mask throws");
            FUZZ_CHECK(e.Mask() == items[i], "the error names its mask");
            if (!firstInvalid) {
                firstInvalid = i;
            }
        }
        CheckMask(items[i], name);
    }
    const std::optional<EMaskException> first = list.FirstError();
    FUZZ_CHECK(first.has_value() == firstInvalid.has_value(), "FirstError finds an invalid mask");
    if (first) {
        FUZZ_CHECK(first->Mask() == items[*firstInvalid], "FirstError names the first invalid mask");
    }

    // The whole text as one mask: blanks, commas and quotes are plain characters there.
    CheckMask(text, name);
    FUZZ_CHECK(TMask("*").Matches(name) && TMask("**").Matches(name), "* matches every name");
    return 0;
}
