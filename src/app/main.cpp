#include "command_line.h"
#include "headless_creation.h"
#include "window_module.h"

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    const QStringList arguments = kestrune::argumentsOf(argc, argv);
    if (!kestrune::opensWindow(arguments)) {
        // No widget and no display: the command line needs neither, and
        // does not load them.
        const QCoreApplication application(argc, argv);
        return kestrune::runWithoutWindow(kestrune::parseCommandLine(arguments));
    }
    return kestrune::runWindowModule(argc, argv);
}
