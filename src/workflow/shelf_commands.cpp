#include "shelf_commands.h"

#include "workflow_texts.h"

#include <QFileInfo>

#include <optional>

namespace kestrune {

void ShelfCommands::addOpenFolder()
{
    const QString folder = folderList_.path();
    for (const Shelf& shelf : shelves_.shelves()) {
        if (shelf.path == folder) {
            desktop_.showMessage(texts::folderIsShelf.arg(shelf.name), texts::addShelfTitle);
            return;
        }
    }
    // The folder's own name to start with; the root has none, so its path.
    QString preset = QFileInfo(folder).fileName();
    if (preset.isEmpty())
        preset = folder;
    for (;;) {
        const std::optional<QString> typed = desktop_.askFileName(texts::shelfNamePrompt, preset, texts::addShelfTitle);
        if (!typed)
            return;
        const QString name = typed->trimmed();
        if (name.isEmpty()) {
            desktop_.beep();
            return;
        }
        if (!isUsableShelfName(name))
            desktop_.showMessage(texts::badShelfName, texts::addShelfTitle);
        else if (shelves_.find(name))
            desktop_.showMessage(texts::shelfNameTaken.arg(name), texts::addShelfTitle);
        else {
            shelves_.add(name, folder);
            return;
        }
        preset = *typed;
    }
}

void ShelfCommands::remove(const QString& name)
{
    // The menu offers only the person's own; one gone meanwhile beeps.
    if (!shelves_.remove(name))
        desktop_.beep();
}

}  // namespace kestrune
