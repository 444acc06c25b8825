#include "headless_creation.h"

#include "app_texts.h"
#include "folder_names.h"
#include "folder_paths.h"
#include "folder_tree.h"
#include "list_reading.h"
#include "mounted_volumes.h"
#include "posix_folders.h"
#include "posix_line_reader.h"
#include "runtime_error.h"
#include "text.h"
#include "workflow_texts.h"

#include <QFileInfo>

namespace kestrune {

namespace {

// Remembers the line at which a make failed, to name it.
class FailedLine final : public CreationProgress {
public:
    void lineMade(int) override {}
    void lineFailed(int lineNumber, const RuntimeError&) override { number = lineNumber; }
    int number = 0;
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
    }
    return {};
}

void write(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

}  // namespace

HeadlessCreation::HeadlessCreation(PosixLineReader& files, Folders& folders, const MountTable& mounts, std::FILE* out,
                                   std::FILE* err)
    : files_(files), folders_(folders), mounts_(mounts), out_(out), err_(err)
{
}

void HeadlessCreation::tell(const QString& message)
{
    write(err_, texts::commandName + QStringLiteral(": ") + message + u'\n');
}

QStringList HeadlessCreation::readList(const QString& list)
{
    const int handle = files_.freeHandle();
    const OpenListGuard closeOnExit(files_, handle);
    if (list == QStringLiteral("-"))
        files_.openStandardInput(handle);
    else
        files_.open(list, handle);
    QStringList lines = readRemainingLines(files_, handle);
    files_.close(handle);
    return lines;
}

void HeadlessCreation::printDryRun(const QList<LinePreview>& preview)
{
    QString text;
    for (qsizetype index = 0; index < preview.size(); ++index) {
        const LinePreview& line = preview.at(index);
        // Number, status, then the folder (the reason for a refused line),
        // then for a repeat or a warning the window's note on it.
        text += QString::number(index + 1) + u'\t' + statusWord(line.status) + u'\t';
        switch (line.status) {
        case LineStatus::Ok:
            text += line.folder;
            break;
        case LineStatus::Blank:
            break;
        case LineStatus::Repeat:
            text += line.folder + u'\t' + texts::previewRepeat.arg(line.sameAsLine);
            break;
        case LineStatus::Refused:
            text += line.reason;
            break;
        case LineStatus::Unsafe:
            text += line.folder + u'\t' + line.reason;
            break;
        }
        text += u'\n';
    }
    write(out_, text);
}

int HeadlessCreation::run(const CommandLine& request)
{
    // The name as the window takes it from its box: trimmed, or the preset.
    QString parentName = trimSpaces(request.parent);
    if (parentName.isEmpty())
        parentName = texts::defaultParentName;
    if (!isValidParentName(parentName)) {
        tell(texts::badParentName);
        return ExitUnusable;
    }

    QStringList lines;
    try {
        lines = readList(request.list);
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

    const bool windowsFileSystem = isWindowsFileSystemType(fileSystemTypeFor(baseFolder, mounts_.entries()));
    const QList<LinePreview> preview = previewLines(lines, PreviewTarget{baseFolder, parentName, windowsFileSystem});
    if (request.dryRun)
        printDryRun(preview);
    if (const QString refusal = refusalMessage(lines, preview); !refusal.isEmpty()) {
        tell(refusal);
        return ExitRefused;
    }
    if (request.dryRun)
        return ExitMade;

    CreationRecord record;
    FailedLine failed;
    try {
        makeFolderTree(folders_.openFolder(baseFolder), parentName, preview, record, &failed);
    } catch (const RuntimeError& error) {
        if (failed.number != 0)
            tell(texts::failedAtLine.arg(failed.number));
        tell(texts::numberedError.arg(error.number()).arg(error.description()));
        if (!record.isEmpty()) {
            QString made = texts::foldersMadeSoFar.arg(record.made.size());
            for (const MadeFolder& folder : record.made)
                made += u'\n' + record.pathOf(folder);
            tell(made);
        }
        return ExitFailedHalfWay;
    }
    write(out_, record.parentPath + u'\n');
    return ExitMade;
}

int runWithoutWindow(const CommandLine& line)
{
    switch (line.action) {
    case CommandLine::Action::ShowHelp:
        write(stdout, helpText());
        return ExitMade;
    case CommandLine::Action::ShowVersion:
        write(stdout, versionText());
        return ExitMade;
    case CommandLine::Action::UsageError:
    case CommandLine::Action::OpenWindow:
        write(stderr, usageErrorText(line.error));
        return ExitUnusable;
    case CommandLine::Action::Create:
        break;
    }
    PosixLineReader files;
    PosixFolders folders;
    const ProcMountTable mounts;
    return HeadlessCreation(files, folders, mounts, stdout, stderr).run(line);
}

QStringList argumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int index = 1; index < argc; ++index)
        arguments.append(QString::fromLocal8Bit(argv[index]));
    return arguments;
}

}  // namespace kestrune
