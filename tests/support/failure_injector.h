#pragma once

#include "runtime_error.h"

#include <QHash>
#include <QList>
#include <QString>

namespace kestrune::test {

// Counts the calls of each member of a test double and makes chosen calls fail
// with a numbered run-time error, as a real control or file could.
class FailureInjector {
public:
    // Call `nth` (1-based) of `member` fails; nth 0 makes every call fail.
    void failOn(const QString& member, int nth = 1, int number = DeviceIOError)
    {
        plans_[member].append({nth, number});
    }
    void clearFailures() { plans_.clear(); }

    // Counts the call and throws when it is planned to fail.
    void call(const QString& member)
    {
        const int nth = ++counts_[member];
        for (const auto& plan : plans_.value(member)) {
            if (plan.first == 0 || plan.first == nth)
                throw RuntimeError(plan.second, QStringLiteral("injected failure of %1").arg(member));
        }
    }
    int calls(const QString& member) const { return counts_.value(member); }

private:
    QHash<QString, int> counts_;
    QHash<QString, QList<std::pair<int, int>>> plans_;
};

}  // namespace kestrune::test
