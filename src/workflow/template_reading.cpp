#include "template_reading.h"

#include "folder_paths.h"
#include "workflow_texts.h"

#include <QStringView>

#include <algorithm>
#include <utility>
#include <vector>

namespace kestrune {

QString templatePathFor(const QString& listFilePath)
{
    if (listFilePath.isEmpty())
        return {};
    const qsizetype slash = listFilePath.lastIndexOf(pathSeparator);
    const qsizetype dot = listFilePath.lastIndexOf(u'.');
    // A dot that starts the name (".list") is no suffix.
    const bool hasSuffix = dot > slash + 1;
    return (hasSuffix ? listFilePath.first(dot) : listFilePath) + texts::templateFolderSuffix;
}

QString junkFileReason(const QString& name)
{
    // "~$報告.xlsx": the lock Office keeps beside an open document; ".~lock.報告.xlsx#": LibreOffice's.
    const bool lock = name.startsWith(u"~$") || (name.startsWith(u".~lock.") && name.endsWith(u'#'));
    if (lock)
        return texts::skippedLockFile;
    // Thumbnails and folder settings of Windows, the Finder's folder settings
    // and the "._" halves a Mac writes beside each file on a foreign disk.
    const auto is = [&name](QStringView system) { return name.compare(system, Qt::CaseInsensitive) == 0; };
    if (is(u"Thumbs.db") || is(u"desktop.ini") || is(u".DS_Store") || name.startsWith(u"._"))
        return texts::skippedSystemFile;
    return {};
}

namespace {

QString skipReasonOf(const SizedEntry& entry)
{
    if (entry.kind == EntryKind::Link)
        return texts::skippedLink;
    if (!entry.plainFile)
        return texts::skippedSpecialFile;
    return junkFileReason(entry.name);
}

}  // namespace

TemplateTree readTemplate(Folders& folders, const QString& path)
{
    TemplateTree tree;
    tree.path = path;
    try {
        tree.folder = folders.openFolder(path);
        // Depth first, so that each folder comes before what it holds: a
        // stack of what is still to list, each with the open folder holding
        // it, so that only the folders along the way are open at once.
        struct Pending {
            TemplateItem item;
            std::shared_ptr<OpenFolder> holder;
        };
        std::vector<Pending> pending;
        const auto pushEntriesOf = [&pending](const std::shared_ptr<OpenFolder>& folder, const QStringList& levels) {
            QList<SizedEntry> entries = folder->sizedEntries();
            // Last name first: the stack then gives them back in order.
            std::sort(entries.begin(), entries.end(),
                      [](const SizedEntry& a, const SizedEntry& b) { return a.name > b.name; });
            for (const SizedEntry& entry : std::as_const(entries)) {
                const bool isFolder = entry.kind == EntryKind::Folder;
                pending.push_back({{levels + QStringList{entry.name}, isFolder, entry.size,
                                    isFolder ? QString() : skipReasonOf(entry)},
                                   folder});
            }
        };
        pushEntriesOf(tree.folder, {});
        while (!pending.empty()) {
            Pending next = std::move(pending.back());
            pending.pop_back();
            tree.items.append(next.item);
            if (next.item.folder)
                pushEntriesOf(next.holder->openFolder(next.item.levels.constLast()), next.item.levels);
        }
    } catch (const RuntimeError& error) {
        tree.items.clear();
        tree.folder.reset();
        tree.failure = error;
    }
    return tree;
}

}  // namespace kestrune
