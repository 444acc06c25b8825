// Script: `kestrune --create` making a parent and 1000 Japanese-named
// sub-folders from a list file, against `xargs -d '\n' mkdir -p` over the
// same list. Each is a whole process, timed from its start to its end, the
// two taking turns round by round in one folder of the disk under test; the
// program once in Japanese and once in English.
#include "japanese_names.h"
#include "paired_rounds.h"
#include "scratch_folder.h"

#include <benchmark/benchmark.h>

#include <QString>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace kestrune::bench {

namespace {

constexpr int NameCount = 1000;

// Runs `argv` (found on PATH) in `folder` with standard input from
// `inputPath`, output discarded, with `variables` added to the environment;
// returns its time in milliseconds. Throws unless it exits with 0.
double run(std::vector<std::string> argv, const std::string& folder, const std::string& inputPath,
           std::vector<std::string> variables = {})
{
    for (char** entry = environ; *entry != nullptr; ++entry)
        variables.emplace_back(*entry);
    std::vector<char*> envp;
    for (std::string& variable : variables)
        envp.push_back(variable.data());
    envp.push_back(nullptr);

    std::vector<char*> args;
    for (std::string& arg : argv)
        args.push_back(arg.data());
    args.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, inputPath.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());

    pid_t pid = 0;
    const auto start = std::chrono::steady_clock::now();
    const int spawned = ::posix_spawnp(&pid, args.front(), &actions, nullptr, args.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        throw std::runtime_error("cannot start " + argv.front() + ": " + std::strerror(spawned));
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(argv.front() + " failed");
    return std::chrono::duration<double, std::milli>(end - start).count();
}

// `language` is "ja" or "en"; the English figure is named with "-en".
void script(benchmark::State& state, const std::string& language)
{
    try {
        ScratchFolder scratch("script");
        const std::string base = scratch.path();
        // One list, LF-ended, as xargs -d '\n' needs it; the program reads the same bytes.
        const QStringList names = japaneseNames(NameCount);
        const std::string list = base + "/list.txt";
        writeFile(list, (names.join(u'\n') + u'\n').toStdString());
        // The program records every press: in a data folder of the run's own.
        const std::string data = base + "/data";
        makeFolder(data);
        ::setenv("XDG_DATA_HOME", data.c_str(), 1);
        const std::string programParent = base + "/kestrune";
        const std::string floorParent = base + "/floor";
        const std::string lastName = names.back().toStdString();

        const auto program = [&] {
            // Japanese as a plain run gets it (bench/run sets the C locale),
            // settings read; English as a script asks for it.
            return run({KESTRUNE_PROGRAM, "--create", list, "--parent", "kestrune", "--into", base}, base, "/dev/null",
                       language == "ja" ? std::vector<std::string>() : std::vector{"KESTRUNE_LANGUAGE=" + language});
        };
        const auto floor = [&] {
            // The floor's parent is made untimed; it is one mkdir among a thousand.
            makeFolder(floorParent);
            return run({"xargs", "-d", "\n", "mkdir", "-p"}, floorParent, list);
        };
        const auto clear = [&] {
            if (!isFolder(programParent + "/" + lastName) || !isFolder(floorParent + "/" + lastName))
                throw std::runtime_error("the folders were not made");
            removeTree(programParent);
            removeTree(floorParent);
            // The removals' writes land now, not inside the next round.
            syncFileSystem(base);
        };

        // Warm the page cache for both programs and their libraries.
        for (int warm = 0; warm < 2; ++warm) {
            program();
            floor();
            clear();
        }
        PairedRounds rounds("script" + std::string(language == "ja" ? "" : "-" + language) + "/" +
                            std::to_string(NameCount));
        bool programFirst = true;
        for (auto _ : state) {
            double programMs = 0;
            double floorMs = 0;
            if (programFirst) {
                programMs = program();
                floorMs = floor();
            } else {
                floorMs = floor();
                programMs = program();
            }
            programFirst = !programFirst;
            rounds.add(programMs, floorMs);
            state.SetIterationTime(programMs / 1000.0);
            clear();
        }
        rounds.report(state);
    } catch (const std::exception& error) {
        state.SkipWithError(error.what());
    }
}

}  // namespace

}  // namespace kestrune::bench

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    for (const std::string language : {"ja", "en"}) {
        const std::string name = "script" + (language == "ja" ? std::string() : "-" + language) + "/1000";
        benchmark::RegisterBenchmark(name.c_str(), kestrune::bench::script, language)
            ->Iterations(20)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
