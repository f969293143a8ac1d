#pragma once
// A stand-in for a window's event queue in tests without Qt: a job runner posts
// its calls here from its thread, and the test runs them on its own thread when
// it pumps, as a window's event loop would.
#include "core/jobrunner.h"

#include <chrono>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace vy::test {

class PostQueue {
public:
    JobRunner::Post post()
    {
        return [this](std::function<void()> call) {
            std::lock_guard lock(mutex_);
            calls_.push_back(std::move(call));
        };
    }

    // Runs every call queued so far; returns how many.
    int pump()
    {
        std::deque<std::function<void()>> now;
        {
            std::lock_guard lock(mutex_);
            now.swap(calls_);
        }
        for (auto& call : now)
            call();
        return static_cast<int>(now.size());
    }

    std::size_t waiting() const
    {
        std::lock_guard lock(mutex_);
        return calls_.size();
    }

    // Pumps until done() holds; false after the limit.
    template <class Done>
    bool pumpUntil(Done done, std::chrono::milliseconds limit = std::chrono::seconds(20))
    {
        const auto until = std::chrono::steady_clock::now() + limit;
        for (;;) {
            pump();
            if (done())
                return true;
            if (std::chrono::steady_clock::now() > until)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }

private:
    mutable std::mutex mutex_;
    std::deque<std::function<void()>> calls_;
};

} // namespace vy::test
