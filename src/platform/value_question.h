#pragma once

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>

namespace kestrune {

// What the box for a list's values asks: the {?名前} groups of the list and
// the parent name, and the reference date when dates are used.
struct ValueQuestion {
    QStringList names;                   // in order of first appearance, each once
    QHash<QString, QString> current;     // each name's value now, preset in its field
    QHash<QString, QStringList> recent;  // each name's last values, newest first, offered in its field
    bool askDate = false;                // offer 基準日
    QDate date;                          // 基準日's preset
};

// What the person gave.
struct ValueAnswer {
    QHash<QString, QString> values;  // one per name asked
    QDate date;                      // 基準日, or the preset when not asked
};

}  // namespace kestrune
