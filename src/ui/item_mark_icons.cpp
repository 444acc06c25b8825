#include "item_mark_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <array>

namespace kestrune {

namespace {

enum class Glyph { Check, Dot, Equals, Exclamation, Cross, Dash, Question, Ellipsis };

struct MarkLook {
    QColor colour;
    Glyph glyph;
    bool filled;  // a filled disc; otherwise a ring
};

MarkLook lookOf(ItemMark mark)
{
    switch (mark) {
    case ItemMark::Ok:
        return {QColor(0x2e, 0x7d, 0x32), Glyph::Dot, false};
    case ItemMark::Blank:
        return {QColor(0x9e, 0x9e, 0x9e), Glyph::Dash, false};
    case ItemMark::Repeat:
        return {QColor(0x15, 0x65, 0xc0), Glyph::Equals, false};
    case ItemMark::Warning:
        return {QColor(0xef, 0x8f, 0x00), Glyph::Exclamation, true};
    case ItemMark::Refused:
        return {QColor(0xc6, 0x28, 0x28), Glyph::Cross, true};
    case ItemMark::Notation:
        return {QColor(0xef, 0x8f, 0x00), Glyph::Question, false};
    case ItemMark::Waiting:
        return {QColor(0x75, 0x75, 0x75), Glyph::Ellipsis, false};
    case ItemMark::Exists:
        return {QColor(0x9e, 0x9e, 0x9e), Glyph::Check, true};
    case ItemMark::Made:
        return {QColor(0x2e, 0x7d, 0x32), Glyph::Check, true};
    case ItemMark::Failed:
        return {QColor(0xc6, 0x28, 0x28), Glyph::Exclamation, true};
    case ItemMark::NotTried:
        return {QColor(0x9e, 0x9e, 0x9e), Glyph::Dot, false};
    case ItemMark::None:
        break;
    }
    return {Qt::transparent, Glyph::Dot, false};
}

QPixmap paintMark(const MarkLook& look, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 16.0, size / 16.0);

    const QRectF disc(1.5, 1.5, 13, 13);
    painter.setPen(QPen(look.colour, 1.6));
    painter.setBrush(look.filled ? QBrush(look.colour) : QBrush(Qt::NoBrush));
    painter.drawEllipse(disc);

    const QColor ink = look.filled ? QColor(Qt::white) : look.colour;
    painter.setPen(QPen(ink, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    switch (look.glyph) {
    case Glyph::Check: {
        QPainterPath tick;
        tick.moveTo(4.5, 8.2);
        tick.lineTo(7.0, 10.7);
        tick.lineTo(11.5, 5.5);
        painter.drawPath(tick);
        break;
    }
    case Glyph::Dot:
        painter.setBrush(ink);
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QPointF(8, 8), 2.2, 2.2);
        break;
    case Glyph::Equals:
        painter.drawLine(QPointF(5, 6.5), QPointF(11, 6.5));
        painter.drawLine(QPointF(5, 9.5), QPointF(11, 9.5));
        break;
    case Glyph::Exclamation:
        painter.drawLine(QPointF(8, 4.5), QPointF(8, 8.8));
        painter.drawPoint(QPointF(8, 11.5));
        break;
    case Glyph::Cross:
        painter.drawLine(QPointF(5.5, 5.5), QPointF(10.5, 10.5));
        painter.drawLine(QPointF(10.5, 5.5), QPointF(5.5, 10.5));
        break;
    case Glyph::Dash:
        painter.drawLine(QPointF(5, 8), QPointF(11, 8));
        break;
    case Glyph::Question: {
        QPainterPath hook;
        hook.moveTo(6, 6.2);
        hook.cubicTo(6, 3.8, 10, 3.8, 10, 6.2);
        hook.cubicTo(10, 7.8, 8, 7.8, 8, 9.4);
        painter.drawPath(hook);
        painter.drawPoint(QPointF(8, 11.8));
        break;
    }
    case Glyph::Ellipsis:
        painter.setBrush(ink);
        painter.setPen(Qt::NoPen);
        for (const qreal x : {5.0, 8.0, 11.0})
            painter.drawEllipse(QPointF(x, 8), 1.1, 1.1);
        break;
    }
    return pixmap;
}

QIcon makeIcon(ItemMark mark)
{
    if (mark == ItemMark::None)
        return QIcon();
    const MarkLook look = lookOf(mark);
    QIcon icon;
    for (const int size : {16, 32})
        icon.addPixmap(paintMark(look, size));
    return icon;
}

}  // namespace

QIcon iconForMark(ItemMark mark)
{
    constexpr std::size_t markCount = static_cast<std::size_t>(ItemMark::NotTried) + 1;
    // Painted once each: a list of a thousand rows shares them.
    static const std::array<QIcon, markCount> icons = [] {
        std::array<QIcon, markCount> made;
        for (std::size_t i = 0; i < made.size(); ++i)
            made[i] = makeIcon(static_cast<ItemMark>(i));
        return made;
    }();
    return icons.at(static_cast<std::size_t>(mark));
}

}  // namespace kestrune
