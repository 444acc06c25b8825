#include "program_window.h"

#include "program_language.h"
#include "qt_drive_list.h"
#include "qt_file_list.h"
#include "qt_folder_list.h"
#include "qt_name_box.h"
#include "qt_names_list.h"
#include "qt_readme_viewer.h"
#include "shelf_menu.h"

#include <QCoreApplication>

#include <utility>

namespace kestrune {

namespace {

const QString windowSizeKey = QStringLiteral("window/size");
const QString windowMaximisedKey = QStringLiteral("window/maximised");

WorkflowControls workflowControlsOf(const MainWindow& window)
{
    return WorkflowControls{window.namesList(), window.parentNameEdit(), window.readmeViewer(),
                            window.driveList(), window.folderList(),     window.fileList()};
}

}  // namespace

ProgramWindow::ProgramWindow(const ProgramHost& host, std::function<void()> quit)
    : settings_(host.settings), recentLists_(host.settings), rememberedValues_(host.settings),
      shelfSettings_(host.settings, host.systemSettings), window_(host.listings, host.shelfReader),
      shelfCommands_(shelfSettings_, window_.folderList(), host.desktop),
      shelfLists_(host.shelfReader, shelfAnswerLimit, [&desktop = host.desktop] { desktop.keepResponsive(); }),
      dispatch_(host.desktop), workflow_(state_, workflowControlsOf(window_),
                                         WorkflowHost{host.desktop, host.lists, host.writer, host.folders, host.mounts,
                                                      recentLists_, rememberedValues_, host.clock, shelfSettings_,
                                                      shelfLists_, host.history, host.historyBox}),
      commands_(WindowCommandControls{window_, window_.readmeViewer(), window_.namesList(), window_.parentNameEdit()},
                [this] { endProgram(); }),
      binding_(window_, commands_, workflow_, shelfCommands_, dispatch_), quit_(std::move(quit))
{
    if (!quit_)
        quit_ = [] { QCoreApplication::exit(0); };
    window_.recentLists = [this] { return recentLists_.paths(); };
    window_.recentListTitle = recentEntryTitle;
    window_.shelfMenu().shelves = [this] { return shelfSettings_.shelves(); };
    // Kept for the next start: the texts of this one are read already.
    window_.showLanguageChoice(languageChoiceIn(settings_));
    QObject::connect(&window_, &MainWindow::languageChosen, &window_,
                     [this](LanguageChoice choice) { keepLanguageChoice(settings_, choice); });
    QObject::connect(&window_, &MainWindow::closing, &window_, [this] { rememberSize(); });
}

ProgramWindow::~ProgramWindow()
{
    dispatch_.stop();
}

void ProgramWindow::start(const QString& path)
{
    dispatch_.run([this] { commands_.start(); });
    // The size it had, not the folder: it starts where it was started.
    const QSize size = settings_.value(windowSizeKey).toSize();
    if (size.isValid())
        window_.resize(size.expandedTo(MainWindow::defaultSize()));
    if (!path.isEmpty()) {
        // Queued: a box asked from within the paint would open a loop inside it.
        QObject::connect(
            &window_, &MainWindow::firstPainted, &window_, [this, path] { open(path); },
            static_cast<Qt::ConnectionType>(Qt::QueuedConnection | Qt::SingleShotConnection));
    }
    if (settings_.value(windowMaximisedKey).toBool())
        window_.showMaximized();
    else
        window_.show();
}

void ProgramWindow::open(const QString& path)
{
    dispatch_.run([this, &path] { workflow_.openPath(path); });
}

void ProgramWindow::endProgram()
{
    // At once: no further event reaches a handler, the window goes, the loop ends.
    dispatch_.stop();
    rememberSize();
    window_.hide();
    quit_();
}

void ProgramWindow::rememberSize()
{
    if (!window_.isVisible())
        return;
    settings_.setValue(windowSizeKey, window_.normalGeometry().size());
    settings_.setValue(windowMaximisedKey, window_.isMaximized());
}

}  // namespace kestrune
