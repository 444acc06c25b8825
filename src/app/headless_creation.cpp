#include "headless_creation.h"

#include "app_texts.h"
#include "folder_paths.h"
#include "history_command_texts.h"
#include "history_commands.h"
#include "mounted_volumes.h"
#include "posix_folders.h"
#include "posix_history_folder.h"
#include "posix_list_reader.h"
#include "posix_texts.h"
#include "press_plan.h"
#include "press_run.h"
#include "program_identity.h"
#include "runtime_error.h"
#include "shelf_list_reader.h"
#include "shelf_listing.h"
#include "system_clock.h"
#include "table_reading.h"
#include "text_file_reader.h"
#include "threaded_shelf_reader.h"
#include "user_name.h"
#include "values_table_reading.h"
#include "workflow_texts.h"

#include <QFileInfo>

namespace kestrune {

namespace {

const QString standardInputName = QStringLiteral("-");

// Files, and "-" for standard input, which was read whole before anything
// else could take its descriptor.
class ListsWithStandardInput final : public ListReader {
public:
    explicit ListsWithStandardInput(QByteArray input) : input_(std::move(input)) {}
    QStringList readLines(const QString& path, const TextLimits& limits) override
    {
        return path == standardInputName ? readListBytes(input_, texts::standardInput, limits)
                                         : files_.readLines(path, limits);
    }

private:
    QByteArray input_;
    PosixListReader files_;
};

}  // namespace

HeadlessCreation::HeadlessCreation(const CreationHost& host, OutputStream& out, OutputStream& err)
    : lists_(host.lists), tableFiles_(host.tableFiles != nullptr ? *host.tableFiles : host.lists),
      folders_(host.folders), mounts_(host.mounts), clock_(host.clock), history_(host.history), out_(out), err_(err)
{
}

void HeadlessCreation::tell(const QString& message)
{
    err_.write(texts::commandName + QStringLiteral(": ") + message + u'\n');
}

namespace {

// One template file's row: its line's number ("-" for the parent's own), its
// status, its path, and for one skipped, why.
QString copyRow(const ListPreview& preview, const TemplateCopy& copy, const QString& prefix)
{
    const QString line =
        copy.entry < 0 ? QStringLiteral("-") : QString::number(preview.expanded.entries.at(copy.entry).line + 1);
    QString text = line + u'\t' + copyStatusWord(copy.status).toString() + u'\t' + prefix + copy.path;
    if (copy.status == CopyStatus::Skipped)
        text += u'\t' + copy.reason;
    return text + u'\n';
}

}  // namespace

void HeadlessCreation::printDryRun(const ListPreview& preview, const TemplatePlan& templates, const QString& baseFolder)
{
    QString text;
    const ToolTipWords words;
    // With several parents, each folder once per parent, its path in front.
    const bool severalParents = preview.parents.size() > 1;
    for (qsizetype parent = 0; parent < std::max<qsizetype>(preview.parents.size(), 1); ++parent) {
        const ParentShare share =
            preview.parents.isEmpty() ? ParentShare{preview.entries, {}} : preview.shareOf(parent);
        const QString prefix =
            severalParents ? joinPath(baseFolder, preview.parents.at(parent).folder) + u'/' : QString();
        for (qsizetype at = 0; at < share.entries.size(); ++at)
            text +=
                dryRunRow(preview.expanded.entries.at(share.indexOf(at)).line + 1, share.entries.at(at), prefix, words);
    }
    // The template's files after the folders, each parent's in turn.
    for (qsizetype parent = 0; parent < preview.parents.size(); ++parent) {
        const QString prefix =
            severalParents ? joinPath(baseFolder, preview.parents.at(parent).folder) + u'/' : QString();
        for (const TemplateCopy& copy : templates.copiesFor(parent)) {
            if (!copy.folder)
                text += copyRow(preview, copy, prefix);
        }
    }
    out_.write(text);
}

QString HeadlessCreation::dryRunRow(int lineNumber, const LinePreview& line, const QString& prefix,
                                    const ToolTipWords& words)
{
    // Its line's number, the status, then the folder (the reason for one that
    // makes nothing), then for a repeat or a warning the window's note on it.
    const StatusTraits& traits = traitsOf(line.status);
    QString text = QString::number(lineNumber) + u'\t' + traits.word.toString() + u'\t';
    switch (traits.dryRunField) {
    case DryRunField::Never:
    case DryRunField::Nothing:
        break;
    case DryRunField::Folder:
        text += prefix + line.folder;
        break;
    case DryRunField::Reason:
        text += line.reason;
        break;
    }
    if (const QString note = traits.note(line, words); !note.isEmpty())
        text += u'\t' + note;
    return text + u'\n';
}

int HeadlessCreation::run(const CommandLine& request)
{
    const int status = create(request);
    // The outcome must reach its reader: a path lost on a full disk or a
    // closed pipe is a failure, whatever was made.
    if (!out_.flush()) {
        tell(madeAny_ ? texts::outputLostFoldersStay : texts::outputLost);
        err_.flush();
        return ExitFailedHalfWay;
    }
    if (!err_.flush())
        return ExitFailedHalfWay;
    return status;
}

int HeadlessCreation::create(const CommandLine& request)
{
    QStringList lines;
    try {
        lines = linesFromTable(lists_.readList(request.list));
    } catch (const RuntimeError& error) {
        tell(texts::errorOccurred);
        tell(texts::numberedError.arg(error.number()).arg(error.description()));
        return ExitUnusable;
    }

    // Where the window would make it: the list file's folder, unless told.
    const QString baseFolder =
        cleanFolderPath(request.into.isEmpty() ? QFileInfo(request.list).absolutePath() : request.into);
    ValuesTable table;
    if (!request.valuesFile.isEmpty()) {
        TextValuesTableReader tables(tableFiles_);
        const ValuesTableReading reading = tables.readFile(request.valuesFile);
        if (!reading.refusal.isEmpty()) {
            const bool piped = request.valuesFile == standardInputName;
            tell(texts::tableRefused.arg(piped ? texts::standardInput : request.valuesFile, reading.refusal));
            return ExitUnusable;
        }
        table = reading.table;
        // A value given twice, by the table and by --set, is a mistake either way.
        for (auto value = request.values.cbegin(); value != request.values.cend(); ++value) {
            if (table.columnOf(value.key()) >= 0) {
                tell(texts::setOverridesColumn.arg(value.key()));
                return ExitUnusable;
            }
        }
    }

    PressRequest press;
    press.lines = lines;
    press.listFilePath = request.list == standardInputName ? QString() : QFileInfo(request.list).absoluteFilePath();
    press.target = pressTargetOf(baseFolder, mounts_);
    press.typedParentName = request.parent;
    press.notation = {{request.date.isValid() ? request.date : clock_.today(), request.values}, request.literal, table};
    press.fillIn = request.existing;
    if (!request.templateFolder.isEmpty())
        press.templateFolder = cleanFolderPath(request.templateFolder);
    press.noTemplate = request.noTemplate;
    const PressPlan plan = planPress(press, folders_, PlanUse::Press);

    // A table's value that adds a level refuses the list, its cell named, as in the window,
    // even when it lands in the parent name.
    if (plan.badParentName && !plan.preview.valueRefusal.isEmpty()) {
        tell(plan.preview.valueRefusal);
        return ExitRefused;
    }
    if (const std::optional<LinePreview>& parent = plan.badParentName) {
        tell(texts::badParentName + u'\n' + parent->folder + u'\n' + parent->reason);
        return ExitUnusable;
    }
    if (!plan.preview.waitingFor.isEmpty()) {
        tell(texts::valueNotGiven.arg(plan.preview.waitingFor.join(texts::listSeparator)));
        return ExitUnusable;
    }
    if (plan.baseError) {
        tell(texts::numberedError.arg(plan.baseError->number()).arg(plan.baseError->description()));
        return ExitUnusable;
    }
    // A template that cannot be read is unusable as a list is.
    if (const std::optional<RuntimeError>& unreadable = plan.templates.failure) {
        tell(texts::numberedError.arg(unreadable->number()).arg(unreadable->description()));
        return ExitUnusable;
    }
    if (request.dryRun)
        printDryRun(plan.preview, plan.templates, baseFolder);
    if (const QString refusal = plan.refusal(); !refusal.isEmpty()) {
        tell(refusal);
        return ExitRefused;
    }
    if (request.dryRun)
        return ExitMade;

    const std::unique_ptr<PressRecordWriter> journal = history_.newRecord();
    const PressOutcome outcome = carryOutPress(plan, nullptr, journal.get());
    const CreationRecord& record = outcome.record;
    madeAny_ = !record.isEmpty();
    // The folders are made all the same; only the undo from the history lacks them.
    if (!outcome.journalKept)
        tell(texts::historyNotRecorded.arg(history_.location()));
    if (outcome.failure) {
        if (outcome.failedEntry >= 0)
            tell(texts::failedAtLine.arg(plan.preview.expanded.entries.at(outcome.failedEntry).line + 1));
        tell(texts::numberedError.arg(outcome.failure->number()).arg(outcome.failure->description()));
        if (!record.isEmpty()) {
            QString made = record.filesMade() > 0 ? texts::foldersAndFilesMadeSoFar.arg(record.made.size())
                                                  : texts::foldersMadeSoFar.arg(record.made.size());
            for (const MadeEntry& entry : record.made)
                made += u'\n' + record.pathOf(entry);
            tell(made);
        }
        return ExitFailedHalfWay;
    }
    for (const ParentOutcome& parent : record.parents)
        out_.write(joinPath(record.basePath, parent.name) + u'\n');
    return ExitMade;
}

int runWithoutWindow(const CommandLine& line)
{
    // Before anything is opened: standard input is read before another file
    // can take its number, and a closed output fails where it is written.
    const bool inputOpen = holdClosedStandardDescriptors();
    OutputStream out(stdout);
    OutputStream err(stderr);
    const auto finish = [&](int status) {
        const bool written = out.flush();
        return err.flush() && written ? status : int(ExitFailedHalfWay);
    };
    switch (line.action) {
    case CommandLine::Action::ShowHelp:
        out.write(helpText());
        return finish(ExitMade);
    case CommandLine::Action::ShowVersion:
        out.write(versionText());
        return finish(ExitMade);
    case CommandLine::Action::UsageError:
    case CommandLine::Action::OpenWindow:
        err.write(usageErrorText(line.error));
        return finish(ExitUnusable);
    case CommandLine::Action::ListShelves: {
        ThreadedShelfReader shelves;
        return finish(listShelves(shelvesInSettings(), shelves, out, err));
    }
    case CommandLine::Action::Create:
    case CommandLine::Action::ShowHistory:
    case CommandLine::Action::Undo:
        break;
    }
    PosixFolders folders;
    const SystemClock clock;
    PosixHistoryFolder records(pressHistoryFolder());
    PressHistory history(records, folders, clock, currentUserName());
    history.removeOldest();
    if (line.action == CommandLine::Action::ShowHistory)
        return finish(printHistory(history, out, err));
    if (line.action == CommandLine::Action::Undo)
        return finish(undoFromHistory(history, line.undo, out, err));
    const ProcMountTable mounts;
    // Standard input first, whichever of the list and the table it holds.
    const bool tableOnInput = line.valuesFile == standardInputName;
    QByteArray input;
    if (line.list == standardInputName || tableOnInput) {
        try {
            if (!inputOpen)
                throw RuntimeError(BadFileNameOrNumber, texts::standardInputClosed);
            input = readWholeInput(0, texts::standardInput, tableOnInput ? tableFileLimits : listFileLimits);
        } catch (const RuntimeError& error) {
            err.write(texts::commandName + QStringLiteral(": ") + texts::errorOccurred + u'\n');
            err.write(texts::commandName + QStringLiteral(": ") +
                      texts::numberedError.arg(error.number()).arg(error.description()) + u'\n');
            return finish(ExitUnusable);
        }
    }
    ListsWithStandardInput files(std::move(input));
    if (!line.shelf.isEmpty()) {
        const std::optional<CommandLine> onTheShelf = onShelf(line, shelvesInSettings(), err);
        if (!onTheShelf)
            return finish(ExitUnusable);
        // A read that never answers is left behind on its thread when the program ends.
        ThreadedShelfReader shelves;
        ShelfListReader lists(shelves, shelfAnswerLimit);
        return HeadlessCreation({lists, folders, mounts, clock, history, &files}, out, err).run(*onTheShelf);
    }
    return HeadlessCreation({files, folders, mounts, clock, history, &files}, out, err).run(line);
}

QStringList argumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int index = 1; index < argc; ++index)
        arguments.append(QString::fromLocal8Bit(argv[index]));
    return arguments;
}

}  // namespace kestrune
