#include "yes_no_box.h"
#include "arrow_while_shown.h"
#include "ui_texts.h"

#include <QMessageBox>
#include <QPushButton>

namespace kestrune {

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
