#include "table_reading.h"

#include <QStringView>

#include <algorithm>
#include <deque>
#include <optional>
#include <vector>

namespace kestrune {

namespace {

constexpr QChar cellSeparator = u'\t';
constexpr QChar quoteMark = u'"';
constexpr QChar levelSeparator = u'/';

// Reads the physical lines row by row. Cells are views into the lines where they can be; only a quoted cell
// that had to be rewritten (a doubled quote, a line end) is held here, for as long as the reading lasts, since
// the rows below may take it over by fill-down.
class TableScanner {
public:
    explicit TableScanner(const QStringList& lines) : lines_(lines) {}

    bool atEnd() const { return line_ >= lines_.size(); }

    // The cells of the next row, into `cells` (cleared first).
    void readRow(std::vector<QStringView>& cells)
    {
        cells.clear();
        for (;;) {
            cells.push_back(readCell());
            if (pos_ < lines_.at(line_).size()) {
                ++pos_;  // the tab
                continue;
            }
            ++line_;
            pos_ = 0;
            return;
        }
    }

private:
    // The cell at the reading position; leaves the position on the tab or the line end that ends it.
    QStringView readCell()
    {
        if (!quotesIgnored_ && pos_ < lines_.at(line_).size() && lines_.at(line_).at(pos_) == quoteMark) {
            if (const std::optional<QStringView> cell = readQuotedCell())
                return *cell;
            quotesIgnored_ = true;
        }
        return readPlainText();
    }

    QStringView readPlainText()
    {
        const QStringView text = lines_.at(line_);
        qsizetype end = text.indexOf(cellSeparator, pos_);
        if (end < 0)
            end = text.size();
        const QStringView cell = text.sliced(pos_, end - pos_);
        pos_ = end;
        return cell;
    }

    // A cell opened by the quote at the reading position, or none when no quote closes it (the position is
    // then left at the opening quote).
    std::optional<QStringView> readQuotedCell()
    {
        qsizetype line = line_;
        qsizetype from = pos_ + 1;
        QString rewritten;
        bool isRewritten = false;
        for (;;) {
            const QStringView text = lines_.at(line);
            const qsizetype quote = text.indexOf(quoteMark, from);
            if (quote < 0) {
                if (line + 1 == lines_.size())
                    return std::nullopt;
                rewritten.append(text.sliced(from));
                rewritten.append(u'\n');
                isRewritten = true;
                ++line;
                from = 0;
                continue;
            }
            if (quote + 1 < text.size() && text.at(quote + 1) == quoteMark) {
                rewritten.append(text.sliced(from, quote + 1 - from));
                isRewritten = true;
                from = quote + 2;
                continue;
            }
            // The closing quote. Text after it up to the tab is kept as it stands, as spreadsheets paste it.
            qsizetype end = text.indexOf(cellSeparator, quote + 1);
            if (end < 0)
                end = text.size();
            line_ = line;
            pos_ = end;
            if (!isRewritten && end == quote + 1)
                return text.sliced(from, quote - from);
            rewritten.append(text.sliced(from, quote - from));
            rewritten.append(text.sliced(quote + 1, end - quote - 1));
            return held_.emplace_back(std::move(rewritten));
        }
    }

    const QStringList& lines_;
    qsizetype line_ = 0;
    qsizetype pos_ = 0;
    // After a quote that is never closed no later quote can close either, so none is looked for again: this
    // also keeps the reading linear however many such quotes there are.
    bool quotesIgnored_ = false;
    std::deque<QString> held_;  // a deque, so that a cell held stays where it is as more are added
};

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
    TableScanner table(physicalLines);
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
