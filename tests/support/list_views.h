#pragma once

#include <QAbstractItemModel>
#include <QItemSelectionModel>
#include <QListView>
#include <QStringList>
#include <QTest>

// Reading and clicking the folder and file lists as a person does: by the
// entries they show.
namespace kestrune::test {

// The view a browsing list shows its entries in.
inline QListView* listViewOf(const QWidget& list)
{
    return list.findChild<QListView*>();
}

// The entries `list` shows, top to bottom.
inline QStringList shownEntries(const QWidget& list)
{
    QStringList entries;
    const QAbstractItemModel* model = listViewOf(list)->model();
    for (int row = 0; row < model->rowCount(); ++row)
        entries.append(model->index(row, 0).data(Qt::DisplayRole).toString());
    return entries;
}

// The entry shown as chosen; empty for none.
inline QString chosenEntry(const QWidget& list)
{
    const QListView* view = listViewOf(list);
    const QModelIndex current = view->currentIndex();
    if (!current.isValid() || !view->selectionModel()->isSelected(current))
        return {};
    return current.data(Qt::DisplayRole).toString();
}

// Clicks the entry shown as `text`; false when `list` shows none.
inline bool clickEntry(const QWidget& list, const QString& text)
{
    QListView* view = listViewOf(list);
    const QAbstractItemModel* model = view->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex index = model->index(row, 0);
        if (index.data(Qt::DisplayRole).toString() == text) {
            view->scrollTo(index);
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
            return true;
        }
    }
    return false;
}

}  // namespace kestrune::test
