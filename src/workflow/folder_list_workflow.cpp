#include "folder_list_workflow.h"

namespace kestrune {

FolderListWorkflow::FolderListWorkflow(const WorkflowControls& controls, Desktop& desktop, LineReader& files,
                                       Folders& folders)
    : c_(controls), desktop_(desktop), files_(files), folders_(folders)
{
}

}  // namespace kestrune
