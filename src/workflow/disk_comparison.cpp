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
