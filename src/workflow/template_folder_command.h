#pragma once

#include "desktop.h"
#include "folders.h"
#include "loaded_list.h"
#include "workflow_state.h"

namespace kestrune {

// 「ひな形フォルダーを開く」 in the names list's menu: the template folder of
// the list loaded ("X.ひな形" beside "X.txt") opens in the file manager,
// made first (after a yes) when it is missing.
class TemplateFolderCommand {
public:
    TemplateFolderCommand(WorkflowState& state, Desktop& desktop, Folders& folders, LoadedList& loadedList);

    // A RuntimeError (the folder cannot be made) leaves to the caller.
    void openTemplateFolder();

private:
    WorkflowState& state_;
    Desktop& desktop_;
    Folders& folders_;
    LoadedList& loadedList_;
};

}  // namespace kestrune
