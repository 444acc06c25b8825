#pragma once

#include "runtime_error.h"

#include <functional>
#include <optional>

namespace kestrune::test {

// The run-time error `action` raises, or none when it returns normally.
inline std::optional<RuntimeError> raisedError(const std::function<void()>& action)
{
    try {
        action();
    } catch (const RuntimeError& error) {
        return error;
    }
    return std::nullopt;
}

// The number of that error, 0 when none is raised.
inline int errorNumberOf(const std::function<void()>& action)
{
    const std::optional<RuntimeError> error = raisedError(action);
    return error ? error->number() : 0;
}

}  // namespace kestrune::test
