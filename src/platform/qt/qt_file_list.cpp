#include "qt_file_list.h"
#include "qt_texts.h"

#include "browse_list_view.h"
#include "file_name_model.h"
#include "folder_listing.h"
#include "folder_paths.h"
#include "qt_folder_list.h"
#include "runtime_error.h"

#include <QDir>
#include <QVBoxLayout>

namespace kestrune {

namespace {

QStringList matching(const QStringList& files, const QString& pattern)
{
    const NamePattern filter(pattern);
    // Often every file matches; the list is then shared rather than copied.
    qsizetype kept = 0;
    while (kept < files.size() && filter.matches(files.at(kept)))
        ++kept;
    if (kept == files.size())
        return files;
    QStringList out;
    out.reserve(files.size());
    out.append(files.first(kept));
    for (qsizetype i = kept + 1; i < files.size(); ++i) {
        if (filter.matches(files.at(i)))
            out.append(files.at(i));
    }
    return out;
}

}  // namespace

QtFileList::QtFileList(QWidget* parent) : QWidget(parent), pattern_(QStringLiteral("*.txt"))
{
    model_ = new FileNameModel(this);
    auto* view = new BrowseListView(this);
    view_ = view;
    view->setModel(model_);
    view->onEnter = [this](int) { emit clicked(); };
    connect(view, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            emit clicked();
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    setFocusProxy(view);

    const QString start = cleanFolderPath(QDir::currentPath());
    try {
        fill(start, listFolder(start).files);
    } catch (const RuntimeError&) {
        // The current folder may be unreadable; it is still where we are.
        fill(start, QStringList());
    }
}

QtFileList::~QtFileList() = default;

QString QtFileList::path() const
{
    return path_;
}

void QtFileList::setPath(const QString& path)
{
    const QString folder = cleanFolderPath(path);
    const FolderListing* offered = folders_ ? folders_->listingBeingOffered(folder) : nullptr;
    fill(folder, offered != nullptr ? offered->files : listFolder(folder).files);
}

QString QtFileList::pattern() const
{
    return pattern_;
}

void QtFileList::setPattern(const QString& pattern)
{
    pattern_ = pattern;
    fill(path_, allFiles_);
}

void QtFileList::useListingsOf(QtFolderList* folders)
{
    folders_ = folders;
}

QString QtFileList::fileName() const
{
    const int index = selectedIndex();
    return index < 0 ? QString() : model_->names()[index];
}

int QtFileList::entryCount() const
{
    return model_->rowCount();
}

QString QtFileList::entry(int index) const
{
    if (index < 0 || index >= entryCount())
        throw RuntimeError(SubscriptOutOfRange, texts::noSuchFileEntry.arg(index));
    return model_->names()[index];
}

int QtFileList::selectedIndex() const
{
    const QModelIndex current = view_->currentIndex();
    if (!current.isValid() || !view_->selectionModel()->isSelected(current))
        return -1;
    return current.row();
}

void QtFileList::setSelectedIndex(int index)
{
    if (index == -1) {
        view_->clearSelection();
        view_->setCurrentIndex(QModelIndex());
        return;
    }
    if (index < 0 || index >= entryCount())
        throw RuntimeError(SubscriptOutOfRange, texts::noSuchFileEntry.arg(index));
    view_->setCurrentIndex(model_->index(index));
}

void QtFileList::selectFile(const QString& name)
{
    qsizetype row = model_->names().indexOf(name);
    if (row < 0) {
        QStringList names = model_->names();
        names.append(name);
        model_->reset(std::move(names));
        row = model_->rowCount() - 1;
    }
    setSelectedIndex(static_cast<int>(row));
}

void QtFileList::fill(const QString& folder, QStringList files)
{
    path_ = folder;
    allFiles_ = std::move(files);
    model_->reset(matching(allFiles_, pattern_));
    view_->scrollToTop();
}

}  // namespace kestrune
