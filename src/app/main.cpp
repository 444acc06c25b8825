#include "app_texts.h"
#include "command_line.h"
#include "headless_creation.h"
#include "program_identity.h"
#include "program_language.h"
#include "text_language.h"
#include "window_module.h"

#include <QSettings>

int main(int argc, char* argv[])
{
    kestrune::nameProgram();
    const QStringList arguments = kestrune::argumentsOf(argc, argv);
    if (!kestrune::opensWindow(arguments)) {
        // No widget, no display and no event loop: the command line needs
        // none of them, and an event loop's descriptors could take the
        // number of a closed standard input before the list is read from it.
        // The window's settings (no application object names them here) give
        // the language the person chose.
        const QSettings settings(kestrune::texts::applicationName, kestrune::texts::applicationName);
        const kestrune::TextLanguage words(kestrune::programLanguage(settings));
        return kestrune::runWithoutWindow(kestrune::parseCommandLine(arguments));
    }
    return kestrune::runWindowModule(argc, argv);
}
