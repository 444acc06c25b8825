#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The names of the records in the history folder: the press's number, which
// rises with every press, so that the newest is the one with the highest.
namespace kestrune {

QString recordFileName(qint64 number);
// The number of a record's file name; none for any other file.
std::optional<qint64> recordNumber(const QString& fileName);
// The highest number among `names`; 0 when none is a record's.
qint64 newestRecordNumber(const QStringList& names);

}  // namespace kestrune
