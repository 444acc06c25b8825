#pragma once

#include "controls.h"
#include "folder_listing.h"

#include <QString>
#include <QWidget>

class QListView;
class QModelIndex;

namespace kestrune {

class FolderTreeModel;

// The folder list: the chain of folders from the root down to the open folder,
// each one step further indented with an open-folder icon, then the open
// folder's sub-folders, sorted, with closed-folder icons.
//
// Entries are numbered as in the classic control: the open folder is -1, its
// parent -2 and so on up to the root; the sub-folders are 0, 1, ...
class QtFolderList : public QWidget, public FolderList {
    Q_OBJECT

public:
    // Starts on the current folder of the process, raising no change.
    explicit QtFolderList(QWidget* parent = nullptr);
    ~QtFolderList() override;

    // The open folder: absolute, no trailing separator except for the root.
    QString path() const override;
    // Reads the folder and opens it; raises `changed` when the path differs.
    // A folder that cannot be read throws its numbered error and leaves the
    // list as it was.
    void setPath(const QString& path) override;
    // Full path of entry `index`; error 9 outside -(depth + 1) .. entryCount() - 1.
    QString entry(int index) const override;
    // The selected entry; -1 (the open folder) when nothing else is selected.
    int selectedIndex() const override;
    void setSelectedIndex(int index);
    // Number of sub-folders.
    int entryCount() const;

    QListView* view() const { return view_; }

    // While `changed` is being raised, the listing of `folder` just read, so
    // that a file list refilled by the change need not read the folder again;
    // null otherwise.
    const FolderListing* listingBeingOffered(const QString& folder) const;

signals:
    // The open folder changed, by code or by the user.
    void changed();
    // A single click on an entry; ListIndex already names it.
    void clicked();
    // Opening a folder by double-click or Enter failed; the old folder stays.
    void openFailed(int number, const QString& description);

private:
    void fill(const QString& folder, const QStringList& subfolders);
    void onClicked(const QModelIndex& index);
    void openEntry(int row);

    FolderTreeModel* model_;
    QListView* view_;
    const FolderListing* offered_ = nullptr;
};

}  // namespace kestrune
