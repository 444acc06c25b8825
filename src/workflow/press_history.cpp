#include "press_history.h"

#include "history_texts.h"
#include "press_record_format.h"
#include "record_names.h"
#include "runtime_error.h"

#include <QSet>

#include <algorithm>
#include <functional>
#include <utility>

namespace kestrune {

namespace {

// A record kept across a restart holds the numbers its mount had then; a
// file system mounted again may give other ones. When the base is still the
// same folder by what its file system says, every folder of the record is
// read with the base's numbers of today.
void followRemount(CreationRecord& left, Folders& folders)
{
    FolderId now;
    try {
        now = folders.openFolder(left.basePath)->id();
    } catch (const RuntimeError&) {
        return;  // the undo says why
    }
    if (isSameFolder(left.baseId, now) || !isSameFolderRemounted(left.baseId, now))
        return;
    for (MadeEntry& made : left.made)
        made.id = remounted(made.id, left.baseId, now);
    left.baseId = now;
}

}  // namespace

PressHistory::PressHistory(HistoryFolder& records, Folders& folders, const Clock& clock, QString user)
    : records_(records), folders_(folders), clock_(clock), user_(std::move(user))
{
}

QList<qint64> PressHistory::numbers(QStringList* unreadable) const
{
    QList<qint64> numbers;
    try {
        for (const QString& name : records_.names()) {
            if (const std::optional<qint64> number = recordNumber(name))
                numbers.append(*number);
        }
    } catch (const RuntimeError& error) {
        if (unreadable)
            unreadable->append(error.description());
    }
    std::sort(numbers.begin(), numbers.end(), std::greater<>());
    return numbers;
}

void PressHistory::removeOldest()
{
    const QList<qint64> kept = numbers();
    for (qsizetype index = mostKept; index < kept.size(); ++index) {
        try {
            records_.remove(recordFileName(kept.at(index)));
        } catch (const RuntimeError&) {  // tried again at the next start
        }
    }
}

std::unique_ptr<PressRecordWriter> PressHistory::newRecord() const
{
    return std::make_unique<PressRecordWriter>(records_, clock_, user_);
}

std::optional<PressRecord> PressHistory::read(qint64 number, QString& problem) const
{
    pressrecord::Reading reading;
    try {
        reading = pressrecord::read(records_.read(recordFileName(number)));
    } catch (const RuntimeError& error) {
        problem = error.description();
        return std::nullopt;
    }
    if (!reading.problem.isEmpty()) {
        problem = texts::recordNotRead.arg(recordFileName(number), reading.problem);
        return std::nullopt;
    }
    reading.press.number = number;
    return std::move(reading.press);
}

PressListing PressHistory::list() const
{
    PressListing listing;
    for (const qint64 number : numbers(&listing.unreadable)) {
        QString problem;
        if (std::optional<PressRecord> press = read(number, problem))
            listing.presses.append(std::move(*press));
        else
            listing.unreadable.append(problem);
    }
    return listing;
}

std::optional<PressRecord> PressHistory::find(qint64 number, QString* problem) const
{
    if (!numbers().contains(number))
        return std::nullopt;
    QString why;
    std::optional<PressRecord> press = read(number, why);
    if (problem)
        *problem = why;
    return press;
}

std::optional<PressRecord> PressHistory::newestToUndo() const
{
    for (const qint64 number : numbers()) {
        QString problem;
        std::optional<PressRecord> press = read(number, problem);
        if (press && press->hasUndoLeft())
            return press;
    }
    return std::nullopt;
}

HistoryUndo PressHistory::undo(PressRecord& press)
{
    HistoryUndo undo;
    const CreationRecord before = press.leftToUndo();
    if (before.isEmpty())
        return undo;
    CreationRecord left = before;
    followRemount(left, folders_);
    undo.outcome = undoCreation(left, folders_);
    const QList<qsizetype> gone = goneBetween(press, before, left);
    press.gone.resize(press.made.size());
    for (const qsizetype index : gone)
        press.gone[index] = true;
    ++press.undos;
    undo.recorded = press.number > 0 && addUndo(press.number, gone);
    return undo;
}

bool PressHistory::noteUndo(qint64 number, const CreationRecord& before, const CreationRecord& after)
{
    QString problem;
    const std::optional<PressRecord> press = number > 0 ? read(number, problem) : std::nullopt;
    return press && addUndo(number, goneBetween(*press, before, after));
}

QList<qsizetype> PressHistory::goneBetween(const PressRecord& press, const CreationRecord& before,
                                           const CreationRecord& after)
{
    // By path: each thing a press makes has a path of its own.
    QSet<QString> gone;
    for (const MadeEntry& entry : before.made)
        gone.insert(entry.path);
    for (const MadeEntry& entry : after.made)
        gone.remove(entry.path);
    QList<qsizetype> places;
    for (qsizetype index = 0; index < press.made.size(); ++index) {
        if (!press.gone.value(index) && gone.contains(press.made.at(index).path))
            places.append(index);
    }
    return places;
}

bool PressHistory::addUndo(qint64 number, const QList<qsizetype>& gone)
{
    try {
        const std::unique_ptr<AppendedFile> file = records_.openToAppend(recordFileName(number));
        file->append(pressrecord::undoLine(clock_.now(), user_, gone));
        file->sync();
    } catch (const RuntimeError&) {
        return false;
    }
    return true;
}

}  // namespace kestrune
