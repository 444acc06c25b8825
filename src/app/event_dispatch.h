#pragma once

#include "desktop.h"

#include <functional>

namespace kestrune {

// The one place where events reach the handlers. A failure that leaves a
// handler is shown here, once: the pointer goes back to normal, a box headed
// "実行時エラー" gives the error's number and description, and the program
// goes on with the next event.
//
// One handler runs at a time. A press or an undo keeps the window painted
// while it works, and an event that slips in meanwhile (a drop, a click the
// busy loop lets through, a timer) would change the list under it: such an
// event is refused here with one beep, whichever handler it is for.
class EventDispatch {
public:
    explicit EventDispatch(Desktop& desktop);

    // Runs `handler`; false, after one beep, when another is still running.
    bool run(const std::function<void()>& handler);
    // Reports a failure raised outside any handler (a control's own action).
    void report(int number, const QString& description);

    // After the program has ended no handler runs, whatever events still arrive.
    void stop() { stopped_ = true; }
    bool stopped() const { return stopped_; }
    bool running() const { return running_; }

    static QString title();
    static QString prompt(int number, const QString& description);

private:
    Desktop& desktop_;
    bool stopped_ = false;
    bool running_ = false;
};

}  // namespace kestrune
