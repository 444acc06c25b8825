#include "press_history_dialog.h"
#include "arrow_while_shown.h"
#include "ui_texts.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kestrune {

namespace {

enum Column { WhenColumn, ListColumn, WhereColumn, FoldersColumn, FilesColumn, StateColumn };

// Wide enough for a time, a list name and a parent's path side by side.
constexpr QSize preferredBoxSize(820, 380);

}  // namespace

PressHistoryDialog::PressHistoryDialog(HistoryBrowser& browser, QWidget* parent)
    : QDialog(parent), browser_(browser), presses_(new QTreeWidget), note_(new QLabel),
      undoButton_(new QPushButton(texts::historyUndo)), openButton_(new QPushButton(texts::historyOpenFolder))
{
    setWindowTitle(texts::historyTitle);
    resize(preferredBoxSize);

    presses_->setHeaderLabels({texts::historyWhen, texts::historyList, texts::historyWhere, texts::historyFolders,
                               texts::historyFiles, texts::historyState});
    presses_->setRootIsDecorated(false);
    presses_->setUniformRowHeights(true);
    presses_->setSelectionMode(QAbstractItemView::SingleSelection);
    presses_->setAllColumnsShowFocus(true);
    presses_->header()->setStretchLastSection(false);
    presses_->header()->setSectionResizeMode(WhereColumn, QHeaderView::Stretch);

    // Paths come from the disk: shown as written, never as markup.
    note_->setTextFormat(Qt::PlainText);
    note_->setWordWrap(true);
    note_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QDialogButtonBox;
    buttons->addButton(undoButton_, QDialogButtonBox::ActionRole);
    buttons->addButton(openButton_, QDialogButtonBox::ActionRole);
    buttons->addButton(texts::close, QDialogButtonBox::RejectRole);
    undoButton_->setDefault(true);
    openButton_->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(undoButton_, &QPushButton::clicked, this, [this] {
        browser_.undo(selectedRow());
        refresh();
    });
    connect(openButton_, &QPushButton::clicked, this, [this] { browser_.openFolder(selectedRow()); });
    connect(presses_, &QTreeWidget::itemDoubleClicked, this, [this] { browser_.openFolder(selectedRow()); });
    connect(presses_, &QTreeWidget::itemSelectionChanged, this, &PressHistoryDialog::followSelection);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(presses_);
    layout->addWidget(note_);
    layout->addWidget(buttons);
    refresh();
}

void PressHistoryDialog::refresh()
{
    view_ = browser_.view();
    presses_->clear();
    QList<QTreeWidgetItem*> items;
    for (const HistoryRow& row : std::as_const(view_.rows)) {
        auto* item = new QTreeWidgetItem(
            {row.when, row.list, row.where, QString::number(row.folders), QString::number(row.files), row.state});
        item->setToolTip(ListColumn, row.listTip);
        item->setToolTip(WhereColumn, row.whereTip);
        item->setTextAlignment(FoldersColumn, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(FilesColumn, Qt::AlignRight | Qt::AlignVCenter);
        items.append(item);
    }
    presses_->addTopLevelItems(items);
    for (const int column : {WhenColumn, ListColumn, FoldersColumn, FilesColumn, StateColumn})
        presses_->resizeColumnToContents(column);
    if (QTreeWidgetItem* chosen = presses_->topLevelItem(view_.selected)) {
        presses_->setCurrentItem(chosen);
        presses_->scrollToItem(chosen);
    }
    note_->setText(view_.note);
    note_->setVisible(!view_.note.isEmpty());
    followSelection();
    presses_->setFocus(Qt::OtherFocusReason);
}

void PressHistoryDialog::followSelection()
{
    const int row = selectedRow();
    undoButton_->setEnabled(row >= 0 && view_.rows.at(row).canUndo);
    openButton_->setEnabled(row >= 0);
}

int PressHistoryDialog::selectedRow() const
{
    const QList<QTreeWidgetItem*> selected = presses_->selectedItems();
    return selected.isEmpty() ? -1 : presses_->indexOfTopLevelItem(selected.first());
}

void QtHistoryBox::show(HistoryBrowser& browser)
{
    PressHistoryDialog dialog(browser, parent_);
    const ArrowWhileShown arrow;
    dialog.exec();
}

}  // namespace kestrune
