// The user's collation order from a table of per-character weights read from glibc's strxfrm.
//
// What the table assumes of strxfrm's keys (glibc 2.36; each is checked against strxfrm before a text is
// compared from the table, and a text that fails a check is compared by its strxfrm key):
// - C locales: the key is the text itself.
// - Other locales (ISO 14651 tables): four levels of weights, each level the characters' weights in text
//   order, levels separated by 0x01; every weight byte is above 0x01, at most 14 bytes per character.
// - A character's weights do not depend on its neighbours: every run of two and three characters of an
//   admitted text gives, through strxfrm, the key the weights predict (contractions fail this).
// - At the fourth level each weight is preceded by 1 + the number of characters without one just before
//   it (at most 100 of them in a row).
// - Characters with lower-level weights but none at the first level (combining marks) are not modelled.
// - The table is used only when every pair of printable ASCII characters passes; otherwise (cs_CZ, whose
//   ch is a contraction, and ja_JP, whose one-level weights are not the text) every text goes by its key.
// The sort samples one admitted text in 1024 against strxfrm and drops the table on any difference.
#include <algorithm>
#include <bit>
#include <cstring>

#include "base/Utf8.h"
#include "platform/Locale.h"

namespace vorlex::platform {

namespace {

/// A byte that is not part of a well-formed UTF-8 sequence counts as a character of its own, numbered
/// after the last code point.
constexpr char32_t kStrayByte = 0x110000;
constexpr std::int32_t kNotQuick = -1;
constexpr std::int32_t kUnknown = -2;
/// The longest run of characters without a fourth-level weight in a text compared from the table.
constexpr std::size_t kMaxUnmarked = 100;

/// The code point at `pos` of `text` and its length in bytes; kStrayByte + the byte for a byte that does not
/// start a well-formed UTF-8 sequence (overlong forms and surrogates included).
char32_t Decode(std::string_view text, std::size_t pos, std::size_t& length) {
    char32_t cp = 0;
    length = base::DecodeUtf8(text, pos, cp);
    return base::IsUndecodable(cp) ? kStrayByte + (cp - base::kUndecodableBase) : cp;
}

/// Decodes a character of an admitted (well-formed) text.
inline char32_t DecodeValid(std::string_view text, std::size_t pos, std::size_t& length) {
    const auto b = static_cast<unsigned char>(text[pos]);
    if (b < 0x80) {
        length = 1;
        return b;
    }
    return Decode(text, pos, length);
}

void AppendUtf8(std::string& s, char32_t cp) {
    if (cp >= kStrayByte) {
        s += static_cast<char>(cp - kStrayByte);
    } else {
        base::AppendUtf8(s, cp);
    }
}

/// Splits a key at its 0x01 bytes.
std::vector<std::string_view> Fields(std::string_view key) {
    std::vector<std::string_view> out;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= key.size(); ++i) {
        if (i == key.size() || key[i] == '\x01') {
            out.push_back(key.substr(start, i - start));
            start = i + 1;
        }
    }
    return out;
}

/// Whether every byte of `w` sorts above the level separator 0x01.
bool AboveSeparator(std::string_view w) {
    return std::all_of(w.begin(), w.end(), [](char c) { return static_cast<unsigned char>(c) > 1; });
}

/// A slot of a table of `size` (a power of two) for `id`: the top bits of a multiplicative hash.
std::size_t Spread(std::uint64_t id, std::size_t size) {
    return static_cast<std::size_t>((id * 0x9E3779B97F4A7C15u) >> (64 - std::countr_zero(size)));
}

/// The length of the common leading bytes of `a` and `b`, eight bytes at a time (paths share long folders).
std::size_t CommonPrefix(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    std::size_t p = 0;
    for (; p + 8 <= n; p += 8) {
        std::uint64_t x = 0;
        std::uint64_t y = 0;
        std::memcpy(&x, a.data() + p, 8);
        std::memcpy(&y, b.data() + p, 8);
        if (x != y) {
            if constexpr (std::endian::native == std::endian::little) {
                return p + static_cast<std::size_t>(std::countr_zero(x ^ y) / 8);
            } else {
                return p + static_cast<std::size_t>(std::countl_zero(x ^ y) / 8);
            }
        }
    }
    while (p < n && a[p] == b[p]) {
        ++p;
    }
    return p;
}

}  // namespace

bool Collator::Weighty(const Weights& w) {
    return w.length[0] + w.length[1] + w.length[2] > 0;
}

Collator::Collator() : pages_((kStrayByte + 0x100) / 256) {
    // The C locales give the text itself; glibc's ISO 14651 tables give four levels.
    levels_ = CollationKey("a") == "a" ? 1 : kMaxLevels;
    // A first check of the shape on plain ASCII texts: every pair.
    std::vector<char32_t> run(2);
    for (char32_t a = 0x20; a < 0x7F && levels_ > 0; ++a) {
        for (char32_t b = 0x20; b < 0x7F && levels_ > 0; ++b) {
            run[0] = a;
            run[1] = b;
            if (LearnChar(a) < 0 || LearnChar(b) < 0 || !RunAgrees(run.data(), 2)) {
                levels_ = 0;
            }
        }
    }
    if (levels_ == 0) {
        table_.clear();
    }
}

void Collator::SwapWeights(char32_t a, char32_t b) {
    const int x = IndexOf(a);
    const int y = IndexOf(b);
    if (x >= 0 && y >= 0) {
        std::swap(table_[static_cast<std::size_t>(x)], table_[static_cast<std::size_t>(y)]);
    }
}

int Collator::IndexOf(char32_t cp) const {
    const Page* page = pages_[cp >> 8].get();
    return page == nullptr ? kUnknown : (*page)[cp & 0xFF];
}

int Collator::LearnChar(char32_t cp) {
    std::unique_ptr<Page>& page = pages_[cp >> 8];
    if (!page) {
        page = std::make_unique<Page>();
        page->fill(kUnknown);
    }
    std::int32_t& slot = (*page)[cp & 0xFF];
    if (slot != kUnknown) {
        return slot;
    }
    slot = kNotQuick;
    if (cp == 0) {
        return slot;  // strxfrm would end the text there
    }
    std::string text;
    AppendUtf8(text, cp);
    const std::string key = CollationKey(text);
    std::vector<std::string_view> levels;
    if (levels_ == 1) {
        if (key != text) {
            return slot;
        }
        levels.push_back(key);
    } else {
        // Three levels of weights separated by 0x01, then, for a character with a fourth-level weight,
        // 0x01, its position mark (0x01) and that weight.
        std::vector<std::string_view> f = Fields(key);
        if (f.size() == 5 && f[3].empty() && !f[4].empty()) {
            levels = {f[0], f[1], f[2], f[4]};
        } else if (f.size() == 3) {
            levels = {f[0], f[1], f[2], std::string_view()};  // none at the fourth level (an ideograph)
        } else {
            return slot;
        }
    }
    // glibc moves the lower-level weights of a character without a first-level weight (a combining mark)
    // across its ignorable neighbours, so such characters are not modelled; wholly ignorable ones are.
    if (levels_ > 1 && levels[0].empty() && (!levels[1].empty() || !levels[2].empty())) {
        return slot;
    }
    Weights w;
    for (int l = 0; l < levels_; ++l) {
        const std::string_view weight = levels[static_cast<std::size_t>(l)];
        if (weight.size() > static_cast<std::size_t>(kMaxWeight) || !AboveSeparator(weight)) {
            return slot;
        }
        w.length[static_cast<std::size_t>(l)] = static_cast<std::uint8_t>(weight.size());
        std::copy(weight.begin(), weight.end(), w.bytes[static_cast<std::size_t>(l)].begin());
    }
    table_.push_back(w);
    slot = static_cast<std::int32_t>(table_.size() - 1);
    return slot;
}

bool Collator::RunAgrees(const char32_t* cps, std::size_t count) {
    constexpr std::uint64_t kAgrees = std::uint64_t{1} << 63;
    std::uint64_t id = 0;
    for (std::size_t i = 0; i < count; ++i) {
        id |= static_cast<std::uint64_t>(cps[i]) << (21 * i);
    }
    if (runs_.empty() || (runCount_ + 1) * 2 > runs_.size()) {
        std::vector<std::uint64_t> old = std::move(runs_);
        runs_.assign(std::max<std::size_t>(4096, old.size() * 2), 0);
        runCount_ = 0;
        for (std::uint64_t entry : old) {
            if (entry != 0) {
                std::size_t at = Spread(entry & ~kAgrees, runs_.size());
                while (runs_[at] != 0) {
                    at = (at + 1) & (runs_.size() - 1);
                }
                runs_[at] = entry;
                ++runCount_;
            }
        }
    }
    std::size_t at = Spread(id, runs_.size());
    while (runs_[at] != 0) {
        if ((runs_[at] & ~kAgrees) == id) {
            return (runs_[at] & kAgrees) != 0;
        }
        at = (at + 1) & (runs_.size() - 1);
    }
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        AppendUtf8(text, cps[i]);
    }
    std::string mine;
    AppendQuickKey(mine, text);
    const bool agrees = mine == CollationKey(text);
    runs_[at] = id | (agrees ? kAgrees : 0);
    ++runCount_;
    return agrees;
}

bool Collator::Admit(std::string_view text, std::size_t known) {
    if (levels_ == 0 || text.empty()) {
        return false;
    }
    // Start far enough before the first unchecked byte that every run reaching it is checked: two
    // characters, and two with weights above the fourth level (ignorable ones between them are skipped
    // when the first levels are formed, so those neighbours count too).
    known = std::min(known, text.size());
    std::size_t start = known;
    int any = 3;
    int weighty = 3;
    while (start > 0 && (any > 0 || weighty > 0)) {
        do {
            --start;
        } while (start > 0 && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80);
        std::size_t length = 0;
        const int index = LearnChar(Decode(text, start, length));
        --any;
        if (index >= 0 && Weighty(table_[static_cast<std::size_t>(index)])) {
            --weighty;
        }
    }
    scratch_.clear();
    for (std::size_t pos = start; pos < text.size();) {
        std::size_t length = 0;
        const char32_t cp = Decode(text, pos, length);
        if (LearnChar(cp) < 0) {
            return false;
        }
        scratch_.push_back(cp);
        pos += length;
    }
    if (levels_ == 1) {
        return true;  // the C locales have no contractions: each character is its own key
    }
    // The fourth level marks each weight with 1 + the number of characters without one just before it:
    // keep that number well within a byte, and the level present in the key.
    auto marked = [this](char32_t cp) { return table_[static_cast<std::size_t>(IndexOf(cp))].length[3] > 0; };
    if (start > 0 && !marked(scratch_.front())) {
        return Admit(text, 0);  // a run of unmarked characters may reach back into the checked part
    }
    std::size_t unmarked = 0;
    bool anyMarked = false;
    for (char32_t cp : scratch_) {
        if (marked(cp)) {
            anyMarked = true;
            unmarked = 0;
        } else if (++unmarked > kMaxUnmarked) {
            return false;
        }
    }
    if (!anyMarked) {
        return false;
    }
    for (std::size_t i = 0; i + 1 < scratch_.size(); ++i) {
        if (!RunAgrees(&scratch_[i], 2) || (i + 2 < scratch_.size() && !RunAgrees(&scratch_[i], 3))) {
            return false;
        }
    }
    // The same for the characters with weights above the fourth level alone: some take their weights from
    // the one before them across ignorable ones (the kana iteration marks). Runs with nothing ignorable
    // between them were checked above.
    std::size_t kept = 0;
    bool gap = false;  // an ignorable character was dropped since the last kept one
    gapBefore_.resize(scratch_.size());
    for (std::size_t i = 0; i < scratch_.size(); ++i) {
        if (!Weighty(table_[static_cast<std::size_t>(IndexOf(scratch_[i]))])) {
            gap = kept > 0;
            continue;
        }
        gapBefore_[kept] = gap ? 1 : 0;
        scratch_[kept++] = scratch_[i];
        gap = false;
    }
    for (std::size_t i = 0; i + 1 < kept; ++i) {
        if (gapBefore_[i + 1] != 0 && !RunAgrees(&scratch_[i], 2)) {
            return false;
        }
        if (i + 2 < kept && (gapBefore_[i + 1] != 0 || gapBefore_[i + 2] != 0) &&
            !RunAgrees(&scratch_[i], 3)) {
            return false;
        }
    }
    return true;
}

/// The bytes of one level of an admitted text's key, one at a time. At the fourth level of the ISO 14651
/// keys each weight is preceded by its position mark: 1 + the characters without a weight just before it.
class Collator::LevelStream {
  public:
    LevelStream(const Collator& c, std::string_view text, int level)
        : c_(c), text_(text), level_(static_cast<std::size_t>(level)), marked_(c.levels_ > 1 && level == 3) {}
    /// The next byte, or `end` after the last.
    int Next(int end) {
        while (left_ == 0) {
            if (pos_ >= text_.size()) {
                return end;
            }
            std::size_t length = 0;
            const Weights& w =
                c_.table_[static_cast<std::size_t>(c_.IndexOf(DecodeValid(text_, pos_, length)))];
            pos_ += length;
            weight_ = w.bytes[level_].data();
            left_ = w.length[level_];
            if (marked_) {
                if (left_ == 0) {
                    ++unmarked_;
                    continue;
                }
                const int mark = static_cast<int>(1 + unmarked_);
                unmarked_ = 0;
                return mark;
            }
        }
        --left_;
        return *weight_++;
    }

  private:
    const Collator& c_;
    std::string_view text_;
    std::size_t level_;
    bool marked_;
    std::size_t pos_ = 0;
    const std::uint8_t* weight_ = nullptr;
    std::size_t left_ = 0;
    std::size_t unmarked_ = 0;
};

void Collator::AppendQuickKey(std::string& out, std::string_view text) const {
    for (int l = 0; l < levels_; ++l) {
        LevelStream stream(*this, text, l);
        int b = stream.Next(-1);
        // The fourth level's separator is left out when nothing follows it (a text of ideographs only);
        // an admitted text always has that level.
        if (l > 0 && (l < 3 || b >= 0)) {
            out += '\x01';
        }
        for (; b >= 0; b = stream.Next(-1)) {
            out += static_cast<char>(b);
        }
    }
}

int Collator::CompareToKey(std::string_view text, std::string_view key) const {
    std::size_t k = 0;
    auto step = [&](int mine) {
        if (k == key.size()) {
            return 1;
        }
        const int theirs = static_cast<std::uint8_t>(key[k++]);
        return mine == theirs ? 0 : (mine < theirs ? -1 : 1);
    };
    for (int l = 0; l < levels_; ++l) {
        LevelStream stream(*this, text, l);
        for (int b = stream.Next(-1); b >= 0; b = stream.Next(-1)) {
            if (const int c = step(b); c != 0) {
                return c;
            }
        }
        if (l < levels_ - 1) {
            if (const int c = step(1); c != 0) {
                return c;
            }
        }
    }
    return k < key.size() ? -1 : 0;
}

std::string Collator::Key(std::string_view text, bool quick) const {
    if (!quick || levels_ == 0) {
        return CollationKey(text);
    }
    std::string key;
    AppendQuickKey(key, text);
    return key;
}

int Collator::CompareQuick(std::string_view a, std::string_view b) const {
    // Equal leading characters add the same weights to every level of both keys, so only what follows
    // them decides.
    std::size_t p = CommonPrefix(a, b);
    if (levels_ == 1) {
        // A key of a C locale is the text itself.
        const int c = a.substr(p).compare(b.substr(p));
        return c < 0 ? -1 : (c > 0 ? 1 : 0);
    }
    auto inside = [](std::string_view t, std::size_t at) {
        return at < t.size() && (static_cast<unsigned char>(t[at]) & 0xC0) == 0x80;
    };
    while (p > 0 && (inside(a, p) || inside(b, p))) {
        --p;
    }
    const std::string_view x = a.substr(p);
    const std::string_view y = b.substr(p);

    for (int l = 0; l < levels_; ++l) {
        // A level ends in the separator 0x01 (below every weight byte); the last ends with the key.
        const int end = l < levels_ - 1 ? 1 : 0;
        // Leading characters without a fourth-level weight, common to both, raise both first marks alike.
        LevelStream sx(*this, x, l);
        LevelStream sy(*this, y, l);
        for (;;) {
            const int bx = sx.Next(end);
            const int by = sy.Next(end);
            if (bx != by) {
                return bx < by ? -1 : 1;
            }
            if (bx == end) {
                break;
            }
        }
    }
    return 0;
}

}  // namespace vorlex::platform
