#include "qt_name_box.h"

#include "item_mark_icons.h"

#include <QAction>

namespace kestrune {

QtNameBox::QtNameBox(QWidget* parent) : QLineEdit(parent) {}

void QtNameBox::selectAllAndFocus()
{
    selectAll();
    QWidget::setFocus(Qt::OtherFocusReason);
}

void QtNameBox::setFocus()
{
    QWidget::setFocus(Qt::OtherFocusReason);
}

void QtNameBox::setMark(ItemMark mark, const QString& toolTip)
{
    setToolTip(toolTip);
    if (mark == ItemMark::None) {
        delete markAction_;
        markAction_ = nullptr;
        return;
    }
    if (!markAction_)
        markAction_ = addAction(QIcon(), QLineEdit::TrailingPosition);
    markAction_->setIcon(iconForMark(mark));
    markAction_->setToolTip(toolTip);
}

}  // namespace kestrune
