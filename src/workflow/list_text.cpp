#include "list_text.h"

#include "list_limits.h"

namespace kestrune {

std::optional<QStringList> splitListText(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    while (start < size) {
        qsizetype end = start;
        while (end < size && text.at(end) != u'\r' && text.at(end) != u'\n')
            ++end;
        if (lines.size() == mostListLines || end - start > longestListLine)
            return std::nullopt;
        lines.append(text.mid(start, end - start));
        // CR LF is one line end.
        start = end + (end + 1 < size && text.at(end) == u'\r' && text.at(end + 1) == u'\n' ? 2 : 1);
    }
    return lines;
}

}  // namespace kestrune
