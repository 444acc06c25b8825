#pragma once

#include "controls.h"

#include <QWidget>

class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QAction;
class QLabel;
class QMimeData;
class QPushButton;

namespace kestrune {

class QtFolderList;
class QtDriveList;
class QtFileList;
class QtPanel;
class QtItemList;
class QtTextArea;
class QtTextField;

// The main window, built from its layout table: fixed in size, minimisable
// but not maximisable, the Readme viewer readmePanel above everything else and the
// focus moving in TabIndex order. While the viewer is shown, the controls
// under it are disabled. A file or folder dragged from a file manager may be
// dropped anywhere on it, except while the viewer shows. It only holds the
// controls; what they do is bound elsewhere.
class MainWindow final : public QWidget, public WindowTitle {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

    void setCaption(const QString& caption) override { setWindowTitle(caption); }

    QtPanel& readmePanel() const { return *readmePanel_; }
    QPushButton& readmeOkButton() const { return *readmeOkButton_; }
    QtTextArea& readmeText() const { return *readmeText_; }
    QtTextField& parentNameEdit() const { return *parentNameEdit_; }
    QtFileList& fileList() const { return *fileList_; }
    QPushButton& exitButton() const { return *exitButton_; }
    QPushButton& createButton() const { return *createButton_; }
    QtItemList& namesList() const { return *namesList_; }
    QtFolderList& folderList() const { return *folderList_; }
    QtDriveList& driveList() const { return *driveList_; }
    QLabel& parentNameLabel() const { return *parentNameLabel_; }
    // Ctrl+Z anywhere in the window, and 「作成を取り消す」 in the names list's
    // context menu: takes back the last press.
    QAction& undoAction() const { return *undoAction_; }

signals:
    // A file or folder was dropped on the window: the first item's local path.
    void pathDropped(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The path a drag carrying `data` would open; empty when it is refused.
    QString droppedPath(const QMimeData* mime) const;
    // Answers a drag or drop event; false for any other event.
    bool takeDrag(QEvent* event);
    void create(int index);
    void coverControls(bool covered);
    template <typename Control> Control* control(QStringView name) const;

    QtPanel* readmePanel_ = nullptr;
    QPushButton* readmeOkButton_ = nullptr;
    QtTextArea* readmeText_ = nullptr;
    QtTextField* parentNameEdit_ = nullptr;
    QtFileList* fileList_ = nullptr;
    QPushButton* exitButton_ = nullptr;
    QPushButton* createButton_ = nullptr;
    QtItemList* namesList_ = nullptr;
    QtFolderList* folderList_ = nullptr;
    QtDriveList* driveList_ = nullptr;
    QLabel* parentNameLabel_ = nullptr;
    QAction* undoAction_ = nullptr;
};

}  // namespace kestrune
