#include "qt_names_list.h"

#include "item_mark_icons.h"

#include <QApplication>
#include <QEvent>
#include <QStyledItemDelegate>

namespace kestrune {

namespace {

constexpr int indentRole = Qt::UserRole + 1;

// Shifts a result row right of the line it comes from.
class IndentDelegate final : public QStyledItemDelegate {
public:
    IndentDelegate(int step, QObject* parent) : QStyledItemDelegate(parent), step_(step) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem shifted(option);
        shifted.rect.setLeft(option.rect.left() + step_ * index.data(indentRole).toInt());
        QStyledItemDelegate::paint(painter, shifted, index);
    }

private:
    int step_;
};

// A row whose tool tip, unless one was set on it, is asked of the list only
// when something reads it.
class NamesRow final : public QListWidgetItem {
public:
    NamesRow(const QString& text, QtNamesList* list) : QListWidgetItem(text, list) {}

    QVariant data(int role) const override
    {
        QVariant value = QListWidgetItem::data(role);
        if (role == Qt::ToolTipRole && !value.isValid()) {
            if (const auto* list = static_cast<const QtNamesList*>(listWidget()))
                return list->givenToolTip(list->row(this));
        }
        return value;
    }
};

}  // namespace

QtNamesList::QtNamesList(QWidget* parent) : QListWidget(parent)
{
    setSortingEnabled(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    // Small enough that a marked row is no taller than a plain one.
    setIconSize(QSize(12, 12));
    useMenuBackground();
    setItemDelegate(new IndentDelegate(2 * fontMetrics().averageCharWidth(), this));
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { emit rowDoubleClicked(row(item)); });
}

void QtNamesList::addItem(const QString& item, int indent)
{
    // A line break or a tab in a line (a spreadsheet cell may hold one) is
    // shown as its picture: the row stays one line high, and the reason for
    // its refusal can be seen.
    QString shown = item;
    for (QChar& c : shown) {
        if (c == u'\n' || c == u'\r' || c == u'\t')
            c = QChar(static_cast<char16_t>(0x2400 + c.unicode()));
    }
    auto* row = new NamesRow(shown, this);
    if (indent > 0)
        row->setData(indentRole, indent);
}

void QtNamesList::setItems(const QStringList& items, const QList<int>& indents)
{
    // No repaint is asked for at each row added. Updates a caller turned off
    // stay off; those off only with a parent's come back with the parent's.
    const bool turnedOff = testAttribute(Qt::WA_ForceUpdatesDisabled);
    setUpdatesEnabled(false);
    clear();
    for (qsizetype row = 0; row < items.size(); ++row)
        addItem(items.at(row), indents.value(row, 0));
    setUpdatesEnabled(!turnedOff);
}

void QtNamesList::setItemMark(int row, ItemMark mark, const QString& toolTip)
{
    QListWidgetItem* entry = item(row);
    if (!entry)
        return;
    entry->setIcon(iconForMark(mark));
    entry->setToolTip(toolTip);
}

void QtNamesList::clear()
{
    QListWidget::clear();
    toolTipOf_ = nullptr;
}

void QtNamesList::setItemMarks(const QList<ItemMark>& marks, std::function<QString(int row)> toolTipOf)
{
    toolTipOf_ = std::move(toolTipOf);
    for (int row = 0; row < count() && row < marks.size(); ++row) {
        QListWidgetItem* entry = item(row);
        entry->setIcon(iconForMark(marks.at(row)));
        // A tip set on the row before would hide the one given now.
        if (entry->QListWidgetItem::data(Qt::ToolTipRole).isValid())
            entry->setData(Qt::ToolTipRole, QVariant());
    }
}

QString QtNamesList::givenToolTip(int row) const
{
    return toolTipOf_ && row >= 0 ? toolTipOf_(row) : QString();
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
