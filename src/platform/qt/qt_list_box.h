#pragma once

#include "controls.h"

#include <QListWidget>

namespace kestrune {

// A list of lines, kept in the order in which they were added, on the
// palette's menu background so that it stands apart from the editable boxes.
class QtListBox final : public QListWidget, public ListBox {
    Q_OBJECT
public:
    explicit QtListBox(QWidget* parent = nullptr);

    void Clear() override { clear(); }
    void AddItem(const QString& item) override { addItem(item); }
    int ListCount() const override { return count(); }
    // Empty outside the list.
    QString List(int index) const override;

protected:
    void changeEvent(QEvent* event) override;

private:
    void useMenuBackground();
};

}  // namespace kestrune
