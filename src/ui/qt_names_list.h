#pragma once

#include "controls.h"

#include <QListWidget>

namespace kestrune {

// The names list: the lines of a list in the order added, each with the icon
// and tool tip of its status, a line's results indented beneath it, on the
// palette's menu background so that it stands apart from the editable boxes.
class QtNamesList final : public QListWidget, public ItemList {
    Q_OBJECT
public:
    explicit QtNamesList(QWidget* parent = nullptr);

    void clear() override { QListWidget::clear(); }
    void addItem(const QString& item, int indent) override;
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
