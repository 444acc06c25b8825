#include "yes_no_box.h"
#include "ui_texts.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

namespace kestrune {

namespace {

// The arrow while the box is up: a busy pointer over a question reads as
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

}  // namespace

bool askYesNo(QWidget* parent, const QString& title, const QString& prompt)
{
    QMessageBox box(QMessageBox::Question, title, prompt, QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(texts::yes, QMessageBox::YesRole);
    QPushButton* no = box.addButton(texts::no, QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    const ArrowWhileShown arrow;
    box.exec();
    return box.clickedButton() == yes;
}

}  // namespace kestrune
