#include "list_text.h"

#include "list_limits.h"
#include "runtime_error.h"
#include "workflow_texts.h"

namespace kestrune {

QStringList splitListText(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    while (start < size) {
        qsizetype end = start;
        while (end < size && text.at(end) != u'\r' && text.at(end) != u'\n')
            ++end;
        if (lines.size() == mostListLines)
            throw RuntimeError(TooManyLines, texts::pastedTooManyLines.arg(mostListLines));
        if (end - start > longestListLine)
            throw RuntimeError(BadRecordLength, texts::pastedLineTooLong.arg(longestListLine));
        lines.append(text.mid(start, end - start));
        // CR LF is one line end.
        start = end + (end + 1 < size && text.at(end) == u'\r' && text.at(end + 1) == u'\n' ? 2 : 1);
    }
    return lines;
}

}  // namespace kestrune
