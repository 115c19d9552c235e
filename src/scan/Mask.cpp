#include "scan/Mask.h"

#include "base/Utf8.h"

namespace vorlex::scan {

using base::DecodeUtf8;
using base::IsUndecodable;

std::vector<std::string> SplitMaskList(std::string_view text) {
    // A NUL ends the text, as it ends the edit box's text.
    if (std::size_t nul = text.find('\0'); nul != std::string_view::npos) {
        text = text.substr(0, nul);
    }
    auto isBlank = [](char c) { return c >= 1 && c <= ' '; };
    std::vector<std::string> items;
    std::size_t p = 0;
    const std::size_t n = text.size();
    while (p < n && isBlank(text[p])) {
        ++p;
    }
    while (p < n) {
        std::string item;
        if (text[p] == '"') {
            ++p;
            while (p < n) {
                if (text[p] == '"') {
                    if (p + 1 < n && text[p + 1] == '"') {
                        item += '"';
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                item += text[p++];
            }
        } else {
            std::size_t start = p;
            while (p < n && !isBlank(text[p]) && text[p] != ',') {
                ++p;
            }
            item.assign(text.substr(start, p - start));
        }
        items.push_back(std::move(item));
        while (p < n && isBlank(text[p])) {
            ++p;
        }
        if (p < n && text[p] == ',') {
            if (p + 1 == n) {
                items.emplace_back();
            }
            do {
                ++p;
            } while (p < n && isBlank(text[p]));
        }
    }
    return items;
}

namespace {

std::string MaskMessage(std::string_view mask, std::size_t position) {
    std::string m = "'";
    m.append(mask);
    m += "' is an invalid mask at (";
    m += std::to_string(position);
    m += ')';
    return m;
}

constexpr char32_t FoldAscii(char32_t c) {
    return c >= 'a' && c <= 'z' ? c - ('a' - 'A') : c;
}

}  // namespace

EMaskException::EMaskException(std::string_view mask, std::size_t position)
    : std::runtime_error(MaskMessage(mask, position)), mask_(mask), position_(position) {}

TMask::TMask(std::string_view mask) {
    std::vector<char32_t> chars;
    chars.reserve(mask.size());
    for (std::size_t p = 0; p < mask.size();) {
        char32_t c = 0;
        p += DecodeUtf8(mask, p, c);
        chars.push_back(c);
    }
    const std::size_t n = chars.size();

    bool skipTo = false;
    int stars = 0;
    // `at` is the 0-based index of the character that completes the state, for the error position.
    auto write = [&](State s, std::size_t at) {
        if (skipTo && ++stars > kMaxStars) {
            throw EMaskException(mask, at + 1);
        }
        s.skipTo = skipTo;
        states_.push_back(s);
        skipTo = false;
    };

    std::size_t i = 0;
    for (; i < n; ++i) {
        const char32_t c = chars[i];
        if (c == '*') {
            skipTo = true;
        } else if (c == '?') {
            if (!skipTo) {
                write(State{Kind::Any}, i);
            }
        } else if (c == '[') {
            ++i;
            State s{Kind::Set};
            if (i < n && chars[i] == '!') {
                s.negate = true;
                ++i;
            }
            std::bitset<256> members;
            std::optional<char32_t> last;
            while (i < n && chars[i] != ']') {
                const char32_t m = chars[i];
                if (m == '-') {
                    if (!last) {
                        throw EMaskException(mask, i + 1);
                    }
                    if (++i >= n) {
                        break;  // unclosed
                    }
                    const char32_t hi = FoldAscii(chars[i]);
                    if (hi >= *last && hi - *last >= 255) {
                        members.set();
                    } else {
                        for (char32_t x = *last; x <= hi; ++x) {
                            members.set(x % 256);
                        }
                    }
                } else if (m <= 0xFFFF && !IsUndecodable(m)) {
                    last = FoldAscii(m);
                    // x-y is one unit: x counts only through its range, so [z-a] stays empty.
                    if (i + 1 >= n || chars[i + 1] != '-') {
                        members.set(*last % 256);
                    }
                }
                // Characters above U+FFFF and undecodable bytes are not set members.
                ++i;
            }
            if (i >= n) {
                throw EMaskException(mask, n + 1);
            }
            if (members.none()) {
                throw EMaskException(mask, i + 1);
            }
            s.set = static_cast<std::uint32_t>(sets_.size());
            sets_.push_back(members);
            write(s, i);
        } else {
            State s{Kind::Literal};
            s.literal = FoldAscii(c);
            write(s, i);
        }
    }
    write(State{Kind::End}, n);
}

bool TMask::Fits(const State& s, char32_t c) const {
    switch (s.kind) {
        case Kind::Literal:
            return FoldAscii(c) == s.literal;
        case Kind::Any:
            return true;
        case Kind::Set: {
            const char32_t f = FoldAscii(c);
            const bool in = f <= 255 && sets_[s.set].test(f);
            return in != s.negate;
        }
        case Kind::End:
            return false;
    }
    return false;
}

bool TMask::Matches(std::string_view name) const {
    // Wildcard matching that retries only from the most recent `*`: every state but the end takes exactly
    // one character, so this gives the same answer as retrying from every `*`, in bounded time.
    const std::size_t len = name.size();
    std::size_t si = 0;
    std::size_t p = 0;
    bool haveStar = false;
    std::size_t starState = 0;
    std::size_t starPos = 0;
    for (;;) {
        const State& s = states_[si];
        if (s.skipTo) {
            haveStar = true;
            starState = si;
            starPos = p;
        }
        if (s.kind == Kind::End) {
            if (p == len || s.skipTo) {
                return true;
            }
        } else if (p < len) {
            char32_t c = 0;
            const std::size_t step = DecodeUtf8(name, p, c);
            if (Fits(s, c)) {
                p += step;
                ++si;
                continue;
            }
        }
        if (!haveStar || starPos >= len) {
            return false;
        }
        char32_t skipped = 0;
        starPos += DecodeUtf8(name, starPos, skipped);
        p = starPos;
        si = starState;
    }
}

bool MatchesMask(std::string_view name, std::string_view mask) {
    return TMask(mask).Matches(name);
}

MaskList::MaskList(std::string_view commaText) {
    for (std::string& text : SplitMaskList(commaText)) {
        Entry e;
        try {
            e.mask.emplace(text);
        } catch (const EMaskException& ex) {
            e.errorPosition = ex.Position();
        }
        e.text = std::move(text);
        entries_.push_back(std::move(e));
    }
}

bool MaskList::Matches(std::size_t i, std::string_view name) const {
    const Entry& e = entries_[i];
    if (!e.mask) {
        throw EMaskException(e.text, e.errorPosition);
    }
    return e.mask->Matches(name);
}

std::optional<EMaskException> MaskList::FirstError() const {
    for (const Entry& e : entries_) {
        if (!e.mask) {
            return EMaskException(e.text, e.errorPosition);
        }
    }
    return std::nullopt;
}

}  // namespace vorlex::scan
