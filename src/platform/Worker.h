// A thread of its own that runs queued tasks one after the other, with a flag that asks them to stop.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <thread>
#include <type_traits>
#include <utility>

namespace vorlex::platform {

/// A callable run once on the worker's thread.
using Task = std::function<void()>;

/// One thread that runs tasks in the order they were queued. Where no thread can be started, Started() is
/// false and nothing is ever queued (the caller does the work itself). The destructor cancels, drops the
/// tasks not begun and waits for the one running.
class Worker {
  public:
    /// Starts the thread.
    Worker();
    /// Cancel(), then drops the tasks not begun and waits for the running one.
    ~Worker();
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;

    /// Whether the thread runs.
    bool Started() const noexcept { return thread_.joinable(); }

    /// Queues `task`. A posted task that throws does not stop the others: Drain rethrows the first
    /// exception. Returns false, and drops the task, when there is no thread.
    bool Post(Task task);

    /// Queues `work(cancel)`, cancel being the worker's flag, and gives its result, or what it threw, through
    /// the future; an invalid future when there is no thread. A task dropped by the destructor leaves
    /// std::future_error (broken promise) in its future.
    template <class F>
    auto Submit(F work) -> std::future<std::invoke_result_t<F&, const std::atomic<bool>&>> {
        using Result = std::invoke_result_t<F&, const std::atomic<bool>&>;
        // Shared, as a Task must be copyable; the packaged task itself runs once.
        auto task = std::make_shared<std::packaged_task<Result()>>(
            [this, work = std::move(work)]() mutable { return work(cancel_); });
        std::future<Result> result = task->get_future();
        if (!Post([task] { (*task)(); })) {
            return {};
        }
        return result;
    }

    /// Tasks queued or running; may be read from any thread, and is at once out of date.
    std::size_t Unfinished() const noexcept { return unfinished_.load(std::memory_order_acquire); }

    /// Waits until every task queued has run, then rethrows the first exception of a posted task, if any.
    void Drain();

    /// Raises the flag handed to submitted work; tasks see it at their next look.
    void Cancel() noexcept { cancel_.store(true, std::memory_order_relaxed); }

  private:
    void Run();

    std::atomic<bool> cancel_{false};
    std::atomic<std::size_t> unfinished_{0};
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Task> queue_;
    std::exception_ptr failure_;
    bool closing_ = false;
    std::thread thread_;  ///< last: started once the members above are made
};

/// Waits for `result`, calling `between` about every 10 ms meanwhile, and gives it (or throws what its task
/// threw).
template <class Result, class Between>
Result WaitCalling(std::future<Result>& result, Between&& between) {
    while (result.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready) {
        between();
    }
    return result.get();
}

}  // namespace vorlex::platform
