#pragma once

#include "controls.h"

#include <QLineEdit>

class QAction;

namespace kestrune {

// The one-line box for the new parent's name. Its status shows as an icon at
// its end, with the reason in its tool tip, as a names-list row shows it.
class QtNameBox final : public QLineEdit, public NameBox {
    Q_OBJECT
public:
    explicit QtNameBox(QWidget* parent = nullptr);

    QString text() const override { return QLineEdit::text(); }
    void setText(const QString& text) override { QLineEdit::setText(text); }
    void selectAllAndFocus() override;
    void setFocus() override;
    void setMark(ItemMark mark, const QString& toolTip) override;

private:
    QAction* markAction_ = nullptr;
};

}  // namespace kestrune
