#include "app_texts.h"
#include "posix_folders.h"
#include "posix_line_reader.h"
#include "program_window.h"
#include "qt_desktop.h"

#include <QApplication>

#include <cstdio>
#include <exception>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(kestrune::texts::applicationName);
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.kestrune.Kestrune"));

    try {
        kestrune::QtDesktop desktop(kestrune::texts::applicationName);
        kestrune::PosixLineReader files;
        kestrune::PosixFolders folders;
        kestrune::ProgramWindow program(desktop, files, folders);
        desktop.setParentWindow(&program.window());
        program.start();
        return QApplication::exec();
    } catch (const std::exception& error) {
        // Only the start-up can get here; every handler's failure is caught where it runs.
        std::fprintf(stderr, "kestrune: %s\n", error.what());
        return 1;
    }
}
