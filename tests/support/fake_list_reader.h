#pragma once

#include "failure_injector.h"
#include "posix_list_reader.h"

namespace kestrune::test {

// Real list reading that counts its calls and fails where a test asks, as a
// volume that goes away mid-read would.
class FakeListReader final : public ListReader {
public:
    QStringList readLines(const QString& path, const TextLimits& limits) override
    {
        faults.call(QStringLiteral("readLines"));
        return real.readLines(path, limits);
    }

    PosixListReader real;
    FailureInjector faults;
};

}  // namespace kestrune::test
