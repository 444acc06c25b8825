#include "qt_file_list.h"

#include "browse_list_view.h"
#include "file_name_model.h"
#include "folder_paths.h"
#include "qt_folder_list.h"
#include "runtime_error.h"

#include <QDir>
#include <QVBoxLayout>

#include <algorithm>

namespace kestrune {

namespace {

QStringList listFilesOf(const QStringList& files)
{
    // Often every file is a list file; the list is then shared rather than copied.
    if (std::all_of(files.cbegin(), files.cend(), [](const QString& name) { return isListFileName(name); }))
        return files;
    QStringList out;
    out.reserve(files.size());
    for (const QString& name : files) {
        if (isListFileName(name))
            out.append(name);
    }
    return out;
}

}  // namespace

QtFileList::QtFileList(const ListingSource& listings, QWidget* parent) : QWidget(parent), listings_(listings)
{
    model_ = new FileNameModel(this);
    auto* view = new BrowseListView(this);
    view_ = view;
    view->setModel(model_);
    view->onEnter = [this](int row) { emit fileClicked(model_->names().value(row)); };
    connect(view, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            emit fileClicked(model_->names().value(index.row()));
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    setFocusProxy(view);

    const QString start = cleanFolderPath(QDir::currentPath());
    try {
        fill(listings_.listFolder(start).files);
    } catch (const RuntimeError&) {
        fill(QStringList());  // the current folder may be unreadable
    }
}

QtFileList::~QtFileList() = default;

void QtFileList::setPath(const QString& path)
{
    const QString folder = cleanFolderPath(path);
    std::optional<QStringList> files = folders_ ? folders_->takeFilesOf(folder) : std::nullopt;
    fill(files ? *files : listings_.listFolder(folder).files);
}

void QtFileList::choose(const QString& name)
{
    if (name.isEmpty()) {
        view_->clearSelection();
        view_->setCurrentIndex(QModelIndex());
        return;
    }
    qsizetype row = model_->names().indexOf(name);
    if (row < 0) {
        // Shown at the end for the time, so that a file opened by its path
        // shows as chosen; the next refill drops it.
        QStringList names = model_->names();
        names.append(name);
        model_->reset(std::move(names));
        row = model_->rowCount() - 1;
    }
    view_->setCurrentIndex(model_->index(static_cast<int>(row)));
}

void QtFileList::useListingsOf(QtFolderList* folders)
{
    folders_ = folders;
}

void QtFileList::fill(const QStringList& files)
{
    model_->reset(listFilesOf(files));
    view_->scrollToTop();
}

}  // namespace kestrune
