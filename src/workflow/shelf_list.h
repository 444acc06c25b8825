#pragma once

#include "shelf_reader.h"

#include <QString>

#include <optional>

namespace kestrune {

// A list chosen from a shelf. It is read from the shelf and its folders are
// made in the folder open when it was chosen; what lies beside it on the
// shelf (its "X.ひな形", say) is found from path(), as for any list file.
struct ShelfList {
    Shelf shelf;
    QString name;  // the list's file name on the shelf

    QString path() const;
    // 「棚: 名前 / 一覧.txt」
    QString title() const;
};

// A shelf list in 「最近使った一覧」 is remembered by its shelf's name and its
// file name, not by its path: reopened, it is taken from the shelf of that
// name as the settings have it then. Any other entry is a list file's path.
QString recentEntryOf(const ShelfList& list);
struct RecentShelfList {
    QString shelfName;
    QString listName;
};
std::optional<RecentShelfList> recentShelfListOf(const QString& entry);
// What 「最近使った一覧」 shows for `entry`: a path as it is, a shelf list by its title.
QString recentEntryTitle(const QString& entry);

}  // namespace kestrune
