#include "template_folder_command.h"

#include "folder_paths.h"
#include "runtime_error.h"
#include "template_reading.h"
#include "workflow_texts.h"

namespace kestrune {

TemplateFolderCommand::TemplateFolderCommand(WorkflowState& state, Desktop& desktop, Folders& folders,
                                             LoadedList& loadedList)
    : state_(state), desktop_(desktop), folders_(folders), loadedList_(loadedList)
{
}

void TemplateFolderCommand::openTemplateFolder()
{
    // A template belongs to a list file: a pasted list has none until saved.
    if (!loadedList_.awaitsPress() || state_.listFilePath.isEmpty()) {
        desktop_.beep();
        desktop_.showMessage(texts::templateNeedsListFile, texts::templateFolderTitle);
        return;
    }
    const QString path = templatePathFor(state_.listFilePath);
    const EntryKind there = folders_.kindOf(path);
    if (there == EntryKind::Other)
        throw RuntimeError(PathNotFound, texts::templateNotAFolder.arg(path));
    if (there == EntryKind::Missing) {
        if (!desktop_.askYesNo(texts::makeTemplateFolder.arg(path), texts::templateFolderTitle))
            return;
        // Made beside the list, by its one name in the list's open folder.
        const qsizetype cut = path.lastIndexOf(pathSeparator);
        const QString folder = cut <= 0 ? QString(pathSeparator) : path.first(cut);
        folders_.openFolder(folder)->makeFolder(path.sliced(cut + 1));
        // Its summary row shows from now on.
        loadedList_.showPreview();
    }
    desktop_.openFolder(path);
}

}  // namespace kestrune
