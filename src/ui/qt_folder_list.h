#pragma once

#include "controls.h"
#include "listing_source.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <optional>

class QListView;
class QModelIndex;

namespace kestrune {

class FolderTreeModel;

// The folder list: the chain of folders from the root down to the open folder,
// each one step further indented with an open-folder icon, then the open
// folder's sub-folders, sorted, with closed-folder icons. It opens nothing by
// itself: a click (or Enter) on an entry is reported, and the workflow opens it.
class QtFolderList : public QWidget, public FolderList {
    Q_OBJECT

public:
    // Starts on the current folder of the process; reads folders through
    // `listings`, which must outlive it.
    explicit QtFolderList(const ListingSource& listings, QWidget* parent = nullptr);
    ~QtFolderList() override;

    QString path() const override;
    void setPath(const QString& path) override;

    // The files of `folder` as its last reading found them, handed over once,
    // so that a file list refilled for a change of folder does not read the
    // folder again; none when another folder was read since.
    std::optional<QStringList> takeFilesOf(const QString& folder);

signals:
    // A click, a double-click or Enter on an entry: its full path.
    void entryClicked(const QString& path);

private:
    void fill(const QString& folder, FolderListing listing);
    void report(const QModelIndex& index);

    const ListingSource& listings_;
    FolderTreeModel* model_;
    QListView* view_;
    QStringList lastFiles_;
    QString lastFilesFolder_;  // empty once taken
};

}  // namespace kestrune
