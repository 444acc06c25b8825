#pragma once

#include "clock.h"
#include "creation_undo.h"
#include "folders.h"
#include "history_folder.h"
#include "press_record.h"
#include "press_record_writer.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace kestrune {

// The presses recorded in the history folder, newest first.
struct PressListing {
    QList<PressRecord> presses;
    // One line for each record that could not be read: its file and why.
    QStringList unreadable;
};

// What an undo from the history did.
struct HistoryUndo {
    UndoOutcome outcome;
    bool recorded = true;  // the record says what the undo took away
};

// The history of the presses: one record for each, in the person's data
// folder, whether the window made it or the command line did. A record that
// cannot be read never stops anything: it is skipped, and said so.
class PressHistory {
public:
    // The records kept; older ones are removed at start-up.
    static constexpr qsizetype mostKept = 200;

    PressHistory(HistoryFolder& records, Folders& folders, const Clock& clock, QString user);

    // Removes every record but the newest mostKept. Never fails: what
    // cannot be removed stays until the next start.
    void removeOldest();

    // A writer for the record of a new press.
    std::unique_ptr<PressRecordWriter> newRecord() const;

    PressListing list() const;
    // The press numbered `number`; none when there is no such record, with
    // why in `problem` when there is one that cannot be read.
    std::optional<PressRecord> find(qint64 number, QString* problem = nullptr) const;
    // The newest press that something is left to undo of, read newest first
    // and no further than needed.
    std::optional<PressRecord> newestToUndo() const;

    // Takes back what is left of `press` by the undo's rules (only what it
    // made, only what is still the same and empty), then adds to its record
    // what went; `press` follows.
    HistoryUndo undo(PressRecord& press);
    // Adds to the record `number` that an undo made elsewhere (the window's,
    // of its own press) took away what `before` held and `after` no longer
    // does. False when the record could not be read or added to.
    bool noteUndo(qint64 number, const CreationRecord& before, const CreationRecord& after);

    const QString& user() const { return user_; }
    // Where the records lie, for messages.
    QString location() const { return records_.path(); }

private:
    // The records' numbers, newest first; none when the folder cannot be read.
    QList<qint64> numbers(QStringList* unreadable = nullptr) const;
    // The record `number`, or why not.
    std::optional<PressRecord> read(qint64 number, QString& problem) const;
    // The places in `press` of what `before` held and `after` does not.
    static QList<qsizetype> goneBetween(const PressRecord& press, const CreationRecord& before,
                                        const CreationRecord& after);
    // Adds an undo that took away the things at `gone` to the record `number`.
    bool addUndo(qint64 number, const QList<qsizetype>& gone);

    HistoryFolder& records_;
    Folders& folders_;
    const Clock& clock_;
    QString user_;
};

}  // namespace kestrune
