#include "folder_list_workflow.h"
#include "folder_names.h"
#include "workflow_texts.h"

namespace kestrune {

namespace {

ItemMark markFor(LineStatus status)
{
    switch (status) {
    case LineStatus::Ok:
        return ItemMark::Ok;
    case LineStatus::Blank:
        return ItemMark::Blank;
    case LineStatus::Repeat:
        return ItemMark::Repeat;
    case LineStatus::Refused:
        return ItemMark::Refused;
    case LineStatus::Unsafe:
        return ItemMark::Warning;
    }
    return ItemMark::None;
}

}  // namespace

void FolderListWorkflow::showPreview(const QString& parentName)
{
    const PreviewTarget target{state_.baseFolder, parentName, state_.volume};
    state_.preview = previewLines(state_.lines, target);
    for (qsizetype row = 0; row < state_.preview.size(); ++row) {
        const LinePreview& line = state_.preview.at(row);
        c_.namesList.setItemMark(static_cast<int>(row), markFor(line.status), toolTipFor(line));
    }
    const LinePreview parent = previewParentName(target);
    c_.parentNameEdit.setMark(markFor(parent.status), toolTipFor(parent));
}

void FolderListWorkflow::onParentNameEdited()
{
    // Only a names list waiting for the press follows the name; the Readme
    // viewer and the completion line have no preview.
    if (state_.listState != ListState::Ready || isReadmePath(state_.listFilePath))
        return;
    showPreview(parentNameFrom(c_.parentNameEdit.text()));
}

}  // namespace kestrune
