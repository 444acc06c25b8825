#pragma once

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <utility>
#include <vector>

namespace kestrune::bench {

// The median of `values` (which it reorders); 0 for none.
double median(std::vector<double> values);

// One line of the results file that bench/run turns into the table.
struct PairedResult {
    std::string name;  // "create/1000", "startup-rss/offscreen", ...
    std::string unit;  // "ms" or "MiB"
    double kestrune = 0;
    double floor = 0;
    double ratio = 0;  // median over pairs of rounds of the pair's ratio
    int rounds = 0;
};

// Appends `result` to the file named by KESTRUNE_BENCH_RESULTS, if any.
void appendResult(const PairedResult& result);

// The program and its floor, measured side by side: each iteration of the
// benchmark is one round that times both, in alternating order, so that both
// meet the same state of a shared, noisy machine. The medians go to the
// benchmark's counters and to the results file.
class PairedRounds {
public:
    explicit PairedRounds(std::string name) : name_(std::move(name)) {}

    template <class Program, class Floor> void round(benchmark::State& state, Program&& program, Floor&& floor)
    {
        double programMs = 0;
        double floorMs = 0;
        if (kestrune_.size() % 2 == 0) {
            programMs = timed(program);
            floorMs = timed(floor);
        } else {
            floorMs = timed(floor);
            programMs = timed(program);
        }
        add(programMs, floorMs);
        state.SetIterationTime(programMs / 1000.0);
    }

    // For figures measured elsewhere (another process): one round's values,
    // the program's first every other round.
    void add(double programValue, double floorValue);

    // Sets the counters and appends the line; call after the loop.
    void report(benchmark::State& state, const std::string& unit = "ms") const;

private:
    template <class Work> static double timed(Work&& work)
    {
        const auto start = std::chrono::steady_clock::now();
        work();
        const auto end = std::chrono::steady_clock::now();
        return std::chrono::duration<double, std::milli>(end - start).count();
    }

    std::string name_;
    std::vector<double> kestrune_;
    std::vector<double> floor_;
    std::vector<double> ratio_;
};

}  // namespace kestrune::bench
