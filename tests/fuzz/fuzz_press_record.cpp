// Any bytes as a press's record, as the history reads one: the reading never
// fails otherwise than with a problem, and a record it takes is written back
// by the record's own writer into one that reads the same, so that nothing
// the reader accepts is lost or changed by the format.

#include "fuzz_support.h"
#include "press_record_format.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

using namespace kestrune;
using fuzz::require;

namespace {

bool sameId(const FolderId& first, const FolderId& second)
{
    return first.device == second.device && first.inode == second.inode && first.hasBirth == second.hasBirth &&
           first.bornSeconds == second.bornSeconds && first.bornNanoseconds == second.bornNanoseconds &&
           first.mount == second.mount && first.handle == second.handle;
}

QByteArray rewritten(const PressRecord& press)
{
    QByteArray out = pressrecord::beginning(press);
    for (const ParentOutcome& parent : press.parents)
        out += pressrecord::parentLine(parent);
    for (const MadeEntry& entry : press.made)
        out += pressrecord::itemLine(entry);
    if (press.ending != PressRecord::Ending::None)
        out += pressrecord::endLine(press.ending == PressRecord::Ending::Completed, press.startedAt);
    QList<qsizetype> gone;
    for (qsizetype index = 0; index < press.gone.size(); ++index) {
        if (press.gone.at(index))
            gone.append(index);
    }
    for (int undo = 0; undo < press.undos; ++undo)
        out += pressrecord::undoLine(press.startedAt, press.user, undo == 0 ? gone : QList<qsizetype>());
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray contents(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const pressrecord::Reading reading = pressrecord::read(contents);
    if (!reading.problem.isEmpty())
        return 0;
    const PressRecord& press = reading.press;
    require(press.gone.size() == press.made.size(), "one mark for each thing made");
    require(!press.basePath.isEmpty(), "a record read has its base");

    const pressrecord::Reading again = pressrecord::read(rewritten(press));
    require(again.problem.isEmpty(), "a record read is written back readable");
    const PressRecord& back = again.press;
    require(back.startedAt == press.startedAt && back.user == press.user, "when and who read back");
    require(back.listFilePath == press.listFilePath && back.basePath == press.basePath &&
                sameId(back.baseId, press.baseId) && back.plannedParents == press.plannedParents,
            "the list, the base and the plan read back");
    require(back.parents.size() == press.parents.size(), "every parent reads back");
    for (qsizetype index = 0; index < press.parents.size(); ++index)
        require(back.parents.at(index).name == press.parents.at(index).name &&
                    back.parents.at(index).made == press.parents.at(index).made,
                "a parent reads back");
    require(back.made.size() == press.made.size(), "everything made reads back");
    for (qsizetype index = 0; index < press.made.size(); ++index) {
        const MadeEntry& entry = press.made.at(index);
        const MadeEntry& other = back.made.at(index);
        require(other.path == entry.path && sameId(other.id, entry.id) && other.kind == entry.kind &&
                    (entry.kind == EntryKind::Folder || other.stamp == entry.stamp),
                "a thing made reads back");
    }
    require(back.ending == press.ending && back.gone == press.gone && back.undos == press.undos,
            "the end and the undos read back");
    require(back.state() == press.state(), "the state reads back");
    return 0;
}
