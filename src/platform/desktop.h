#pragma once

#include <QString>

namespace kestrune {

enum MousePointer : int {
    DefaultPointer = 0,
    Hourglass = 11,
};

// Application-wide services: the beep, modal message boxes and the pointer.
class Desktop {
public:
    virtual ~Desktop() = default;
    virtual void Beep() = 0;
    // A modal box with an OK button only. An empty title gives the
    // application's own title.
    virtual void MsgBox(const QString& prompt, const QString& title = QString()) = 0;
    virtual int mousePointer() const = 0;
    virtual void setMousePointer(int pointer) = 0;
};

// Shows the hourglass for its lifetime, so that every way out of a handler,
// an exception included, gives the pointer back.
class HourglassPointer {
public:
    explicit HourglassPointer(Desktop& desktop) : desktop_(desktop) { desktop_.setMousePointer(Hourglass); }
    ~HourglassPointer()
    {
        try {
            desktop_.setMousePointer(DefaultPointer);
        } catch (...) {  // a destructor must not throw; the pointer is cosmetic
        }
    }
    HourglassPointer(const HourglassPointer&) = delete;
    HourglassPointer& operator=(const HourglassPointer&) = delete;

private:
    Desktop& desktop_;
};

}  // namespace kestrune
