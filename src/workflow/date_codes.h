#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>

// Excel's date codes as the list notation reads them: yyyy yy m mm d dd
// aaa aaaa g gg ggg e ee, ASCII and in any case, the longest spelling first,
// joined by "-", "_", "." and spaces, which are copied as written.
namespace kestrune {

// True when `codes` is nothing but date codes and joiners, with at least one
// code.
bool isDateCodes(QStringView codes);

// `codes` written out for `date`. Empty when `codes` is no date format, the
// date is invalid or an era code meets a date before the first era. `e` reads
// 元 in an era's first year only beside `g`, `gg` or `ggg`, as on a form.
std::optional<QString> formatDate(QStringView codes, QDate date);

}  // namespace kestrune
