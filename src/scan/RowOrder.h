// The order of result rows: the user's collation of their File text, worked out beside the window.
#pragma once

#include <atomic>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/Locale.h"
#include "scan/ResultRow.h"

namespace vorlex::scan {

/// The positions of `rows` in ascending order of their File text in the user's collation (the order of
/// platform::CollationKey), rows with equal keys in their present order. Reads `rows` only, so the list may
/// be shown meanwhile; large lists are sorted in two halves on two threads and merged. Returns nothing as
/// soon as `cancel` (checked every few thousand comparisons) is true.
std::optional<std::vector<std::size_t>> SortOrder(const std::vector<ResultRow>& rows,
                                                  platform::Collator& collator,
                                                  const std::atomic<bool>* cancel = nullptr);

/// Rearranges `rows` in place so that row i is the former row order[i]; `order` is a permutation of the
/// positions (as SortOrder gives). `between`, when set, is called every few thousand moves, and every
/// element is then a whole row (the list may be shown meanwhile).
void ApplyOrder(std::vector<ResultRow>& rows, std::vector<std::size_t> order,
                const std::function<void()>& between = {});

/// Puts `rows` in ascending order of their File text in the user's collation, keeping rows with equal keys
/// in their present order (SortOrder, then ApplyOrder).
void SortRows(std::vector<ResultRow>& rows);

/// The order (for ApplyOrder) that merges `rows[0, tail)`, already in order, with the rows after them, which
/// need not be: those are sorted among themselves and each placed after the earlier rows of equal key.
/// Reads `rows` only.
std::vector<std::size_t> MergeOrder(const std::vector<ResultRow>& rows, std::size_t tail,
                                    platform::Collator& collator);

/// A merge (as MergeOrder) whose rows already in order are checked against the collator's table ahead of
/// time, for instance beside other work, so that the merge itself checks only the rows added after them.
class MergeBase {
  public:
    /// Nothing prepared yet. The collator of its own, for the LC_COLLATE of the time, is made by the first
    /// Prepare or Order.
    MergeBase();
    ~MergeBase();
    MergeBase(const MergeBase&) = delete;
    MergeBase& operator=(const MergeBase&) = delete;

    /// Checks the File texts of `rows`, which are in order. Reads nothing else of them, so it may run on
    /// another thread while their other fields (Status) change; nothing may add, remove or reorder rows
    /// until it returns. Returns false as soon as `cancel` (looked at every few thousand rows) is true; the
    /// rows not reached are then checked by Order.
    bool Prepare(const std::vector<ResultRow>& rows, const std::atomic<bool>* cancel = nullptr);

    /// The order (for ApplyOrder) that merges the rows Prepare was given, the first ones of `rows` (their
    /// File texts unchanged), with the rows added after them: MergeOrder(rows, prepared count). Uses up the
    /// preparation.
    std::vector<std::size_t> Order(const std::vector<ResultRow>& rows);

  private:
    struct Prepared;
    std::unique_ptr<Prepared> prepared_;
    std::size_t listed_ = 0;  ///< rows given to Prepare
};

/// Works out the order SortOrder gives while a walk is still appending the rows: a thread of its own takes
/// each new stretch of rows, compares it from the collator's table or by strxfrm keys, sorts it and merges
/// it with the stretches before, so that little is left to do when the walk ends. The walk's spare core
/// does the sorting. The list may move in memory when it grows: Append then waits until the thread has
/// stepped aside (it does so within a few hundred comparisons).
class SortAhead {
  public:
    /// Starts the thread over `rows`, which must be empty. Until Finish returns or the object is destroyed,
    /// rows are added only through Append, and nothing else changes the list.
    explicit SortAhead(std::vector<ResultRow>& rows);
    /// Stops the thread and waits for it; an order not asked for is dropped.
    ~SortAhead();
    SortAhead(const SortAhead&) = delete;
    SortAhead& operator=(const SortAhead&) = delete;

    /// Appends a row to the list (from the walk's thread). Throws std::bad_alloc when the list cannot grow.
    void Append(ResultRow&& row);

    /// The order of all appended rows, equal to SortOrder's. Waits for the thread to finish; returns nothing
    /// when `cancel` became true first. Rethrows what the thread threw (std::bad_alloc). Called once, after
    /// the last Append, from any thread.
    std::optional<std::vector<std::size_t>> Finish(const std::atomic<bool>* cancel = nullptr);

  private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace vorlex::scan
