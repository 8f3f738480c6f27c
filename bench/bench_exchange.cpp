// Importing a public-sized satellites.xml (about 420 KB: 210 satellites,
// 3,400 transponders) into an empty table and into a table of 8,000
// transponders: reading the list and merging it, as the window and the CLI do.
// Then the memory reading the worst lists near the 16 MB limit takes: every
// allocation is counted, and peakMB is the most in use at once.
// Last the same list downloaded from a local web server against its import
// from the file, and the memory of an endless download refused at 16 MB.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/resource.h>

#include <pugixml.hpp>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <new>
#include <string>

#include "bench/BenchSupport.h"
#include "core/InputFile.h"
#include "exchange/ListDownload.h"
#include "exchange/ListMerge.h"
#include "exchange/MergeChanges.h"
#include "exchange/ScanCatalog.h"
#include "tests/support/ListServer.h"

namespace {

std::atomic<std::size_t> gInUse{0};
std::atomic<std::size_t> gPeak{0};

void* Counted(void* p) {
    if (p == nullptr) return p;
    std::size_t now = gInUse += malloc_usable_size(p);
    std::size_t peak = gPeak;
    while (now > peak && !gPeak.compare_exchange_weak(peak, now)) {
    }
    return p;
}

void Release(void* p) {
    if (p == nullptr) return;
    gInUse -= malloc_usable_size(p);
    std::free(p);
}

void* CountedMalloc(std::size_t n) { return Counted(std::malloc(n)); }

}  // namespace

void* operator new(std::size_t n) {
    void* p = Counted(std::malloc(n > 0 ? n : 1));
    if (p == nullptr) throw std::bad_alloc();
    return p;
}
void* operator new[](std::size_t n) { return operator new(n); }
void* operator new(std::size_t n, const std::nothrow_t&) noexcept {
    return Counted(std::malloc(n > 0 ? n : 1));
}
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept {
    return Counted(std::malloc(n > 0 ? n : 1));
}
void operator delete(void* p) noexcept { Release(p); }
void operator delete[](void* p) noexcept { Release(p); }
void operator delete(void* p, std::size_t) noexcept { Release(p); }
void operator delete[](void* p, std::size_t) noexcept { Release(p); }

namespace velmora {
namespace {

constexpr int kSatellites = 210;
constexpr int kTransponders = 3400;

const char* const kNames[] = {"Astra 1KR/1L/1M/1N", "Hot Bird 13B/13C/13E", "Eutelsat 16A",
                              "C-band Badr 4/5/6/7 & Arabsat 5C", "Hispasat 30W-5/30W-6",
                              "Intelsat 901 (Ku-band, multiple footprints)", "NSS 9",
                              "Ka-band Yahsat 1A/1B"};

std::string SignedPositionText(int position) {
    char buf[16];
    int v = position < 0 ? -position : position;
    std::snprintf(buf, sizeof buf, "%d.%d%c", v / 10, v % 10, position < 0 ? 'W' : 'E');
    return buf;
}

// Positions from 177.0W eastward; every seventh list is a C-band list a
// tenth off its orbit, as in the public file.
std::string GenerateList() {
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- generated -->\n<satellites>\n";
    int tp = 0;
    for (int s = 0; s < kSatellites; ++s) {
        int position = -1770 + s * 17;
        bool cBand = s % 7 == 3;
        std::string name = SignedPositionText(position) + " " + kNames[s % 8];
        if (name.size() > 52) name.resize(52);
        char head[160];
        std::snprintf(head, sizeof head, "\t<sat name=\"%s\" flags=\"%d\" position=\"%d\">\n",
                      name.c_str(), s % 2, cBand ? position + 1 : position);
        xml += head;
        int count = kTransponders / kSatellites + (s < kTransponders % kSatellites ? 1 : 0);
        for (int i = 0; i < count; ++i, ++tp) {
            unsigned khz = (cBand ? 3700000u : 10700000u) + static_cast<unsigned>(i) * 30250u;
            char line[256];
            std::snprintf(line, sizeof line,
                          "\t\t<transponder frequency=\"%u\" symbol_rate=\"%u\" polarization=\"%d\" "
                          "fec_inner=\"%d\" system=\"%d\" modulation=\"%d\"%s />\n",
                          khz, i % 3 == 0 ? 27500000u : 22000000u, i % 2, 1 + i % 9, i % 2,
                          1 + i % 2, i % 4 == 0 ? " rolloff=\"0\" pilot=\"2\"" : "");
            xml += line;
        }
        xml += "\t</sat>\n";
    }
    xml += "</satellites>\n";
    return xml;
}

std::unique_ptr<SatTpDatabase> EmptyTable() {
    auto db = std::make_unique<SatTpDatabase>();
    ClearDatabase(*db);
    ApplyLnbDefaults(*db);
    FillUnusedSatSlots(*db);
    return db;
}

// 200 satellites at the list's positions with 40 transponders each: every
// list transponder is compared with the whole table.
std::unique_ptr<SatTpDatabase> FullTable() {
    auto db = EmptyTable();
    for (int s = 0; s < 200; ++s) {
        SatRecord& sat = db->satellites[db->satCount++];
        char name[24];
        std::snprintf(name, sizeof name, "Satellite %03d", s);
        SetSatName(sat, name, std::strlen(name));
        sat.position = static_cast<uint16_t>((3600 - 1770 + s * 17) % 3600);
        sat.lnbIndex = s % 7 == 3 ? 4 : 0;
    }
    for (int t = 0; t < MAX_TPS; ++t) {
        TpRecord& tp = db->tps[db->tpCount++];
        tp = TpRecord{};
        tp.satIndex = static_cast<uint16_t>(t / 40);
        tp.frequency = 11000 + static_cast<uint32_t>(t % 40) * 7;
        tp.symbolRate = 27500;
        tp.flags = static_cast<uint8_t>(t % 2);
    }
    return db;
}

void Import(benchmark::State& state, const SatTpDatabase& start) {
    static const std::string xml = GenerateList();
    auto db = std::make_unique<SatTpDatabase>();
    MergeCounts counts;
    for (auto _ : state) {
        *db = start;
        SourceList list;
        ListError error;
        if (!ParseTransponderList(xml, "satellites.xml", {}, list, error)) {
            state.SkipWithError(ErrorText(error).c_str());
            return;
        }
        counts = MergeTransponderList(*db, list, {});
        benchmark::DoNotOptimize(counts);
    }
    state.counters["kB"] = static_cast<double>(xml.size()) / 1024.0;
    state.counters["added"] = counts.transpondersAdded;
    state.counters["dup"] = counts.duplicates;
    state.counters["leftOut"] = counts.leftOut;
}

void BM_ImportIntoEmptyTable(benchmark::State& state) { Import(state, *EmptyTable()); }
void BM_ImportIntoFullTable(benchmark::State& state) { Import(state, *FullTable()); }

// ---- the installed scan tables ---------------------------------------------

// Listing the catalog reads and parses every scan table (about 330 files,
// 2.3 MB with Debian's dtv-scan-tables): the wait before the catalog dialog.
void BM_ListScanCatalog(benchmark::State& state) {
    std::vector<CatalogEntry> entries;
    std::string whyNot;
    for (auto _ : state) {
        if (!ListScanCatalog(kScanTableFolder, entries, whyNot)) {
            state.SkipWithError(whyNot.c_str());
            return;
        }
        benchmark::DoNotOptimize(entries);
    }
    state.counters["tables"] = static_cast<double>(entries.size());
}

// Every scan table ticked, merged into an empty table on a copy, compared
// and written as text: the catalog dialog's preview at its largest.
void BM_ChangesOfWholeCatalog(benchmark::State& state) {
    std::vector<CatalogEntry> entries;
    std::string whyNot;
    SourceList list;
    ListError error;
    std::vector<std::string> paths;
    if (ListScanCatalog(kScanTableFolder, entries, whyNot))
        for (const CatalogEntry& e : entries) paths.push_back(e.path);
    if (paths.empty() || !ReadCatalogEntries(paths, list, error)) {
        state.SkipWithError(paths.empty() ? whyNot.c_str() : ErrorText(error).c_str());
        return;
    }
    auto db = EmptyTable();
    std::size_t satellites = 0;
    std::size_t bytes = 0;
    for (auto _ : state) {
        MergeChanges changes = PreviewMergeChanges(*db, list, {});
        std::string text = MergeChangesText(changes);
        satellites = changes.satellites.size();
        bytes = text.size();
        benchmark::DoNotOptimize(text);
    }
    state.counters["satellites"] = static_cast<double>(satellites);
    state.counters["textKB"] = static_cast<double>(bytes) / 1024.0;
}

// ---- worst cases near the size limit ------------------------------------

constexpr std::size_t kNearLimit = LIST_FILE_MAX_BYTES - 4096;

std::string Repeated(const std::string& head, const std::string& unit, const std::string& tail) {
    std::string text = head;
    while (text.size() + unit.size() + tail.size() <= kNearLimit) text += unit;
    return text + tail;
}

// Nothing but empty elements: refused by their number.
std::string EmptyElements() {
    return Repeated("<satellites><sat name=\"x\" position=\"1\">", "<transponder/>",
                    "</sat></satellites>");
}

// The most elements and attributes a list may have, each element followed by
// text (a node of its own), the rest of the file one long name.
std::string LargestAcceptedXml() {
    std::string tps;
    for (std::size_t i = 0; i + 4 < kMostListEntries; ++i)
        tps += i % 2 == 0 ? "<transponder frequency=\"1\" symbol_rate=\"2\" polarization=\"0\"/>x"
                          : "<transponder/>x";
    std::string head = "<satellites><sat position=\"192\" name=\"";
    std::string tail = "\">" + tps + "</sat></satellites>";
    return head + std::string(kNearLimit - head.size() - tail.size(), 'n') + tail;
}

// As many satellites as elements may be, their names as long as they go.
std::string LongNamedSatellites() {
    std::string name(kNearLimit / (kMostListEntries - 2) - 28, 'n');
    return Repeated("<satellites>", "<sat position=\"192\" name=\"" + name + "\"/>",
                    "</satellites>");
}

// One transponder line that goes on in commas.
std::string CommaLine() {
    return Repeated("[SATTYPE]\n1=0192\n2=Astra\n[DVB]\n0=1\n1=11494,H,22000", ",", "\n");
}

void PeakMemory(benchmark::State& state, std::string (*generate)()) {
    bench::Scratch scratch;
    std::string path = scratch.File("list");
    {
        std::string text = generate();
        std::ofstream(path, std::ios::binary) << text;
    }
    pugi::set_memory_management_functions(CountedMalloc, Release);
    std::size_t peak = 0;
    bool accepted = false;
    for (auto _ : state) {
        std::size_t before = gInUse;
        gPeak = before;
        SourceList list;
        ListError error;
        accepted = ReadTransponderList(path, {}, list, error);
        peak = gPeak - before;
        benchmark::DoNotOptimize(list);
    }
    state.counters["fileMB"] = static_cast<double>(std::filesystem::file_size(path)) / (1 << 20);
    state.counters["peakMB"] = static_cast<double>(peak) / (1 << 20);
    state.counters["accepted"] = accepted ? 1 : 0;
}

void BM_PeakXmlOfEmptyElements(benchmark::State& state) { PeakMemory(state, EmptyElements); }
void BM_PeakLargestAcceptedXml(benchmark::State& state) { PeakMemory(state, LargestAcceptedXml); }
void BM_PeakLongNamedSatellites(benchmark::State& state) { PeakMemory(state, LongNamedSatellites); }
void BM_PeakIniLineOfCommas(benchmark::State& state) { PeakMemory(state, CommaLine); }

// ---- the same list from the web ------------------------------------------

struct Web {
    bench::Scratch folder;
    std::unique_ptr<testing::ListServer> server;
    Web() {
        std::ofstream(folder.File("satellites.xml"), std::ios::binary) << GenerateList();
        server = std::make_unique<testing::ListServer>(folder.dir);
    }
};

Web& TheWeb() {
    static Web web;
    return web;
}

// source: the file or its URL, read and merged as velmora-cli import does.
void ImportFrom(benchmark::State& state, const std::string& source) {
    if (!TheWeb().server->Running()) {
        state.SkipWithError("the list server did not start (python3?)");
        return;
    }
    auto empty = EmptyTable();
    auto db = std::make_unique<SatTpDatabase>();
    MergeCounts counts;
    for (auto _ : state) {
        *db = *empty;
        SourceList list;
        ListError error;
        if (!FetchTransponderList(source, {}, {}, list, error)) {
            state.SkipWithError(ErrorText(error).c_str());
            return;
        }
        counts = MergeTransponderList(*db, list, {});
        benchmark::DoNotOptimize(counts);
    }
    state.counters["added"] = counts.transpondersAdded;
}

void BM_ImportFileIntoEmptyTable(benchmark::State& state) {
    ImportFrom(state, TheWeb().folder.File("satellites.xml"));
}
void BM_DownloadIntoEmptyTable(benchmark::State& state) {
    ImportFrom(state, TheWeb().server->Url("/satellites.xml"));
}

// What a fresh process of this program holds at most when it only downloads
// url (libcurl's own buffers included): the largest resident size in kB.
long EndlessDownloadRssKb(const std::string& url) {
    std::string bytes, whyNot;
    DownloadList(url, {}, bytes, whyNot);
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// An endless body refused at the limit: peakMB counts this process's
// allocations; rssMB is the largest resident size of a fresh process of this
// program that does only the download.
void BM_PeakEndlessDownload(benchmark::State& state) {
    std::string url = TheWeb().server->Url("/endless");
    std::size_t peak = 0;
    long rssKb = 0;
    std::string whyNot;
    for (auto _ : state) {
        std::size_t before = gInUse;
        gPeak = before;
        std::string bytes;
        DownloadList(url, {}, bytes, whyNot);
        peak = gPeak - before;
        std::string command = std::filesystem::read_symlink("/proc/self/exe").string() +
                              " --endless-download " + url;
        if (std::FILE* child = ::popen(command.c_str(), "r")) {
            if (std::fscanf(child, "%ld", &rssKb) != 1) rssKb = 0;
            ::pclose(child);
        }
    }
    if (whyNot.find("larger than") == std::string::npos) state.SkipWithError(whyNot.c_str());
    state.counters["peakMB"] = static_cast<double>(peak) / (1 << 20);
    state.counters["rssMB"] = static_cast<double>(rssKb) / 1024;
}

BENCHMARK(BM_PeakXmlOfEmptyElements)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PeakLargestAcceptedXml)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PeakLongNamedSatellites)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PeakIniLineOfCommas)->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK(BM_ListScanCatalog)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();
BENCHMARK(BM_ChangesOfWholeCatalog)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();
BENCHMARK(BM_ImportIntoEmptyTable)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_ImportIntoFullTable)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_ImportFileIntoEmptyTable)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();
BENCHMARK(BM_DownloadIntoEmptyTable)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();
BENCHMARK(BM_PeakEndlessDownload)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace velmora

// "--endless-download URL" is the child of BM_PeakEndlessDownload.
int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--endless-download") {
        std::printf("%ld\n", velmora::EndlessDownloadRssKb(argv[2]));
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
