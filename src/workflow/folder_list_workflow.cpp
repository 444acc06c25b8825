#include "folder_list_workflow.h"

namespace kestrune {

FolderListWorkflow::FolderListWorkflow(const WorkflowControls& controls, const WorkflowHost& host)
    : c_(controls), desktop_(host.desktop), lists_(host.lists), writer_(host.writer), folders_(host.folders),
      mounts_(host.mounts), recentLists_(host.recentLists), rememberedValues_(host.rememberedValues), clock_(host.clock)
{
}

void FolderListWorkflow::resetList()
{
    c_.namesList.clear();
    state_.listState = ListState::NotReady;
    state_.completionShown = false;
    state_.preview = ListPreview();
    state_.rows.clear();
    c_.parentNameEdit.setMark(ItemMark::None, QString());
}

}  // namespace kestrune
