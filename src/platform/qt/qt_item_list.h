#pragma once

#include "controls.h"

#include <QListWidget>

namespace kestrune {

// A list of lines, kept in the order in which they were added, on the
// palette's menu background so that it stands apart from the editable boxes.
class QtItemList final : public QListWidget, public ItemList {
    Q_OBJECT
public:
    explicit QtItemList(QWidget* parent = nullptr);

    void clear() override { QListWidget::clear(); }
    void addItem(const QString& item) override { QListWidget::addItem(item); }
    void setItemMark(int row, ItemMark mark, const QString& toolTip) override;

signals:
    // A double-click on row `row`.
    void rowDoubleClicked(int row);

protected:
    void changeEvent(QEvent* event) override;

private:
    void useMenuBackground();
};

}  // namespace kestrune
