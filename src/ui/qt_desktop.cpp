#include "qt_desktop.h"

#include "arrow_while_shown.h"
#include "ui_texts.h"
#include "values_dialog.h"
#include "yes_no_box.h"

#include <QApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QUrl>

#include <algorithm>

namespace kestrune {

QtDesktop::QtDesktop(QString applicationTitle, ValuesTableReader& tables)
    : applicationTitle_(std::move(applicationTitle)), tables_(tables)
{
}

QtDesktop::~QtDesktop()
{
    endProgress();
    setPointerShape(NormalPointer);
}

void QtDesktop::beep()
{
    QApplication::beep();
}

void QtDesktop::showMessage(const QString& prompt, const QString& title)
{
    QMessageBox box(QMessageBox::NoIcon, title.isEmpty() ? applicationTitle_ : title, prompt, QMessageBox::Ok, parent_);
    // A box must be readable while the busy pointer is on.
    const bool busy = pointer_ == BusyPointer;
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    if (busy)
        QGuiApplication::restoreOverrideCursor();
}

void QtDesktop::keepResponsive()
{
    // Often enough that the window repaints well within 100 ms and the desktop
    // never takes it for hung; rarely enough to cost nothing per folder.
    constexpr qint64 repaintEveryMs = 40;
    if (sinceRepaint_.isValid() && sinceRepaint_.elapsed() < repaintEveryMs)
        return;
    QGuiApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    sinceRepaint_.start();
}

void QtDesktop::showProgress(const QString& text, qint64 done, qint64 total)
{
    // A task of less than a second shows nothing: a window that flashes up
    // and away only alarms.
    constexpr qint64 showAfterMs = 1000;
    constexpr int steps = 1000;
    if (!sinceTaskStart_.isValid())
        sinceTaskStart_.start();
    if (progress_ == nullptr) {
        if (sinceTaskStart_.elapsed() < showAfterMs)
            return;
        // Not modal: the task holds the thread, and keepResponsive repaints
        // it with the window while input stays blocked.
        progress_ = new QProgressDialog(parent_);
        progress_->setWindowTitle(applicationTitle_);
        progress_->setCancelButton(nullptr);
        progress_->setMinimumDuration(0);
        progress_->setRange(0, steps);
        progress_->setAutoClose(false);
        progress_->setAutoReset(false);
        progress_->show();
    }
    progress_->setLabelText(text);
    progress_->setValue(total > 0 ? static_cast<int>(std::min(done, total) * steps / total) : 0);
}

void QtDesktop::endProgress()
{
    sinceTaskStart_.invalidate();
    delete progress_;
    progress_ = nullptr;
}

void QtDesktop::openFolder(const QString& path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool QtDesktop::askYesNo(const QString& prompt, const QString& title)
{
    return kestrune::askYesNo(parent_, title.isEmpty() ? applicationTitle_ : title, prompt);
}

std::optional<ValueAnswer> QtDesktop::askValues(const ValueQuestion& question)
{
    return kestrune::askValues(parent_, question, tables_);
}

std::optional<QString> QtDesktop::askFileName(const QString& prompt, const QString& preset, const QString& title)
{
    QInputDialog box(parent_);
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setTextValue(preset);
    box.setOkButtonText(texts::ok);
    box.setCancelButtonText(texts::cancel);
    // Selected once shown, so that typing replaces the preset name.
    if (auto* field = box.findChild<QLineEdit*>())
        QMetaObject::invokeMethod(field, &QLineEdit::selectAll, Qt::QueuedConnection);
    const ArrowWhileShown arrow;
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.textValue();
}

void QtDesktop::setPointerShape(PointerShape shape)
{
    if (shape == pointer_)
        return;
    if (pointer_ == BusyPointer)
        QGuiApplication::restoreOverrideCursor();
    pointer_ = shape;
    if (pointer_ == BusyPointer) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        // Let the new pointer show before the handler holds the thread.
        QGuiApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

}  // namespace kestrune
