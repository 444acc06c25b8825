#include "folder_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace kestrune {

namespace {

const QColor paper(0xf2, 0xc9, 0x4c);
const QColor edge(0xb0, 0x84, 0x1c);
const QColor inside(0xe0, 0xa8, 0x2e);

// A folder on a 16-unit grid: the back with its tab, and the front, closed
// flat or open and leaning.
QPixmap paintFolder(bool open, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 16.0, size / 16.0);
    painter.setPen(QPen(edge, 0.8));

    QPainterPath back;
    back.moveTo(1.5, 3.5);
    back.lineTo(6, 3.5);
    back.lineTo(7.3, 5);
    back.lineTo(14.5, 5);
    back.lineTo(14.5, 13.5);
    back.lineTo(1.5, 13.5);
    back.closeSubpath();
    painter.setBrush(open ? inside : paper);
    painter.drawPath(back);

    QPainterPath front;
    if (open) {
        front.moveTo(3.5, 7);
        front.lineTo(15.5, 7);
        front.lineTo(13.5, 13.5);
        front.lineTo(1.5, 13.5);
    } else {
        front.moveTo(1.5, 6.5);
        front.lineTo(14.5, 6.5);
        front.lineTo(14.5, 13.5);
        front.lineTo(1.5, 13.5);
    }
    front.closeSubpath();
    painter.setBrush(paper);
    painter.drawPath(front);
    return pixmap;
}

QIcon folderIcon(bool open)
{
    QIcon icon;
    for (const int size : {16, 32})
        icon.addPixmap(paintFolder(open, size));
    return icon;
}

}  // namespace

QIcon openFolderIcon()
{
    return folderIcon(true);
}

QIcon closedFolderIcon()
{
    return folderIcon(false);
}

}  // namespace kestrune
