#pragma once

#include "runtime_error.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <utility>

namespace kestrune {

// What a read off the caller's thread came to: its value, or the failure the
// host answered with.
template <typename Value> struct ReadOutcome {
    Value value{};
    std::optional<RuntimeError> failure;
};

// The answer of a read under way on a thread of its own, which may never
// come: a share that has gone away can hold a read for minutes. The reading
// thread gives it once; whoever asked looks at it, or waits for it up to a
// deadline of their own, and may drop it at any time without waiting for the
// read.
template <typename Value> class PendingAnswer {
public:
    using Outcome = ReadOutcome<Value>;

    // Called by the reading thread; an answer given already stays.
    void give(Outcome outcome)
    {
        {
            const std::lock_guard lock(mutex_);
            if (outcome_)
                return;
            outcome_ = std::move(outcome);
        }
        given_.notify_all();
    }

    // The answer, if it has come.
    std::optional<Outcome> answer() const
    {
        const std::lock_guard lock(mutex_);
        return outcome_;
    }

    // Waits for the answer until `deadline`; none when it has not come by then.
    std::optional<Outcome> waitUntil(std::chrono::steady_clock::time_point deadline) const
    {
        std::unique_lock lock(mutex_);
        given_.wait_until(lock, deadline, [this] { return outcome_.has_value(); });
        return outcome_;
    }

private:
    mutable std::mutex mutex_;
    mutable std::condition_variable given_;
    std::optional<Outcome> outcome_;
};

}  // namespace kestrune
