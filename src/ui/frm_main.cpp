#include "frm_main.h"

#include "frm_main_layout.h"
#include "qt_dir_list_box.h"
#include "qt_drive_list_box.h"
#include "qt_file_list_box.h"
#include "qt_frame.h"
#include "qt_list_box.h"
#include "qt_text_box.h"

#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

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

FrmMain::FrmMain(QWidget* parent) : QWidget(parent, Qt::Window)
{
    initResources();
    setObjectName(layout::frmMain.name.toString());
    setWindowTitle(layout::frmMain.caption.toString());
    setWindowIcon(QIcon(QStringLiteral(":/icons/kestrune.png")));
    // The layout is in fixed pixels; the classic 9-point size keeps the texts
    // inside their controls whatever the desktop's default size is.
    QFont small = font();
    small.setPointSize(9);
    setFont(small);

    setFixedSize(layout::pixels(layout::frmMain.clientWidth), layout::pixels(layout::frmMain.clientHeight));
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

    Frame1_ = control<QtFrame>(u"Frame1");
    Command1_ = control<QPushButton>(u"Command1");
    Text2_ = control<QtMultiLineTextBox>(u"Text2");
    Text1_ = control<QtTextBox>(u"Text1");
    File1_ = control<QtFileListBox>(u"File1");
    Command3_ = control<QPushButton>(u"Command3");
    Command2_ = control<QPushButton>(u"Command2");
    List1_ = control<QtListBox>(u"List1");
    Dir1_ = control<QtDirListBox>(u"Dir1");
    Drive1_ = control<QtDriveListBox>(u"Drive1");
    Label1_ = control<QLabel>(u"Label1");

    // The viewer lies above every other control, so that when shown it covers them.
    Frame1_->raise();

    // Both lists start on the current folder; a change of folder is read once.
    File1_->useListingsOf(Dir1_);

    Frame1_->installEventFilter(this);
    coverControls(!Frame1_->isHidden());
}

bool FrmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Frame1_ && (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent))
        coverControls(event->type() == QEvent::ShowToParent);
    return QWidget::eventFilter(watched, event);
}

void FrmMain::coverControls(bool covered)
{
    // What the viewer covers can be neither seen nor reached: no keystroke may
    // press a button hidden behind it.
    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child != Frame1_)
            child->setEnabled(!covered);
    }
}

QString FrmMain::LinkTopic() const
{
    return layout::frmMain.linkTopic.toString();
}

WorkflowControls FrmMain::workflowControls() const
{
    return WorkflowControls{*List1_, *Text1_, *Frame1_, *Text2_, *Drive1_, *Dir1_, *File1_};
}

void FrmMain::create(int index)
{
    const layout::ControlLayout& entry = layout::controls[static_cast<std::size_t>(index)];
    QWidget* parent = this;
    if (entry.inside != layout::frmMain.name)
        parent = control<QWidget>(entry.inside);

    const QString text = entry.text.toString();
    QWidget* widget = nullptr;
    switch (entry.cls) {
    case layout::ControlClass::Frame:
        widget = new QtFrame(parent);
        break;
    case layout::ControlClass::CommandButton: {
        QPushButton* button = commandButton(parent);
        button->setText(text);
        widget = button;
        break;
    }
    case layout::ControlClass::TextBox:
        if (entry.multiLine) {
            auto* box = new QtMultiLineTextBox(parent);
            box->setText(text);
            widget = box;
        } else {
            auto* box = new QtTextBox(parent);
            box->setText(text);
            widget = box;
        }
        break;
    case layout::ControlClass::FileListBox: {
        auto* files = new QtFileListBox(parent);
        files->setPattern(entry.pattern.toString());
        widget = files;
        break;
    }
    case layout::ControlClass::ListBox:
        widget = new QtListBox(parent);
        break;
    case layout::ControlClass::DirListBox:
        widget = new QtDirListBox(parent);
        break;
    case layout::ControlClass::DriveListBox:
        widget = new QtDriveListBox(parent);
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
        const int room = layout::pixels(layout::control(u"Text1").top) - area.top();
        area.setHeight(std::max(area.height(), std::min(caption.height(), room)));
    }
    widget->setGeometry(area);
}

template <typename Control> Control* FrmMain::control(QStringView name) const
{
    auto* found = findChild<Control*>(name.toString());
    if (!found)
        throw std::logic_error("the layout lacks control " + name.toString().toStdString());
    return found;
}

}  // namespace kestrune
