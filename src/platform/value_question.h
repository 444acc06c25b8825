#pragma once

#include "values_table.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>

namespace kestrune {

// What the box for a list's values asks: the {?名前} groups of the list and
// the parent name, and the reference date when dates are used. A table may
// fill fields instead, one tree per row.
struct ValueQuestion {
    QStringList names;                   // in order of first appearance, each once
    QHash<QString, QString> current;     // each name's value now, preset in its field
    QHash<QString, QStringList> recent;  // each name's last values, newest first, offered in its field
    bool askDate = false;                // offer 基準日
    QDate date;                          // 基準日's preset
    ValuesTable table = {};              // the table in use now, if any
    QString tableRefusal = {};           // why the table last used could not be read again
    QString folder = {};                 // where 「表ファイル…」 starts: the list's folder
};

// What the person gave.
struct ValueAnswer {
    QHash<QString, QString> values;  // one per name asked that no column of `table` fills
    QDate date;                      // 基準日, or the preset when not asked
    ValuesTable table = {};          // the table taken (its file's path with it), or none
};

}  // namespace kestrune
