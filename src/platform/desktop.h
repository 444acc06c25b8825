#pragma once

#include "value_question.h"

#include <QString>

#include <optional>

namespace kestrune {

enum PointerShape : int {
    NormalPointer,
    BusyPointer,
};

// Application-wide services: the beep, modal message boxes and the pointer.
class Desktop {
public:
    virtual ~Desktop() = default;
    virtual void beep() = 0;
    // A modal box with an OK button only. An empty title gives the
    // application's own title.
    virtual void showMessage(const QString& prompt, const QString& title = QString()) = 0;
    virtual void setPointerShape(PointerShape shape) = 0;
    // Called often during a long task that holds the thread: lets the window
    // repaint (no more than every so often), while input stays blocked.
    virtual void keepResponsive() = 0;
    // How far a long task has got: `text`, and `done` of `total` as a bar.
    // Called as often as the task likes; shown only once the task has run
    // for a second, so that a quick one never flashes a window.
    virtual void showProgress(const QString& text, qint64 done, qint64 total) = 0;
    // The task is over: its progress, if shown, goes away.
    virtual void endProgress() = 0;
    // Opens a folder in the desktop's file manager.
    virtual void openFolder(const QString& path) = 0;
    // A modal question answered はい (the default) or いいえ; true for はい.
    virtual bool askYesNo(const QString& prompt, const QString& title = QString()) = 0;
    // A modal box with a field per value and, when asked, the reference
    // date; Enter accepts, Esc leaves it (none).
    virtual std::optional<ValueAnswer> askValues(const ValueQuestion& question) = 0;
    // A modal box asking for a file name, `preset` in its field and selected
    // so that typing replaces it; none when the person leaves it.
    virtual std::optional<QString> askFileName(const QString& prompt, const QString& preset, const QString& title) = 0;
};

// Shows the busy pointer for its lifetime, so that every way out of a
// handler, an exception included, gives the pointer back.
class BusyPointerGuard {
public:
    explicit BusyPointerGuard(Desktop& desktop) : desktop_(desktop) { desktop_.setPointerShape(BusyPointer); }
    ~BusyPointerGuard()
    {
        try {
            desktop_.setPointerShape(NormalPointer);
        } catch (...) {  // a destructor must not throw; the pointer is cosmetic
        }
    }
    BusyPointerGuard(const BusyPointerGuard&) = delete;
    BusyPointerGuard& operator=(const BusyPointerGuard&) = delete;

private:
    Desktop& desktop_;
};

}  // namespace kestrune
