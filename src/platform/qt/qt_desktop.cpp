#include "qt_desktop.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

namespace kestrune {

QtDesktop::QtDesktop(QString applicationTitle) : applicationTitle_(std::move(applicationTitle)) {}

QtDesktop::~QtDesktop()
{
    setMousePointer(DefaultPointer);
}

void QtDesktop::Beep()
{
    QApplication::beep();
}

void QtDesktop::MsgBox(const QString& prompt, const QString& title)
{
    QMessageBox box(QMessageBox::NoIcon, title.isEmpty() ? applicationTitle_ : title, prompt, QMessageBox::Ok, parent_);
    // A box must be readable while the hourglass is on.
    const bool hourglass = pointer_ == Hourglass;
    if (hourglass)
        QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    if (hourglass)
        QGuiApplication::restoreOverrideCursor();
}

void QtDesktop::setMousePointer(int pointer)
{
    if (pointer == pointer_)
        return;
    if (pointer_ == Hourglass)
        QGuiApplication::restoreOverrideCursor();
    pointer_ = pointer;
    if (pointer_ == Hourglass) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        // Let the new pointer show before the handler holds the thread.
        QGuiApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

}  // namespace kestrune
