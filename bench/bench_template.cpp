// Template files: a press of 1000 lines `名前/見積` whose template gives every
// 見積 a 64 KiB file (1000 files into 1000 folders), against `cp -r` of the
// very tree it makes; and the preview of a list with a template of 1000 files,
// against reading that template's listing with a look at each file.
#include "figures.h"
#include "folder_list_workflow.h"
#include "folder_paths.h"
#include "japanese_names.h"
#include "paired_rounds.h"
#include "posix_folders.h"
#include "quiet_controls.h"
#include "scratch_folder.h"
#include "workflow_texts.h"

#include <QProcess>

#include <benchmark/benchmark.h>

#include <dirent.h>
#include <fcntl.h>
#include <stdexcept>
#include <string>
#include <sys/stat.h>

namespace kestrune::bench {

namespace {

constexpr int fileBytes = 64 * 1024;
const std::string templateName = "list" + texts::templateFolderSuffix.toStdString();

void copyTree(const std::string& from, const std::string& to)
{
    if (QProcess::execute(QStringLiteral("cp"),
                          {QStringLiteral("-r"), QString::fromStdString(from), QString::fromStdString(to)}) != 0)
        throw std::runtime_error("cp -r " + from + " failed");
}

void copyTemplateFiles(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    try {
        ScratchFolder scratch("template-copy");
        const std::string base = scratch.path();
        QStringList lines;
        for (const QString& name : japaneseNames(count))
            lines.append(name + QStringLiteral("/見積"));
        makeFolder(base + "/" + templateName);
        makeFolder(base + "/" + templateName + "/見積");
        writeFile(base + "/" + templateName + "/見積/見積書.xlsx", std::string(fileBytes, 'x'));
        const std::string programParent = base + "/" + texts::defaultParentName.toString().toStdString();
        const std::string source = base + "/cp-source";
        const std::string floorCopy = base + "/cp-copy";

        QuietWindow window;
        PosixFolders folders;
        WorkflowState list;
        FolderListWorkflow workflow(list, window.controls(), window.host(folders));
        list.baseFolder = QString::fromStdString(base) + pathSeparator;
        list.listFilePath = QString::fromStdString(base) + QStringLiteral("/list.txt");
        list.lines = lines;
        const auto press = [&] {
            list.listState = ListState::Ready;
            window.parentNameEdit.contents = texts::defaultParentName;
            workflow.createFolders();
        };
        // The floor copies the very tree the press makes.
        press();
        if (::rename(programParent.c_str(), source.c_str()) != 0)
            throw std::runtime_error("cannot keep the tree for cp");
        const std::string lastFile = "/" + lines.constLast().toStdString() + "/見積書.xlsx";
        syncFileSystem(base);

        PairedRounds rounds("template-copy/" + std::to_string(count));
        for (auto _ : state) {
            rounds.round(state, press, [&] { copyTree(source, floorCopy); });
            struct stat info {};
            if (list.listState != ListState::NotReady || !window.desktop.boxes.isEmpty() ||
                ::stat((programParent + lastFile).c_str(), &info) != 0 || info.st_size != fileBytes) {
                state.SkipWithError("the files were not copied");
                return;
            }
            removeTree(programParent);
            removeTree(floorCopy);
            syncFileSystem(base);
        }
        rounds.report(state);
    } catch (const std::exception& error) {
        state.SkipWithError(error.what());
    }
}

// The least a preview of a template can do: list it and look at each file.
qsizetype listWithSizes(const std::string& folder)
{
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr)
        throw std::runtime_error("cannot list " + folder);
    qsizetype files = 0;
    while (const dirent* entry = ::readdir(dir)) {
        struct stat info {};
        if (entry->d_name[0] != '.' && ::fstatat(::dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0)
            ++files;
    }
    ::closedir(dir);
    return files;
}

void previewTemplate(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    try {
        ScratchFolder scratch("template-preview");
        const std::string base = scratch.path();
        const QStringList names = japaneseNames(count);
        makeFolder(base + "/" + templateName);
        for (const QString& name : names)
            writeFile(base + "/" + templateName + "/" + name.toStdString() + ".xlsx", "x");

        QuietWindow window;
        PosixFolders folders;
        WorkflowState list;
        FolderListWorkflow workflow(list, window.controls(), window.host(folders));
        list.baseFolder = QString::fromStdString(base) + pathSeparator;
        list.listFilePath = QString::fromStdString(base) + QStringLiteral("/list.txt");
        list.lines = names;
        list.listState = ListState::Ready;
        window.parentNameEdit.contents = texts::defaultParentName;
        workflow.onParentNameEdited();

        PairedRounds rounds("template-preview/" + std::to_string(count));
        qsizetype listed = 0;
        for (auto _ : state) {
            rounds.round(
                state, [&] { workflow.onParentNameEdited(); },
                [&] { listed = listWithSizes(base + "/" + templateName); });
            // The summary row above the lines, and every line's row.
            if (window.namesList.items.size() != count + 1 || listed != count ||
                window.namesList.marks.constFirst() != ItemMark::Ok || !window.desktop.boxes.isEmpty()) {
                state.SkipWithError("the template was not previewed");
                return;
            }
        }
        rounds.report(state);
    } catch (const std::exception& error) {
        state.SkipWithError(error.what());
    }
}

}  // namespace

void registerTemplateFigures()
{
    benchmark::RegisterBenchmark("template-copy", copyTemplateFiles)
        ->Arg(1000)
        ->Iterations(16)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("template-preview", previewTemplate)
        ->Arg(1000)
        ->Iterations(60)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

}  // namespace kestrune::bench
