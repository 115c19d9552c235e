// Times the sort of a list of paths in the user's collation three ways, one thread each: the program's
// Collator (table, strxfrm keys for the texts it does not admit), a strxfrm key per path, and an ICU sort
// key per path (CLDR order); also the program's own SortOrder (two threads).
// Build after the core library (one command, from the source folder):
//   g++ -std=c++20 -O2 -D_GNU_SOURCE -Isrc bench/collate_bench.cpp build/libvorlex_core.a build/libplatform.a
//       -lbacktrace $(pkg-config --libs icu-i18n) -o collate_bench
// Usage: find TREE -type f -print0 | head -z -n 1000000 > paths; collate_bench paths
// [collator|strxfrm|icu|order]
#include <algorithm>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <ctime>
#include <deque>
#include <fstream>
#include <iterator>
#include <numeric>
#include <string>
#include <vector>

#include <unicode/ucol.h>
#include <unicode/ustring.h>

#include "platform/Locale.h"
#include "scan/RowOrder.h"

using vorlex::platform::CollationKey;
using vorlex::platform::Collator;

namespace {

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

std::vector<std::size_t> ByCollator(const std::vector<std::string>& paths, std::size_t& quickCount) {
    Collator collator;
    std::vector<std::uint8_t> quick(paths.size());
    std::vector<std::string> keys(paths.size());
    for (std::size_t i = 0; i < paths.size(); ++i) {
        // As the scan does: the leading bytes shared with the row before were checked with it.
        std::size_t known = 0;
        if (i > 0 && quick[i - 1] != 0) {
            const std::string& p = paths[i - 1];
            const std::size_t n = std::min(p.size(), paths[i].size());
            known = static_cast<std::size_t>(
                std::mismatch(paths[i].begin(), paths[i].begin() + n, p.begin()).first - paths[i].begin());
        }
        quick[i] = collator.Admit(paths[i], known) ? 1 : 0;
        if (quick[i] == 0) {
            keys[i] = CollationKey(paths[i]);
        }
    }
    quickCount = static_cast<std::size_t>(std::count(quick.begin(), quick.end(), 1));
    std::vector<std::size_t> order(paths.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        if (quick[a] != 0 && quick[b] != 0) {
            return collator.CompareQuick(paths[a], paths[b]) < 0;
        }
        if (quick[a] != 0) {
            return collator.CompareToKey(paths[a], keys[b]) < 0;
        }
        if (quick[b] != 0) {
            return collator.CompareToKey(paths[b], keys[a]) > 0;
        }
        return keys[a] < keys[b];
    });
    return order;
}

std::vector<std::size_t> ByKeys(const std::vector<std::string>& keys) {
    std::vector<std::size_t> order(keys.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
    return order;
}

std::vector<std::string> IcuKeys(const std::vector<std::string>& paths, const char* locale) {
    UErrorCode status = U_ZERO_ERROR;
    UCollator* coll = ucol_open(locale, &status);
    if (U_FAILURE(status)) {
        std::fprintf(stderr, "ucol_open: %s\n", u_errorName(status));
        std::exit(1);
    }
    std::vector<std::string> keys(paths.size());
    std::vector<UChar> text;
    std::string key(256, '\0');
    for (std::size_t i = 0; i < paths.size(); ++i) {
        text.resize(paths[i].size() + 1);
        int32_t length = 0;
        status = U_ZERO_ERROR;
        // Invalid UTF-8 becomes U+FFFD: ICU has no order for stray bytes.
        u_strFromUTF8WithSub(text.data(), static_cast<int32_t>(text.size()), &length, paths[i].data(),
                             static_cast<int32_t>(paths[i].size()), 0xFFFD, nullptr, &status);
        int32_t n = ucol_getSortKey(coll, text.data(), length, reinterpret_cast<uint8_t*>(key.data()),
                                    static_cast<int32_t>(key.size()));
        if (n > static_cast<int32_t>(key.size())) {
            key.resize(static_cast<std::size_t>(n));
            n = ucol_getSortKey(coll, text.data(), length, reinterpret_cast<uint8_t*>(key.data()), n);
        }
        keys[i].assign(key.data(), static_cast<std::size_t>(n - 1));  // without the final NUL
    }
    ucol_close(coll);
    return keys;
}

std::size_t Bytes(const std::vector<std::string>& keys) {
    std::size_t total = 0;
    for (const std::string& k : keys) {
        total += k.size();
    }
    return total;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: collate_bench PATHS0 [collator|strxfrm|icu|order]\n");
        return 2;
    }
    std::setlocale(LC_ALL, "");
    std::setlocale(LC_NUMERIC, "C");
    std::ifstream in(argv[1], std::ios::binary);
    std::vector<std::string> paths;
    for (std::string p; std::getline(in, p, '\0');) {
        paths.push_back(std::move(p));
    }
    const std::string what = argc > 2 ? argv[2] : "collator";
    const char* collate = std::setlocale(LC_COLLATE, nullptr);
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t cpu = std::clock();
    std::vector<std::size_t> order;
    std::size_t extra = 0;
    if (what == "collator") {
        order = ByCollator(paths, extra);
        std::printf("%s collator: %zu paths, %zu quick, %.2f s\n", collate, paths.size(), extra,
                    Seconds(start));
    } else if (what == "strxfrm") {
        std::vector<std::string> keys;
        keys.reserve(paths.size());
        for (const std::string& p : paths) {
            keys.push_back(CollationKey(p));
        }
        const double keyed = Seconds(start);
        order = ByKeys(keys);
        std::printf("%s strxfrm: %zu paths, keys %.2f s (%zu bytes), total %.2f s\n", collate, paths.size(),
                    keyed, Bytes(keys), Seconds(start));
    } else if (what == "icu") {
        std::string locale(collate);
        locale = locale.substr(0, locale.find('.'));
        const std::vector<std::string> keys = IcuKeys(paths, locale == "C" ? "root" : locale.c_str());
        const double keyed = Seconds(start);
        order = ByKeys(keys);
        std::printf("%s icu (%s): %zu paths, keys %.2f s (%zu bytes), total %.2f s\n", collate,
                    locale.c_str(), paths.size(), keyed, Bytes(keys), Seconds(start));
    } else if (what == "order") {
        std::vector<vorlex::scan::ResultRow> rows(paths.size());
        for (std::size_t i = 0; i < paths.size(); ++i) {
            rows[i].path = paths[i];
        }
        const auto sorted = std::chrono::steady_clock::now();
        Collator collator;
        order = *vorlex::scan::SortOrder(rows, collator);
        std::printf("%s SortOrder: %zu paths, %.2f s\n", collate, paths.size(), Seconds(sorted));
    } else {
        std::fprintf(stderr, "unknown variant %s\n", what.c_str());
        return 2;
    }
    // A digest of the order, to tell orders apart.
    std::size_t digest = 0;
    for (std::size_t i = 0; i < order.size(); ++i) {
        digest = digest * 1000003 + order[i];
    }
    std::printf("cpu %.2f s, order digest %016zx\n", static_cast<double>(std::clock() - cpu) / CLOCKS_PER_SEC,
                digest);
    return 0;
}
