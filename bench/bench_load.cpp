// Load: the list reader on a list of Japanese names, in UTF-8 and in code
// page 932, names handed to namesList; against reading and splitting the same
// bytes with plain POSIX read.
#include "figures.h"
#include "folder_list_workflow.h"
#include "japanese_names.h"
#include "paired_rounds.h"
#include "posix_folders.h"
#include "quiet_controls.h"
#include "scratch_folder.h"

#include <benchmark/benchmark.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

namespace kestrune::bench {

namespace {

// The floor: the bytes read in large blocks and cut at CR, LF or CR LF into
// one string a line.
std::vector<std::string> readAndSplit(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw std::runtime_error("cannot open " + path + ": " + std::strerror(errno));
    std::vector<std::string> lines;
    std::string line;
    bool afterCr = false;
    bool pending = false;
    char block[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(fd, block, sizeof block);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            ::close(fd);
            throw std::runtime_error("cannot read " + path);
        }
        if (got == 0)
            break;
        const char* at = block;
        const char* const end = block + got;
        if (afterCr && *at == '\n')
            ++at;
        afterCr = false;
        while (at < end) {
            const char* stop = at;
            while (stop < end && *stop != '\r' && *stop != '\n')
                ++stop;
            line.append(at, stop);
            pending = true;
            if (stop == end)
                break;
            lines.push_back(std::move(line));
            line.clear();
            pending = false;
            at = stop + 1;
            if (*stop == '\r') {
                if (at == end)
                    afterCr = true;
                else if (*at == '\n')
                    ++at;
            }
        }
    }
    ::close(fd);
    if (pending)
        lines.push_back(std::move(line));
    return lines;
}

void loadList(benchmark::State& state, const char* encoding)
{
    const int count = static_cast<int>(state.range(0));
    const bool cp932 = std::strcmp(encoding, "cp932") == 0;
    try {
        ScratchFolder scratch("load");
        const QStringList names = japaneseNames(count);
        const QByteArray bytes = cp932 ? listFileCp932(names) : listFileUtf8(names);
        const std::string path = scratch.path() + "/names.txt";
        writeFile(path, bytes.toStdString());

        QuietWindow window;
        PosixFolders folders;
        WorkflowState list;
        FolderListWorkflow workflow(list, window.controls(), window.host(folders));
        list.listFilePath = QString::fromStdString(path);

        PairedRounds rounds("load-" + std::string(encoding) + "/" + std::to_string(count));
        std::size_t floorLines = 0;
        for (auto _ : state) {
            rounds.round(
                state,
                [&] {
                    window.namesList.items.clear();
                    list.listState = ListState::NotReady;
                    workflow.readListFile();
                },
                [&] { floorLines = readAndSplit(path).size(); });
            if (list.listState != ListState::Ready || window.namesList.items.size() != count ||
                window.namesList.items.constLast() != names.constLast() || !window.desktop.boxes.isEmpty() ||
                floorLines != static_cast<std::size_t>(count)) {
                state.SkipWithError("the list was not read as written");
                return;
            }
        }
        rounds.report(state);
    } catch (const std::exception& error) {
        state.SkipWithError(error.what());
    }
}

int loadRounds(int count)
{
    return count >= 1000 ? 300 : 1000;
}

}  // namespace

void registerLoadFigures()
{
    for (const char* encoding : {"utf8", "cp932"}) {
        for (const int count : {10, 100, 1000}) {
            benchmark::RegisterBenchmark(("load/" + std::string(encoding)).c_str(), loadList, encoding)
                ->Arg(count)
                ->Iterations(loadRounds(count))
                ->UseManualTime()
                ->Unit(benchmark::kMicrosecond);
        }
    }
}

}  // namespace kestrune::bench
