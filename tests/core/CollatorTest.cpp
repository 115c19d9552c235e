#include <algorithm>
#include <atomic>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <numeric>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "ScopedLocale.h"
#include "platform/Locale.h"
#include "scan/RowFormat.h"
#include "scan/RowOrder.h"

using vorlex::platform::CollationKey;
using vorlex::platform::Collator;
using namespace vorlex::scan;
using vorlex::test::ScopedLocale;

namespace {

void AppendUtf8(std::string& s, char32_t cp) {
    if (cp < 0x80) {
        s += static_cast<char>(cp);
    } else if (cp < 0x800) {
        s += static_cast<char>(0xC0 | (cp >> 6));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        s += static_cast<char>(0xE0 | (cp >> 12));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (cp >> 18));
        s += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

/// Texts that provoke the collation's special cases: contractions (L + middle dot, Cyrillic I + breve,
/// Thai vowels written before their consonant), combining marks after ignorable punctuation, ignorable
/// characters, invalid UTF-8, control characters, and plain path characters.
std::vector<std::string> TrickyPieces() {
    return {"a",
            "b",
            "Z",
            "\xC3\xA9",
            "\xC3\x89",
            "/",
            "-",
            ".",
            " ",
            "_",
            "0",
            "9",
            "\xC3\x9F",
            "\xC3\xA6",
            "\xC7\x86",
            "\xD0\x96",
            "'",
            "\n",
            "\xFF",
            "L",
            "l",
            "\xC2\xB7",
            "\xD0\x98",
            "\xCC\x86",
            "\xE0\xB8\x81",
            "\xE0\xB9\x80",
            "\xE6\x97\xA5",
            "\xF0\x9F\x98\x80",
            "\xE3\x82\x9E",
            "\xF0\x9F\x98",
            "\xC3",
            "\x80",
            "\x01",
            "\xD8\xA7",
            "\xD9\x94",
            "ch",
            "C",
            "H",
            "~",
            ","};
}

/// Random texts made of a few tricky pieces and of code points from all over Unicode.
std::vector<std::string> RandomTexts(std::uint32_t seed, int count) {
    std::mt19937 rng(seed);
    const std::vector<std::string> pieces = TrickyPieces();
    std::vector<std::string> out;
    for (int i = 0; i < count; ++i) {
        std::string alphabet[6];
        for (std::string& a : alphabet) {
            if (rng() % 2 == 0) {
                a = pieces[rng() % pieces.size()];
            } else {
                const std::uint32_t r = rng() % 4;
                char32_t cp =
                    r < 2 ? 0x20 + rng() % 0x5F : (r == 2 ? 0xA0 + rng() % 0x490 : 0x20 + rng() % 0x2FFE0);
                if (cp >= 0xD800 && cp < 0xE000) {
                    cp = 'q';
                }
                AppendUtf8(a, cp);
            }
        }
        std::string text = i % 3 == 0 ? "/home/user/" : "";
        const int length = 1 + static_cast<int>(rng() % 12);
        for (int k = 0; k < length; ++k) {
            text += alphabet[rng() % 6];
        }
        out.push_back(text);
    }
    return out;
}

int Sign(int v) {
    return (v > 0) - (v < 0);
}

std::vector<ResultRow> RowsOf(const std::vector<std::string>& paths) {
    std::vector<ResultRow> rows(paths.size());
    for (std::size_t i = 0; i < paths.size(); ++i) {
        rows[i].path = paths[i];
        rows[i].size = i;  // the original position, to check stability
    }
    return rows;
}

/// The reference order: a stable sort by strxfrm keys.
std::vector<std::size_t> ReferenceOrder(const std::vector<std::string>& paths) {
    std::vector<std::string> keys;
    for (const std::string& p : paths) {
        keys.push_back(CollationKey(p));
    }
    std::vector<std::size_t> order(paths.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
    return order;
}

/// The locales the agreement is checked in (scripts/setup.sh generates them), and any other installed one.
std::vector<std::string> LocalesToCheck() {
    std::vector<std::string> out = {"C",           "C.UTF-8",     "en_US.UTF-8", "de_DE.UTF-8",
                                    "sv_SE.UTF-8", "tr_TR.UTF-8", "cs_CZ.UTF-8", "ja_JP.UTF-8"};
    if (FILE* list = popen("locale -a 2>/dev/null", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, list) != nullptr) {
            std::string name(line);
            while (!name.empty() && (name.back() == '\n' || name.back() == '\r')) {
                name.pop_back();
            }
            // "de_DE.utf8" is listed for "de_DE.UTF-8".
            const bool known = std::any_of(out.begin(), out.end(), [&](const std::string& o) {
                std::string n = o;
                if (const std::size_t dot = n.find(".UTF-8"); dot != std::string::npos) {
                    n.replace(dot, 6, ".utf8");
                }
                return n == name;
            });
            if (!name.empty() && name != "POSIX" && !known) {
                out.push_back(name);
            }
        }
        pclose(list);
    }
    return out;
}

/// Pieces of names where collations differ: case, accents, digits, punctuation, blanks, sharp s, the
/// Scandinavian letters, the Turkish i's, the Czech ch, kana and kanji, invalid UTF-8, contractions.
std::vector<std::string> LocalePieces() {
    return {"a", "A", "b", "B", "z", "Z", "e", "E", "o", "O", "s", "S", "u", "y", "\xC3\xA9", "\xC3\x89",
            "\xC3\xA8", "\xC3\xAA", "\xC3\xA0", "\xC3\xA7", "\xC3\xB1", "\xC3\xBC", "\xC3\x9C", "0", "1", "2",
            "9", "10", "-", "_", ".", ",", "'", "(", "!", "~", "/", " ", "  ", "\xC2\xA0", "\xC3\x9F", "ss",
            "SS", "\xE1\xBA\x9E", "\xC3\xA5", "\xC3\x85", "\xC3\xA4", "\xC3\x84", "\xC3\xB6", "\xC3\x96",
            "\xC3\xB8", "\xC3\xA6", "aa", "ae", "oe", "w", "v", "i", "I", "\xC4\xB0", "\xC4\xB1", "\xC4\x9F",
            "\xC5\x9F", "c", "C", "h", "H", "ch", "Ch", "CH", "\xC4\x8D", "\xC5\x99", "\xC4\x9B", "\xC5\xAF",
            "\xC5\xBE", "\xE3\x81\x82", "\xE3\x81\x8B", "\xE3\x81\x8C", "\xE3\x81\xAF", "\xE3\x81\xB1",
            "\xE3\x82\xA2", "\xE3\x82\xAB", "\xE3\x82\xAC", "\xEF\xBD\xB1", "\xE3\x83\xBC", "\xE3\x82\x9D",
            "\xE3\x82\x9E", "\xE3\x83\xBD", "\xE3\x80\x85", "\xE6\x97\xA5", "\xE6\x9C\xAC", "\xE8\xAA\x9E",
            "\xE6\xBC\xA2", "\xEF\xBC\xA1", "\xFF", "\xC3", "\x80", "\xE3\x81", "\xC0\xAF", "\xED\xA0\x80",
            "\n",
            // Three-character contractions (Kannada, Sinhala, Tibetan vowel signs), their parts, a consonant.
            "\xE0\xB3\x86\xE0\xB3\x82\xE0\xB3\x95", "\xE0\xB3\x86", "\xE0\xB3\x82", "\xE0\xB3\x95",
            "\xE0\xB7\x99\xE0\xB7\x8F\xE0\xB7\x8A", "\xE0\xB7\x99", "\xE0\xB7\x8F",
            "\xE0\xBE\xB2\xE0\xBD\xB1\xE0\xBE\x80", "\xE0\xBE\xB2", "\xE0\xBD\xB1", "\xE0\xB2\x95"};
}

/// Names made of those pieces: every pair, random runs of up to ten behind shared folders, long names
/// (hundreds of characters, some without any fourth-level weight) and names equal up to their last piece.
std::vector<std::string> LocaleTexts() {
    const std::vector<std::string> pieces = LocalePieces();
    std::vector<std::string> out;
    for (const std::string& a : pieces) {
        for (const std::string& b : pieces) {
            out.push_back(a + b);
        }
    }
    std::mt19937 rng(17);
    for (int i = 0; i < 6000; ++i) {
        std::string text = i % 2 == 0 ? "/home/user/Docs/" : "";
        const int length = 1 + static_cast<int>(rng() % 10);
        for (int k = 0; k < length; ++k) {
            text += pieces[rng() % pieces.size()];
        }
        out.push_back(text);
    }
    for (const std::string& p : pieces) {
        std::string longName = "/srv/" + std::string(300, 'x');
        std::string ideographs = "/srv/";
        for (int k = 0; k < 120; ++k) {
            ideographs += k % 2 == 0 ? "\xE6\x97\xA5" : "\xE6\x9C\xAC";
        }
        out.push_back(longName + p);
        out.push_back(ideographs + p);
        out.push_back(ideographs + "a" + p);
        out.push_back("/home/user/same folder/same name " + p + ".txt");
        out.push_back("/home/user/same folder/same name." + p);
    }
    return out;
}

/// Checks `a`'s key and its comparisons with `b` (quick, when both are admitted, and against `b`'s key)
/// against strxfrm's; counts the quick comparisons in `quick`.
void ExpectKeyOrder(Collator& collator, const std::string& a, const std::string& b, const std::string& locale,
                    int& quick) {
    const bool qa = collator.Admit(a);
    const bool qb = collator.Admit(b);
    ASSERT_EQ(collator.Key(a, qa), CollationKey(a)) << locale << " [" << a << "]";
    const int want = Sign(CollationKey(a).compare(CollationKey(b)));
    if (qa && qb) {
        ++quick;
        ASSERT_EQ(Sign(collator.CompareQuick(a, b)), want) << locale << " [" << a << "] [" << b << "]";
    }
    if (qa) {
        ASSERT_EQ(Sign(collator.CompareToKey(a, CollationKey(b))), want) << locale << " [" << a << "]";
    }
}

}  // namespace

TEST(Collator, AgreesWithStrxfrmInEveryLocale) {
    const std::vector<std::string> texts = LocaleTexts();
    for (const std::string& locale : LocalesToCheck()) {
        ScopedLocale scoped(LC_COLLATE, locale.c_str());
        if (!scoped.Ok()) {
            ADD_FAILURE() << "no locale " << locale << " (scripts/setup.sh test generates it)";
            continue;
        }
        Collator collator;
        int quick = 0;
        std::mt19937 rng(3);
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const std::string& a = texts[i];
            const std::string& b = texts[rng() % texts.size()];
            ASSERT_NO_FATAL_FAILURE(ExpectKeyOrder(collator, a, b, locale, quick));
        }
        // The table serves these; cs_CZ (ch) and ja_JP (one-level weights) go by their keys.
        for (const char* served :
             {"C", "C.UTF-8", "en_US.UTF-8", "de_DE.UTF-8", "sv_SE.UTF-8", "tr_TR.UTF-8"}) {
            if (locale == served) {
                EXPECT_TRUE(collator.TableInUse()) << locale;
            }
        }
        if (collator.TableInUse()) {
            EXPECT_GT(quick, 1000) << locale;
        }
        // The whole list in order, as the result list sorts it.
        std::vector<ResultRow> rows = RowsOf(texts);
        Collator fresh;
        const std::optional<std::vector<std::size_t>> order = SortOrder(rows, fresh);
        ASSERT_TRUE(order.has_value());
        EXPECT_EQ(*order, ReferenceOrder(texts)) << locale;
    }
}

TEST(Collator, AgreesWithStrxfrmOnTrickyTexts) {
    for (const char* locale : {"en_US.UTF-8", "C", "C.UTF-8"}) {
        ScopedLocale scoped(LC_COLLATE, locale);
        if (!scoped.Ok()) {
            continue;
        }
        Collator collator;
        EXPECT_TRUE(collator.TableInUse()) << locale;
        const std::vector<std::string> texts = RandomTexts(7, 6000);
        int quick = 0;
        for (std::size_t i = 0; i + 1 < texts.size(); ++i) {
            const std::string& a = texts[i];
            const std::string& b = texts[i + 1];
            ASSERT_NO_FATAL_FAILURE(ExpectKeyOrder(collator, a, b, locale, quick));
        }
        EXPECT_GT(quick, 500) << locale;  // the table is actually exercised
    }
}

TEST(Collator, KeepsContractionsAndMarksOffTheTable) {
    ScopedLocale scoped(LC_COLLATE, "en_US.UTF-8");
    if (!scoped.Ok()) {
        GTEST_SKIP() << "no en_US.UTF-8";
    }
    Collator collator;
    // L followed by a middle dot is one collating element; a breve after punctuation has its weight moved.
    // The voiced kana iteration mark takes its weights from the character before it, across ignorables.
    for (const char* text : {"/x/L\xC2\xB7y", "/x/0_-.\xCC\x86l", "/x/0--\xE3\x82\x9E"}) {
        EXPECT_FALSE(collator.Admit(text)) << text;
    }
    EXPECT_TRUE(collator.Admit("/home/user/\xC3\x89t\xC3\xA9 report, 2024.txt"));
    EXPECT_TRUE(collator.Admit("/home/user/\xD0\x96\xF0\x9F\x98\x80"));
    // Stray bytes and control characters have weights of their own.
    EXPECT_TRUE(collator.Admit("bad\xFFname"));
    EXPECT_TRUE(collator.Admit("line\nbreak"));
    // Ideographs have no fourth-level weight: they shift the position marks of what follows.
    EXPECT_TRUE(collator.Admit("/home/x/\xE6\x97\xA5\xE6\x9C\xAC/a.txt"));
}

TEST(SortOrder, MatchesAStableSortByKeysOnBothThreads) {
    ScopedLocale scoped(LC_COLLATE, "en_US.UTF-8");
    if (!scoped.Ok()) {
        GTEST_SKIP() << "no en_US.UTF-8";
    }
    // Enough rows for the two-thread path, with many equal paths to show the stability of the merge.
    std::vector<std::string> paths = RandomTexts(11, 40000);
    for (std::size_t i = 0; i < paths.size(); i += 7) {
        paths[i] = paths[i / 2];
    }
    std::vector<ResultRow> rows = RowsOf(paths);
    Collator collator;
    const std::optional<std::vector<std::size_t>> order = SortOrder(rows, collator);
    ASSERT_TRUE(order.has_value());
    EXPECT_EQ(*order, ReferenceOrder(paths));

    ApplyOrder(rows, *order);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ASSERT_EQ(rows[i].size, (*order)[i]);
        ASSERT_EQ(rows[i].path, paths[(*order)[i]]);
    }
}

TEST(ApplyOrder, MovesEveryRowOnceAlongCyclesOfAnyLength) {
    // Fixed points, two-cycles, cycles shorter and longer than the read-ahead along a cycle, one cycle
    // through everything, and a random permutation; paths long enough to live on the heap.
    std::mt19937 rng(7);
    std::vector<std::vector<std::size_t>> orders;
    std::vector<std::size_t> identity(100);
    std::iota(identity.begin(), identity.end(), std::size_t{0});
    orders.push_back(identity);
    std::vector<std::size_t> mixed = identity;
    std::swap(mixed[3], mixed[4]);
    std::rotate(mixed.begin() + 10, mixed.begin() + 11, mixed.begin() + 15);  // a 5-cycle
    std::rotate(mixed.begin() + 20, mixed.begin() + 21, mixed.begin() + 57);  // a 37-cycle
    orders.push_back(mixed);
    std::vector<std::size_t> whole = identity;
    std::rotate(whole.begin(), whole.begin() + 1, whole.end());
    orders.push_back(whole);
    std::vector<std::size_t> shuffled(5000);
    std::iota(shuffled.begin(), shuffled.end(), std::size_t{0});
    std::shuffle(shuffled.begin(), shuffled.end(), rng);
    orders.push_back(shuffled);

    for (const std::vector<std::size_t>& order : orders) {
        std::vector<std::string> paths;
        for (std::size_t i = 0; i < order.size(); ++i) {
            paths.push_back("/a folder long enough for the heap/file " + std::to_string(i));
        }
        std::vector<ResultRow> rows = RowsOf(paths);
        std::size_t calls = 0;
        ApplyOrder(rows, order, [&] {
            ++calls;
            // Whenever the list may be shown, it holds every row once, none of them emptied by a move.
            std::vector<std::size_t> present;
            for (const ResultRow& row : rows) {
                ASSERT_EQ(row.path, paths[row.size]);
                present.push_back(row.size);
            }
            std::sort(present.begin(), present.end());
            for (std::size_t i = 0; i < present.size(); ++i) {
                ASSERT_EQ(present[i], i);
            }
        });
        for (std::size_t i = 0; i < rows.size(); ++i) {
            ASSERT_EQ(rows[i].size, order[i]) << "size " << order.size() << " at " << i;
            ASSERT_EQ(rows[i].path, paths[order[i]]);
        }
        EXPECT_EQ(calls, order.size() == 5000 ? 1u : 0u);  // every 4,096 moves
    }
}

TEST(SortOrder, FallsBackToKeysWhenTheTableIsWrong) {
    ScopedLocale scoped(LC_COLLATE, "en_US.UTF-8");
    if (!scoped.Ok()) {
        GTEST_SKIP() << "no en_US.UTF-8";
    }
    // Every name holds an a or a b, so that the first quick one, always sampled, shows the spoilt table.
    std::vector<std::string> paths;
    for (const std::string& t : RandomTexts(9, 3000)) {
        paths.push_back(t + (paths.size() % 2 == 0 ? "a" : "b"));
    }
    paths[0] = "/home/user/ab";
    const std::vector<std::size_t> reference = ReferenceOrder(paths);
    std::vector<ResultRow> rows = RowsOf(paths);
    // For the merge: the first half in order, the rest after it.
    const std::size_t listed = paths.size() / 2;
    std::vector<std::string> merged;
    for (std::size_t i : ReferenceOrder(std::vector<std::string>(paths.begin(), paths.begin() + listed))) {
        merged.push_back(paths[i]);
    }
    merged.insert(merged.end(), paths.begin() + listed, paths.end());
    const std::vector<ResultRow> mergedRows = RowsOf(merged);
    auto spoilt = [&paths](Collator& collator) {
        for (const std::string& p : paths) {
            collator.Admit(p);
        }
        collator.SwapWeights(U'a', U'b');
        ASSERT_TRUE(collator.Admit(paths[0]));
        ASSERT_NE(collator.Key(paths[0], true), CollationKey(paths[0]));
    };
    {
        Collator collator;
        spoilt(collator);
        EXPECT_EQ(SortOrder(rows, collator), std::optional(reference));
        EXPECT_FALSE(collator.TableInUse());
    }
    {
        Collator collator;
        spoilt(collator);
        EXPECT_EQ(MergeOrder(mergedRows, listed, collator), ReferenceOrder(merged));
        EXPECT_FALSE(collator.TableInUse());
    }
    {
        // A table found unfit from the start: every name by its strxfrm key.
        Collator collator;
        collator.DropTable();
        EXPECT_FALSE(collator.Admit(paths[0]));
        EXPECT_EQ(collator.Key(paths[0], false), CollationKey(paths[0]));
        EXPECT_EQ(SortOrder(rows, collator), std::optional(reference));
        EXPECT_EQ(MergeOrder(mergedRows, listed, collator), ReferenceOrder(merged));
    }
}

TEST(SortOrder, GivesUpWhenCancelled) {
    std::vector<ResultRow> rows = RowsOf(RandomTexts(3, 40000));
    Collator collator;
    std::atomic<bool> cancel{true};
    EXPECT_FALSE(SortOrder(rows, collator, &cancel).has_value());
    EXPECT_EQ(rows[5].size, 5u);  // the rows themselves are untouched
}

TEST(MergeOrder, PlacesNewRowsAfterEqualEarlierOnes) {
    ScopedLocale scoped(LC_COLLATE, "en_US.UTF-8");
    if (!scoped.Ok()) {
        GTEST_SKIP() << "no en_US.UTF-8";
    }
    std::vector<std::string> head = RandomTexts(5, 3000);
    std::vector<std::size_t> headOrder = ReferenceOrder(head);
    std::vector<std::string> paths;
    for (std::size_t i : headOrder) {
        paths.push_back(head[i]);
    }
    const std::size_t listed = paths.size();
    // Directory rows: new texts, and copies of listed ones that must come after their twins.
    std::vector<std::string> added = RandomTexts(6, 400);
    for (std::size_t i = 0; i < 50; ++i) {
        added.push_back(paths[i * 37 % listed]);
    }
    paths.insert(paths.end(), added.begin(), added.end());

    std::vector<ResultRow> rows = RowsOf(paths);
    Collator collator;
    const std::vector<std::size_t> order = MergeOrder(rows, listed, collator);
    EXPECT_EQ(order, ReferenceOrder(paths));
}

TEST(SortAhead, OrdersRowsAsTheyComeLikeAStableSortByKeys) {
    ScopedLocale scoped(LC_COLLATE, "en_US.UTF-8");
    if (!scoped.Ok()) {
        GTEST_SKIP() << "no en_US.UTF-8";
    }
    // Walk-like rows (files of one folder after another, with long shared folders) mixed with random texts,
    // repeats of earlier rows, and contractions that are compared by their strxfrm keys: several stretches
    // of the thread, and the list grows several times while it sorts.
    std::vector<std::string> paths;
    const std::vector<std::string> random = RandomTexts(21, 30000);
    for (std::size_t i = 0; i < 90000; ++i) {
        if (i % 3 == 0) {
            paths.push_back("/srv/share/project " + std::to_string(i / 300) + "/" +
                            random[i % random.size()]);
        } else if (i % 3 == 1) {
            paths.push_back(random[i % random.size()]);
        } else if (i % 17 == 2) {
            paths.push_back("/srv/L\xC2\xB7" + std::to_string(i % 50));
        } else {
            paths.push_back(paths[i / 2]);
        }
    }
    std::vector<ResultRow> rows;
    std::optional<std::vector<std::size_t>> order;
    {
        SortAhead ahead(rows);
        for (std::size_t i = 0; i < paths.size(); ++i) {
            ResultRow row;
            row.path = paths[i];
            row.size = i;
            ahead.Append(std::move(row));
            if (i % 20000 == 0) {
                std::this_thread::sleep_for(std::chrono::milliseconds(20));  // let the thread get ahead
            }
        }
        order = ahead.Finish();
    }
    ASSERT_TRUE(order.has_value());
    ASSERT_EQ(rows.size(), paths.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ASSERT_EQ(rows[i].path, paths[i]);  // appended in place, in their order
    }
    EXPECT_EQ(*order, ReferenceOrder(paths));
}

TEST(SortAhead, EndsWithoutAnOrderWhenCancelledOrAbandoned) {
    std::vector<ResultRow> rows;
    {
        SortAhead ahead(rows);
        EXPECT_EQ(ahead.Finish(), std::optional(std::vector<std::size_t>{}));
    }
    const std::vector<std::string> paths = RandomTexts(4, 50000);
    {
        SortAhead ahead(rows);  // the list must be empty: the last one gave none
        for (const std::string& p : paths) {
            ResultRow row;
            row.path = p;
            ahead.Append(std::move(row));
        }
        std::atomic<bool> cancel{true};
        EXPECT_FALSE(ahead.Finish(&cancel).has_value());
    }
    EXPECT_EQ(rows.size(), paths.size());
    EXPECT_EQ(rows.back().path, paths.back());
    rows.clear();
    {
        // A walk that ends by an error never asks for the order: the thread is stopped on destruction.
        SortAhead ahead(rows);
        for (const std::string& p : paths) {
            ResultRow row;
            row.path = p;
            ahead.Append(std::move(row));
        }
    }
    EXPECT_EQ(rows.size(), paths.size());
}

TEST(MergeBase, PreparedAheadGivesTheMergeOrder) {
    ScopedLocale scoped(LC_COLLATE, "en_US.UTF-8");
    if (!scoped.Ok()) {
        GTEST_SKIP() << "no en_US.UTF-8";
    }
    std::vector<std::string> head = RandomTexts(7, 3000);
    std::vector<std::string> paths;
    for (std::size_t i : ReferenceOrder(head)) {
        paths.push_back(head[i]);
    }
    std::vector<ResultRow> rows = RowsOf(paths);
    const std::size_t listed = rows.size();

    // Prepared on another thread while the rows' Status changes, as beside a deletion pass.
    MergeBase base;
    std::thread preparing([&] { EXPECT_TRUE(base.Prepare(rows)); });
    for (ResultRow& row : rows) {
        row.status = RowStatus::Deleted;
    }
    preparing.join();
    // Rows added afterwards (the vector may move them): new texts and twins of listed ones.
    std::vector<std::string> added = RandomTexts(8, 300);
    for (std::size_t i = 0; i < 40; ++i) {
        added.push_back(paths[i * 53 % listed]);
    }
    for (const std::string& text : added) {
        paths.push_back(text);
        rows.push_back(RowsOf({text})[0]);
    }
    EXPECT_EQ(base.Order(rows), ReferenceOrder(paths));

    // A preparation that was cancelled leaves the merge to check every row itself: the same order.
    std::vector<ResultRow> fresh = RowsOf(std::vector<std::string>(paths.begin(), paths.begin() + listed));
    MergeBase cancelled;
    std::atomic<bool> cancel{true};
    EXPECT_FALSE(cancelled.Prepare(fresh, &cancel));
    for (const std::string& text : added) {
        fresh.push_back(RowsOf({text})[0]);
    }
    EXPECT_EQ(cancelled.Order(fresh), ReferenceOrder(paths));
}
