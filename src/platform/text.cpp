#include "text.h"

#include "runtime_error.h"

namespace kestrune {

QString Trim(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first);
}

qsizetype InStr(qsizetype start, const QString& text, const QString& sought)
{
    if (start < 1)
        throw RuntimeError(InvalidProcedureCall, QStringLiteral("InStr: start %1 is below 1").arg(start));
    if (start > text.size())
        return 0;
    const qsizetype at = text.indexOf(sought, start - 1, Qt::CaseSensitive);
    return at < 0 ? 0 : at + 1;
}

}  // namespace kestrune
