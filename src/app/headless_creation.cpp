#include "headless_creation.h"

#include "app_texts.h"
#include "disk_comparison.h"
#include "folder_names.h"
#include "folder_paths.h"
#include "folder_tree.h"
#include "mounted_volumes.h"
#include "posix_folders.h"
#include "posix_list_reader.h"
#include "posix_texts.h"
#include "runtime_error.h"
#include "system_clock.h"
#include "table_reading.h"
#include "text_file_reader.h"
#include "workflow_texts.h"

#include <QFileInfo>

namespace kestrune {

namespace {

// Remembers the folder at which a make failed, to name its line.
class FailedFolder final : public CreationProgress {
public:
    void folderDone(qsizetype) override {}
    void folderFailed(qsizetype failed, const RuntimeError&) override { entry = failed; }
    qsizetype entry = -1;
};

QString statusWord(LineStatus status)
{
    switch (status) {
    case LineStatus::Ok:
        return QStringLiteral("ok");
    case LineStatus::Blank:
        return QStringLiteral("blank");
    case LineStatus::Repeat:
        return QStringLiteral("repeat");
    case LineStatus::Refused:
        return QStringLiteral("refused");
    case LineStatus::Unsafe:
        return QStringLiteral("unsafe");
    case LineStatus::Notation:
        return QStringLiteral("notation");
    case LineStatus::Waiting:
        return QStringLiteral("waiting");
    case LineStatus::Exists:
        return QStringLiteral("exists");
    }
    return {};
}

// A list read from standard input, which was read whole before anything
// else could take its descriptor.
class StandardInputList final : public ListReader {
public:
    explicit StandardInputList(QByteArray contents) : contents_(std::move(contents)) {}
    QStringList readLines(const QString&, const TextLimits& limits) override
    {
        return readListBytes(contents_, texts::standardInput, limits);
    }

private:
    QByteArray contents_;
};

}  // namespace

HeadlessCreation::HeadlessCreation(const CreationHost& host, OutputStream& out, OutputStream& err)
    : lists_(host.lists), folders_(host.folders), mounts_(host.mounts), clock_(host.clock), out_(out), err_(err)
{
}

void HeadlessCreation::tell(const QString& message)
{
    err_.write(texts::commandName + QStringLiteral(": ") + message + u'\n');
}

void HeadlessCreation::printDryRun(const ListPreview& preview, const QString& baseFolder)
{
    QString text;
    // With several parents, each folder once per parent, its path in front.
    const bool severalParents = preview.parents.size() > 1;
    for (qsizetype parent = 0; parent < std::max<qsizetype>(preview.parents.size(), 1); ++parent) {
        const QList<LinePreview>& entries = preview.parents.isEmpty() ? preview.entries : preview.entriesFor(parent);
        const QString prefix =
            severalParents ? joinPath(baseFolder, preview.parents.at(parent).folder) + u'/' : QString();
        for (qsizetype index = 0; index < entries.size(); ++index)
            text += dryRunRow(preview.expanded.entries.at(index).line + 1, entries.at(index), prefix);
    }
    out_.write(text);
}

QString HeadlessCreation::dryRunRow(int lineNumber, const LinePreview& line, const QString& prefix)
{
    // Its line's number, the status, then the folder (the reason for a
    // refused one), then for a repeat or a warning the window's note on it.
    QString text = QString::number(lineNumber) + u'\t' + statusWord(line.status) + u'\t';
    {
        switch (line.status) {
        case LineStatus::Ok:
        case LineStatus::Exists:
            text += prefix + line.folder;
            break;
        case LineStatus::Blank:
            break;
        case LineStatus::Repeat:
            text += prefix + line.folder + u'\t' + texts::previewRepeat.arg(line.sameAsLine);
            break;
        case LineStatus::Refused:
        case LineStatus::Waiting:
            text += line.reason;
            break;
        case LineStatus::Unsafe:
        case LineStatus::Notation:
            text += prefix + line.folder + u'\t' + line.reason;
            break;
        }
    }
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
    if (!QFileInfo(baseFolder).isDir()) {
        tell(texts::notAFolder.arg(baseFolder));
        return ExitUnusable;
    }

    const VolumePlace volume = volumePlaceOf(baseFolder, mounts_);
    const PreviewTarget target{baseFolder, parentNameFrom(request.parent), volume};
    const NotationSettings notation{{request.date.isValid() ? request.date : clock_.today(), request.values},
                                    request.literal};
    ListPreview preview = previewList(lines, target, notation);
    for (const LinePreview& parent : preview.parents) {
        if (parent.status == LineStatus::Refused) {
            tell(texts::badParentName + u'\n' + parent.folder + u'\n' + parent.reason);
            return ExitUnusable;
        }
    }
    if (!preview.waitingFor.isEmpty()) {
        tell(texts::valueNotGiven.arg(preview.waitingFor.join(texts::listSeparator)));
        return ExitUnusable;
    }
    // Opened once: the disk is compared, and the folders made, through it.
    std::shared_ptr<OpenFolder> base;
    try {
        base = folders_.openFolder(baseFolder);
    } catch (const RuntimeError& error) {
        tell(texts::numberedError.arg(error.number()).arg(error.description()));
        return ExitUnusable;
    }
    if (request.existing)
        compareWithDisk(preview, *base, volume.windowsFileSystem);
    if (request.dryRun)
        printDryRun(preview, baseFolder);
    if (const QString refusal = preview.refusal(); !refusal.isEmpty()) {
        tell(refusal);
        return ExitRefused;
    }
    if (request.dryRun)
        return ExitMade;

    CreationRecord record;
    FailedFolder failed;
    const ParentChoice choice = request.existing ? ParentChoice::FillIn : ParentChoice::NewName;
    try {
        for (qsizetype parent = 0; parent < preview.parents.size(); ++parent)
            makeFolderTree(base, preview.parents.at(parent).folder, choice, preview.entriesFor(parent), record,
                           &failed);
    } catch (const RuntimeError& error) {
        madeAny_ = !record.isEmpty();
        if (failed.entry >= 0)
            tell(texts::failedAtLine.arg(preview.expanded.entries.at(failed.entry).line + 1));
        tell(texts::numberedError.arg(error.number()).arg(error.description()));
        if (!record.isEmpty()) {
            QString made = texts::foldersMadeSoFar.arg(record.made.size());
            for (const MadeFolder& folder : record.made)
                made += u'\n' + record.pathOf(folder);
            tell(made);
        }
        return ExitFailedHalfWay;
    }
    madeAny_ = true;
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
    case CommandLine::Action::Create:
        break;
    }
    PosixFolders folders;
    const ProcMountTable mounts;
    const SystemClock clock;
    if (line.list != QStringLiteral("-")) {
        PosixListReader lists;
        return HeadlessCreation({lists, folders, mounts, clock}, out, err).run(line);
    }
    QByteArray input;
    try {
        if (!inputOpen)
            throw RuntimeError(BadFileNameOrNumber, texts::standardInputClosed);
        input = readWholeInput(0, texts::standardInput, listFileLimits);
    } catch (const RuntimeError& error) {
        err.write(texts::commandName + QStringLiteral(": ") + texts::errorOccurred + u'\n');
        err.write(texts::commandName + QStringLiteral(": ") +
                  texts::numberedError.arg(error.number()).arg(error.description()) + u'\n');
        return finish(ExitUnusable);
    }
    StandardInputList lists(std::move(input));
    return HeadlessCreation({lists, folders, mounts, clock}, out, err).run(line);
}

QStringList argumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int index = 1; index < argc; ++index)
        arguments.append(QString::fromLocal8Bit(argv[index]));
    return arguments;
}

}  // namespace kestrune
