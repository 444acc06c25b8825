// Create, fill-in: the create button with 「既存のフォルダーに追加」 on, filling
// a parent that holds half of its Japanese-named sub-folders already; against
// a bare mkdir(2) loop over every name that lets EEXIST pass, as `mkdir -p`
// does, in a parent that holds the same half.
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

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace kestrune::bench {

namespace {

void mkdirUnlessThere(const std::string& path)
{
    if (::mkdir(path.c_str(), 0777) != 0 && errno != EEXIST)
        throw std::runtime_error("mkdir " + path + ": " + std::strerror(errno));
}

// The floor knows no more than the program does: which names are there it
// learns from the mkdir itself.
void mkdirLoopKeepingWhatIsThere(const std::string& parent, const std::vector<std::string>& names)
{
    std::string path = parent;
    mkdirUnlessThere(path);
    path += '/';
    const std::size_t stem = path.size();
    for (const std::string& name : names) {
        path.resize(stem);
        path += name;
        mkdirUnlessThere(path);
    }
}

// `parent` with every other name of `names` in it, from the first.
void makeHalf(const std::string& parent, const std::vector<std::string>& names)
{
    makeFolder(parent);
    for (std::size_t index = 0; index < names.size(); index += 2)
        makeFolder(parent + "/" + names[index]);
}

void fillInFolders(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    try {
        ScratchFolder scratch("fill-in");
        const QStringList names = japaneseNames(count);
        std::vector<std::string> nativeNames;
        for (const QString& name : names)
            nativeNames.push_back(name.toStdString());
        // Both parents in one folder, as for Create: the same block groups.
        const std::string base = scratch.path();
        const std::string programParent = base + "/" + texts::defaultParentName.toString().toStdString();
        const std::string floorParent = programParent + "_floor";

        QuietWindow window;
        PosixFolders folders;
        WorkflowState list;
        FolderListWorkflow workflow(list, window.controls(), window.host(folders));
        list.baseFolder = QString::fromStdString(base) + pathSeparator;
        list.lines = names;
        list.fillIn = true;

        PairedRounds rounds("create-fill-in/" + std::to_string(count));
        for (auto _ : state) {
            makeHalf(programParent, nativeNames);
            makeHalf(floorParent, nativeNames);
            // As after the box was ticked: the rows show what is there, and
            // the press marks them as it goes.
            list.listState = ListState::Ready;
            window.parentNameEdit.contents = texts::defaultParentName;
            workflow.onParentNameEdited();
            // The makes' writes land now, not inside the timed press.
            syncFileSystem(base);

            rounds.round(
                state, [&] { workflow.createFolders(); },
                [&] { mkdirLoopKeepingWhatIsThere(floorParent, nativeNames); });
            const CreationRecord& made = list.lastCreation;
            if (list.listState != ListState::NotReady || !window.desktop.boxes.isEmpty() || made.parents.size() != 1 ||
                made.parents.first().made || made.parents.first().foldersMade != count / 2 ||
                !isFolder(programParent + "/" + nativeNames.back()) ||
                !isFolder(floorParent + "/" + nativeNames.back())) {
                state.SkipWithError("the parent was not filled in");
                return;
            }
            removeTree(programParent);
            removeTree(floorParent);
            syncFileSystem(base);
        }
        rounds.report(state);
    } catch (const std::exception& error) {
        state.SkipWithError(error.what());
    }
}

}  // namespace

void registerFillInFigures()
{
    benchmark::RegisterBenchmark("create-fill-in", fillInFolders)
        ->Arg(1000)
        ->Iterations(16)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

}  // namespace kestrune::bench
