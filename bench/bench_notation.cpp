// Create, notation: the create button on a list whose lines each stand for
// ten folders (`名前/{01..10}`), a new parent and every folder with the real
// platform; against a bare mkdir(2) loop making the same parent, the same
// levels and the same folders in the same order, on the same file system.
#include "figures.h"
#include "folder_list_workflow.h"
#include "folder_paths.h"
#include "japanese_names.h"
#include "paired_rounds.h"
#include "posix_folders.h"
#include "quiet_controls.h"
#include "scratch_folder.h"
#include "workflow_texts.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace kestrune::bench {

namespace {

constexpr int resultsPerLine = 10;

// What `{01..10}` stands for.
std::vector<std::string> twoDigitNumbers()
{
    std::vector<std::string> numbers;
    for (int number = 1; number <= resultsPerLine; ++number)
        numbers.push_back(QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0')).toStdString());
    return numbers;
}

void bareMkdirTree(const std::string& parent, const std::vector<std::string>& names,
                   const std::vector<std::string>& numbers)
{
    makeFolder(parent);
    std::string path = parent + '/';
    const std::size_t stem = path.size();
    for (const std::string& name : names) {
        path.resize(stem);
        path += name;
        makeFolder(path);
        path += '/';
        const std::size_t level = path.size();
        for (const std::string& number : numbers) {
            path.resize(level);
            path += number;
            makeFolder(path);
        }
    }
}

void createFromNotation(benchmark::State& state)
{
    const int lineCount = static_cast<int>(state.range(0));
    try {
        ScratchFolder scratch("notation");
        const QStringList names = japaneseNames(lineCount);
        QStringList lines;
        std::vector<std::string> nativeNames;
        for (const QString& name : names) {
            lines.append(name + QStringLiteral("/{01..%1}").arg(resultsPerLine, 2, 10, QLatin1Char('0')));
            nativeNames.push_back(name.toStdString());
        }
        const std::vector<std::string> numbers = twoDigitNumbers();
        const qsizetype folderCount = 1 + lineCount + qsizetype{lineCount} * resultsPerLine;
        // Both parents in one folder, as for Create: the same block groups.
        const std::string base = scratch.path();
        const std::string programParent = base + "/" + texts::defaultParentName.toString().toStdString();
        const std::string floorParent = programParent + "_floor";
        const std::string lastFolder = "/" + nativeNames.back() + "/" + numbers.back();

        QuietWindow window;
        PosixFolders folders;
        WorkflowState list;
        FolderListWorkflow workflow(list, window.controls(), window.host(folders));
        list.baseFolder = QString::fromStdString(base) + pathSeparator;
        list.lines = lines;

        PairedRounds rounds("create-notation/" + std::to_string(lineCount * resultsPerLine));
        for (auto _ : state) {
            // As after the list was read: its rows (every result beneath its
            // line) shown, which the press marks as it goes.
            list.listState = ListState::Ready;
            window.parentNameEdit.contents = texts::defaultParentName;
            workflow.onParentNameEdited();
            rounds.round(
                state, [&] { workflow.createFolders(); }, [&] { bareMkdirTree(floorParent, nativeNames, numbers); });
            if (list.listState != ListState::NotReady || !window.desktop.boxes.isEmpty() ||
                list.lastCreation.made.size() != folderCount || !isFolder(programParent + lastFolder) ||
                !isFolder(floorParent + lastFolder)) {
                state.SkipWithError("the folders were not made");
                return;
            }
            removeTree(programParent);
            removeTree(floorParent);
            // The removals' writes land now, not inside the next round.
            syncFileSystem(base);
        }
        rounds.report(state);
    } catch (const std::exception& error) {
        state.SkipWithError(error.what());
    }
}

}  // namespace

void registerNotationFigures()
{
    benchmark::RegisterBenchmark("create-notation", createFromNotation)
        ->Arg(1000)
        ->Iterations(10)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

}  // namespace kestrune::bench
