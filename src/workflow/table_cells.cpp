#include "table_cells.h"

namespace kestrune {

namespace {

constexpr QChar quoteMark = u'"';

}  // namespace

void TableCells::readRow(std::vector<QStringView>& cells)
{
    cells.clear();
    for (;;) {
        cells.push_back(readCell());
        if (pos_ < lines_.at(line_).size()) {
            ++pos_;  // the separator
            continue;
        }
        ++line_;
        pos_ = 0;
        return;
    }
}

// The cell at the reading position; leaves the position on the separator or the line end that ends it.
QStringView TableCells::readCell()
{
    if (!quotesIgnored_ && pos_ < lines_.at(line_).size() && lines_.at(line_).at(pos_) == quoteMark) {
        if (const std::optional<QStringView> cell = readQuotedCell())
            return *cell;
        quotesIgnored_ = true;
    }
    return readPlainText();
}

QStringView TableCells::readPlainText()
{
    const QStringView text = lines_.at(line_);
    qsizetype end = text.indexOf(separator_, pos_);
    if (end < 0)
        end = text.size();
    const QStringView cell = text.sliced(pos_, end - pos_);
    pos_ = end;
    return cell;
}

// A cell opened by the quote at the reading position, or none when no quote closes it (the position is then
// left at the opening quote).
std::optional<QStringView> TableCells::readQuotedCell()
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
        // The closing quote. Text after it up to the separator is kept as it stands, as spreadsheets paste it.
        qsizetype end = text.indexOf(separator_, quote + 1);
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

}  // namespace kestrune
