#include "folder_tree.h"

#include "folder_paths.h"

#include <QSet>

namespace kestrune {

namespace {

// Makes the parent, adding "#" while an entry of that name exists. The make
// itself decides, so no other program can take the name between a look and
// the make. The search ends when the name grows past what the file system
// accepts: the folder maker then fails with "name too long".
void makeParentFolder(Folders& folders, const QString& baseFolder, QString name, CreationRecord& record)
{
    for (;;) {
        const QString path = joinPath(baseFolder, name);
        try {
            const FolderId id = folders.makeFolder(path);
            record.parentPath = path;
            record.made.append({path, id});
            return;
        } catch (const RuntimeError& error) {
            if (error.number() != FileAlreadyExists)
                throw;
        }
        name += u'#';
    }
}

// Makes one level; true when it was made, false when a folder of that name
// was there already. A file of that name fails.
bool makeOrKeepFolder(Folders& folders, const QString& path, CreationRecord& record)
{
    try {
        record.made.append({path, folders.makeFolder(path)});
        return true;
    } catch (const RuntimeError& error) {
        if (error.number() != FileAlreadyExists || !folders.isFolder(path))
            throw;
        return false;
    }
}

}  // namespace

void makeFolderTree(Folders& folders, const QString& baseFolder, const QString& parentName,
                    const QList<LinePreview>& preview, CreationRecord& record, CreationProgress* progress)
{
    record = CreationRecord{};
    makeParentFolder(folders, baseFolder, parentName, record);

    // Levels already made in this press: a level shared by many lines costs
    // one call to the file system, not one per line.
    QSet<QString> done;
    QString path;
    for (qsizetype index = 0; index < preview.size(); ++index) {
        const LinePreview& line = preview.at(index);
        const int lineNumber = static_cast<int>(index + 1);
        if (line.status == LineStatus::Repeat) {
            ++record.alreadyThere;
            if (progress)
                progress->lineMade(lineNumber);
            continue;
        }
        if (!makesFolder(line.status))
            continue;
        try {
            bool madeAny = false;
            path = record.parentPath;
            qsizetype start = 0;
            const QString& folder = line.folder;
            while (start <= folder.size()) {
                qsizetype end = folder.indexOf(u'/', start);
                if (end < 0)
                    end = folder.size();
                path += pathSeparator;
                path += QStringView(folder).sliced(start, end - start);
                start = end + 1;
                if (done.contains(path))
                    continue;
                madeAny = makeOrKeepFolder(folders, path, record) || madeAny;
                done.insert(path);
            }
            if (!madeAny)
                ++record.alreadyThere;
        } catch (const RuntimeError& error) {
            if (progress)
                progress->lineFailed(lineNumber, error);
            throw;
        }
        if (progress)
            progress->lineMade(lineNumber);
    }
}

}  // namespace kestrune
