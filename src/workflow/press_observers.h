#pragma once

#include "creation_record.h"
#include "runtime_error.h"

#include <QtGlobal>

// What a press tells as it goes: a window marks its rows, a history keeps a
// record that survives the press being killed half-way.
namespace kestrune {

struct PressPlan;

// Told as each folder of the plan's preview is done. `entry` counts the
// preview's folders from 0, not the list's lines.
class PressProgress {
public:
    virtual ~PressProgress() = default;
    // Folder `entry` is made, or there already, or counts as done.
    virtual void folderDone(qsizetype entry) = 0;
    // Making folder `entry` failed; nothing after it is tried.
    virtual void folderFailed(qsizetype entry, const RuntimeError& error) = 0;
    // Template files copied so far, in bytes, of `total`; told as a copy goes.
    virtual void bytesCopied(qint64 copied, qint64 total)
    {
        Q_UNUSED(copied);
        Q_UNUSED(total);
    }
};

// Told of every parent reached and every thing made as soon as it is, so
// that a record of the press holds all of it whenever the press stops.
// Never throws: a journal that cannot write goes on quietly and says so
// through kept().
class PressJournal {
public:
    virtual ~PressJournal() = default;
    // Before the first make; `record` holds the base as opened.
    virtual void begin(const PressPlan& plan, const CreationRecord& record) = 0;
    virtual void parentReached(const ParentOutcome& parent) = 0;
    virtual void made(const MadeEntry& entry) = 0;
    // The press ended: completed, or stopped at a failure.
    virtual void end(bool completed) = 0;
    // False when some of the record could not be written.
    virtual bool kept() const = 0;
};

}  // namespace kestrune
