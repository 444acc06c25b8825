#include "list_saving.h"

#include "folder_names.h"
#include "folder_paths.h"
#include "workflow_texts.h"

namespace kestrune {

ListSaving::ListSaving(WorkflowState& state, FolderList& folderList, FileList& fileList, Desktop& desktop,
                       ListWriter& writer, RecentLists& recentLists, const MountTable& mounts, LoadedList& loadedList)
    : state_(state), folderList_(folderList), fileList_(fileList), desktop_(desktop), writer_(writer),
      recentLists_(recentLists), mounts_(mounts), loadedList_(loadedList)
{
}

void ListSaving::saveList()
{
    if (!loadedList_.awaitsPress()) {
        desktop_.beep();
        return;
    }
    const std::optional<QString> typed =
        desktop_.askFileName(texts::saveListPrompt, texts::savedListName, texts::saveListTitle);
    if (!typed)
        return;
    const QString name = listFileNameFrom(*typed);
    if (name.isEmpty()) {
        desktop_.beep();
        desktop_.showMessage(texts::badListFileName.arg(*typed), texts::saveListTitle);
        return;
    }
    const QString folder = folderList_.path();
    const QString path = joinPath(folder, name);
    try {
        writer_.writeList(path, state_.lines, false);
    } catch (const RuntimeError& error) {
        if (error.number() != FileAlreadyExists)
            throw;
        if (!desktop_.askYesNo(texts::replaceListFile.arg(name), texts::saveListTitle))
            return;
        writer_.writeList(path, state_.lines, true);
    }

    // From now on the list is that file: the file list shows it chosen, and
    // the press, the undo and the recent lists name it.
    state_.listFilePath = path;
    state_.shelfList.reset();
    state_.baseFolder = withTrailingSeparator(folder);
    recentLists_.add(path);
    folderList_.setPath(folder);
    fileList_.setPath(folder);
    fileList_.choose(name);
    state_.volume = volumePlaceOf(state_.baseFolder, mounts_);
    loadedList_.showPreview();
}

}  // namespace kestrune
