#include "qt_list_box.h"

#include <QApplication>
#include <QEvent>

namespace kestrune {

QtListBox::QtListBox(QWidget* parent) : QListWidget(parent)
{
    setSortingEnabled(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    useMenuBackground();
}

QString QtListBox::List(int index) const
{
    const QListWidgetItem* entry = item(index);
    return entry ? entry->text() : QString();
}

void QtListBox::changeEvent(QEvent* event)
{
    // Follow a change of the desktop's colour scheme.
    if (event->type() == QEvent::ApplicationPaletteChange)
        useMenuBackground();
    QListWidget::changeEvent(event);
}

void QtListBox::useMenuBackground()
{
    QPalette colours = palette();
    colours.setColor(QPalette::Base, QApplication::palette("QMenu").color(QPalette::Window));
    setPalette(colours);
}

}  // namespace kestrune
