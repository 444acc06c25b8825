#include "window_commands.h"

#include <utility>

namespace kestrune {

namespace {

QString titleText()
{
    return QStringLiteral("Kestrune　");
}

}  // namespace

WindowCommands::WindowCommands(const WindowCommandControls& controls, std::function<void()> End)
    : c_(controls), End_(std::move(End))
{
}

QString WindowCommands::runtimeCaption()
{
    const QString version = QStringLiteral("0.03");
    return titleText() + version;
}

void WindowCommands::Form_Load()
{
    c_.frmMain.setCaption(runtimeCaption());
    c_.Frame1.setVisible(false);
    c_.List1.Clear();
    c_.Text1.setText(QString());
}

void WindowCommands::Command1_Click()
{
    // Only the viewer goes; the list read stays ready for the create button.
    c_.Frame1.setVisible(false);
}

void WindowCommands::Command3_Click()
{
    End_();
}

}  // namespace kestrune
