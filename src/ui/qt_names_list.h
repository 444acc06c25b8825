#pragma once

#include "controls.h"

#include <QListWidget>

#include <functional>

namespace kestrune {

// The names list: the lines of a list in the order added, each with the icon
// and tool tip of its status, a line's results indented beneath it, on the
// palette's menu background so that it stands apart from the editable boxes.
class QtNamesList final : public QListWidget, public ItemList {
    Q_OBJECT
public:
    explicit QtNamesList(QWidget* parent = nullptr);

    void clear() override;
    void addItem(const QString& item, int indent) override;
    void setItems(const QStringList& items, const QList<int>& indents) override;
    void setItemMark(int row, ItemMark mark, const QString& toolTip) override;
    void setItemMarks(const QList<ItemMark>& marks, std::function<QString(int row)> toolTipOf) override;

    // The tool tip of row `row` when none was set on it: asked of the
    // function setItemMarks was given.
    QString givenToolTip(int row) const;

signals:
    // A double-click on row `row`.
    void rowDoubleClicked(int row);

protected:
    void changeEvent(QEvent* event) override;

private:
    void useMenuBackground();

    std::function<QString(int row)> toolTipOf_;
};

}  // namespace kestrune
