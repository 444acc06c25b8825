// Create: a new parent with sub-folders of Japanese names, made by the create
// button with the real platform; against a bare mkdir(2) loop over the same
// names on the same file system.
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

void bareMkdirLoop(const std::string& parent, const std::vector<std::string>& names)
{
    std::string path = parent;
    if (::mkdir(path.c_str(), 0777) != 0)
        throw std::runtime_error("mkdir " + path + ": " + std::strerror(errno));
    path += '/';
    const std::size_t stem = path.size();
    for (const std::string& name : names) {
        path.resize(stem);
        path += name;
        if (::mkdir(path.c_str(), 0777) != 0)
            throw std::runtime_error("mkdir " + path + ": " + std::strerror(errno));
    }
}

void createFolders(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    try {
        ScratchFolder scratch("create");
        const QStringList names = japaneseNames(count);
        std::vector<std::string> nativeNames;
        for (const QString& name : names)
            nativeNames.push_back(name.toStdString());
        // Both parents go into one folder, so that the file system places the
        // folders of both in the same block groups, under the same conditions.
        const std::string base = scratch.path();
        const std::string programParent = base + "/" + texts::defaultParentName.toString().toStdString();
        const std::string floorParent = programParent + "_floor";

        QuietWindow window;
        PosixFolders folders;
        WorkflowState list;
        FolderListWorkflow workflow(list, window.controls(), window.host(folders));
        list.baseFolder = QString::fromStdString(base) + pathSeparator;
        list.lines = names;

        PairedRounds rounds("create/" + std::to_string(count));
        for (auto _ : state) {
            // As after a list was read: the box holds the preset name.
            list.listState = ListState::Ready;
            window.parentNameEdit.contents = texts::defaultParentName;
            rounds.round(
                state, [&] { workflow.createFolders(); }, [&] { bareMkdirLoop(floorParent, nativeNames); });
            if (list.listState != ListState::NotReady || !window.desktop.boxes.isEmpty() ||
                !isFolder(programParent + "/" + nativeNames.back())) {
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

int createRounds(int count)
{
    return count >= 1000 ? 16 : (count >= 100 ? 60 : 200);
}

}  // namespace

void registerCreateFigures()
{
    for (const int count : {10, 100, 1000}) {
        benchmark::RegisterBenchmark("create", createFolders)
            ->Arg(count)
            ->Iterations(createRounds(count))
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
}

}  // namespace kestrune::bench
