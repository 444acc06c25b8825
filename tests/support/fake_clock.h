#pragma once

#include "clock.h"

namespace kestrune::test {

// A day that stays put: 2026-12-07, a Monday, in 令和8年 and fiscal year 2026;
// its moment is nine in the morning, in UTC so that no test depends on the
// machine's time zone, unless a test moves it.
class FakeClock final : public Clock {
public:
    QDate today() const override { return day; }
    QDateTime now() const override { return moment.isValid() ? moment : QDateTime(day, QTime(9, 0), Qt::UTC); }
    QDate day{2026, 12, 7};
    QDateTime moment;
};

}  // namespace kestrune::test
