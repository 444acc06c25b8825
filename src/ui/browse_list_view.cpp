#include "browse_list_view.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleHints>

namespace kestrune {

BrowseListView::BrowseListView(QWidget* parent) : QListView(parent)
{
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTextElideMode(Qt::ElideRight);
}

void BrowseListView::setModel(QAbstractItemModel* model)
{
    QListView::setModel(model);
    if (model != nullptr)
        connect(model, &QAbstractItemModel::modelReset, this, [this] { rowsReplacedSincePress_ = true; });
}

void BrowseListView::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && onEnter && currentIndex().isValid()) {
        event->accept();
        onEnter(currentIndex().row());
        return;
    }
    QListView::keyPressEvent(event);
}

void BrowseListView::mousePressEvent(QMouseEvent* event)
{
    // The second press of a double-click whose first click replaced the rows.
    const auto interval = static_cast<quint64>(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    droppingClick_ = rowsReplacedSincePress_ && lastRelease_ && event->timestamp() - *lastRelease_ < interval;
    rowsReplacedSincePress_ = false;
    if (droppingClick_) {
        rowsReplacedSincePress_ = true;
        event->accept();
        return;
    }
    QListView::mousePressEvent(event);
}

void BrowseListView::mouseReleaseEvent(QMouseEvent* event)
{
    lastRelease_ = event->timestamp();
    if (droppingClick_) {
        droppingClick_ = false;
        event->accept();
        return;
    }
    QListView::mouseReleaseEvent(event);
}

void BrowseListView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (!onDoubleClick) {
        QListView::mouseDoubleClickEvent(event);
        return;
    }
    event->accept();
    const QModelIndex index = indexAt(event->position().toPoint());
    if (droppingClick_ || rowsReplacedSincePress_ || !index.isValid() || event->button() != Qt::LeftButton)
        return;
    onDoubleClick(index.row());
}

}  // namespace kestrune
