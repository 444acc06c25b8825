#include "error_trap.h"
#include "folder_list_workflow.h"
#include "list_reading.h"
#include "workflow_texts.h"

#include <cstdint>

namespace kestrune {

void FolderListWorkflow::readListFile()
{
    state_.preview.clear();
    state_.completionShown = false;
    const int handle = files_.freeHandle();  // before the trap: a failure here leaves to the caller
    const OpenListGuard closeOnExit(files_, handle);

    // Each failed step is reported and the next one runs.
    bool errorSeen = false;
    ErrorTrap trap([&](const RuntimeError&) {
        desktop_.beep();
        errorSeen = true;
        state_.listState = ListState::NotReady;
        desktop_.showMessage(texts::errorOccurred);
        return AfterError::ResumeNext;
    });
    const auto earlyExit = [&] {
        state_.listState = ListState::NotReady;
        if (files_.isOpen(handle))
            trap.run([&] { files_.close(handle); });
    };

    std::int32_t lineNumber = 1;
    QString lineText;
    trap.run([&] { files_.open(state_.listFilePath, handle); });
    for (;;) {
        bool atEnd = false;
        if (trap.run([&] { atEnd = files_.atEnd(handle); }) && atEnd)
            break;
        if (errorSeen) {
            earlyExit();
            return;
        }
        trap.run([&] { lineText = files_.readLine(handle); });
        trap.run([&] { state_.names(lineNumber) = lineText; });
        ++lineNumber;
    }
    if (errorSeen) {
        earlyExit();
        return;
    }
    trap.run([&] { files_.close(handle); });
    // Cannot overflow: every line past the last slot has failed the load above.
    state_.nameCount = static_cast<std::int16_t>(lineNumber - 1);

    const std::int16_t count = state_.nameCount;
    if (!isReadmePath(state_.listFilePath)) {
        for (std::int32_t index = 1; index <= count; ++index)
            trap.run([&] { c_.namesList.addItem(state_.names(index)); });
    } else {
        QString readmeContents;
        for (std::int32_t index = 1; index <= count; ++index)
            trap.run([&] { readmeContents += state_.names(index) + QStringLiteral("\r\n"); });
        trap.run([&] { c_.readmePanel.setVisible(true); });
        trap.run([&] { c_.readmeText.setText(QString()); });
        trap.run([&] { c_.readmeText.setText(readmeContents); });
    }

    state_.listState = ListState::Ready;
    trap.run([&] { c_.parentNameEdit.setText(texts::defaultParentName); });
    trap.run([&] { c_.parentNameEdit.setSelectionStart(0); });
    trap.run([&] { c_.parentNameEdit.setSelectionLength(static_cast<int>(c_.parentNameEdit.text().size())); });
    trap.run([&] { c_.parentNameEdit.setFocus(); });
    if (!isReadmePath(state_.listFilePath)) {
        // Every line explains itself before anything is made.
        trap.run([&] {
            state_.windowsFileSystem = isWindowsFileSystemType(fileSystemTypeFor(state_.baseFolder, mounts_.entries()));
            showPreview(parentNameFrom(c_.parentNameEdit.text()));
        });
    }
}

}  // namespace kestrune
