#include "disk_comparison.h"

#include "disk_lookup.h"
#include "folder_paths.h"
#include "workflow_texts.h"

namespace kestrune {

void compareWithDisk(ListPreview& preview, OpenFolder& base, bool windowsFileSystem)
{
    DiskLookup disk(base, windowsFileSystem);
    preview.filledIn = true;
    preview.entriesByParent.clear();
    preview.parentsInTheWay.clear();
    for (LinePreview& parent : preview.parents) {
        QList<LinePreview> entries = preview.entries;
        if (parent.status != LineStatus::Refused) {
            const DiskLookup::Found found = disk.find({parent.folder});
            if (!found.blockedBy.isEmpty()) {
                parent.status = LineStatus::Refused;
                parent.reason = texts::reasonNotAFolderThere.arg(found.blockedBy);
                preview.parentsInTheWay.append(found.blockedBy);
            } else if (found.existing == 1) {
                parent.status = LineStatus::Exists;
                parent.folder = found.names.first();
                for (LinePreview& entry : entries) {
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
        preview.entriesByParent.append(std::move(entries));
    }
    // A folder's row says what holds for every parent: refused for one is
    // refused, and there already only when it is there in each.
    for (qsizetype index = 0; index < preview.entries.size(); ++index) {
        LinePreview& combined = preview.entries[index];
        bool everywhere = !preview.entriesByParent.isEmpty();
        for (const QList<LinePreview>& entries : std::as_const(preview.entriesByParent)) {
            const LinePreview& entry = entries.at(index);
            if (entry.status == LineStatus::Refused) {
                combined = entry;
                everywhere = false;
                break;
            }
            everywhere = everywhere && entry.status == LineStatus::Exists;
        }
        if (everywhere)
            combined = preview.entriesByParent.first().at(index);
    }
}

}  // namespace kestrune
