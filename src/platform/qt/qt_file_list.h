#pragma once

#include "controls.h"

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

class QListView;

namespace kestrune {

class FileNameModel;
class QtFolderList;

// The file list: the files of one folder that match a pattern ("*.txt" unless
// told otherwise), sorted by name.
class QtFileList : public QWidget, public FileList {
    Q_OBJECT

public:
    // Starts on the current folder of the process with the pattern "*.txt".
    explicit QtFileList(QWidget* parent = nullptr);
    ~QtFileList() override;

    QString path() const;
    // Reads the folder and refills the list, selecting nothing. A folder that
    // cannot be read throws its numbered error and leaves the list as it was.
    void setPath(const QString& path) override;

    QString pattern() const;
    // Changes the pattern and refilters the files last read.
    void setPattern(const QString& pattern);

    // Takes the listing that `folders` has just read when it refills for the
    // folder list's change, so one change of folder reads the folder once.
    void useListingsOf(QtFolderList* folders);

    // Bare name of the selected file; empty when none is selected.
    QString fileName() const override;
    int entryCount() const;
    QString entry(int index) const;
    int selectedIndex() const;
    void setSelectedIndex(int index);
    // Selects the file `name`. A name the list does not offer (another
    // pattern, a hidden file, one that is gone) is shown at the end for the
    // time, so that a file opened by its path shows as chosen; the next
    // refill drops it.
    void selectFile(const QString& name);

    QListView* view() const { return view_; }

signals:
    // A click on a file, or Enter on the selected one; FileName names it.
    void clicked();

private:
    void fill(const QString& folder, QStringList files);

    FileNameModel* model_;
    QListView* view_;
    QString path_;
    QString pattern_;
    QStringList allFiles_;  // every visible file of the folder, sorted
    QPointer<QtFolderList> folders_;
};

}  // namespace kestrune
