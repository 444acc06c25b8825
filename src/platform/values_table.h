#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace kestrune {

// A table of values, as copied from a spreadsheet or saved from one: its first
// row names the columns, each row below gives one tree of folders. A column
// named like a {?名前} field fills that field, row by row.
struct ValuesTable {
    QStringList columns;      // the names, in order, each once
    QList<QStringList> rows;  // each with one cell per column, in order; rows of only empty cells are left out
    QList<int> rowLines;      // each row's line in the table, counted from 1 (the column names are line 1)
    QString filePath;         // the file it was read from; empty when pasted

    // No table: one tree, filled with the values typed.
    bool isEmpty() const { return rows.isEmpty(); }
    // The column named `name`, or -1.
    qsizetype columnOf(const QString& name) const { return columns.indexOf(name); }

    friend bool operator==(const ValuesTable&, const ValuesTable&) = default;
};

// A table read, or why it was refused (naming the row and what is wrong).
struct ValuesTableReading {
    ValuesTable table;
    QString refusal;  // empty when read
};

// Reads values tables from the clipboard's text or from a file. Kestrune never
// writes to a table.
class ValuesTableReader {
public:
    virtual ~ValuesTableReader() = default;
    virtual ValuesTableReading readPasted(const QString& text) = 0;
    // A file that cannot be read is refused with the reason.
    virtual ValuesTableReading readFile(const QString& path) = 0;
};

}  // namespace kestrune
