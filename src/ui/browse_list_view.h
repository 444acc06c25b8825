#pragma once

#include <QListView>
#include <QString>

#include <functional>
#include <optional>

namespace kestrune {

// The list view under the folder and file lists: one line per entry, all of the
// same height so that a folder of 100,000 entries lays out at once.
class BrowseListView final : public QListView {
public:
    explicit BrowseListView(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) override;

    // Enter on the current row.
    std::function<void(int row)> onEnter;
    // A double-click on a row. When the first click replaced the rows (it
    // opened a folder), the second click of the pair is dropped rather than
    // landing on whatever entry now sits under the pointer.
    std::function<void(int row)> onDoubleClick;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool rowsReplacedSincePress_ = false;
    bool droppingClick_ = false;          // between the press and release of a dropped click
    std::optional<quint64> lastRelease_;  // event time, in milliseconds; none before the first release
};

}  // namespace kestrune
