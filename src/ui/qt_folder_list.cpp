#include "qt_folder_list.h"

#include "browse_list_view.h"
#include "folder_icons.h"
#include "folder_paths.h"
#include "folder_tree_model.h"
#include "runtime_error.h"

#include <QDir>
#include <QItemSelectionModel>
#include <QSignalBlocker>
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

QtFolderList::QtFolderList(const ListingSource& listings, QWidget* parent) : QWidget(parent), listings_(listings)
{
    model_ = new FolderTreeModel(openFolderIcon(), closedFolderIcon(), this);
    auto* view = new BrowseListView(this);
    view_ = view;
    view->setModel(model_);
    view->setIconSize(QSize(16, 16));
    view->setItemDelegate(new IndentDelegate(qMax(6, fontMetrics().averageCharWidth()), view));
    view->onEnter = [this](int row) { report(model_->index(row)); };
    view->onDoubleClick = [this](int row) { report(model_->index(row)); };
    connect(view, &QAbstractItemView::clicked, this, &QtFolderList::report);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    setFocusProxy(view);

    const QString start = cleanFolderPath(QDir::currentPath());
    try {
        fill(start, listings_.listFolder(start));
    } catch (const RuntimeError&) {
        // The current folder may be unreadable; it is still where we are.
        fill(start, FolderListing());
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
    fill(folder, listings_.listFolder(folder));
}

std::optional<QStringList> QtFolderList::takeFilesOf(const QString& folder)
{
    if (lastFilesFolder_.isEmpty() || folder != lastFilesFolder_)
        return std::nullopt;
    lastFilesFolder_.clear();
    return std::move(lastFiles_);
}

void QtFolderList::fill(const QString& folder, FolderListing listing)
{
    model_->reset(folder, std::move(listing.folders));
    lastFiles_ = std::move(listing.files);
    lastFilesFolder_ = folder;
    // The open folder is the selected entry. The view repaints the fresh rows
    // anyway; told of the selection, it would lay out every row at once just
    // to find the one to repaint.
    {
        const QSignalBlocker quiet(view_->selectionModel());
        view_->selectionModel()->setCurrentIndex(model_->index(model_->chainLength() - 1),
                                                 QItemSelectionModel::ClearAndSelect);
    }
    view_->scrollToTop();
}

void QtFolderList::report(const QModelIndex& index)
{
    const QString path = index.data(FolderTreeModel::PathRole).toString();
    if (!path.isEmpty())
        emit entryClicked(path);
}

}  // namespace kestrune
