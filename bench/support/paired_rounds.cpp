#include "paired_rounds.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace kestrune::bench {

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    if (values.size() % 2 == 1)
        return *middle;
    const double upper = *middle;
    const double lower = *std::max_element(values.begin(), middle);
    return (lower + upper) / 2;
}

void appendResult(const PairedResult& result)
{
    const char* path = std::getenv("KESTRUNE_BENCH_RESULTS");
    if (path == nullptr || *path == '\0')
        return;
    std::FILE* file = std::fopen(path, "a");
    if (file == nullptr)
        throw std::runtime_error(std::string("cannot open the results file ") + path);
    std::fprintf(file, "%s\t%s\t%.6g\t%.6g\t%.4f\t%d\n", result.name.c_str(), result.unit.c_str(), result.kestrune,
                 result.floor, result.ratio, result.rounds);
    if (std::fclose(file) != 0)
        throw std::runtime_error(std::string("cannot write the results file ") + path);
}

void PairedRounds::add(double programValue, double floorValue)
{
    kestrune_.push_back(programValue);
    floor_.push_back(floorValue);
    // Rounds alternate which of the two goes first; a pair of rounds, one of
    // each order, cancels what the first of a round pays for the second.
    const std::size_t count = kestrune_.size();
    if (count % 2 == 0) {
        const double floorPair = floor_[count - 2] + floor_[count - 1];
        ratio_.push_back(floorPair > 0 ? (kestrune_[count - 2] + kestrune_[count - 1]) / floorPair : 0);
    }
}

void PairedRounds::report(benchmark::State& state, const std::string& unit) const
{
    PairedResult result{name_,          unit,           median(kestrune_),
                        median(floor_), median(ratio_), static_cast<int>(kestrune_.size())};
    state.counters["kestrune_" + unit] = result.kestrune;
    state.counters["floor_" + unit] = result.floor;
    state.counters[unit == "ms" ? std::string("ratio") : "ratio_" + unit] = result.ratio;
    appendResult(result);
}

}  // namespace kestrune::bench
