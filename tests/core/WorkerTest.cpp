#include <atomic>
#include <future>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "platform/Worker.h"

using vorlex::platform::Worker;

TEST(Worker, RunsTasksInOrderAndPassesResultsAndExceptions) {
    std::vector<int> seen;  // touched by the worker only, read after Drain
    Worker worker;
    ASSERT_TRUE(worker.Started());
    for (int i = 0; i < 100; ++i) {
        worker.Post([&seen, i] { seen.push_back(i); });
    }
    auto moveOnly = std::make_unique<int>(7);
    std::future<int> value =
        worker.Submit([p = std::move(moveOnly)](const std::atomic<bool>&) { return *p; });
    std::future<int> failure =
        worker.Submit([](const std::atomic<bool>&) -> int { throw std::runtime_error("failed"); });
    worker.Post([] { throw std::logic_error("posted"); });
    worker.Post([&seen] { seen.push_back(100); });  // runs although the task before threw
    EXPECT_EQ(value.get(), 7);
    EXPECT_THROW(failure.get(), std::runtime_error);
    EXPECT_THROW(worker.Drain(), std::logic_error);
    worker.Drain();  // the exception is given once
    ASSERT_EQ(seen.size(), 101u);
    for (int i = 0; i <= 100; ++i) {
        EXPECT_EQ(seen[i], i);
    }
    EXPECT_EQ(worker.Unfinished(), 0u);
}

TEST(Worker, EndCancelsTheRunningTaskWaitsForItAndDropsTheRest) {
    std::atomic<bool> running{false};
    std::atomic<bool> sawCancel{false};
    std::future<void> first;
    std::future<void> second;
    {
        Worker worker;
        first = worker.Submit([&](const std::atomic<bool>& cancel) {
            running = true;
            while (!cancel) {
                std::this_thread::yield();
            }
            sawCancel = true;
        });
        second = worker.Submit([](const std::atomic<bool>&) {});
        while (!running) {
            std::this_thread::yield();
        }
    }
    EXPECT_TRUE(sawCancel);  // set before the end returned
    EXPECT_NO_THROW(first.get());
    EXPECT_THROW(second.get(), std::future_error);  // dropped: never run
}
