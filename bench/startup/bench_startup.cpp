// Start-up: the whole process from exec to its window first painted, and its
// peak resident memory, for the program's window and for the floor window
// built by the bench; started alternately, round by round, on one platform
// (--platform=offscreen by default; xcb under Xvfb), the program once in
// Japanese and once in English.
#include "paired_rounds.h"
#include "scratch_folder.h"

#include <benchmark/benchmark.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace kestrune::bench {

namespace {

constexpr int ReadyFd = 3;
constexpr int ReadyTimeoutMs = 20000;

struct Launch {
    double milliseconds = 0;
    double peakMiB = 0;
};

// Starts `program` in `folder`, speaking `language`, and waits for its first
// paint, then for its end.
Launch launch(const std::string& program, const std::string& folder, const std::string& platform,
              const std::string& language)
{
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0)
        throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));

    std::vector<std::string> settings;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        if (std::strncmp(*entry, "QT_QPA_PLATFORM=", 16) != 0 && std::strncmp(*entry, "KESTRUNE_BENCH_", 15) != 0 &&
            std::strncmp(*entry, "KESTRUNE_LANGUAGE=", 18) != 0)
            settings.emplace_back(*entry);
    }
    settings.push_back("QT_QPA_PLATFORM=" + platform);
    settings.push_back("KESTRUNE_LANGUAGE=" + language);
    settings.push_back("KESTRUNE_BENCH_READY_FD=" + std::to_string(ReadyFd));
    std::vector<char*> envp;
    for (std::string& setting : settings)
        envp.push_back(setting.data());
    envp.push_back(nullptr);
    std::string programCopy = program;
    char* argv[] = {programCopy.data(), nullptr};

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], ReadyFd);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());

    pid_t pid = 0;
    const auto start = std::chrono::steady_clock::now();
    const int spawned = ::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    if (spawned != 0) {
        ::close(pipeFds[0]);
        throw std::runtime_error("cannot start " + program + ": " + std::strerror(spawned));
    }

    pollfd ready{pipeFds[0], POLLIN, 0};
    char byte = 0;
    const bool painted = ::poll(&ready, 1, ReadyTimeoutMs) == 1 && ::read(pipeFds[0], &byte, 1) == 1;
    const auto end = std::chrono::steady_clock::now();
    ::close(pipeFds[0]);
    if (!painted)
        ::kill(pid, SIGKILL);

    int status = 0;
    rusage usage{};
    while (::wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    if (!painted)
        throw std::runtime_error(program + " showed no window (" + platform + ")");
    return {std::chrono::duration<double, std::milli>(end - start).count(),
            static_cast<double>(usage.ru_maxrss) / 1024.0};
}

// `language` is "ja" or "en"; the English figures are named with "-en".
void startup(benchmark::State& state, const std::string& platform, const std::string& language)
{
    const std::string named = language == "ja" ? "" : "-" + language;
    const auto program = [&](const std::string& folder) {
        return launch(KESTRUNE_BENCH_WINDOW, folder, platform, language);
    };
    const auto floorWindow = [&](const std::string& folder) {
        return launch(KESTRUNE_BENCH_FLOOR_WINDOW, folder, platform, language);
    };
    try {
        // Both start in the same empty folder, which is what the lists show.
        ScratchFolder scratch("startup");
        // Warm the page cache and the font cache for both before timing.
        for (int warm = 0; warm < 2; ++warm) {
            program(scratch.path());
            floorWindow(scratch.path());
        }
        PairedRounds time("startup-time" + named + "/" + platform);
        PairedRounds memory("startup-rss" + named + "/" + platform);
        bool programFirst = true;
        for (auto _ : state) {
            Launch ours;
            Launch floor;
            if (programFirst) {
                ours = program(scratch.path());
                floor = floorWindow(scratch.path());
            } else {
                floor = floorWindow(scratch.path());
                ours = program(scratch.path());
            }
            programFirst = !programFirst;
            time.add(ours.milliseconds, floor.milliseconds);
            memory.add(ours.peakMiB, floor.peakMiB);
            state.SetIterationTime(ours.milliseconds / 1000.0);
        }
        time.report(state);
        memory.report(state, "MiB");
    } catch (const std::exception& error) {
        state.SkipWithError(error.what());
    }
}

}  // namespace

}  // namespace kestrune::bench

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    std::string platform = "offscreen";
    int rounds = 22;
    for (int index = 1; index < argc; ++index) {
        const std::string argument = argv[index];
        if (argument.rfind("--platform=", 0) == 0) {
            platform = argument.substr(11);
        } else if (argument.rfind("--rounds=", 0) == 0) {
            rounds = std::stoi(argument.substr(9));
        } else {
            std::fprintf(stderr, "usage: %s [--platform=offscreen|xcb] [--rounds=N] [benchmark flags]\n", argv[0]);
            return 2;
        }
    }
    for (const std::string language : {"ja", "en"}) {
        const std::string name = "startup" + (language == "ja" ? std::string() : "-" + language) + "/" + platform;
        benchmark::RegisterBenchmark(name.c_str(), kestrune::bench::startup, platform, language)
            ->Iterations(rounds)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
