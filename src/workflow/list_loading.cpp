#include "folder_list_workflow.h"
#include "messages.h"
#include "runtime_error.h"
#include "text.h"

#include <cstdint>
#include <utility>

namespace kestrune {

namespace {

// Closes the list file on any way out that the steps below do not cover
// (an exception that is not a run-time error), so no file number is left in use.
class OpenFileGuard {
public:
    OpenFileGuard(FileInput& files, int fileNo) : files_(files), fileNo_(fileNo) {}
    ~OpenFileGuard()
    {
        try {
            if (files_.IsOpen(fileNo_))
                files_.Close(fileNo_);
        } catch (...) {  // nothing more can be done for the number in a destructor
        }
    }
    OpenFileGuard(const OpenFileGuard&) = delete;
    OpenFileGuard& operator=(const OpenFileGuard&) = delete;

private:
    FileInput& files_;
    int fileNo_;
};

}  // namespace

void FolderListWorkflow::ReadListFile()
{
    const int FileNo = files_.FreeFile();  // before the trap: a failure here leaves to the caller
    OpenFileGuard closeOnExit(files_, FileNo);

    bool ErrorSeen = false;
    // The trap: report the failure of one step and go on with the next one.
    // Returns whether the step succeeded.
    const auto step = [&](auto&& action) {
        try {
            action();
            return true;
        } catch (const RuntimeError&) {
            desktop_.Beep();
            ErrorSeen = true;
            state_.LoadState = NoListReady;
            desktop_.MsgBox(messages::errorOccurred());
            return false;
        }
    };
    const auto earlyExit = [&] {
        state_.LoadState = NoListReady;
        if (files_.IsOpen(FileNo))
            step([&] { files_.Close(FileNo); });
    };

    std::int32_t LineNo = 1;
    QString LineText;
    step([&] { files_.Open(state_.ListFilePath, FileNo); });
    for (;;) {
        bool atEnd = false;
        if (step([&] { atEnd = files_.Eof(FileNo); }) && atEnd)
            break;
        if (ErrorSeen) {
            earlyExit();
            return;
        }
        step([&] { LineText = files_.LineInput(FileNo); });
        step([&] { state_.FolderNames(LineNo) = LineText; });
        ++LineNo;
    }
    if (ErrorSeen) {
        earlyExit();
        return;
    }
    step([&] { files_.Close(FileNo); });
    // Cannot overflow: every line past slot 1000 has failed the load above.
    step([&] { state_.FolderCount = static_cast<std::int16_t>(LineNo - 1); });

    QString ReadmeText;
    qsizetype ReadmeAt = 0;
    step([&] { ReadmeAt = InStr(1, state_.ListFilePath, messages::readmeMarker()); });
    const std::int16_t count = state_.FolderCount;
    if (ReadmeAt == 0) {
        for (std::int32_t index = 0; index <= count - 1; ++index)
            step([&] { c_.List1.AddItem(state_.FolderNames(index + 1)); });
    } else {
        for (std::int32_t index = 1; index <= count; ++index)
            step([&] { ReadmeText += state_.FolderNames(index) + QStringLiteral("\r\n"); });
        step([&] { c_.Frame1.setVisible(true); });
        step([&] { c_.Text2.setText(QString()); });
        step([&] { c_.Text2.setText(ReadmeText); });
    }

    state_.LoadState = ListReady;
    step([&] { c_.Text1.setText(messages::defaultParentName()); });
    step([&] { c_.Text1.setSelStart(0); });
    step([&] { c_.Text1.setSelLength(static_cast<int>(c_.Text1.Text().size())); });
    step([&] { c_.Text1.SetFocus(); });
}

}  // namespace kestrune
