#pragma once

#include "runtime_error.h"

#include <functional>
#include <utility>

namespace kestrune {

// What a handler does after one of its steps failed.
enum class AfterError {
    ResumeNext,   // go on with the next step
    ExitHandler,  // skip every later step
};

// A handler's error trap: runs its steps one at a time and lets a policy
// decide, for each run-time error, whether the handler goes on. Only
// RuntimeError is trapped; anything else leaves to the caller.
class ErrorTrap {
public:
    explicit ErrorTrap(std::function<AfterError(const RuntimeError&)> policy) : policy_(std::move(policy)) {}

    // Runs `step` unless the handler has exited; true when it succeeded.
    template <typename Step> bool run(Step&& step)
    {
        if (exited_)
            return false;
        try {
            std::forward<Step>(step)();
            return true;
        } catch (const RuntimeError& error) {
            if (policy_(error) == AfterError::ExitHandler)
                exited_ = true;
            return false;
        }
    }

    bool exited() const { return exited_; }

private:
    std::function<AfterError(const RuntimeError&)> policy_;
    bool exited_ = false;
};

}  // namespace kestrune
