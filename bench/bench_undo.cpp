// Undo: the folders a press made (a parent and Japanese-named sub-folders,
// made by the real folder-tree maker) taken back by the undo with the real
// platform; against a bare rmdir(2) loop over the same folders, deepest
// first, on the same file system.
#include "creation_undo.h"
#include "figures.h"
#include "folder_paths.h"
#include "japanese_names.h"
#include "paired_rounds.h"
#include "posix_folders.h"
#include "scratch_folder.h"
#include "workflow_texts.h"

#include <benchmark/benchmark.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace kestrune::bench {

namespace {

void bareRmdirLoop(const std::vector<std::string>& madeInOrder)
{
    for (auto path = madeInOrder.rbegin(); path != madeInOrder.rend(); ++path) {
        if (::rmdir(path->c_str()) != 0)
            throw std::runtime_error("rmdir " + *path + ": " + std::strerror(errno));
    }
}

void undoFolders(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    try {
        ScratchFolder scratch("undo");
        const std::string base = scratch.path();
        const QString baseFolder = QString::fromStdString(base);
        const QList<LinePreview> preview =
            previewLines(japaneseNames(count), PreviewTarget{baseFolder + pathSeparator, texts::defaultParentName});
        // Both parents in one folder, as for Create: the same block groups.
        const std::string floorParent = base + "/" + texts::defaultParentName.toString().toStdString() + "_floor";
        PosixFolders folders;

        PairedRounds rounds("undo/" + std::to_string(count));
        for (auto _ : state) {
            CreationRecord record;
            makeFolderTree(folders.openFolder(baseFolder), texts::defaultParentName, ParentChoice::NewName, preview,
                           record, nullptr, nullptr);
            const qsizetype made = record.made.size();
            const QString parentName = record.made.first().path;
            const std::string parentPath = record.parentPath().toStdString();
            // The floor's tree: the same folders under its own parent, made in the same order.
            std::vector<std::string> floorFolders;
            floorFolders.reserve(static_cast<std::size_t>(made));
            for (const MadeEntry& folder : record.made) {
                floorFolders.push_back(floorParent + folder.path.sliced(parentName.size()).toStdString());
                makeFolder(floorFolders.back());
            }
            // The makes' writes land now, not inside the timed removals.
            syncFileSystem(base);

            UndoOutcome outcome;
            rounds.round(
                state, [&] { outcome = undoCreation(record, folders); }, [&] { bareRmdirLoop(floorFolders); });
            struct stat info {};
            if (!outcome.removedAll() || outcome.parentsRemoved != 1 || outcome.removed != made - 1 ||
                !record.isEmpty() || ::lstat(parentPath.c_str(), &info) == 0) {
                state.SkipWithError("the undo did not remove every folder");
                return;
            }
            syncFileSystem(base);
        }
        rounds.report(state);
    } catch (const std::exception& error) {
        state.SkipWithError(error.what());
    }
}

}  // namespace

void registerUndoFigures()
{
    benchmark::RegisterBenchmark("undo", undoFolders)
        ->Arg(1000)
        ->Iterations(16)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

}  // namespace kestrune::bench
