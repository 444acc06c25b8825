#include "window_commands.h"

#include "app_texts.h"

#include <utility>

namespace kestrune {

WindowCommands::WindowCommands(const WindowCommandControls& controls, std::function<void()> endProgram)
    : c_(controls), endProgram_(std::move(endProgram))
{
}

QString WindowCommands::runtimeCaption()
{
    return texts::captionTitle + QStringLiteral(KESTRUNE_VERSION);
}

void WindowCommands::start()
{
    c_.window.setCaption(runtimeCaption());
    c_.readmeViewer.close();
    c_.namesList.clear();
    c_.parentNameEdit.setText(QString());
}

void WindowCommands::closeReadme()
{
    // Only the viewer goes; the list read stays ready for the create button,
    // and the keyboard goes on where the list's reading left it.
    c_.readmeViewer.close();
    c_.parentNameEdit.setFocus();
}

void WindowCommands::exitProgram()
{
    endProgram_();
}

}  // namespace kestrune
