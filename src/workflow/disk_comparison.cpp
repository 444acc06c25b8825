#include "disk_comparison.h"

#include "disk_lookup.h"
#include "folder_paths.h"
#include "workflow_texts.h"

namespace kestrune {

void compareWithDisk(ListPreview& preview, OpenFolder& base, bool windowsFileSystem)
{
    DiskLookup disk(base, windowsFileSystem);
    QList<QList<qsizetype>> indexes;
    preview.filledIn = false;  // each parent's share as planned, not as compared before
    preview.entriesByParent.clear();
    preview.parentsInTheWay.clear();
    for (qsizetype at = 0; at < preview.parents.size(); ++at) {
        LinePreview& parent = preview.parents[at];
        ParentShare share = preview.shareOf(at);
        if (parent.status != LineStatus::Refused) {
            const DiskLookup::Found found = disk.find({parent.folder});
            if (!found.blockedBy.isEmpty()) {
                parent.status = LineStatus::Refused;
                parent.reason = texts::reasonNotAFolderThere.arg(found.blockedBy);
                preview.parentsInTheWay.append(found.blockedBy);
            } else if (found.existing == 1) {
                parent.status = LineStatus::Exists;
                parent.folder = found.names.first();
                for (LinePreview& entry : share.entries) {
                    if (!makesFolder(entry.status))
                        continue;
                    const DiskLookup::Found levels =
                        disk.find(QStringList{parent.folder} + entry.folder.split(pathSeparator));
                    if (!levels.blockedBy.isEmpty()) {
                        entry.status = LineStatus::Refused;
                        entry.reason = texts::reasonNotAFolderThere.arg(levels.blockedBy);
                        continue;
                    }
                    entry.folder = levels.names.mid(1).join(pathSeparator);
                    if (levels.existing == levels.names.size())
                        entry.status = LineStatus::Exists;
                }
            }
        }
        preview.entriesByParent.append(std::move(share.entries));
        indexes.append(std::move(share.indexes));
    }
    preview.filledIn = true;
    // A folder's row says what holds for every parent that gets it: refused
    // for one is refused, and there already only when it is there in each.
    const qsizetype count = preview.entries.size();
    QList<bool> refused(count, false);
    QList<bool> everywhere(count, true);
    QList<const LinePreview*> first(count, nullptr);
    for (qsizetype parent = 0; parent < preview.entriesByParent.size(); ++parent) {
        const QList<LinePreview>& entries = preview.entriesByParent.at(parent);
        for (qsizetype at = 0; at < entries.size(); ++at) {
            const qsizetype index = indexes.at(parent).isEmpty() ? at : indexes.at(parent).at(at);
            const LinePreview& entry = entries.at(at);
            if (refused.at(index))
                continue;
            if (entry.status == LineStatus::Refused) {
                preview.entries[index] = entry;
                refused[index] = true;
                continue;
            }
            if (first.at(index) == nullptr)
                first[index] = &entry;
            everywhere[index] = everywhere.at(index) && entry.status == LineStatus::Exists;
        }
    }
    for (qsizetype index = 0; index < count; ++index) {
        if (!refused.at(index) && first.at(index) != nullptr && everywhere.at(index))
            preview.entries[index] = *first.at(index);
    }
}

}  // namespace kestrune
