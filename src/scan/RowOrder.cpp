#include "scan/RowOrder.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <exception>
#include <future>
#include <mutex>
#include <numeric>
#include <string>
#include <utility>

#include "platform/Worker.h"

namespace vorlex::scan {

namespace {

/// The cancellation of a sort, raised from inside the comparison.
struct SortCancelled {};

/// What the comparisons of one sort share: quick texts are compared from the collator's table, the others
/// by their strxfrm keys, made once per row: as rows are admitted (`eager`, so that several threads may
/// compare at once) or on first use (for a merge that probes few rows). Rows are admitted in stretches, in
/// their order, and read where Rebase last said the list is.
class RowKeys {
  public:
    explicit RowKeys(platform::Collator& collator) : collator_(collator) {}

    /// Where the rows are now.
    void Rebase(const ResultRow* rows) { rows_ = rows; }
    /// Rows admitted so far.
    std::size_t Size() const { return quick_.size(); }

    /// Admits the rows from Size() up to `end`, calling `poll` before each. Returns false when a sampled
    /// quick text disagreed with strxfrm: the table is then dropped and every row so far compares by its
    /// key, so any order worked out before is void.
    template <class Poll>
    bool Extend(std::size_t end, bool eager, Poll&& poll) {
        bool kept = true;
        slot_.resize(end, kNoKey);
        quick_.reserve(end);
        for (std::size_t i = quick_.size(); i < end; ++i) {
            poll();
            quick_.push_back(0);
            // Neighbouring rows mostly share their folder: its characters were checked with the last row.
            kept = AdmitOne(i, i > 0 && quick_[i - 1] != 0 ? &rows_[i - 1].path : nullptr) && kept;
        }
        if (eager) {
            for (; keyed_ < end; ++keyed_) {
                if (quick_[keyed_] == 0) {
                    poll();
                    KeyOf(keyed_);
                }
            }
        }
        return kept;
    }

    /// Admits the rows from Size() up to `end` in the order of their bytes rather than their positions:
    /// rows added in no particular order then mostly share a leading part with the one checked before them.
    /// Returns false as Extend does.
    bool ExtendInByteOrder(std::size_t end) {
        const std::size_t from = quick_.size();
        std::vector<std::size_t> added(end - from);
        std::iota(added.begin(), added.end(), from);
        std::sort(added.begin(), added.end(),
                  [this](std::size_t a, std::size_t b) { return rows_[a].path < rows_[b].path; });
        quick_.resize(end, 0);
        slot_.resize(end, kNoKey);
        bool kept = true;
        const std::string* previous = nullptr;
        for (std::size_t i : added) {
            kept = AdmitOne(i, previous) && kept;
            previous = quick_[i] != 0 ? &rows_[i].path : nullptr;
        }
        return kept;
    }

    bool Less(std::size_t a, std::size_t b) const {
        if (quick_[a] != 0 && quick_[b] != 0) {
            return collator_.CompareQuick(rows_[a].path, rows_[b].path) < 0;
        }
        // A quick text against a key: its own key, streamed from the table, equals strxfrm's.
        if (quick_[a] != 0) {
            return collator_.CompareToKey(rows_[a].path, KeyOf(b)) < 0;
        }
        if (quick_[b] != 0) {
            return collator_.CompareToKey(rows_[b].path, KeyOf(a)) > 0;
        }
        return KeyOf(a) < KeyOf(b);
    }

  private:
    /// Sets whether row i is quick; `previous`, when set, is a quick text checked before it. Returns false
    /// when the sample check dropped the table (every flag is then cleared).
    bool AdmitOne(std::size_t i, const std::string* previous) {
        const std::string& path = rows_[i].path;
        std::size_t known = 0;
        if (previous != nullptr) {
            const std::size_t n = std::min(previous->size(), path.size());
            known = static_cast<std::size_t>(
                std::mismatch(path.begin(), path.begin() + static_cast<std::ptrdiff_t>(n), previous->begin())
                    .first -
                path.begin());
        }
        const bool quick = collator_.Admit(path, known);
        // A sample of the quick keys is held against strxfrm: should one differ, the table is dropped.
        if (quick && admitted_++ % 1024 == 0 && collator_.Key(path, true) != collator_.Key(path, false)) {
            collator_.DropTable();
            std::fill(quick_.begin(), quick_.end(), std::uint8_t{0});
            keyed_ = 0;
            return false;
        }
        quick_[i] = quick ? 1 : 0;
        return true;
    }

    /// The strxfrm key of a row that is not quick.
    const std::string& KeyOf(std::size_t i) const {
        if (slot_[i] == kNoKey) {
            slot_[i] = keys_.size();
            keys_.push_back(collator_.Key(rows_[i].path, false));
        }
        return keys_[slot_[i]];
    }

    static constexpr std::size_t kNoKey = static_cast<std::size_t>(-1);

    platform::Collator& collator_;
    const ResultRow* rows_ = nullptr;
    std::size_t admitted_ = 0;               ///< quick texts so far, for the sampling
    std::size_t keyed_ = 0;                  ///< rows below this have their key when they need one
    std::vector<std::uint8_t> quick_;        // bytes, not bits: read on every comparison
    mutable std::vector<std::size_t> slot_;  ///< index in keys_ of a row's key
    mutable std::deque<std::string> keys_;   ///< a deque: a key added keeps the others in place
};

void NoPoll() {}

/// The comparison handed to the standard algorithms: cheap to copy, calls `poll` now and then (which may
/// throw SortCancelled).
template <class Poll>
struct LessByKeys {
    const RowKeys* keys;
    Poll* poll;
    std::uint32_t calls = 0;
    bool operator()(std::size_t a, std::size_t b) {
        if ((++calls & 0xFF) == 0) {
            (*poll)();
        }
        return keys->Less(a, b);
    }
};

template <class Poll>
LessByKeys<Poll> MakeLess(const RowKeys& keys, Poll& poll) {
    return LessByKeys<Poll>{&keys, &poll};
}

/// Runs `here` on this thread and `there` on another at the same time, and rethrows what either threw
/// (this thread's first) once both are over.
template <class Here, class There>
void OnTwoThreads(Here&& here, There&& there) {
    platform::Worker other;
    std::future<void> done = other.Submit([&there](const std::atomic<bool>&) { there(); });
    if (!done.valid()) {
        here();  // no second thread: one after the other
        there();
        return;
    }
    here();  // should it throw, the worker's end waits for `there`
    done.get();
}

/// A poll that gives up the sort (SortCancelled) once `cancel` is true, looked at every few calls.
struct CancelPoll {
    const std::atomic<bool>* cancel;
    std::uint32_t polls = 0;
    void operator()() {
        if (cancel != nullptr && (++polls & 0xF) == 0 && cancel->load(std::memory_order_relaxed)) {
            throw SortCancelled{};
        }
    }
};

/// Merges the sorted positions [first, middle) and [middle, last) of `order` as std::inplace_merge does,
/// stably, half of the work on another thread: the first range is cut in the middle, the second where its
/// rows stop sorting before that cut, and the two pairs of pieces are merged side by side.
template <class Less, class OtherLess>
void MergeOnTwoThreads(std::vector<std::size_t>& order, std::size_t first, std::size_t middle,
                       std::size_t last, Less less, OtherLess otherLess) {
    const auto at = [&order](std::size_t i) { return order.begin() + static_cast<std::ptrdiff_t>(i); };
    const std::size_t cut = first + (middle - first) / 2;
    const std::size_t cutAfter =
        static_cast<std::size_t>(std::lower_bound(at(middle), at(last), order[cut], less) - order.begin());
    std::vector<std::size_t> merged(last - first);
    const auto secondOut = merged.begin() + static_cast<std::ptrdiff_t>((cut - first) + (cutAfter - middle));
    OnTwoThreads([&] { std::merge(at(first), at(cut), at(middle), at(cutAfter), merged.begin(), less); },
                 [&] { std::merge(at(cut), at(middle), at(cutAfter), at(last), secondOut, otherLess); });
    std::copy(merged.begin(), merged.end(), at(first));
}

}  // namespace

std::optional<std::vector<std::size_t>> SortOrder(const std::vector<ResultRow>& rows,
                                                  platform::Collator& collator,
                                                  const std::atomic<bool>* cancel) {
    CancelPoll poll{cancel};
    std::vector<std::size_t> order(rows.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    const auto mid = order.begin() + static_cast<std::ptrdiff_t>(order.size() / 2);
    try {
        RowKeys keys(collator);
        keys.Rebase(rows.data());
        keys.Extend(rows.size(), true, NoPoll);
        if (order.size() < (std::size_t{1} << 15)) {
            std::stable_sort(order.begin(), order.end(), MakeLess(keys, poll));
            return order;
        }
        // The halves are independent and their merge keeps the first half first among equals: stable.
        CancelPoll otherPoll{cancel};
        OnTwoThreads([&] { std::stable_sort(mid, order.end(), MakeLess(keys, poll)); },
                     [&] { std::stable_sort(order.begin(), mid, MakeLess(keys, otherPoll)); });
        std::inplace_merge(order.begin(), mid, order.end(), MakeLess(keys, poll));
    } catch (const SortCancelled&) {
        return std::nullopt;
    }
    return order;
}

namespace {

/// Asks for every cache line of `row` ahead of its use.
void Prefetch(const ResultRow& row) {
    const char* p = reinterpret_cast<const char*>(&row);
    for (std::size_t at = 0; at < sizeof(ResultRow); at += 64) {
        __builtin_prefetch(p + at);
    }
}

}  // namespace

void ApplyOrder(std::vector<ResultRow>& rows, std::vector<std::size_t> order,
                const std::function<void()>& between) {
    constexpr std::size_t kPlaced = static_cast<std::size_t>(-1);
    // The rows of a cycle lie anywhere in memory: a lead runs this many steps ahead along the cycle and
    // asks for the rows it passes, so that their cache misses overlap instead of following one another.
    constexpr int kLead = 16;
    std::size_t steps = 0;
    for (std::size_t start = 0; start < order.size(); ++start) {
        if (order[start] == kPlaced || order[start] == start) {
            order[start] = kPlaced;
            continue;
        }
        // Each row of the cycle through `start` moves once: the one that belongs at `at` comes from
        // order[at], and the row first at `start` is held until the cycle closes.
        ResultRow held = std::move(rows[start]);
        std::size_t lead = start;
        for (int i = 0; i < kLead && (lead = order[lead]) != start; ++i) {
            Prefetch(rows[lead]);
        }
        std::size_t at = start;
        for (;;) {
            const std::size_t from = order[at];
            order[at] = kPlaced;
            if (from == start) {
                rows[at] = std::move(held);
                break;
            }
            if (lead != start && (lead = order[lead]) != start) {
                Prefetch(rows[lead]);
            }
            rows[at] = std::move(rows[from]);
            at = from;
            if (between && ++steps % 4096 == 0) {
                // The caller may look at the rows: the held one fills the gap meanwhile.
                rows[at] = std::move(held);
                between();
                held = std::move(rows[at]);
            }
        }
    }
}

void SortRows(std::vector<ResultRow>& rows) {
    platform::Collator collator;
    ApplyOrder(rows, *SortOrder(rows, collator));
}

namespace {

/// The order that merges rows[0, tail), already in order and admitted to `keys`, with the rows after them.
std::vector<std::size_t> MergeWith(RowKeys& keys, std::size_t size, std::size_t tail) {
    keys.ExtendInByteOrder(size);
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
    RowKeys keys(collator);
    keys.Rebase(rows.data());
    keys.Extend(tail, false, NoPoll);
    return MergeWith(keys, rows.size(), tail);
}

struct MergeBase::Prepared {
    platform::Collator collator;
    RowKeys keys{collator};
};

MergeBase::MergeBase() = default;

MergeBase::~MergeBase() = default;

bool MergeBase::Prepare(const std::vector<ResultRow>& rows, const std::atomic<bool>* cancel) {
    listed_ = rows.size();
    if (!prepared_) {
        prepared_ = std::make_unique<Prepared>();
    }
    Prepared& p = *prepared_;
    p.keys.Rebase(rows.data());
    std::uint32_t polls = 0;
    try {
        p.keys.Extend(rows.size(), false, [cancel, &polls] {
            if (cancel != nullptr && (polls++ & 0xFFF) == 0 && cancel->load(std::memory_order_relaxed)) {
                throw SortCancelled{};
            }
        });
    } catch (const SortCancelled&) {
        return false;
    }
    return true;
}

std::vector<std::size_t> MergeBase::Order(const std::vector<ResultRow>& rows) {
    std::unique_ptr<Prepared> p = std::move(prepared_);
    if (!p) {
        p = std::make_unique<Prepared>();
    }
    const std::size_t tail = std::min(listed_, rows.size());
    listed_ = 0;
    // The list may have moved since it was prepared; rows a cancelled preparation did not reach are
    // checked now.
    p->keys.Rebase(rows.data());
    p->keys.Extend(tail, false, NoPoll);
    return MergeWith(p->keys, rows.size(), tail);
}

// The walk's thread and the sorting thread share the list under `mutex`. The sorting thread reads rows only
// while `inside`; the walk moves them (growing the list) only while the thread is not inside, having first
// raised `wanted` so that the thread steps out at its next poll. Rows below `published` are complete and
// never change while the SortAhead lives.
struct SortAhead::State {
    explicit State(std::vector<ResultRow>& list) : rows(list) {}

    /// Rows taken and sorted in one go: small enough to sort within the cache, large enough that the
    /// merges stay few.
    static constexpr std::size_t kStretch = 16384;
    /// Rows appended between two hand-overs to the thread.
    static constexpr std::size_t kPublish = 2048;

    std::vector<ResultRow>& rows;

    std::mutex mutex;
    std::condition_variable changed;
    const ResultRow* base = nullptr;
    std::size_t published = 0;
    bool inside = false;
    bool closing = false;
    bool finished = false;  ///< no more rows will come
    bool done = false;      ///< the thread has ended: `result` or `failure` is set
    std::atomic<bool> wanted{false};
    std::atomic<bool> stop{false};
    std::optional<std::vector<std::size_t>> result;
    std::exception_ptr failure;

    void Run();
    void Work(std::unique_lock<std::mutex>& lock);
    void Grow();

    bool started = false;     ///< Run was queued on `worker`
    platform::Worker worker;  ///< last: goes first, waiting for Run
};

void SortAhead::State::Grow() {
    wanted.store(true, std::memory_order_relaxed);
    std::unique_lock lock(mutex);
    closing = true;
    changed.wait(lock, [this] { return !inside; });
    struct Reopen {
        State& s;
        ~Reopen() {
            s.closing = false;
            s.wanted.store(false, std::memory_order_relaxed);
            s.changed.notify_all();
        }
    } reopen{*this};
    rows.reserve(std::max<std::size_t>(kStretch, rows.capacity() * 2));
    base = rows.data();
}

void SortAhead::State::Run() {
    std::unique_lock lock(mutex, std::defer_lock);
    try {
        Work(lock);
    } catch (const SortCancelled&) {
        result.reset();
    } catch (...) {
        failure = std::current_exception();
    }
    if (!lock.owns_lock()) {
        lock.lock();
    }
    inside = false;
    done = true;
    changed.notify_all();
}

void SortAhead::State::Work(std::unique_lock<std::mutex>& lock) {
    platform::Collator collator;
    RowKeys keys(collator);
    std::vector<std::size_t> order;
    std::vector<std::size_t> runs;  // the starts of the sorted runs in `order`, each larger than the next

    // Called with the lock released and `inside` set, between comparisons and between rows: steps out while
    // the walk moves the rows.
    std::uint32_t polls = 0;
    auto poll = [&] {
        if ((++polls & 0xF) != 0) {
            return;
        }
        if (stop.load(std::memory_order_relaxed)) {
            throw SortCancelled{};
        }
        if (wanted.load(std::memory_order_relaxed)) {
            lock.lock();
            inside = false;
            changed.notify_all();
            changed.wait(lock, [this] { return !closing || stop.load(); });
            inside = true;
            keys.Rebase(base);
            lock.unlock();
        }
    };
    auto stopPoll = [this] {
        if (stop.load(std::memory_order_relaxed)) {
            throw SortCancelled{};
        }
    };
    auto mergeLast = [&] {
        const std::size_t upper = runs.back();
        runs.pop_back();
        std::inplace_merge(order.begin() + static_cast<std::ptrdiff_t>(runs.back()),
                           order.begin() + static_cast<std::ptrdiff_t>(upper), order.end(),
                           MakeLess(keys, poll));
    };

    lock.lock();
    for (;;) {
        changed.wait(lock, [&] {
            return stop.load() || (!closing && (finished || published >= order.size() + kStretch));
        });
        if (stop.load()) {
            throw SortCancelled{};
        }
        const std::size_t end = std::min(published, order.size() + kStretch);
        const bool last = finished && end == published;
        inside = true;
        keys.Rebase(base);
        lock.unlock();

        std::size_t from = order.size();
        if (!keys.Extend(end, true, poll)) {
            from = 0;  // compared through the dropped table: sorted again, by keys
            runs.clear();
        }
        order.resize(end);
        std::iota(order.begin() + static_cast<std::ptrdiff_t>(from), order.end(), from);
        std::stable_sort(order.begin() + static_cast<std::ptrdiff_t>(from), order.end(),
                         MakeLess(keys, poll));
        if (end > from) {
            runs.push_back(from);
        }
        // Runs merged while the one below is no longer than twice the newest, so that each row takes part
        // in a few merges only and the runs left at the end halve in size.
        while (runs.size() >= 2 &&
               (last || runs.back() - runs[runs.size() - 2] <= 2 * (order.size() - runs.back()))) {
            if (last && order.size() - runs[runs.size() - 2] >= kStretch * 4) {
                // The walk is over and its core is free: the large merges left are shared with it.
                const std::size_t upper = runs.back();
                runs.pop_back();
                MergeOnTwoThreads(order, runs.back(), upper, order.size(), MakeLess(keys, poll),
                                  MakeLess(keys, stopPoll));
            } else {
                mergeLast();
            }
        }

        lock.lock();
        inside = false;
        changed.notify_all();
        if (last) {
            result = std::move(order);
            return;
        }
    }
}

SortAhead::SortAhead(std::vector<ResultRow>& rows) : state_(std::make_unique<State>(rows)) {
    State& s = *state_;
    s.rows.reserve(State::kStretch);
    s.base = s.rows.data();
    s.started = s.worker.Post([&s] { s.Run(); });
}

SortAhead::~SortAhead() {
    State& s = *state_;
    {
        std::lock_guard lock(s.mutex);
        s.stop = true;
    }
    s.changed.notify_all();
}

void SortAhead::Append(ResultRow&& row) {
    State& s = *state_;
    if (s.rows.size() == s.rows.capacity()) {
        s.Grow();
    }
    s.rows.push_back(std::move(row));
    if (s.rows.size() % State::kPublish == 0) {
        {
            std::lock_guard lock(s.mutex);
            s.published = s.rows.size();
        }
        s.changed.notify_all();
    }
}

std::optional<std::vector<std::size_t>> SortAhead::Finish(const std::atomic<bool>* cancel) {
    State& s = *state_;
    if (!s.started) {
        platform::Collator collator;  // no thread: the whole sort now
        return SortOrder(s.rows, collator, cancel);
    }
    std::unique_lock lock(s.mutex);
    s.published = s.rows.size();
    s.finished = true;
    s.changed.notify_all();
    while (!s.done) {
        s.changed.wait_for(lock, std::chrono::milliseconds(10));
        if (cancel != nullptr && cancel->load()) {
            s.stop = true;
            s.changed.notify_all();
        }
    }
    lock.unlock();
    if (s.failure) {
        std::rethrow_exception(s.failure);
    }
    return std::move(s.result);
}

}  // namespace vorlex::scan
