#pragma once

#include "controls.h"
#include "language.h"
#include "listing_source.h"
#include "shelf_reader.h"

#include <QStringList>
#include <QWidget>

#include <functional>

class QAction;
class QActionGroup;
class QCheckBox;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QLabel;
class QMenu;
class QMimeData;
class QPushButton;

namespace kestrune {

class QtDriveList;
class QtFileList;
class QtFolderList;
class QtNameBox;
class QtNamesList;
class QtReadmeViewer;
class ShelfMenu;

// The main window. At its default (and least) size every control sits where
// the person knows it; it grows with the names list taking the extra width
// and height, the folder and file lists sharing the extra height of the left
// column. The Readme viewer covers the whole window, and while it shows the
// controls under it are disabled. A file or folder dragged from a file
// manager may be dropped anywhere on it, except while the viewer shows. It
// only holds the controls; what they do is bound elsewhere.
class MainWindow final : public QWidget, public WindowTitle {
    Q_OBJECT
public:
    // The browsing lists read the host through `listings`, which must outlive
    // the window; `shelfReader` reads the shelves' folders for the 「棚」 menu.
    MainWindow(const ListingSource& listings, ShelfReader& shelfReader, QWidget* parent = nullptr);

    // The size the window opens at when none is remembered; also its least.
    static QSize defaultSize();

    void setCaption(const QString& caption) override { setWindowTitle(caption); }

    QtReadmeViewer& readmeViewer() const { return *readmeViewer_; }
    QtNameBox& parentNameEdit() const { return *parentNameEdit_; }
    QtFileList& fileList() const { return *fileList_; }
    QPushButton& exitButton() const { return *exitButton_; }
    QPushButton& createButton() const { return *createButton_; }
    QtNamesList& namesList() const { return *namesList_; }
    QtFolderList& folderList() const { return *folderList_; }
    QtDriveList& driveList() const { return *driveList_; }
    // 「既存のフォルダーに追加(&A)」 under the name box: off at start.
    QCheckBox& fillInBox() const { return *fillInBox_; }
    // Ctrl+Z anywhere in the window, and 「作成を取り消す」 in the names list's
    // context menu: takes back the last press.
    QAction& undoAction() const { return *undoAction_; }
    // Ctrl+H and 「作成履歴…」 in the names list's context menu: the box of
    // every press recorded.
    QAction& historyAction() const { return *historyAction_; }
    // 「棚」 in the names list's context menu; its shelves come from its `shelves`.
    ShelfMenu& shelfMenu() const { return *shelfMenu_; }
    // 「値を変更…」 and 「記法を使わない」 (checkable) in the names list's menu.
    QAction& changeValuesAction() const { return *changeValuesAction_; }
    // Ctrl+S and 「一覧として保存…」. (Ctrl+V outside the name box and
    // 「貼り付け」 give the clipboard's text as listTextGiven.)
    QAction& saveAction() const { return *saveAction_; }
    QAction& literalAction() const { return *literalAction_; }
    // 「ひな形フォルダーを開く」 in the names list's menu.
    QAction& openTemplateAction() const { return *openTemplateAction_; }
    // 「表示言語」 in the names list's menu: Automatic, 日本語 or English, each
    // named in its own language, and a line saying the choice waits for the
    // next start. showLanguageChoice checks the one kept.
    QMenu& languageMenu() const { return *languageMenu_; }
    void showLanguageChoice(LanguageChoice choice);
    // The lists 「最近使った一覧」 in the names list's menu offers, asked
    // each time it opens.
    std::function<QStringList()> recentLists;
    // How 「最近使った一覧」 shows one of `recentLists`; as it stands when unset.
    std::function<QString(const QString&)> recentListTitle;

signals:
    // A file or folder was dropped on the window: the first item's local path.
    void pathDropped(const QString& path);
    // Text to take as a list: pasted (empty when the clipboard holds no
    // text), or dropped on the window.
    void listTextGiven(const QString& text);
    // An entry of `recentLists` was chosen in 「最近使った一覧」.
    void recentListChosen(const QString& entry);
    // The window is being closed from its title bar or the desktop.
    void closing();
    // The window has been painted for the first time: it is on the screen,
    // where the window manager placed it.
    void firstPainted();
    // A language was picked in 「表示言語」.
    void languageChosen(LanguageChoice choice);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void arrangeControls();
    void buildNamesMenu(ShelfReader& shelfReader);
    void buildLanguageMenu();
    void fillRecentListsMenu();
    // What a drag carrying `mime` brings: a path to open, or text to take as
    // a list (a file manager's drag carries both: the path wins); neither
    // when it is refused.
    struct Dropped {
        QString path;
        QString text;
        bool isEmpty() const { return path.isEmpty() && text.isEmpty(); }
    };
    Dropped dropped(const QMimeData* mime) const;
    // Answers a drag or drop event; false for any other event.
    bool takeDrag(QEvent* event);
    void coverControls(bool covered);

    QtDriveList* driveList_ = nullptr;
    QtFolderList* folderList_ = nullptr;
    QtNamesList* namesList_ = nullptr;
    QPushButton* createButton_ = nullptr;
    QPushButton* exitButton_ = nullptr;
    QtFileList* fileList_ = nullptr;
    QLabel* parentNameLabel_ = nullptr;
    QtNameBox* parentNameEdit_ = nullptr;
    QCheckBox* fillInBox_ = nullptr;
    QtReadmeViewer* readmeViewer_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* historyAction_ = nullptr;
    bool painted_ = false;
    QMenu* recentListsMenu_ = nullptr;
    ShelfMenu* shelfMenu_ = nullptr;
    QAction* changeValuesAction_ = nullptr;
    QAction* pasteAction_ = nullptr;
    QAction* saveAction_ = nullptr;
    QAction* literalAction_ = nullptr;
    QAction* openTemplateAction_ = nullptr;
    QMenu* languageMenu_ = nullptr;
    QActionGroup* languageChoices_ = nullptr;
};

}  // namespace kestrune
