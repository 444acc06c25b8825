#pragma once

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// The {…} notation of list lines and parent names: one line written once
// stands for many folders. A group is one of
//   {yyyymmdd} {ggge} …  Excel's date codes on the reference date
//   {年度} {年度:ggge}     the fiscal year (from April), or date codes on its 1 April
//   {1..12} {01..12} {A..E}  a sequence, up or down; a leading zero pads
//   {x,y,01..03}         a list of items, each literal text or a sequence
//   {?名前}              a value the person is asked for
// "{{" and "}}" are literal braces. Several groups multiply out, the first
// varying slowest. A group that fits none stays as written and is flagged.
// Pure: no disk, no widgets, so that the window, the preview and the command
// line expand a line the same way.
namespace kestrune {

// What the notation is filled with.
struct NotationValues {
    QDate date;                     // the reference date; date groups on an invalid date are unknown
    QHash<QString, QString> asked;  // {?名前} -> the value given
};

struct NotationResult {
    QString text;                 // one result, substituted
    bool valueAddsLevel = false;  // an asked value or list item holds "/" or "\": the line is refused
};

struct Expansion {
    QList<NotationResult> results;  // in order; empty when `count` exceeds the limit or values are missing
    qint64 count = 0;               // the product of the group sizes (saturated), computed even when not materialised
    bool usesNotation = false;      // a group or an escaped brace was recognised: the results differ from the text
    bool unknownGroup = false;      // some group fits no notation and is kept as written (the 「記法?」 warning)
    QStringList missingValues;      // names of {?…} groups with no value, in order of first appearance
};

// Expands `text`. Results are materialised only while count <= mostResults,
// so that {1..100000000} costs nothing until it is wanted.
Expansion expandNotation(const QString& text, const NotationValues& values, qint64 mostResults);

// The names of the {?名前} groups of `text`, in order of first appearance, each once.
QStringList askedNames(const QString& text);

// True when `text` holds a date or fiscal-year group, whatever the date: the
// window then offers a reference-date field.
bool usesDates(const QString& text);

}  // namespace kestrune
