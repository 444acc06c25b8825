#pragma once

#include "controls.h"
#include "desktop.h"
#include "shelf_settings.h"

#include <QString>

namespace kestrune {

// What the 「棚」 menu changes: the person's own shelves.
class ShelfCommands {
public:
    ShelfCommands(ShelfSettings& shelves, FolderList& folderList, Desktop& desktop)
        : shelves_(shelves), folderList_(folderList), desktop_(desktop)
    {
    }

    // 「このフォルダーを棚に追加…」: asks for a name and keeps the folder open
    // in the folder list as a shelf of the person's own. A folder that is a
    // shelf already is named, not added twice; a name that cannot be used
    // is said why and asked again.
    void addOpenFolder();
    // 「棚から外す」: the person's own shelf `name` leaves the menu; its folder
    // and lists stay as they are.
    void remove(const QString& name);

private:
    ShelfSettings& shelves_;
    FolderList& folderList_;
    Desktop& desktop_;
};

}  // namespace kestrune
