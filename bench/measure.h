// What the benchmarks share: timing one action per iteration without its set-up, and the counters
// that put each result next to the floor and next to the same benchmark at 10,000 products.
// The time is the processor time the process spent on the action: on a machine shared with other
// work the wall-clock time says more about the others than about the action. The wall-clock time
// goes along as the counter wall_ms; it holds what the processor time leaves out, such as waiting
// for a file to reach the disk.
#pragma once

#include <benchmark/benchmark.h>

#include <chrono>
#include <map>
#include <string>

#include <sys/resource.h>
#include <time.h>

namespace measure {

using Clock = std::chrono::steady_clock;

// Seconds of processor time the process has used.
inline double processorSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// Page faults the process has taken that needed no reading from disk: each maps a fresh page, and on
// a virtual machine one can cost more than decoding the page's worth of text.
inline long minorFaults() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

// The notebook sizes every benchmark runs at.
inline void sizes(benchmark::internal::Benchmark* b) {
    b->Arg(1000)->Arg(10000)->Arg(100000)->UseManualTime()->Unit(benchmark::kMillisecond);
}

// Seconds per product count of each benchmark measured so far in this run.
inline std::map<std::string, std::map<long, double>>& results() {
    static std::map<std::string, std::map<long, double>> r;
    return r;
}

// Runs `action` once per iteration, timing only it; `prepare` runs before it, untimed.
// Returns the processor seconds per iteration.
template <class Prepare, class Action>
double run(benchmark::State& state, Prepare&& prepare, Action&& action) {
    double total = 0;
    double wall = 0;
    long faults = 0;
    for (auto _ : state) {
        prepare();
        const Clock::time_point wallStart = Clock::now();
        const long faultsBefore = minorFaults();
        const double start = processorSeconds();
        action();
        const double seconds = processorSeconds() - start;
        faults += minorFaults() - faultsBefore;
        wall += std::chrono::duration<double>(Clock::now() - wallStart).count();
        state.SetIterationTime(seconds);
        total += seconds;
    }
    if (state.iterations() == 0)
        return 0;
    state.counters["wall_ms"] = wall * 1000 / double(state.iterations());
    state.counters["faults"] = double(faults) / double(state.iterations());
    return total / double(state.iterations());
}

template <class Action> double run(benchmark::State& state, Action&& action) {
    return run(
        state, [] {}, std::forward<Action>(action));
}

// Records the result and sets the counters: x_floor (this time over `floorSeconds`, when given)
// and, at 100,000 products, x_10k (this time over the same benchmark's at 10,000).
inline void report(benchmark::State& state, const std::string& key, double seconds, double floorSeconds = 0) {
    const long n = long(state.range(0));
    results()[key][n] = seconds;
    if (floorSeconds > 0)
        state.counters["x_floor"] = seconds / floorSeconds;
    if (n == 100000) {
        const auto& byCount = results()[key];
        if (const auto it = byCount.find(10000); it != byCount.end() && it->second > 0)
            state.counters["x_10k"] = seconds / it->second;
    }
}

} // namespace measure
