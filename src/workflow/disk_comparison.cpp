#include "disk_comparison.h"

#include "folder_paths.h"
#include "runtime_error.h"
#include "unicode_names.h"
#include "workflow_texts.h"

#include <QHash>

#include <memory>
#include <vector>

namespace kestrune {

namespace {

// The folders under a base as their listings show them, each folder read
// once however many lines lead through it.
class DiskLookup {
public:
    DiskLookup(OpenFolder& base, bool windowsFileSystem) : base_(base), windows_(windowsFileSystem) {}

    struct Found {
        QStringList names;       // each level as named on the disk when there, else as given
        qsizetype existing = 0;  // the levels there as folders, from the top
        QString blockedBy;       // the first level that is a file or a link, relative to the base
    };

    Found find(const QStringList& levels)
    {
        Found found;
        for (qsizetype depth = 0; depth < levels.size(); ++depth) {
            const auto& listing = listingOf(found.names);
            const auto there = listing.constFind(nameKey(levels.at(depth), windows_));
            if (there == listing.cend()) {
                found.names += levels.mid(depth);
                return found;
            }
            found.names.append(there->name);
            if (there->kind != EntryKind::Folder) {
                found.blockedBy = found.names.join(pathSeparator);
                return found;
            }
            ++found.existing;
        }
        return found;
    }

private:
    using Listing = QHash<QString, NamedEntry>;

    const Listing& listingOf(const QStringList& levels)
    {
        const QString path = levels.join(pathSeparator);
        if (const auto known = listings_.constFind(path); known != listings_.cend())
            return *known;
        Listing listing;
        try {
            std::vector<std::unique_ptr<OpenFolder>> chain;
            OpenFolder* folder = &base_;
            for (const QString& level : levels) {
                chain.push_back(folder->openFolder(level));
                folder = chain.back().get();
            }
            for (const NamedEntry& entry : folder->entries()) {
                const QString key = nameKey(entry.name, windows_);
                // Twins on the disk: the one already in NFC is the one meant.
                if (!listing.contains(key) || entry.name == key)
                    listing.insert(key, entry);
            }
        } catch (const RuntimeError&) {  // unreadable: nothing is known to be there
        }
        return *listings_.insert(path, listing);
    }

    OpenFolder& base_;
    bool windows_;
    QHash<QString, Listing> listings_;
};

}  // namespace

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
