#include "disk_lookup.h"

#include "folder_paths.h"
#include "runtime_error.h"
#include "unicode_names.h"

#include <memory>
#include <vector>

namespace kestrune {

DiskLookup::Found DiskLookup::find(const QStringList& levels)
{
    Found found;
    for (qsizetype depth = 0; depth < levels.size(); ++depth) {
        const Listing& listing = listingOf(found.names);
        const auto there = listing.constFind(nameKey(levels.at(depth), windows_));
        if (there == listing.cend()) {
            found.names += levels.mid(depth);
            return found;
        }
        found.names.append(there->name);
        if (there->kind != EntryKind::Folder) {
            found.blockedBy = found.names.join(pathSeparator);
            found.blockedKind = there->kind;
            return found;
        }
        ++found.existing;
    }
    return found;
}

const DiskLookup::Listing& DiskLookup::listingOf(const QStringList& levels)
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

}  // namespace kestrune
