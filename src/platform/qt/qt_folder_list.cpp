#include "qt_folder_list.h"
#include "qt_texts.h"

#include "browse_list_view.h"
#include "folder_listing.h"
#include "folder_paths.h"
#include "folder_tree_model.h"
#include "runtime_error.h"

#include <QDir>
#include <QItemSelectionModel>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace kestrune {

namespace {

// Shifts each entry right by its depth, as the classic folder list does.
class IndentDelegate final : public QStyledItemDelegate {
public:
    IndentDelegate(int step, QObject* parent) : QStyledItemDelegate(parent), step_(step) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem shifted(option);
        shifted.rect.setLeft(option.rect.left() + indentOf(index));
        QStyledItemDelegate::paint(painter, shifted, index);
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(indentOf(index), 0);
    }

private:
    int indentOf(const QModelIndex& index) const { return step_ * index.data(FolderTreeModel::IndentRole).toInt(); }
    int step_;
};

// Clears the listing offered to the file list on every way out of the change.
class OfferGuard {
public:
    OfferGuard(const FolderListing*& slot, const FolderListing& listing) : slot_(slot) { slot_ = &listing; }
    ~OfferGuard() { slot_ = nullptr; }
    OfferGuard(const OfferGuard&) = delete;
    OfferGuard& operator=(const OfferGuard&) = delete;

private:
    const FolderListing*& slot_;
};

}  // namespace

QtFolderList::QtFolderList(QWidget* parent) : QWidget(parent)
{
    model_ = new FolderTreeModel(style()->standardIcon(QStyle::SP_DirOpenIcon),
                                 style()->standardIcon(QStyle::SP_DirClosedIcon), this);
    auto* view = new BrowseListView(this);
    view_ = view;
    view->setModel(model_);
    view->setItemDelegate(new IndentDelegate(qMax(6, fontMetrics().averageCharWidth()), view));
    view->onEnter = [this](int row) { openEntry(row); };
    view->onDoubleClick = [this](int row) { openEntry(row); };
    connect(view, &QAbstractItemView::clicked, this, &QtFolderList::onClicked);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    setFocusProxy(view);

    const QString start = cleanFolderPath(QDir::currentPath());
    try {
        fill(start, listFolder(start).folders);
    } catch (const RuntimeError&) {
        // The current folder may be unreadable; it is still where we are.
        fill(start, QStringList());
    }
}

QtFolderList::~QtFolderList() = default;

QString QtFolderList::path() const
{
    return model_->folder();
}

void QtFolderList::setPath(const QString& path)
{
    const QString folder = cleanFolderPath(path);
    const FolderListing listing = listFolder(folder);
    const bool moved = folder != model_->folder();
    fill(folder, listing.folders);
    if (!moved)
        return;
    // The file list refilled by this change reads what was just read.
    const OfferGuard offer(offered_, listing);
    emit changed();
}

const FolderListing* QtFolderList::listingBeingOffered(const QString& folder) const
{
    return offered_ != nullptr && folder == model_->folder() ? offered_ : nullptr;
}

QString QtFolderList::entry(int index) const
{
    const QString path = model_->entryPath(index);
    if (path.isEmpty())
        throw RuntimeError(SubscriptOutOfRange, texts::noSuchFolderEntry.arg(index));
    return path;
}

int QtFolderList::selectedIndex() const
{
    const QModelIndex current = view_->currentIndex();
    if (!current.isValid() || !view_->selectionModel()->isSelected(current))
        return -1;
    return current.row() - model_->chainLength();
}

void QtFolderList::setSelectedIndex(int index)
{
    const int row = index + model_->chainLength();
    if (row < 0 || row >= model_->rowCount())
        throw RuntimeError(SubscriptOutOfRange, texts::noSuchFolderEntry.arg(index));
    view_->setCurrentIndex(model_->index(row));
}

int QtFolderList::entryCount() const
{
    return model_->subfolderCount();
}

void QtFolderList::fill(const QString& folder, const QStringList& subfolders)
{
    model_->reset(folder, subfolders);
    // The open folder is the selected entry, as in the classic list. The view
    // repaints the fresh rows anyway; told of the selection, it would lay out
    // every row at once just to find the one to repaint.
    {
        const QSignalBlocker quiet(view_->selectionModel());
        view_->selectionModel()->setCurrentIndex(model_->index(model_->chainLength() - 1),
                                                 QItemSelectionModel::ClearAndSelect);
    }
    view_->scrollToTop();
}

void QtFolderList::onClicked(const QModelIndex& index)
{
    if (index.isValid())
        emit clicked();
}

void QtFolderList::openEntry(int row)
{
    try {
        setPath(entry(row - model_->chainLength()));
    } catch (const RuntimeError& error) {
        emit openFailed(error.number(), error.description());
    }
}

}  // namespace kestrune
