#include "folder_list_workflow.h"

namespace kestrune {

FolderListWorkflow::FolderListWorkflow(WorkflowState& state, const WorkflowControls& controls, const WorkflowHost& host)
    : tables_(host.lists), loadedList_(state, controls.namesList, controls.parentNameEdit, host.folders),
      values_(state, controls.parentNameEdit, host.desktop, host.rememberedValues, tables_, loadedList_),
      loading_(state, {controls.readmeViewer, controls.parentNameEdit, controls.folderList, controls.fileList},
               host.desktop, host.lists, host.shelfLists, host.recentLists, host.mounts, host.clock, loadedList_,
               values_),
      saving_(state, controls.folderList, controls.fileList, host.desktop, host.writer, host.recentLists, host.mounts,
              loadedList_),
      browsing_(state, {controls.driveList, controls.folderList, controls.fileList}, host.desktop, host.folders,
                host.recentLists, host.shelves, loadedList_, loading_),
      press_(state, {controls.namesList, controls.parentNameEdit, controls.folderList}, host.desktop, host.folders,
             host.history, loadedList_),
      undo_(state, controls.parentNameEdit, host.desktop, host.folders, host.lists, host.shelfLists, host.mounts,
            host.history, loadedList_, browsing_),
      history_(state, host.history, host.historyBox, host.desktop, host.folders, browsing_),
      templateFolder_(state, host.desktop, host.folders, loadedList_)
{
}

}  // namespace kestrune
