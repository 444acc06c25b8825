#include "creation_record.h"

#include "folder_paths.h"

#include <algorithm>

namespace kestrune {

namespace {

bool isParent(const MadeEntry& entry)
{
    return entry.kind == EntryKind::Folder && !entry.path.contains(pathSeparator);
}

}  // namespace

qsizetype CreationRecord::parentsMade() const
{
    return std::count_if(made.cbegin(), made.cend(), isParent);
}

qsizetype CreationRecord::subFoldersMade() const
{
    return std::count_if(made.cbegin(), made.cend(),
                         [](const MadeEntry& entry) { return entry.kind == EntryKind::Folder && !isParent(entry); });
}

qsizetype CreationRecord::filesMade() const
{
    return std::count_if(made.cbegin(), made.cend(),
                         [](const MadeEntry& entry) { return entry.kind != EntryKind::Folder; });
}

QString CreationRecord::parentPath() const
{
    return parents.isEmpty() ? QString() : joinPath(basePath, parents.first().name);
}

QString CreationRecord::pathOf(const MadeEntry& entry) const
{
    return joinPath(basePath, entry.path);
}

}  // namespace kestrune
