#pragma once

#include <QChar>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <deque>
#include <optional>
#include <vector>

namespace kestrune {

// The cells of a table as spreadsheets write it, row by row, from its physical
// lines (already decoded and split at CR, LF or CR LF). `separator` parts the
// cells (a tab as pasted, a comma in a .csv file).
//
// A cell that starts with a quote is quoted as spreadsheets quote: it ends at
// the next lone quote, and a doubled quote inside stands for one. A quoted cell
// may run over line ends, each kept in the cell as "\n"; a quoted separator
// stays in the cell. A quote that is never closed quotes nothing: from it on,
// every quote is plain text and each physical line is one row.
class TableCells {
public:
    TableCells(const QStringList& lines, QChar separator) : lines_(lines), separator_(separator) {}

    bool atEnd() const { return line_ >= lines_.size(); }
    // The physical line the next row starts on, counted from 0.
    qsizetype line() const { return line_; }

    // The cells of the next row, into `cells` (cleared first). They stay valid
    // for as long as this reader: a cell is a view into the lines where it can
    // be, and only one that had to be rewritten (a doubled quote, a line end)
    // is held here.
    void readRow(std::vector<QStringView>& cells);

private:
    QStringView readCell();
    QStringView readPlainText();
    std::optional<QStringView> readQuotedCell();

    const QStringList& lines_;
    QChar separator_;
    qsizetype line_ = 0;
    qsizetype pos_ = 0;
    // After a quote that is never closed no later quote can close either, so none is looked for again: this
    // also keeps the reading linear however many such quotes there are.
    bool quotesIgnored_ = false;
    std::deque<QString> held_;  // a deque, so that a cell held stays where it is as more are added
};

}  // namespace kestrune
