#include "main_window.h"

#include "menu_entry_text.h"
#include "qt_drive_list.h"
#include "qt_file_list.h"
#include "qt_folder_list.h"
#include "qt_name_box.h"
#include "qt_names_list.h"
#include "qt_readme_viewer.h"
#include "shelf_menu.h"
#include "ui_texts.h"

#include <QAction>
#include <QActionGroup>
#include <QBoxLayout>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QDropEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#include <utility>

// The icon lives in a static library, whose resources must be registered by hand.
static void initResources()
{
    Q_INIT_RESOURCE(kestrune);
}

namespace kestrune {

namespace {

// The window at its default size, in pixels: the two columns, their margins
// and the gaps between the controls. Every control's place follows from these.
constexpr int windowWidth = 399;
constexpr int windowHeight = 297;
constexpr int leftColumnWidth = 185;
constexpr int columnGap = 7;
constexpr int rightMargin = 6;
constexpr int topMargin = 8;
constexpr int leftBottomMargin = 3;
constexpr int rightBottomMargin = 8;
constexpr int browseGap = 4;  // between the drive, folder and file lists
constexpr int driveListHeight = 20;
constexpr int folderListHeight = 132;
constexpr int fileListHeight = 126;
constexpr int namesListHeight = 160;
constexpr int labelGap = 16;  // from the names list down to the label
constexpr int labelHeight = 16;
constexpr int nameBoxHeight = 18;
constexpr int belowNameBox = 22;  // room under the name box, above the buttons
constexpr int createButtonWidth = 121;
constexpr int exitButtonWidth = 65;
constexpr int buttonHeight = 49;

QPushButton* commandButton(const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    // No button answers Enter or Esc: each acts only when clicked or pressed while focused.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

// A list that grows with the window: its least size is its place at the
// default size, and extra room goes by the layout's stretch, not by its hint.
void growFrom(QWidget* widget, int width, int height)
{
    widget->setMinimumSize(width, height);
    widget->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
}

}  // namespace

MainWindow::MainWindow(const ListingSource& listings, ShelfReader& shelfReader, QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    initResources();
    setObjectName(QStringLiteral("mainWindow"));

    // Created in keyboard order: Qt's focus chain follows the order of creation.
    driveList_ = new QtDriveList(listings, QDir::currentPath(), this);
    driveList_->setObjectName(QStringLiteral("driveList"));
    folderList_ = new QtFolderList(listings, this);
    folderList_->setObjectName(QStringLiteral("folderList"));
    folderList_->setToolTip(texts::folderListTip);
    namesList_ = new QtNamesList(this);
    namesList_->setObjectName(QStringLiteral("namesList"));
    createButton_ = commandButton(texts::createCaption, this);
    createButton_->setObjectName(QStringLiteral("createButton"));
    exitButton_ = commandButton(texts::exitCaption, this);
    exitButton_->setObjectName(QStringLiteral("exitButton"));
    fileList_ = new QtFileList(listings, this);
    fileList_->setObjectName(QStringLiteral("fileList"));
    fileList_->setToolTip(texts::fileListTip);
    parentNameLabel_ = new QLabel(texts::parentNameCaption, this);
    parentNameLabel_->setObjectName(QStringLiteral("parentNameLabel"));
    parentNameEdit_ = new QtNameBox(this);
    parentNameEdit_->setObjectName(QStringLiteral("parentNameEdit"));
    fillInBox_ = new QCheckBox(texts::fillInCaption, this);
    fillInBox_->setObjectName(QStringLiteral("fillInBox"));
    readmeViewer_ = new QtReadmeViewer(this);

    arrangeControls();
    // Both lists start on the current folder; a change of folder is read once.
    fileList_->useListingsOf(folderList_);
    buildNamesMenu(shelfReader);

    readmeViewer_->installEventFilter(this);
    parentNameEdit_->installEventFilter(this);
    coverControls(!readmeViewer_->isHidden());

    // A file dropped on a control that takes drops of its own (the text
    // boxes take text) opens like one dropped anywhere else.
    setAcceptDrops(true);
    for (QWidget* child : findChildren<QWidget*>()) {
        if (child->acceptDrops())
            child->installEventFilter(this);
    }
}

QSize MainWindow::defaultSize()
{
    return {windowWidth, windowHeight};
}

void MainWindow::arrangeControls()
{
    auto* columns = new QHBoxLayout(this);
    columns->setContentsMargins(0, 0, rightMargin, 0);
    columns->setSpacing(columnGap);

    auto* browse = new QVBoxLayout;
    browse->setContentsMargins(0, topMargin, 0, leftBottomMargin);
    browse->setSpacing(browseGap);
    driveList_->setFixedSize(leftColumnWidth, driveListHeight);
    growFrom(folderList_, leftColumnWidth, folderListHeight);
    growFrom(fileList_, leftColumnWidth, fileListHeight);
    folderList_->setMaximumWidth(leftColumnWidth);
    fileList_->setMaximumWidth(leftColumnWidth);
    browse->addWidget(driveList_);
    // Stretched in proportion to their default heights: both grow alike.
    browse->addWidget(folderList_, folderListHeight);
    browse->addWidget(fileList_, fileListHeight);
    columns->addLayout(browse);

    auto* names = new QVBoxLayout;
    names->setContentsMargins(0, topMargin, 0, rightBottomMargin);
    names->setSpacing(0);
    growFrom(namesList_, windowWidth - leftColumnWidth - columnGap - rightMargin, namesListHeight);
    parentNameLabel_->setFixedHeight(labelHeight);
    parentNameEdit_->setFixedHeight(nameBoxHeight);
    names->addWidget(namesList_, 1);
    names->addSpacing(labelGap);
    names->addWidget(parentNameLabel_);
    names->addWidget(parentNameEdit_);
    // In the room under the name box: the buttons keep their place.
    fillInBox_->setFixedHeight(belowNameBox);
    names->addWidget(fillInBox_);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(0);
    createButton_->setFixedSize(createButtonWidth, buttonHeight);
    exitButton_->setFixedSize(exitButtonWidth, buttonHeight);
    buttons->addWidget(createButton_);
    buttons->addStretch(1);
    buttons->addWidget(exitButton_);
    names->addLayout(buttons);
    columns->addLayout(names, 1);

    setMinimumSize(defaultSize());
    resize(defaultSize());
}

void MainWindow::buildNamesMenu(ShelfReader& shelfReader)
{
    // One action for the shortcut and the menu. The name box keeps Ctrl+Z
    // for its own typing while it has any to take back (see eventFilter).
    undoAction_ = new QAction(texts::undoCaption, this);
    undoAction_->setShortcut(QKeySequence::Undo);
    undoAction_->setShortcutContext(Qt::WindowShortcut);
    addAction(undoAction_);
    namesList_->addAction(undoAction_);
    historyAction_ = new QAction(texts::historyCaption, this);
    historyAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    historyAction_->setShortcutContext(Qt::WindowShortcut);
    addAction(historyAction_);
    namesList_->addAction(historyAction_);

    pasteAction_ = new QAction(texts::pasteCaption, this);
    pasteAction_->setShortcut(QKeySequence::Paste);
    pasteAction_->setShortcutContext(Qt::WindowShortcut);
    addAction(pasteAction_);
    namesList_->addAction(pasteAction_);
    connect(pasteAction_, &QAction::triggered, this, [this] {
        const QMimeData* clipboard = QGuiApplication::clipboard()->mimeData();
        emit listTextGiven(clipboard != nullptr && clipboard->hasText() ? clipboard->text() : QString());
    });
    saveAction_ = new QAction(texts::saveCaption, this);
    saveAction_->setShortcut(QKeySequence::Save);
    saveAction_->setShortcutContext(Qt::WindowShortcut);
    addAction(saveAction_);
    namesList_->addAction(saveAction_);

    recentListsMenu_ = new QMenu(texts::recentListsCaption, this);
    connect(recentListsMenu_, &QMenu::aboutToShow, this, &MainWindow::fillRecentListsMenu);
    namesList_->addAction(recentListsMenu_->menuAction());
    shelfMenu_ = new ShelfMenu(shelfReader, shelfAnswerLimit, this);
    namesList_->addAction(shelfMenu_->menuAction());

    auto* notation = new QAction(this);
    notation->setSeparator(true);
    namesList_->addAction(notation);
    changeValuesAction_ = new QAction(texts::changeValuesCaption, this);
    namesList_->addAction(changeValuesAction_);
    literalAction_ = new QAction(texts::literalCaption, this);
    literalAction_->setCheckable(true);
    namesList_->addAction(literalAction_);

    auto* templates = new QAction(this);
    templates->setSeparator(true);
    namesList_->addAction(templates);
    openTemplateAction_ = new QAction(texts::openTemplateCaption, this);
    namesList_->addAction(openTemplateAction_);

    auto* language = new QAction(this);
    language->setSeparator(true);
    namesList_->addAction(language);
    buildLanguageMenu();
    namesList_->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void MainWindow::buildLanguageMenu()
{
    languageMenu_ = new QMenu(texts::languageCaption, this);
    languageChoices_ = new QActionGroup(this);
    const std::pair<LanguageChoice, QString> choices[] = {
        {LanguageChoice::Automatic, texts::automaticLanguage},
        {LanguageChoice::Japanese, texts::japaneseName},
        {LanguageChoice::English, texts::englishName},
    };
    for (const auto& [choice, name] : choices) {
        QAction* entry = languageMenu_->addAction(name);
        entry->setCheckable(true);
        entry->setData(static_cast<int>(choice));
        languageChoices_->addAction(entry);
        connect(entry, &QAction::triggered, this, [this, choice = choice] { emit languageChosen(choice); });
    }
    languageMenu_->addSeparator();
    languageMenu_->addAction(texts::languageFromNextStart)->setEnabled(false);
    showLanguageChoice(LanguageChoice::Automatic);
    namesList_->addAction(languageMenu_->menuAction());
}

void MainWindow::showLanguageChoice(LanguageChoice choice)
{
    for (QAction* entry : languageChoices_->actions())
        entry->setChecked(entry->data().toInt() == static_cast<int>(choice));
}

void MainWindow::fillRecentListsMenu()
{
    recentListsMenu_->clear();
    const QStringList paths = recentLists ? recentLists() : QStringList();
    for (const QString& path : paths) {
        QAction* entry = recentListsMenu_->addAction(menuEntryText(recentListTitle ? recentListTitle(path) : path));
        connect(entry, &QAction::triggered, this, [this, path] { emit recentListChosen(path); });
    }
    if (paths.isEmpty())
        recentListsMenu_->addAction(texts::noRecentLists)->setEnabled(false);
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The viewer reaches just past the right edge, so that no border of its own shows.
    readmeViewer_->setGeometry(0, 0, width() + 2, height());
}

void MainWindow::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    // Set once the window has been painted: reading the first image loads
    // Qt's image plugins, a tenth of the start-up, and the icon can come a
    // moment later.
    if (!painted_) {
        painted_ = true;
        QTimer::singleShot(0, this, [this] { setWindowIcon(QIcon(QStringLiteral(":/icons/kestrune.png"))); });
        emit firstPainted();
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    emit closing();
    QWidget::closeEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == readmeViewer_ && (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent))
        coverControls(event->type() == QEvent::ShowToParent);
    // The name box claims Ctrl+Z even with nothing of its own to undo; then
    // the window's undo gets it.
    if (watched == parentNameEdit_ && event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Undo) && !parentNameEdit_->isUndoAvailable()) {
        event->ignore();
        return true;
    }
    // Text dragged into a box stays the box's; only files and folders are the window's.
    const bool drag =
        event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove || event->type() == QEvent::Drop;
    if (watched != this && drag && static_cast<QDropEvent*>(event)->mimeData()->hasUrls())
        return takeDrag(event);
    return QWidget::eventFilter(watched, event);
}

MainWindow::Dropped MainWindow::dropped(const QMimeData* mime) const
{
    // The viewer is answered with its OK button first, as with a click.
    if (!readmeViewer_->isHidden() || mime == nullptr)
        return {};
    if (mime->hasUrls()) {
        const QList<QUrl> urls = mime->urls();
        if (urls.isEmpty() || !urls.first().isLocalFile())
            return {};
        return {urls.first().toLocalFile(), {}};
    }
    return {{}, mime->hasText() ? mime->text() : QString()};
}

bool MainWindow::takeDrag(QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (dropped(drag->mimeData()).isEmpty())
            drag->ignore();
        else
            drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const Dropped what = dropped(drop->mimeData());
        if (what.isEmpty()) {
            drop->ignore();
            return true;
        }
        drop->acceptProposedAction();
        if (!what.path.isEmpty())
            emit pathDropped(what.path);
        else
            emit listTextGiven(what.text);
        return true;
    }
    default:
        return false;
    }
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    takeDrag(event);
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event)
{
    takeDrag(event);
}

void MainWindow::dropEvent(QDropEvent* event)
{
    takeDrag(event);
}

void MainWindow::coverControls(bool covered)
{
    // What the viewer covers can be neither seen nor reached: no keystroke may
    // press a button hidden behind it.
    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child != readmeViewer_)
            child->setEnabled(!covered);
    }
    for (QAction* action : {undoAction_, historyAction_, pasteAction_, saveAction_}) {
        if (action)
            action->setEnabled(!covered);
    }
}

}  // namespace kestrune
