#include "scan/RowFormat.h"

#include <algorithm>
#include <compare>
#include <deque>
#include <exception>
#include <memory>
#include <numeric>
#include <thread>
#include <utility>

#include "scan/Mask.h"

namespace vorlex::scan {

void AppendDisplayText(std::string& out, std::string_view raw) {
    std::size_t p = 0;
    while (p < raw.size()) {
        char32_t c = 0;
        const std::size_t len = DecodeUtf8(raw, p, c);
        if (IsUndecodable(c)) {
            out += "\xEF\xBF\xBD";
        } else {
            out.append(raw.substr(p, len));
        }
        p += len;
    }
}

std::string DisplayText(std::string_view raw) {
    std::string out;
    out.reserve(raw.size());
    AppendDisplayText(out, raw);
    return out;
}

std::string FormatSizeKB(std::uint64_t bytes, std::string_view thousands) {
    if (bytes == 0) {
        return "0";
    }
    if (bytes < 1024) {
        return "1";
    }
    // Integer rounding of bytes / 1024, halves up: exact where a double would lose the low digits.
    std::uint64_t kb = bytes / 1024 + (bytes % 1024 >= 512 ? 1 : 0);
    return platform::GroupThousands(kb, thousands);
}

std::int64_t AgeDays(platform::TimeValue created, platform::TimeValue scanStart) {
    // File times may lie anywhere in the 64-bit range of seconds, so the distance is taken in unsigned
    // seconds plus the millisecond parts; a whole day of milliseconds is a whole day of seconds.
    struct Moment {
        std::int64_t sec;
        std::int32_t ms;
        auto operator<=>(const Moment&) const = default;
    };
    Moment a{created.sec, created.nsec / 1000000};
    Moment b{scanStart.sec, scanStart.nsec / 1000000};
    if (a > b) {
        std::swap(a, b);
    }
    std::uint64_t seconds = static_cast<std::uint64_t>(b.sec) - static_cast<std::uint64_t>(a.sec);
    if (b.ms < a.ms) {
        --seconds;  // borrow: b is later, so at least one second apart here
    }
    return static_cast<std::int64_t>(seconds / 86400);
}

RowFormatter::RowFormatter(platform::RegionalFormats formats, platform::TimeValue scanStartTime)
    : formats_(std::move(formats)), scanStart_(scanStartTime) {}

std::string RowFormatter::DateTimeText(platform::TimeValue t) const {
    return platform::FormatDateTime(platform::ToLocalCivil(t), formats_);
}

void RowFormatter::AppendDateTimeText(std::string& out, platform::TimeValue t,
                                      platform::DateTimeFormatter& cache) const {
    cache.Append(out, platform::ToLocalCivil(t));
}

std::string RowFormatter::CellText(const ResultRow& row, Column column) const {
    switch (column) {
        case Column::File:
            return DisplayText(row.path);
        case Column::Created:
            return DateTimeText(row.created);
        case Column::Modified:
            return DateTimeText(row.modified);
        case Column::Accessed:
            return DateTimeText(row.accessed);
        case Column::AgeDays:
            return std::to_string(AgeDays(row.created, scanStart_));
        case Column::SizeKB:
            return FormatSizeKB(row.size, formats_.thousands);
        case Column::Status:
            return StatusText(row.status);
        case Column::Count:
            break;
    }
    return {};
}

namespace {

/// The cancellation of a sort, raised from inside the comparison.
struct SortCancelled {};

/// Checks the File texts of `count` rows, rows[rowAt(0)] to rows[rowAt(count - 1)] in that order, against
/// the collator's table, setting quick[i] for each row i that is compared from it. Neighbouring rows mostly
/// share their folder, whose characters were checked with the row before (`previous`, when quick, before
/// the first). `admitted` counts the quick rows so far: a sample of them is held against strxfrm, and should
/// one differ, the table is dropped and every flag cleared. Returns false, leaving the flags from the row
/// reached on unchecked, as soon as `cancel` (looked at every few thousand rows) is true.
template <class RowAt>
bool AdmitRows(const std::vector<ResultRow>& rows, std::size_t count, RowAt rowAt,
               const std::string* previous, platform::Collator& collator, std::vector<std::uint8_t>& quick,
               std::size_t& admitted, const std::atomic<bool>* cancel) {
    for (std::size_t k = 0; k < count; ++k) {
        if (cancel != nullptr && (k & 0xFFF) == 0 && cancel->load(std::memory_order_relaxed)) {
            return false;
        }
        const std::size_t i = rowAt(k);
        const std::string& path = rows[i].path;
        std::size_t known = 0;
        if (previous != nullptr) {
            const std::size_t n = std::min(previous->size(), path.size());
            known = static_cast<std::size_t>(
                std::mismatch(path.begin(), path.begin() + static_cast<std::ptrdiff_t>(n), previous->begin())
                    .first -
                path.begin());
        }
        quick[i] = collator.Admit(path, known);
        previous = quick[i] ? &path : nullptr;
        if (quick[i] && admitted++ % 1024 == 0 && collator.Key(path, true) != collator.Key(path, false)) {
            collator.DropTable();
            quick.assign(quick.size(), false);
            break;
        }
    }
    return true;
}

/// AdmitRows over rows[from, to) in their order.
bool AdmitRange(const std::vector<ResultRow>& rows, std::size_t from, std::size_t to,
                platform::Collator& collator, std::vector<std::uint8_t>& quick, std::size_t& admitted,
                const std::atomic<bool>* cancel) {
    const std::string* previous = from > 0 && quick[from - 1] ? &rows[from - 1].path : nullptr;
    return AdmitRows(
        rows, to - from, [from](std::size_t k) { return from + k; }, previous, collator, quick, admitted,
        cancel);
}

/// What the comparisons of one sort share: quick texts are compared from the collator's table, the others
/// by their strxfrm keys, computed once per row: all at the start (`eager`, so that several threads may
/// compare at once) or on first use (for a merge that probes few rows).
class RowKeys {
  public:
    RowKeys(const std::vector<ResultRow>& rows, platform::Collator& collator, bool eager)
        : rows_(rows), collator_(collator), quick_(rows.size()), slot_(rows.size(), kNoKey) {
        std::size_t admitted = 0;
        AdmitRange(rows, 0, rows.size(), collator, quick_, admitted, nullptr);
        if (eager) {
            for (std::size_t i = 0; i < rows.size(); ++i) {
                if (!quick_[i]) {
                    KeyOf(i);
                }
            }
        }
    }
    /// Keys computed on first use, with the rows before `checked.size()` checked already (their flags in
    /// `checked`, `admitted` of them quick) and the rows after them checked now.
    RowKeys(const std::vector<ResultRow>& rows, platform::Collator& collator,
            std::vector<std::uint8_t> checked, std::size_t admitted)
        : rows_(rows), collator_(collator), quick_(std::move(checked)), slot_(rows.size(), kNoKey) {
        const std::size_t from = std::min(quick_.size(), rows.size());
        quick_.resize(rows.size());
        // The rows added need not be in any order: checked in the order of their bytes, each shares the
        // longest part with the one before.
        std::vector<std::size_t> added(rows.size() - from);
        std::iota(added.begin(), added.end(), from);
        std::sort(added.begin(), added.end(),
                  [&rows](std::size_t a, std::size_t b) { return rows[a].path < rows[b].path; });
        AdmitRows(
            rows, added.size(), [&added](std::size_t k) { return added[k]; }, nullptr, collator, quick_,
            admitted, nullptr);
    }
    bool Less(std::size_t a, std::size_t b) const {
        if (quick_[a] && quick_[b]) {
            return collator_.CompareQuick(rows_[a].path, rows_[b].path) < 0;
        }
        // A quick text against a key: its own key, streamed from the table, equals strxfrm's.
        if (quick_[a]) {
            return collator_.CompareToKey(rows_[a].path, KeyOf(b)) < 0;
        }
        if (quick_[b]) {
            return collator_.CompareToKey(rows_[b].path, KeyOf(a)) > 0;
        }
        return KeyOf(a) < KeyOf(b);
    }

  private:
    /// The strxfrm key of a row that is not quick.
    const std::string& KeyOf(std::size_t i) const {
        if (slot_[i] == kNoKey) {
            slot_[i] = keys_.size();
            keys_.push_back(collator_.Key(rows_[i].path, false));
        }
        return keys_[slot_[i]];
    }

    static constexpr std::size_t kNoKey = static_cast<std::size_t>(-1);

    const std::vector<ResultRow>& rows_;
    const platform::Collator& collator_;
    std::vector<std::uint8_t> quick_;        // bytes, not bits: read on every comparison
    mutable std::vector<std::size_t> slot_;  ///< index in keys_ of a row's key
    mutable std::deque<std::string> keys_;   ///< a deque: a key added keeps the others in place
};

/// The comparison handed to the standard algorithms: cheap to copy, checks for cancellation now and then.
struct LessByKeys {
    const RowKeys* keys;
    const std::atomic<bool>* cancel;
    std::uint32_t calls = 0;
    bool operator()(std::size_t a, std::size_t b) {
        if (cancel != nullptr && (++calls & 0xFFF) == 0 && cancel->load(std::memory_order_relaxed)) {
            throw SortCancelled{};
        }
        return keys->Less(a, b);
    }
};

}  // namespace

std::optional<std::vector<std::size_t>> SortOrder(const std::vector<ResultRow>& rows,
                                                  platform::Collator& collator,
                                                  const std::atomic<bool>* cancel) {
    const RowKeys keys(rows, collator, true);
    std::vector<std::size_t> order(rows.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    const auto mid = order.begin() + static_cast<std::ptrdiff_t>(order.size() / 2);
    try {
        if (order.size() < (std::size_t{1} << 15)) {
            std::stable_sort(order.begin(), order.end(), LessByKeys{&keys, cancel});
            return order;
        }
        // The halves are independent and their merge keeps the first half first among equals: stable.
        std::exception_ptr failure;
        std::thread other([&] {
            try {
                std::stable_sort(order.begin(), mid, LessByKeys{&keys, cancel});
            } catch (...) {
                failure = std::current_exception();
            }
        });
        try {
            std::stable_sort(mid, order.end(), LessByKeys{&keys, cancel});
        } catch (...) {
            other.join();
            throw;
        }
        other.join();
        if (failure) {
            std::rethrow_exception(failure);
        }
        std::inplace_merge(order.begin(), mid, order.end(), LessByKeys{&keys, cancel});
    } catch (const SortCancelled&) {
        return std::nullopt;
    }
    return order;
}

void ApplyOrder(std::vector<ResultRow>& rows, std::vector<std::size_t> order,
                const std::function<void()>& between) {
    constexpr std::size_t kPlaced = static_cast<std::size_t>(-1);
    std::size_t steps = 0;
    for (std::size_t start = 0; start < order.size(); ++start) {
        // Along the cycle through `start`, each swap brings the row that belongs at `at` there.
        std::size_t at = start;
        while (order[at] != kPlaced && order[at] != start) {
            const std::size_t from = order[at];
            std::swap(rows[at], rows[from]);
            order[at] = kPlaced;
            at = from;
            if (between && ++steps % 4096 == 0) {
                between();
            }
        }
        order[at] = kPlaced;
    }
}

void SortRows(std::vector<ResultRow>& rows) {
    platform::Collator collator;
    ApplyOrder(rows, *SortOrder(rows, collator));
}

namespace {

/// The order that merges rows[0, tail), already in order, with the rows after them (see MergeOrder).
std::vector<std::size_t> MergeWith(const RowKeys& keys, std::size_t size, std::size_t tail) {
    // The new rows are few beside the list: each finds its place by a search from the place of the one
    // before, so only the rows it probes need a key, and the rows move once.
    auto less = [&keys](std::size_t a, std::size_t b) { return keys.Less(a, b); };
    std::vector<std::size_t> added(size - tail);
    std::iota(added.begin(), added.end(), tail);
    std::stable_sort(added.begin(), added.end(), less);
    std::vector<std::size_t> order;
    order.reserve(size);
    std::size_t next = 0;
    for (std::size_t a : added) {
        // The first earlier row that sorts after `a` (equal keys keep earlier rows first). The new rows
        // mostly lie a few rows apart: galloping from the last place found brackets it in few probes.
        std::size_t lo = next;
        std::size_t hi = tail;
        for (std::size_t step = 1; lo < tail; step *= 2) {
            const std::size_t probe = lo + std::min(step, tail - lo) - 1;
            if (less(a, probe)) {
                hi = probe;
                break;
            }
            lo = probe + 1;
        }
        while (lo < hi) {
            const std::size_t m = lo + (hi - lo) / 2;
            if (less(a, m)) {
                hi = m;
            } else {
                lo = m + 1;
            }
        }
        for (; next < lo; ++next) {
            order.push_back(next);
        }
        order.push_back(a);
    }
    for (; next < tail; ++next) {
        order.push_back(next);
    }
    return order;
}

}  // namespace

std::vector<std::size_t> MergeOrder(const std::vector<ResultRow>& rows, std::size_t tail,
                                    platform::Collator& collator) {
    tail = std::min(tail, rows.size());
    const RowKeys keys(rows, collator, false);
    return MergeWith(keys, rows.size(), tail);
}

MergeBase::MergeBase() = default;

MergeBase::~MergeBase() = default;

bool MergeBase::Prepare(const std::vector<ResultRow>& rows, const std::atomic<bool>* cancel) {
    ready_ = false;
    if (!collator_) {
        collator_ = std::make_unique<platform::Collator>();
    }
    checked_.assign(rows.size(), false);
    admitted_ = 0;
    ready_ = AdmitRange(rows, 0, rows.size(), *collator_, checked_, admitted_, cancel);
    return ready_;
}

std::vector<std::size_t> MergeBase::Order(const std::vector<ResultRow>& rows) {
    const std::size_t tail = std::min(checked_.size(), rows.size());
    if (!ready_) {
        checked_.clear();
        admitted_ = 0;
    }
    if (!collator_) {
        collator_ = std::make_unique<platform::Collator>();
    }
    const RowKeys keys(rows, *collator_, std::move(checked_), admitted_);
    checked_.clear();
    ready_ = false;
    return MergeWith(keys, rows.size(), tail);
}

}  // namespace vorlex::scan
