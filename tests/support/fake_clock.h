#pragma once

#include "clock.h"

namespace kestrune::test {

// A day that stays put: 2026-12-07, a Monday, in 令和8年 and fiscal year 2026.
class FakeClock final : public Clock {
public:
    QDate today() const override { return day; }
    QDate day{2026, 12, 7};
};

}  // namespace kestrune::test
