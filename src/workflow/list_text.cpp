#include "list_text.h"

namespace kestrune {

std::optional<QStringList> splitListText(const QString& text, const TextLimits& limits)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    while (start < size) {
        qsizetype end = start;
        while (end < size && text.at(end) != u'\r' && text.at(end) != u'\n')
            ++end;
        if (lines.size() == limits.mostLines || end - start > limits.longestLine)
            return std::nullopt;
        lines.append(text.mid(start, end - start));
        // CR LF is one line end.
        start = end + (end + 1 < size && text.at(end) == u'\r' && text.at(end + 1) == u'\n' ? 2 : 1);
    }
    return lines;
}

}  // namespace kestrune
