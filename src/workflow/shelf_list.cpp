#include "shelf_list.h"

#include "folder_paths.h"
#include "workflow_texts.h"

namespace kestrune {

namespace {

// Starts a shelf list's entry: no path starts so (every path kept is
// absolute), and a tab is in no shelf's or shelf list's name.
const QString recentShelfMark = QStringLiteral("shelf\t");
constexpr QChar recentShelfSeparator = u'\t';

QString titleOf(const QString& shelfName, const QString& listName)
{
    return texts::shelfListTitle.arg(shelfName, listName);
}

}  // namespace

QString ShelfList::path() const
{
    return joinPath(shelf.path, name);
}

QString ShelfList::title() const
{
    return titleOf(shelf.name, name);
}

QString recentEntryOf(const ShelfList& list)
{
    return recentShelfMark + list.shelf.name + recentShelfSeparator + list.name;
}

std::optional<RecentShelfList> recentShelfListOf(const QString& entry)
{
    if (!entry.startsWith(recentShelfMark))
        return std::nullopt;
    const qsizetype separator = entry.indexOf(recentShelfSeparator, recentShelfMark.size());
    if (separator < 0)
        return std::nullopt;
    return RecentShelfList{entry.mid(recentShelfMark.size(), separator - recentShelfMark.size()),
                           entry.mid(separator + 1)};
}

QString recentEntryTitle(const QString& entry)
{
    const std::optional<RecentShelfList> list = recentShelfListOf(entry);
    return list ? titleOf(list->shelfName, list->listName) : entry;
}

}  // namespace kestrune
