#include "event_binding.h"

#include "event_dispatch.h"
#include "folder_list_workflow.h"
#include "frm_main.h"
#include "qt_dir_list_box.h"
#include "qt_drive_list_box.h"
#include "qt_file_list_box.h"
#include "window_commands.h"

#include <QPushButton>

namespace kestrune {

EventBinding::EventBinding(FrmMain& form, WindowCommands& window, FolderListWorkflow& workflow, EventDispatch& dispatch)
{
    const auto bind = [&](auto* source, auto event, auto handler) {
        connections_.push_back(
            QObject::connect(source, event, source, [&dispatch, handler] { dispatch.run(handler); }));
    };

    // The form's Load is raised once at start-up, not through a signal.
    // clang-format off
    // Source           Event                        Handler
    bind(&form.Command1(), &QPushButton::clicked,    [&window] { window.Command1_Click(); });
    bind(&form.Command3(), &QPushButton::clicked,    [&window] { window.Command3_Click(); });
    bind(&form.Command2(), &QPushButton::clicked,    [&workflow] { workflow.Command2_Click(); });
    bind(&form.Drive1(),   &QtDriveListBox::changed, [&workflow] { workflow.Drive1_Change(); });
    bind(&form.Dir1(),     &QtDirListBox::changed,   [&workflow] { workflow.Dir1_Change(); });
    bind(&form.Dir1(),     &QtDirListBox::clicked,   [&workflow] { workflow.Dir1_Click(); });
    bind(&form.File1(),    &QtFileListBox::clicked,  [&workflow] { workflow.File1_Click(); });
    // clang-format on

    // Not a handler: a folder the person opened by double-click could not be
    // read. It is told like any other failure instead of passing unseen.
    connections_.push_back(QObject::connect(&form.Dir1(), &QtDirListBox::openFailed, &form.Dir1(),
                                            [&dispatch](int number, const QString& description) {
                                                if (!dispatch.stopped())
                                                    dispatch.report(number, description);
                                            }));
}

EventBinding::~EventBinding()
{
    for (const auto& connection : connections_)
        QObject::disconnect(connection);
}

}  // namespace kestrune
