#include "folder_list_workflow.h"
#include "messages.h"
#include "runtime_error.h"

namespace kestrune {

namespace {

// The folder path ending in exactly one separator, ready for a name to follow;
// a root such as "/" already ends in one.
QString withSeparator(const QString& folder)
{
    return folder.endsWith(PathSeparator) ? folder : folder + PathSeparator;
}

}  // namespace

void FolderListWorkflow::Drive1_Change()
{
    // The trap: an absent or not-ready volume is reported and the next step
    // runs; any other failure ends the handler without a word.
    const auto step = [&](auto&& action) {
        try {
            action();
            return true;
        } catch (const RuntimeError& error) {
            if (error.number() != DeviceUnavailable && error.number() != DiskNotReady)
                return false;
            desktop_.MsgBox(messages::insertDisk());
            return true;
        }
    };
    step([&] { c_.List1.Clear(); }) && step([&] { state_.LoadState = NoListReady; }) &&
        step([&] { c_.Dir1.setPath(c_.Drive1.Drive()); });
}

void FolderListWorkflow::Dir1_Change()
{
    c_.List1.Clear();
    state_.LoadState = NoListReady;
    c_.File1.setPath(c_.Dir1.Path());
}

void FolderListWorkflow::Dir1_Click()
{
    c_.Dir1.setPath(c_.Dir1.List(c_.Dir1.ListIndex()));
}

void FolderListWorkflow::File1_Click()
{
    c_.List1.Clear();
    state_.LoadState = NoListReady;
    state_.ListFilePath = c_.Dir1.Path();
    state_.BaseFolder = withSeparator(c_.Dir1.Path());
    state_.ListFilePath = withSeparator(state_.ListFilePath) + c_.File1.FileName();
    ReadListFile();
}

}  // namespace kestrune
