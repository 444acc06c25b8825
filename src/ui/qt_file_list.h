#pragma once

#include "controls.h"
#include "listing_source.h"

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

class QListView;

namespace kestrune {

class FileNameModel;
class QtFolderList;

// The file list: the list files ("*.txt") of one folder, sorted by name.
class QtFileList : public QWidget, public FileList {
    Q_OBJECT

public:
    // Starts on the current folder of the process; reads folders through
    // `listings`, which must outlive it.
    explicit QtFileList(const ListingSource& listings, QWidget* parent = nullptr);
    ~QtFileList() override;

    // Reads the folder and refills the list, choosing nothing. A folder that
    // cannot be read throws its numbered error and leaves the list as it was.
    void setPath(const QString& path) override;
    void choose(const QString& name) override;

    // Takes the listing that `folders` has just read when it refills for the
    // same folder, so that one change of folder reads the folder once.
    void useListingsOf(QtFolderList* folders);

signals:
    // A click on a file, or Enter on the chosen one.
    void fileClicked(const QString& name);

private:
    void fill(const QStringList& files);

    const ListingSource& listings_;
    FileNameModel* model_;
    QListView* view_;
    QPointer<QtFolderList> folders_;
};

}  // namespace kestrune
