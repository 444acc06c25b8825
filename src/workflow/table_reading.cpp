#include "table_reading.h"

#include "table_cells.h"

#include <QStringView>

#include <algorithm>
#include <vector>

namespace kestrune {

namespace {

constexpr QChar cellSeparator = u'\t';
constexpr QChar levelSeparator = u'/';

QString joinedLevels(const std::vector<QStringView>& cells)
{
    qsizetype length = static_cast<qsizetype>(cells.size()) - 1;
    for (const QStringView cell : cells)
        length += cell.size();
    QString line;
    line.reserve(length);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0)
            line.append(levelSeparator);
        line.append(cells[i]);
    }
    return line;
}

}  // namespace

QStringList linesFromTable(const QStringList& physicalLines)
{
    // Looked for in place: a search call per line costs more than the line's few characters.
    const bool isTable = std::any_of(physicalLines.cbegin(), physicalLines.cend(), [](const QString& line) {
        return std::find(line.cbegin(), line.cend(), cellSeparator) != line.cend();
    });
    if (!isTable)
        return physicalLines;

    QStringList logical;
    logical.reserve(physicalLines.size());
    TableCells table(physicalLines, cellSeparator);
    std::vector<QStringView> cells;
    std::vector<QStringView> above;
    while (!table.atEnd()) {
        table.readRow(cells);
        while (!cells.empty() && cells.back().isEmpty())
            cells.pop_back();
        if (cells.empty()) {
            logical.append(QString());
            continue;
        }
        for (std::size_t column = 0; column < cells.size() && column < above.size() && cells[column].isEmpty();
             ++column)
            cells[column] = above[column];
        logical.append(joinedLevels(cells));
        above.swap(cells);
    }
    return logical;
}

}  // namespace kestrune
