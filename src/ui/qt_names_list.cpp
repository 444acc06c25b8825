#include "qt_names_list.h"

#include "item_mark_icons.h"

#include <QApplication>
#include <QEvent>

namespace kestrune {

QtNamesList::QtNamesList(QWidget* parent) : QListWidget(parent)
{
    setSortingEnabled(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    // Small enough that a marked row is no taller than a plain one.
    setIconSize(QSize(12, 12));
    useMenuBackground();
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { emit rowDoubleClicked(row(item)); });
}

void QtNamesList::setItemMark(int row, ItemMark mark, const QString& toolTip)
{
    QListWidgetItem* entry = item(row);
    if (!entry)
        return;
    entry->setIcon(iconForMark(mark));
    entry->setToolTip(toolTip);
}

void QtNamesList::changeEvent(QEvent* event)
{
    // Follow a change of the desktop's colour scheme.
    if (event->type() == QEvent::ApplicationPaletteChange)
        useMenuBackground();
    QListWidget::changeEvent(event);
}

void QtNamesList::useMenuBackground()
{
    QPalette colours = palette();
    colours.setColor(QPalette::Base, QApplication::palette("QMenu").color(QPalette::Window));
    setPalette(colours);
}

}  // namespace kestrune
