// The trap engine and the coverage meter on a letter page at 300 dpi, in bands of 64 rows.
// Drawing the bands is left out of the time. Peak memory is the process's highest resident
// size so far: the cases of more pages run after those of fewer, so equal figures say that
// memory does not grow with the pages.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include "PageArt.h"
#include "inspect/engine/Coverage.h"
#include "inspect/engine/TrapEngine.h"

namespace {

constexpr int kBand = 64;

double PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

// Seconds per page, from the time of an iteration of range(0) pages.
benchmark::Counter PerPage(const benchmark::State& state) {
    return benchmark::Counter(static_cast<double>(state.range(0)),
                              benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

template <typename PushBand>
void Pages(benchmark::State& state, PushBand push) {
    orvane::inspect::PlateBand band;
    for (int page = 0; page < state.range(0); ++page) {
        for (int y = 0; y < pageart::kHeight; y += kBand) {
            state.PauseTiming();
            pageart::Band(y, std::min(kBand, pageart::kHeight - y), band);
            state.ResumeTiming();
            push(band);
        }
    }
}

void BM_TrapPages(benchmark::State& state) {
    const orvane::inspect::TrapPage page = pageart::Page();
    std::size_t traps = 0;
    for (auto _ : state) {
        std::unique_ptr<orvane::inspect::TrapEngine> engine;
        orvane::inspect::TrapBand out;
        Pages(state, [&](const orvane::inspect::PlateBand& band) {
            if (band.y0 == 0) {
                if (engine) engine->Finish(out);
                engine.reset();
                engine = std::make_unique<orvane::inspect::TrapEngine>(page);
            }
            engine->Push(band, out);
            benchmark::DoNotOptimize(out.mask.data());
        });
        engine->Finish(out);
        traps = engine->Traps().size();
    }
    if (traps == 0) state.SkipWithError("the page made no traps");
    state.counters["per_page"] = PerPage(state);
    state.counters["trap_pairs"] = static_cast<double>(traps);
    state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK(BM_TrapPages)->Arg(1)->Arg(4)->Arg(12)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_CoveragePages(benchmark::State& state) {
    const orvane::inspect::TrapPage page = pageart::Page();
    for (auto _ : state) {
        std::vector<std::uint8_t> mask;
        std::unique_ptr<orvane::inspect::CoverageMeter> meter;
        Pages(state, [&](const orvane::inspect::PlateBand& band) {
            if (band.y0 == 0) meter.reset();
            if (!meter) meter = std::make_unique<orvane::inspect::CoverageMeter>(page, 300);
            meter->Push(band, mask);
            benchmark::DoNotOptimize(mask.data());
        });
        benchmark::DoNotOptimize(meter->Result());
    }
    state.counters["per_page"] = PerPage(state);
    state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK(BM_CoveragePages)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
