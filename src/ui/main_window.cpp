#include "main_window.h"

#include "main_window_layout.h"
#include "qt_drive_list.h"
#include "qt_file_list.h"
#include "qt_folder_list.h"
#include "qt_item_list.h"
#include "qt_panel.h"
#include "qt_text_field.h"

#include <QAction>
#include <QDropEvent>
#include <QEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>

#include <algorithm>
#include <stdexcept>
#include <vector>

// The icon lives in a static library, whose resources must be registered by hand.
static void initResources()
{
    Q_INIT_RESOURCE(kestrune);
}

namespace kestrune {

namespace {

QPushButton* commandButton(QWidget* parent)
{
    auto* button = new QPushButton(parent);
    // No button answers Enter or Esc: each acts only when clicked or pressed while focused.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    initResources();
    setObjectName(layout::mainWindow.name.toString());
    setWindowIcon(QIcon(QStringLiteral(":/icons/kestrune.png")));
    // The layout is in fixed pixels; the classic 9-point size keeps the texts
    // inside their controls whatever the desktop's default size is.
    QFont small = font();
    small.setPointSize(9);
    setFont(small);

    setFixedSize(layout::pixels(layout::mainWindow.clientWidth), layout::pixels(layout::mainWindow.clientHeight));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    // Created in TabIndex order: Qt's focus chain follows the order of
    // creation, and every container comes before what it holds.
    std::vector<int> order(layout::controls.size());
    for (int i = 0; i < static_cast<int>(order.size()); ++i)
        order[static_cast<std::size_t>(i)] = i;
    std::sort(order.begin(), order.end(), [](int a, int b) {
        return layout::controls[static_cast<std::size_t>(a)].tabIndex <
               layout::controls[static_cast<std::size_t>(b)].tabIndex;
    });
    for (const int i : order)
        create(i);

    readmePanel_ = control<QtPanel>(u"readmePanel");
    readmeOkButton_ = control<QPushButton>(u"readmeOkButton");
    readmeText_ = control<QtTextArea>(u"readmeText");
    parentNameEdit_ = control<QtTextField>(u"parentNameEdit");
    fileList_ = control<QtFileList>(u"fileList");
    exitButton_ = control<QPushButton>(u"exitButton");
    createButton_ = control<QPushButton>(u"createButton");
    namesList_ = control<QtItemList>(u"namesList");
    folderList_ = control<QtFolderList>(u"folderList");
    driveList_ = control<QtDriveList>(u"driveList");
    parentNameLabel_ = control<QLabel>(u"parentNameLabel");

    // The viewer lies above every other control, so that when shown it covers them.
    readmePanel_->raise();

    // Both lists start on the current folder; a change of folder is read once.
    fileList_->useListingsOf(folderList_);

    readmePanel_->installEventFilter(this);
    // One action for the shortcut and the menu. The name box keeps Ctrl+Z
    // for its own typing while it has any to take back (see eventFilter).
    undoAction_ = new QAction(layout::undoCaption.toString(), this);
    undoAction_->setShortcut(QKeySequence::Undo);
    undoAction_->setShortcutContext(Qt::WindowShortcut);
    addAction(undoAction_);
    namesList_->addAction(undoAction_);
    namesList_->setContextMenuPolicy(Qt::ActionsContextMenu);
    parentNameEdit_->installEventFilter(this);

    coverControls(!readmePanel_->isHidden());

    // A file dropped on a control that takes drops of its own (the text
    // boxes take text) opens like one dropped anywhere else.
    setAcceptDrops(true);
    for (QWidget* child : findChildren<QWidget*>()) {
        if (child->acceptDrops())
            child->installEventFilter(this);
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == readmePanel_ && (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent))
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

QString MainWindow::droppedPath(const QMimeData* mime) const
{
    // The viewer is answered with its OK button first, as with a click.
    if (!readmePanel_->isHidden() || mime == nullptr || !mime->hasUrls())
        return {};
    const QList<QUrl> urls = mime->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile())
        return {};
    return urls.first().toLocalFile();
}

bool MainWindow::takeDrag(QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (droppedPath(drag->mimeData()).isEmpty())
            drag->ignore();
        else
            drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString path = droppedPath(drop->mimeData());
        if (path.isEmpty()) {
            drop->ignore();
            return true;
        }
        drop->acceptProposedAction();
        emit pathDropped(path);
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
        if (child != readmePanel_)
            child->setEnabled(!covered);
    }
    if (undoAction_)
        undoAction_->setEnabled(!covered);
}

void MainWindow::create(int index)
{
    const layout::ControlLayout& entry = layout::controls[static_cast<std::size_t>(index)];
    QWidget* parent = this;
    if (entry.inside != layout::mainWindow.name)
        parent = control<QWidget>(entry.inside);

    const QString text = entry.text.toString();
    QWidget* widget = nullptr;
    switch (entry.cls) {
    case layout::ControlClass::Panel:
        widget = new QtPanel(parent);
        break;
    case layout::ControlClass::Button: {
        QPushButton* button = commandButton(parent);
        button->setText(text);
        widget = button;
        break;
    }
    case layout::ControlClass::TextField:
        if (entry.multiLine) {
            auto* box = new QtTextArea(parent);
            box->setText(text);
            widget = box;
        } else {
            auto* box = new QtTextField(parent);
            box->setText(text);
            widget = box;
        }
        break;
    case layout::ControlClass::FileList: {
        auto* files = new QtFileList(parent);
        files->setPattern(entry.pattern.toString());
        widget = files;
        break;
    }
    case layout::ControlClass::ItemList:
        widget = new QtItemList(parent);
        break;
    case layout::ControlClass::FolderList:
        widget = new QtFolderList(parent);
        break;
    case layout::ControlClass::DriveList:
        widget = new QtDriveList(parent);
        break;
    case layout::ControlClass::Label: {
        auto* label = new QLabel(text, parent);
        label->setFocusPolicy(Qt::NoFocus);
        widget = label;
        break;
    }
    }

    widget->setObjectName(entry.name.toString());
    widget->setToolTip(entry.toolTip.toString());
    QRect area(layout::pixels(entry.left), layout::pixels(entry.top), layout::pixels(entry.width),
               layout::pixels(entry.height));
    if (entry.cls == layout::ControlClass::Label) {
        // The label sizes itself to its caption, so that no font cuts it off,
        // but reaches no further down than the box it names.
        const QSize caption = widget->sizeHint();
        area.setWidth(std::max(area.width(), caption.width()));
        const int room = layout::pixels(layout::control(u"parentNameEdit").top) - area.top();
        area.setHeight(std::max(area.height(), std::min(caption.height(), room)));
    }
    widget->setGeometry(area);
}

template <typename Control> Control* MainWindow::control(QStringView name) const
{
    auto* found = findChild<Control*>(name.toString());
    if (!found)
        throw std::logic_error("the layout lacks control " + name.toString().toStdString());
    return found;
}

}  // namespace kestrune
