#pragma once

#include <QCursor>
#include <QGuiApplication>

namespace kestrune {

// The arrow while a box is up: a busy pointer over a question reads as
// "wait", not "answer".
class ArrowWhileShown {
public:
    ArrowWhileShown() : overridden_(QGuiApplication::overrideCursor() != nullptr)
    {
        if (overridden_)
            QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~ArrowWhileShown()
    {
        if (overridden_)
            QGuiApplication::restoreOverrideCursor();
    }
    ArrowWhileShown(const ArrowWhileShown&) = delete;
    ArrowWhileShown& operator=(const ArrowWhileShown&) = delete;

private:
    bool overridden_;
};

}  // namespace kestrune
