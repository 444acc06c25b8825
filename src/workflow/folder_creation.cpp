#include "folder_list_workflow.h"
#include "folder_names.h"
#include "folder_paths.h"
#include "runtime_error.h"
#include "text.h"
#include "workflow_texts.h"

#include <QDir>
#include <QSet>

#include <cstdint>

namespace kestrune {

namespace {

// Makes the parent, adding "#" while an entry of that name exists. The make
// itself decides, so no other program can take the name between a look and
// the make. The search ends when the name grows past what the file system
// accepts: the folder maker then fails with "name too long". Returns the
// path made.
QString makeParentFolder(Folders& folders, const QString& baseFolder, QString name)
{
    for (;;) {
        const QString path = joinPath(baseFolder, name);
        try {
            folders.makeFolder(path);
            return path;
        } catch (const RuntimeError& error) {
            if (error.number() != FileAlreadyExists)
                throw;
        }
        name += u'#';
    }
}

// A folder that is already there counts as made; a file of that name does not.
void makeOrKeepFolder(Folders& folders, const QString& path)
{
    try {
        folders.makeFolder(path);
    } catch (const RuntimeError& error) {
        if (error.number() != FileAlreadyExists || !folders.isFolder(path))
            throw;
    }
}

void makeSubFolders(Folders& folders, const QString& parentPath, const QStringList& names)
{
    // Levels already made in this press: a level shared by many lines costs
    // one call to the file system, not one per line.
    QSet<QString> done;
    for (const QString& name : names) {
        QString path = parentPath;
        for (const QString& level : folderLevels(name)) {
            path += pathSeparator;
            path += level;
            if (done.contains(path))
                continue;
            makeOrKeepFolder(folders, path);
            done.insert(path);
        }
    }
}

}  // namespace

void FolderListWorkflow::createFolders()
{
    if (state_.listState != ListState::Ready) {
        desktop_.beep();
        return;
    }
    const auto refuse = [this](const QString& message) {
        desktop_.beep();
        desktop_.showMessage(message);
    };

    // Every check comes before the first folder is made, so that a refused
    // press leaves the disk and the window as they were.
    QString parentName = trimSpaces(c_.parentNameEdit.text());
    if (parentName.isEmpty())
        parentName = texts::defaultParentName;
    if (!isValidParentName(parentName)) {
        refuse(texts::badParentName);
        return;
    }
    QStringList names;
    names.reserve(state_.nameCount);
    for (std::int32_t index = 1; index <= state_.nameCount; ++index)
        names.append(state_.names(index));
    if (const qsizetype line = firstUnmakeableLine(names); line != 0) {
        refuse(texts::badFolderNames + u'\n' +
               texts::numberedLine.arg(QString::number(line), withVisibleControls(names.at(line - 1))));
        return;
    }
    // A relative base would put the folders wherever the program was started.
    if (!QDir::isAbsolutePath(state_.baseFolder))
        throw RuntimeError(PathNotFound, texts::noBaseFolder.arg(state_.baseFolder));

    // On a failure the error leaves from here: the folders made so far stay,
    // the list stays ready for another try, and the pointer comes back.
    const BusyPointerGuard hourglass(desktop_);
    const QString parentPath = makeParentFolder(folders_, state_.baseFolder, parentName);
    makeSubFolders(folders_, parentPath, names);

    state_.listState = ListState::NotReady;
    c_.namesList.clear();
    c_.namesList.addItem(texts::creationFinished);
    c_.parentNameEdit.setText(QString());
}

}  // namespace kestrune
