#include "press_record.h"

#include "folder_paths.h"

#include <algorithm>

namespace kestrune {

PressState PressRecord::state() const
{
    if (undos > 0)
        return hasUndoLeft() ? PressState::PartlyUndone : PressState::Undone;
    return ending == Ending::Completed ? PressState::Done : PressState::Interrupted;
}

bool PressRecord::hasUndoLeft() const
{
    for (qsizetype index = 0; index < made.size(); ++index) {
        if (!gone.value(index))
            return true;
    }
    return false;
}

qsizetype PressRecord::foldersMade() const
{
    return std::count_if(made.cbegin(), made.cend(), [](const MadeEntry& entry) {
        return entry.kind == EntryKind::Folder && entry.path.contains(pathSeparator);
    });
}

qsizetype PressRecord::filesMade() const
{
    return std::count_if(made.cbegin(), made.cend(),
                         [](const MadeEntry& entry) { return entry.kind != EntryKind::Folder; });
}

QStringList PressRecord::parentPaths() const
{
    QStringList paths;
    for (const ParentOutcome& parent : parents)
        paths.append(joinPath(basePath, parent.name));
    if (paths.isEmpty()) {
        for (const QString& name : plannedParents)
            paths.append(joinPath(basePath, name));
    }
    return paths;
}

CreationRecord PressRecord::leftToUndo() const
{
    CreationRecord record;
    record.basePath = basePath;
    record.baseId = baseId;
    record.parents = parents;
    for (qsizetype index = 0; index < made.size(); ++index) {
        if (!gone.value(index))
            record.made.append(made.at(index));
    }
    return record;
}

}  // namespace kestrune
