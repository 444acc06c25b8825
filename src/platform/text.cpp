#include "text.h"

namespace kestrune {

qsizetype utf8Length(QStringView text)
{
    qsizetype bytes = 0;
    const qsizetype size = text.size();
    for (qsizetype at = 0; at < size; ++at) {
        const char16_t unit = text[at].unicode();
        if (unit < 0x80) {
            bytes += 1;
        } else if (unit < 0x800) {
            bytes += 2;
        } else if (QChar::isHighSurrogate(unit) && at + 1 < size && QChar::isLowSurrogate(text[at + 1].unicode())) {
            bytes += 4;
            ++at;
        } else {
            bytes += 3;
        }
    }
    return bytes;
}

QString trimSpaces(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first);
}

}  // namespace kestrune
