#include "history_commands.h"

#include "app_texts.h"
#include "headless_creation.h"
#include "history_command_texts.h"
#include "history_texts.h"
#include "workflow_texts.h"

namespace kestrune {

namespace {

QString stateWord(PressState state)
{
    switch (state) {
    case PressState::Done:
        break;
    case PressState::Undone:
        return texts::undoneWord;
    case PressState::PartlyUndone:
        return texts::partlyUndoneWord;
    case PressState::Interrupted:
        return texts::interruptedWord;
    }
    return texts::doneWord;
}

// When the press started, in this machine's time zone with its offset.
QString isoTime(const QDateTime& at)
{
    const QDateTime local = at.toLocalTime();
    return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODate);
}

void tell(OutputStream& err, const QString& message)
{
    err.write(texts::commandName + QStringLiteral(": ") + message + u'\n');
}

// The undo's report without its cap: a script gets every line.
void tellKept(OutputStream& err, const UndoOutcome& outcome)
{
    if (!outcome.kept.isEmpty()) {
        tell(err, texts::undoKeptHeading.arg(outcome.kept.size()));
        for (const KeptFolder& kept : outcome.kept)
            err.write(texts::undoKeptLine.arg(kept.path, kept.reason) + u'\n');
    }
    if (!outcome.failures.isEmpty()) {
        tell(err, texts::undoFailedHeading.arg(outcome.failures.size()));
        for (const UndoFailure& failure : outcome.failures)
            err.write(texts::undoFailedLine.arg(failure.path, failure.reason, QString::number(failure.number)) + u'\n');
    }
}

}  // namespace

int printHistory(const PressHistory& history, OutputStream& out, OutputStream& err)
{
    const PressListing listing = history.list();
    for (const QString& problem : listing.unreadable)
        tell(err, problem);
    for (const PressRecord& press : listing.presses) {
        const QStringList fields{QString::number(press.number),      isoTime(press.startedAt),
                                 stateWord(press.state()),           QString::number(press.foldersMade()),
                                 QString::number(press.filesMade()), press.parentPaths().join(texts::parentsJoiner)};
        out.write(fields.join(u'\t') + u'\n');
    }
    return ExitMade;
}

int undoFromHistory(PressHistory& history, const QString& which, OutputStream& out, OutputStream& err)
{
    std::optional<PressRecord> press;
    if (which == texts::lastPress) {
        press = history.newestToUndo();
        if (!press) {
            tell(err, texts::nothingToUndo);
            return ExitUnusable;
        }
    } else {
        bool isNumber = false;
        const qint64 number = which.toLongLong(&isNumber);
        QString problem;
        if (isNumber && number > 0)
            press = history.find(number, &problem);
        if (!press) {
            tell(err, problem.isEmpty() ? texts::unknownPress.arg(which) : texts::pressNotRead.arg(which, problem));
            return ExitUnusable;
        }
        if (!press->hasUndoLeft()) {
            tell(err, texts::alreadyUndone.arg(press->number));
            return ExitMade;
        }
    }
    const HistoryUndo done = history.undo(*press);
    out.write(undoReport({done.outcome.removed, done.outcome.parentsRemoved, done.outcome.filesRemoved, {}, {}}) +
              u'\n');
    tellKept(err, done.outcome);
    if (!done.recorded)
        tell(err, texts::undoNotRecorded);
    return done.outcome.removedAll() ? ExitMade : ExitFailedHalfWay;
}

}  // namespace kestrune
