#include "path_opening.h"

#include "event_dispatch.h"
#include "folder_paths.h"
#include "main_window.h"
#include "qt_file_list.h"
#include "qt_folder_list.h"

#include <QFileInfo>

namespace kestrune {

void openPath(MainWindow& window, EventDispatch& dispatch, const QString& path)
{
    const QFileInfo target(cleanFolderPath(path));
    bool chosen = false;
    dispatch.run([&] {
        if (target.isDir()) {
            window.folderList().setPath(target.filePath());
            return;
        }
        window.folderList().setPath(target.path());
        window.fileList().selectFile(target.fileName());
        chosen = true;
    });
    if (chosen)
        emit window.fileList().clicked();
}

}  // namespace kestrune
