#pragma once

#include "press_record.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

// The text a press's record is written in: UTF-8 lines, each a tag and its
// fields separated by tabs, a first line naming the format and its version.
// A backslash, a tab, a line end, any other control character and half a
// surrogate pair in a field are written as escapes (\\ \t \n \r \uXXXX), so
// that any path fits on one line and reads back the same. Each line is
// written whole with one write as the press goes: a record killed at any
// moment ends in a whole line, or in a line cut short that reading drops.
namespace kestrune::pressrecord {

// The first lines: the format, when and by whom, the list, the base and the
// parents planned.
QByteArray beginning(const PressRecord& press);
QByteArray parentLine(const ParentOutcome& parent);
QByteArray itemLine(const MadeEntry& entry);
QByteArray endLine(bool completed, const QDateTime& at);
// An undo at `at` by `user` that took away the items numbered `gone` (their
// places in `made`, rising).
QByteArray undoLine(const QDateTime& at, const QString& user, const QList<qsizetype>& gone);

struct Reading {
    PressRecord press;
    QString problem;  // why the record cannot be used; empty when it can
};

// Reads a record back. Never fails otherwise: anything but a record of this
// version, whole but for a last line cut short, gives a problem.
Reading read(const QByteArray& contents);

}  // namespace kestrune::pressrecord
