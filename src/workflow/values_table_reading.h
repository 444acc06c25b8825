#pragma once

#include "list_reader.h"
#include "values_table.h"

#include <QStringList>

namespace kestrune {

// A values table from its physical lines (decoded, split at line ends). The
// first row that is not blank names the columns; each row below is one tree.
// The cells are parted by tabs when the column names are (as pasted from a
// spreadsheet or saved as .tsv), else by commas (.csv), and quoted as
// spreadsheets quote. Blank rows, and rows of only empty cells, are skipped.
// Refused, naming the row: no rows, a column without a name, two columns of
// one name, a row with more or fewer cells than there are columns, a cell
// holding a line break, more than mostTableRows rows.
ValuesTableReading valuesTableFrom(const QStringList& physicalLines);

// Tables from pasted text, or from text files read as list files are (the
// same encodings) but with a table's limits.
class TextValuesTableReader final : public ValuesTableReader {
public:
    explicit TextValuesTableReader(ListReader& files) : files_(files) {}

    ValuesTableReading readPasted(const QString& text) override;
    ValuesTableReading readFile(const QString& path) override;

private:
    ListReader& files_;
};

}  // namespace kestrune
