#include "values_table_reading.h"

#include "list_text.h"
#include "runtime_error.h"
#include "table_cells.h"
#include "workflow_texts.h"

#include <QSet>

#include <algorithm>
#include <utility>
#include <vector>

namespace kestrune {

namespace {

constexpr QChar tab = u'\t';
constexpr QChar comma = u',';

bool allEmpty(const std::vector<QStringView>& cells)
{
    return std::all_of(cells.cbegin(), cells.cend(), [](QStringView cell) { return cell.isEmpty(); });
}

qsizetype cellCount(const QString& line, QChar separator)
{
    const QStringList lines{line};
    TableCells cells(lines, separator);
    std::vector<QStringView> row;
    cells.readRow(row);
    return static_cast<qsizetype>(row.size());
}

// Tabs when the column names are parted by them, else commas. Decided on the
// first line that holds anything, read as cells: a quoted comma in a pasted
// name does not make a .csv of it.
QChar separatorOf(const QStringList& lines)
{
    const auto first = std::find_if(lines.cbegin(), lines.cend(), [](const QString& line) { return !line.isEmpty(); });
    if (first == lines.cend() || cellCount(*first, tab) > 1)
        return tab;
    return cellCount(*first, comma) > 1 ? comma : tab;
}

ValuesTableReading refused(const QString& why)
{
    return {{}, why};
}

// The column names of the row in `cells` (on `line`, counted from 1), or why
// they cannot be.
QString readColumnNames(const std::vector<QStringView>& cells, int line, QStringList& columns)
{
    QSet<QString> seen;
    for (std::size_t index = 0; index < cells.size(); ++index) {
        const QString name = cells[index].trimmed().toString();
        if (name.isEmpty())
            return texts::tableColumnUnnamed.arg(line).arg(index + 1);
        if (seen.contains(name))
            return texts::tableColumnTwice.arg(line).arg(name);
        seen.insert(name);
        columns.append(name);
    }
    return {};
}

}  // namespace

ValuesTableReading valuesTableFrom(const QStringList& physicalLines)
{
    TableCells table(physicalLines, separatorOf(physicalLines));
    ValuesTable values;
    std::vector<QStringView> cells;
    int headerLine = 0;
    while (!table.atEnd()) {
        const int line = static_cast<int>(table.line()) + 1;
        table.readRow(cells);
        if (allEmpty(cells))
            continue;
        if (const auto breakAt =
                std::find_if(cells.cbegin(), cells.cend(), [](QStringView cell) { return cell.contains(u'\n'); });
            breakAt != cells.cend())
            return refused(texts::tableLineBreak.arg(line));
        if (headerLine == 0) {
            headerLine = line;
            if (QString why = readColumnNames(cells, line, values.columns); !why.isEmpty())
                return refused(why);
            continue;
        }
        if (std::cmp_not_equal(cells.size(), values.columns.size()))
            return refused(texts::tableCellCount.arg(line).arg(cells.size()).arg(values.columns.size()));
        if (values.rows.size() == mostTableRows)
            return refused(texts::tableTooManyRows.arg(line).arg(mostTableRows));
        QStringList row;
        row.reserve(values.columns.size());
        for (const QStringView cell : cells)
            row.append(cell.toString());
        values.rows.append(row);
        values.rowLines.append(line);
    }
    if (headerLine == 0)
        return refused(texts::tableEmpty);
    if (values.rows.isEmpty())
        return refused(texts::tableNoRows.arg(headerLine + 1));
    return {values, {}};
}

ValuesTableReading TextValuesTableReader::readPasted(const QString& text)
{
    const std::optional<QStringList> lines = splitListText(text, tableFileLimits);
    if (!lines)
        return refused(texts::tableTooLarge.arg(mostTableRows).arg(tableFileLimits.longestLine));
    return valuesTableFrom(*lines);
}

ValuesTableReading TextValuesTableReader::readFile(const QString& path)
{
    try {
        ValuesTableReading reading = valuesTableFrom(files_.readLines(path, tableFileLimits));
        if (reading.refusal.isEmpty())
            reading.table.filePath = path;
        return reading;
    } catch (const RuntimeError& error) {
        return refused(error.description());
    }
}

}  // namespace kestrune
