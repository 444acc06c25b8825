#pragma once

#include "event_binding.h"
#include "event_dispatch.h"
#include "folder_list_workflow.h"
#include "folders.h"
#include "history_box.h"
#include "list_reader.h"
#include "listing_source.h"
#include "main_window.h"
#include "press_history.h"
#include "recent_lists.h"
#include "remembered_values.h"
#include "shelf_commands.h"
#include "shelf_list_reader.h"
#include "shelf_reader.h"
#include "shelf_settings.h"
#include "window_commands.h"

#include <QSettings>

#include <functional>

namespace kestrune {

// The host services the running program is built on; tests bring doubles
// that answer the message boxes themselves, and settings of their own.
struct ProgramHost {
    Desktop& desktop;
    ListReader& lists;
    ListWriter& writer;
    Folders& folders;
    const MountTable& mounts;
    const ListingSource& listings;
    const Clock& clock;
    QSettings& settings;        // the person's own
    QSettings& systemSettings;  // the administrator's, only read
    ShelfReader& shelfReader;
    PressHistory& history;
    HistoryBox& historyBox;
};

// The running program: the window, its workflow and the binding between them.
class ProgramWindow {
public:
    // `quit` leaves the event loop; by default the application's.
    explicit ProgramWindow(const ProgramHost& host, std::function<void()> quit = {});
    ~ProgramWindow();
    ProgramWindow(const ProgramWindow&) = delete;
    ProgramWindow& operator=(const ProgramWindow&) = delete;

    // Runs the window's start, then shows it at the size it last had. A
    // `path` given is opened once the window is where the window manager put
    // it, so that a box its list asks (the values) sits on the window.
    void start(const QString& path = {});
    // Opens a file or folder as if the person had reached it by hand.
    void open(const QString& path);

    MainWindow& window() { return window_; }

private:
    void endProgram();
    void rememberSize();

    QSettings& settings_;
    RecentLists recentLists_;
    RememberedValues rememberedValues_;
    ShelfSettings shelfSettings_;
    MainWindow window_;
    ShelfCommands shelfCommands_;
    ShelfListReader shelfLists_;
    EventDispatch dispatch_;
    WorkflowState state_;
    FolderListWorkflow workflow_;
    WindowCommands commands_;
    EventBinding binding_;
    std::function<void()> quit_;
};

}  // namespace kestrune
