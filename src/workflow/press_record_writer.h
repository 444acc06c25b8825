#pragma once

#include "clock.h"
#include "history_folder.h"
#include "press_observers.h"
#include "press_record.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace kestrune {

// Writes the record of one press as it goes: each thing made is added, one
// line with one write, as soon as it is made, so that a press killed at any
// moment leaves a record of all it made but at most the one thing being made
// then. Never throws: when the record cannot be written (a full disk, a
// read-only home) the press goes on, and kept() says the history lacks it.
class PressRecordWriter final : public PressJournal {
public:
    PressRecordWriter(HistoryFolder& folder, const Clock& clock, QString user);

    // Makes the record, under the next free number, with when, by whom, the
    // list (none for a pasted one), the base and the parents planned.
    void begin(const PressPlan& plan, const CreationRecord& record) override;
    void parentReached(const ParentOutcome& parent) override;
    void made(const MadeEntry& entry) override;
    // The press is over (stopped at a failure unless `completed`): the
    // record says so and is put on the disk.
    void end(bool completed) override;
    // Everything so far is in the record.
    bool kept() const override { return kept_; }

    // The record's number in the history; 0 when it could not be made.
    qint64 number() const { return number_; }

private:
    void add(const QByteArray& lines);

    HistoryFolder& folder_;
    const Clock& clock_;
    QString user_;
    std::unique_ptr<AppendedFile> file_;
    qint64 number_ = 0;
    bool kept_ = false;
};

}  // namespace kestrune
