#pragma once

#include "clock.h"

namespace kestrune {

// The host's own date, in its time zone.
class SystemClock final : public Clock {
public:
    QDate today() const override { return QDate::currentDate(); }
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

}  // namespace kestrune
