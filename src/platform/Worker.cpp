#include "platform/Worker.h"

#include <system_error>

namespace vorlex::platform {

Worker::Worker() {
    try {
        thread_ = std::thread([this] { Run(); });
    } catch (const std::system_error&) {
        // No thread: Started() is false and the caller works inline.
    }
}

Worker::~Worker() {
    Cancel();
    if (!thread_.joinable()) {
        return;
    }
    {
        std::lock_guard lock(mutex_);
        closing_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

bool Worker::Post(Task task) {
    if (!thread_.joinable()) {
        return false;
    }
    {
        std::lock_guard lock(mutex_);
        queue_.push_back(std::move(task));
        unfinished_.fetch_add(1, std::memory_order_release);
    }
    changed_.notify_all();
    return true;
}

void Worker::Drain() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return unfinished_.load(std::memory_order_relaxed) == 0; });
    if (failure_) {
        std::rethrow_exception(std::exchange(failure_, nullptr));
    }
}

void Worker::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return closing_ || !queue_.empty(); });
        if (closing_) {
            // The tasks not begun are dropped outside the lock: a packaged task's end wakes its waiter.
            std::deque<Task> dropped = std::move(queue_);
            unfinished_.store(0, std::memory_order_release);
            lock.unlock();
            changed_.notify_all();
            return;
        }
        Task task = std::move(queue_.front());
        queue_.pop_front();
        lock.unlock();
        std::exception_ptr failed;
        try {
            task();
        } catch (...) {
            failed = std::current_exception();
        }
        task = nullptr;  // what the task holds goes before it counts as finished
        lock.lock();
        if (failed && !failure_) {
            failure_ = failed;
        }
        unfinished_.fetch_sub(1, std::memory_order_release);
        changed_.notify_all();
    }
}

}  // namespace vorlex::platform
