// The print road on a reference publication: 2,000 pages, 500 zones of 4 pages, 8
// styles, 40 colours of which 10 are made of several inks, 20 copies.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <memory>
#include <string>

#include "host/HostContext.h"
#include "hostsim/SimHost.h"
#include "model/TrapStyle.h"
#include "model/TrapZone.h"
#include "platform/portable/PortablePlatform.h"
#include "plugin/EntryPoint.h"
#include "state/ModuleState.h"
#include "storage/DocumentRecord.h"
#include "storage/StyleRecord.h"

namespace {

using namespace orvane;

struct ReferenceJob {
    explicit ReferenceJob(int pages = 2000, int copies = 20, int zones = 500)
    {
        platform::ResetPortable();
        host.Load();
        Host().hostRoot = host.Root();
        Host().requestRecord = host.Record();
        hostsim::Publication& pub = host.publication;
        pub.SetPageCount(pages);
        pub.copies = static_cast<std::int16_t>(copies);
        for (int i = 0; i < 40; ++i) {
            hostsim::SimColor color;
            color.name = "Colour " + std::to_string(i);
            color.density = static_cast<std::int16_t>(100 + i);
            if (i < 10) {
                color.kind = 3;
                color.inks = {"Ink " + std::to_string(i) + "a", "Ink " + std::to_string(i) + "b"};
                for (const std::string& ink : color.inks) pub.inkDensities[ink] = 300;
            }
            pub.colors.push_back(color);
        }
        Settings().trappingEnabled = 1;
        Settings().trapAllPages = 1;
        Settings().defaultStyleName = "Style 0";
        Module().currentStyleList = std::make_unique<TrapStyleList>();
        for (int i = 0; i < 8; ++i) {
            auto style = TrapStyle::WithDefaults();
            style->name = "Style " + std::to_string(i);
            Module().currentStyleList->AddStyle(std::move(style));
        }
        TrapZoneList list;
        const int pagesPerZone = 4;
        for (int z = 0; z < zones && z * pagesPerZone < pages; ++z) {
            auto zone = std::make_unique<TrapZone>();
            zone->id = z + 1;
            zone->styleName = "Style " + std::to_string(z % 8);
            zone->enabled = (z % 5) != 0;
            for (int p = 0; p < pagesPerZone; ++p) {
                int number = z * pagesPerZone + p + 1;
                zone->AddPage(pub.pages[static_cast<std::size_t>(number - 1)].key, static_cast<std::int16_t>(number));
            }
            list.AppendZone(std::move(zone));
        }
        SaveDocumentRecord(list);
        SaveStyleRecord();
        Module().currentStyleList.reset();
        host.ClearLog();
    }
    ~ReferenceJob()
    {
        Module().FreePrintTimeObjects();
        host.Unload();
    }
    void Start() { host.Notify(102); }

    hostsim::SimHost host{&OrvanePluginMain};
};

double PeakMemoryKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss);
}

void BM_PrintStart(benchmark::State& state)
{
    ReferenceJob job;
    std::size_t requests = 0;
    for (auto _ : state) {
        job.host.ClearLog();
        job.Start();
        requests = job.host.requests.size();
    }
    state.counters["requests"] = static_cast<double>(requests);
    // Per request: the document record follows every zoned page (3531, 3534); the ink
    // build asks 2202 once per colour and once more per multi-ink colour, and one
    // density per ink it adds.
    for (std::uint16_t id : {3523, 3521, 3503, 3507, 3518, 3522, 3531, 3534, 2202, 2203, 2803, 2804, 913, 916, 3916,
                             1765}) {
        int n = job.host.CountRequests(id);
        if (n != 0) state.counters["r" + std::to_string(id)] = n;
    }
    state.counters["peak_KiB"] = PeakMemoryKiB();
}
BENCHMARK(BM_PrintStart)->Unit(benchmark::kMillisecond);

void BM_TrapSetup(benchmark::State& state)
{
    ReferenceJob job;
    job.Start();
    std::size_t bytes = 0;
    for (auto _ : state) {
        job.host.ClearLog();
        job.host.Notify(105);
        job.host.Notify(107);
        bytes = job.host.job.size();
    }
    state.counters["bytes"] = static_cast<double>(bytes);
    state.counters["requests"] = static_cast<double>(job.host.requests.size());
}
BENCHMARK(BM_TrapSetup)->Unit(benchmark::kMicrosecond);

// One page notification; args: pages, copies.
void BM_Page(benchmark::State& state)
{
    ReferenceJob job(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    job.Start();
    job.host.Notify(105);
    job.host.Notify(107);
    job.host.ClearLog();
    std::int64_t pages = 0;
    std::size_t requests = 0;
    std::size_t bytes = 0;
    const std::int64_t total = state.range(0) * state.range(1);
    for (auto _ : state) {
        job.host.Notify(110);
        if (++pages % 4096 == 0 || pages % total == 0) {
            state.PauseTiming();
            requests += job.host.requests.size();
            bytes += job.host.job.size();
            job.host.ClearLog();
            if (pages % total == 0) Module().printedPageSequence->position = 0;
            state.ResumeTiming();
        }
    }
    requests += job.host.requests.size();
    bytes += job.host.job.size();
    state.counters["requests_per_page"] = static_cast<double>(requests) / static_cast<double>(pages);
    state.counters["bytes_per_page"] = static_cast<double>(bytes) / static_cast<double>(pages);
    state.counters["sequence_bytes"] =
        static_cast<double>(Module().printedPageSequence->entries.capacity() * sizeof(std::int16_t));
}
BENCHMARK(BM_Page)->Args({2000, 20})->Args({2000, 1})->Args({8000, 20})->Unit(benchmark::kMicrosecond);

// The same bytes a page sends, written straight into the stream through main's
// round trip-free path: the floor a page's cost can be compared with.
void BM_PageBytesCopyOnly(benchmark::State& state)
{
    ReferenceJob job;
    job.Start();
    job.host.ClearLog();
    job.host.Notify(110);
    const std::string pageText = job.host.job;
    job.host.ClearLog();
    void* out = nullptr;
    job.host.Root()->GetInterface(kPostScriptStream, &out);
    auto* stream = static_cast<PostScriptStream*>(out);
    std::int64_t pages = 0;
    for (auto _ : state) {
        stream->OutputControl(0);
        stream->WriteText(pageText.data(), static_cast<HostLong>(pageText.size()));
        if (++pages % 4096 == 0) {
            state.PauseTiming();
            job.host.ClearLog();
            state.ResumeTiming();
        }
    }
    job.host.Root()->ReleaseInterface(stream);
    state.counters["bytes_per_page"] = static_cast<double>(pageText.size());
}
BENCHMARK(BM_PageBytesCopyOnly)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
