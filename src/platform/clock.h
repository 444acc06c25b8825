#pragma once

#include <QDate>

namespace kestrune {

// Today's date, for the notation's date groups; tests set their own day.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
};

}  // namespace kestrune
