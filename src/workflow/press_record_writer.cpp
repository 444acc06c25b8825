#include "press_record_writer.h"

#include "press_plan.h"
#include "press_record_format.h"
#include "record_names.h"
#include "runtime_error.h"

#include <utility>

namespace kestrune {

namespace {

// Numbers tried when other processes take the next ones at the same moment.
constexpr int mostNumberTries = 100;

}  // namespace

PressRecordWriter::PressRecordWriter(HistoryFolder& folder, const Clock& clock, QString user)
    : folder_(folder), clock_(clock), user_(std::move(user))
{
}

void PressRecordWriter::begin(const PressPlan& plan, const CreationRecord& record)
{
    PressRecord press;
    press.startedAt = clock_.now();
    press.user = user_;
    press.listFilePath = plan.request.listFilePath;
    press.basePath = record.basePath;
    press.baseId = record.baseId;
    for (const LinePreview& parent : plan.preview.parents)
        press.plannedParents.append(parent.folder);
    try {
        qint64 number = newestRecordNumber(folder_.names()) + 1;
        for (int tries = 0; !file_ && tries < mostNumberTries; ++tries, ++number) {
            file_ = folder_.create(recordFileName(number));
            if (file_)
                number_ = number;
        }
        if (!file_)
            return;
        kept_ = true;
        add(pressrecord::beginning(press));
    } catch (const RuntimeError&) {
        kept_ = false;
    }
}

void PressRecordWriter::parentReached(const ParentOutcome& parent)
{
    add(pressrecord::parentLine(parent));
}

void PressRecordWriter::made(const MadeEntry& entry)
{
    add(pressrecord::itemLine(entry));
}

void PressRecordWriter::end(bool completed)
{
    add(pressrecord::endLine(completed, clock_.now()));
    if (!file_)
        return;
    try {
        file_->sync();
    } catch (const RuntimeError&) {
        kept_ = false;
    }
    file_.reset();
}

void PressRecordWriter::add(const QByteArray& lines)
{
    // After one line is lost the record stops: it says what was made up to
    // there, and the person is told that the history lacks the rest.
    if (!kept_ || !file_)
        return;
    try {
        file_->append(lines);
    } catch (const RuntimeError&) {
        kept_ = false;
        file_.reset();
    }
}

}  // namespace kestrune
