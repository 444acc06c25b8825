#include "record_names.h"

#include <algorithm>

namespace kestrune {

namespace {

const QString recordSuffix = QStringLiteral(".press");
// Padded so that a listing by name lists them in order.
constexpr int paddedDigits = 6;
// Enough for any count of presses, few enough that the number cannot overflow.
constexpr qsizetype mostDigits = 15;

}  // namespace

QString recordFileName(qint64 number)
{
    return QStringLiteral("%1").arg(number, paddedDigits, 10, QLatin1Char('0')) + recordSuffix;
}

std::optional<qint64> recordNumber(const QString& fileName)
{
    if (!fileName.endsWith(recordSuffix))
        return std::nullopt;
    const QStringView digits = QStringView(fileName).chopped(recordSuffix.size());
    if (digits.isEmpty() || digits.size() > mostDigits ||
        !std::all_of(digits.cbegin(), digits.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    const qint64 number = digits.toLongLong();
    if (number <= 0)
        return std::nullopt;
    return number;
}

qint64 newestRecordNumber(const QStringList& names)
{
    qint64 newest = 0;
    for (const QString& name : names)
        newest = std::max(newest, recordNumber(name).value_or(0));
    return newest;
}

}  // namespace kestrune
