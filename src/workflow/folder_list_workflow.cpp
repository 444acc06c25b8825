#include "folder_list_workflow.h"

namespace kestrune {

FolderListWorkflow::FolderListWorkflow(const WorkflowControls& controls, Desktop& desktop, LineReader& files,
                                       Folders& folders, const MountTable& mounts)
    : c_(controls), desktop_(desktop), files_(files), folders_(folders), mounts_(mounts)
{
}

}  // namespace kestrune
