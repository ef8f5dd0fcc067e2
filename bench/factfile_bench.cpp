// Speed and memory of the fact-file reader and writer: a generated rule base of 100,000
// rules in CP1250 loaded into the store, and a large report saved. Reports MB/s, facts/s
// and the store's heap per byte of file. Measures only; the targets are read by people.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "generate_bases.h"
#include "kb/store.h"
#include "platform/factfile.h"
#include "platform/files.h"

namespace {

constexpr std::size_t kRules = 100000;

// The generated base, written once per run into a temporary folder as a CP1250 file.
struct RuleBaseFile {
    RuleBaseFile()
    {
        dir = std::filesystem::temp_directory_path() /
              ("velk_bench_" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        std::filesystem::create_directories(dir);
        files = files::Files(dir.string());
        utf8 = bench::generate_rule_base(kRules);
        files.write_text("REbench.BQZ", utf8, text::Encoding::Cp1250);
        bytes = std::filesystem::file_size(dir / "REbench.BQZ");
        kb::BazaRegul probe;
        factfile::load_text(probe, utf8);
        facts = probe.fakt.size() + probe.regula.size() + probe.regula_dysjunktywna.size() +
                probe.rem_regula.size();
    }
    ~RuleBaseFile() { std::filesystem::remove_all(dir); }

    std::filesystem::path dir;
    files::Files files;
    std::string utf8;
    std::size_t bytes = 0;
    std::size_t facts = 0;
};

RuleBaseFile& rule_base()
{
    static RuleBaseFile file;
    return file;
}

void report(benchmark::State& state, std::size_t bytes, std::size_t facts)
{
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * facts));
}

// Whole path: read the file, decode CP1250, parse, add to the store.
void BM_LoadRuleBaseFile(benchmark::State& state)
{
    RuleBaseFile& base = rule_base();
    for (auto _ : state) {
        kb::Store store;
        factfile::load(store.baza_regul, base.files, "REbench.BQZ");
        benchmark::DoNotOptimize(store.baza_regul.regula.size());
    }
    report(state, base.bytes, base.facts);
}
BENCHMARK(BM_LoadRuleBaseFile)->Unit(benchmark::kMillisecond);

// The line reader alone, on text already decoded.
void BM_ParseRuleBaseText(benchmark::State& state)
{
    RuleBaseFile& base = rule_base();
    for (auto _ : state) {
        kb::BazaRegul db;
        factfile::load_text(db, base.utf8);
        benchmark::DoNotOptimize(db.regula.size());
    }
    report(state, base.utf8.size(), base.facts);
}
BENCHMARK(BM_ParseRuleBaseText)->Unit(benchmark::kMillisecond);

// Heap held by the loaded rule base against the size of its file (target: within 3x).
void BM_StoreMemory(benchmark::State& state)
{
    RuleBaseFile& base = rule_base();
    double ratio = 0;
    std::size_t held = 0;
    for (auto _ : state) {
        malloc_trim(0);
        std::size_t before = mallinfo2().uordblks;
        auto store = std::make_unique<kb::Store>();
        factfile::load(store->baza_regul, base.files, "REbench.BQZ");
        held = mallinfo2().uordblks - before;
        ratio = static_cast<double>(held) / static_cast<double>(base.bytes);
        benchmark::DoNotOptimize(store->baza_regul.regula.size());
    }
    state.counters["file_MB"] = static_cast<double>(base.bytes) / 1e6;
    state.counters["store_MB"] = static_cast<double>(held) / 1e6;
    state.counters["store_per_file"] = ratio;
    state.counters["store_per_utf8"] = static_cast<double>(held) / static_cast<double>(base.utf8.size());
}
BENCHMARK(BM_StoreMemory)->Unit(benchmark::kMillisecond)->Iterations(3);

// Saving a report of the size of the rule base text (LFs and quotes to escape, Polish letters).
void BM_SaveReport(benchmark::State& state)
{
    RuleBaseFile& base = rule_base();
    kb::BazaRaportu raport;
    raport.tekst_raportu.set(base.utf8);
    for (auto _ : state) {
        factfile::save(raport, base.files, "RAPORT.RPT");
    }
    report(state, std::filesystem::file_size(base.dir / "RAPORT.RPT"), 1);
}
BENCHMARK(BM_SaveReport)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
