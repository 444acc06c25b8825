#include "folder_list_workflow.h"
#include "folder_names.h"
#include "messages.h"
#include "runtime_error.h"
#include "text.h"

#include <QDir>
#include <QFile>
#include <QSet>

#include <cerrno>
#include <cstdint>

namespace kestrune {

namespace {

// The longest folder name, in bytes, that the usual file systems accept. The
// search for a free parent name stops there, so that a folder crowded with
// "#" names cannot hold the window for ever.
constexpr qsizetype LongestNameBytes = 255;

QString joined(const QString& folder, const QString& name)
{
    return folder.endsWith(PathSeparator) ? folder + name : folder + PathSeparator + name;
}

// Makes the parent, adding "#" while an entry of that name exists. The make
// itself decides, so no other program can take the name between a look and
// the make. Returns the path made.
QString makeParentFolder(Folders& folders, const QString& baseFolder, QString name)
{
    for (;;) {
        const QString path = joined(baseFolder, name);
        try {
            folders.MkDir(path);
            return path;
        } catch (const RuntimeError& error) {
            if (error.number() != FileAlreadyExists)
                throw;
            if (QFile::encodeName(name).size() >= LongestNameBytes)
                throw errorFromErrno(ENAMETOOLONG, path + u'#');
        }
        name += u'#';
    }
}

// A folder that is already there counts as made; a file of that name does not.
void makeOrKeepFolder(Folders& folders, const QString& path)
{
    try {
        folders.MkDir(path);
    } catch (const RuntimeError& error) {
        if (error.number() != FileAlreadyExists || !folders.IsFolder(path))
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
            path += PathSeparator;
            path += level;
            if (done.contains(path))
                continue;
            makeOrKeepFolder(folders, path);
            done.insert(path);
        }
    }
}

}  // namespace

void FolderListWorkflow::Command2_Click()
{
    if (state_.LoadState != ListReady) {
        desktop_.Beep();
        return;
    }
    const auto refuse = [this](const QString& message) {
        desktop_.Beep();
        desktop_.MsgBox(message);
    };

    // Every check comes before the first folder is made, so that a refused
    // press leaves the disk and the window as they were.
    QString ParentName = Trim(c_.Text1.Text());
    if (ParentName.isEmpty())
        ParentName = messages::defaultParentName();
    if (!isValidParentName(ParentName)) {
        refuse(messages::badParentName());
        return;
    }
    QStringList names;
    names.reserve(state_.FolderCount);
    for (std::int32_t index = 1; index <= state_.FolderCount; ++index)
        names.append(state_.FolderNames(index));
    if (const qsizetype line = firstUnmakeableLine(names); line != 0) {
        refuse(messages::badFolderNames() + u'\n' +
               QStringLiteral("%1行目: %2").arg(QString::number(line), withVisibleControls(names.at(line - 1))));
        return;
    }
    // A relative base would put the folders wherever the program was started.
    if (!QDir::isAbsolutePath(state_.BaseFolder))
        throw RuntimeError(PathNotFound,
                           QStringLiteral("作成先のフォルダーが決まっていません: %1").arg(state_.BaseFolder));

    // On a failure the error leaves from here: the folders made so far stay,
    // the list stays ready for another try, and the pointer comes back.
    const HourglassPointer hourglass(desktop_);
    const QString ParentPath = makeParentFolder(folders_, state_.BaseFolder, ParentName);
    makeSubFolders(folders_, ParentPath, names);

    state_.LoadState = NoListReady;
    c_.List1.Clear();
    c_.List1.AddItem(messages::creationFinished());
    c_.Text1.setText(QString());
}

}  // namespace kestrune
