#pragma once

#include <QDate>
#include <QDateTime>

namespace kestrune {

// Today's date, for the notation's date groups, and the moment, for the
// history of the presses; tests set their own.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
    virtual QDateTime now() const = 0;
};

}  // namespace kestrune
