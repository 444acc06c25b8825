// The window program, built as a module that the program loads only when it
// opens its window, so that the command line starts without the widget
// libraries.
#include "app_texts.h"
#include "command_line.h"
#include "headless_creation.h"
#include "mounted_volumes.h"
#include "posix_folders.h"
#include "posix_history_folder.h"
#include "posix_list_reader.h"
#include "posix_list_writer.h"
#include "posix_listing_source.h"
#include "press_history_dialog.h"
#include "program_identity.h"
#include "program_language.h"
#include "program_window.h"
#include "qt_desktop.h"
#include "qt_words.h"
#include "system_clock.h"
#include "text_language.h"
#include "threaded_shelf_reader.h"
#include "user_name.h"
#include "values_table_reading.h"
#include "window_module.h"

#include <QApplication>
#include <QSettings>
#include <QTranslator>

#include <cstdio>
#include <exception>
#include <type_traits>

extern "C" __attribute__((visibility("default"))) int kestruneWindowMain(int argc, char* argv[])
{
    QApplication application(argc, argv);
    kestrune::nameProgram();
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.kestrune.Kestrune"));
    QSettings settings;
    // Before the first text is read: every word from here on is in this language.
    const kestrune::Language language = kestrune::programLanguage(settings);
    const kestrune::TextLanguage words(language);
    QTranslator qtWords;
    kestrune::installQtWords(qtWords, language);

    // Qt has taken its own options (-style, ...); what is left is ours.
    const kestrune::CommandLine line = kestrune::parseCommandLine(QCoreApplication::arguments().mid(1));
    if (line.action != kestrune::CommandLine::Action::OpenWindow)
        return kestrune::runWithoutWindow(line);

    try {
        kestrune::PosixListReader lists;
        kestrune::TextValuesTableReader tables(lists);
        kestrune::QtDesktop desktop(kestrune::texts::applicationName, tables);
        kestrune::PosixListWriter writer;
        kestrune::PosixFolders folders;
        const kestrune::ProcMountTable mounts;
        const kestrune::PosixListingSource listings;
        const kestrune::SystemClock clock;
        QSettings systemSettings(QSettings::SystemScope, kestrune::texts::applicationName,
                                 kestrune::texts::applicationName);
        kestrune::ThreadedShelfReader shelfReader;
        kestrune::PosixHistoryFolder records(kestrune::pressHistoryFolder());
        kestrune::PressHistory history(records, folders, clock, kestrune::currentUserName());
        history.removeOldest();
        kestrune::QtHistoryBox historyBox;
        kestrune::ProgramWindow program({desktop, lists, writer, folders, mounts, listings, clock, settings,
                                         systemSettings, shelfReader, history, historyBox});
        desktop.setParentWindow(&program.window());
        historyBox.setParentWindow(&program.window());
        program.start(line.path);
        return QApplication::exec();
    } catch (const std::exception& error) {
        // Only the start-up can get here; every handler's failure is caught where it runs.
        std::fprintf(stderr, "kestrune: %s\n", error.what());
        return 1;
    }
}

// The loader calls the entry through this type; a mismatch fails here, not at run time.
static_assert(std::is_same_v<decltype(&kestruneWindowMain), kestrune::WindowMain>);
