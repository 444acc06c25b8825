#include "qt_item_list.h"

#include <QApplication>
#include <QEvent>

namespace kestrune {

QtItemList::QtItemList(QWidget* parent) : QListWidget(parent)
{
    setSortingEnabled(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    useMenuBackground();
}

void QtItemList::changeEvent(QEvent* event)
{
    // Follow a change of the desktop's colour scheme.
    if (event->type() == QEvent::ApplicationPaletteChange)
        useMenuBackground();
    QListWidget::changeEvent(event);
}

void QtItemList::useMenuBackground()
{
    QPalette colours = palette();
    colours.setColor(QPalette::Base, QApplication::palette("QMenu").color(QPalette::Window));
    setPalette(colours);
}

}  // namespace kestrune
