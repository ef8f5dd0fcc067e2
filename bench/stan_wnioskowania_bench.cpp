// Lookups of an inference run's records by name (resultants, contributions, established values)
// among 1,000, 10,000 and 100,000 records: each must cost the same whatever the number of
// records. Google Benchmark, in-process; the records are made up, one name per record.
#include <benchmark/benchmark.h>

#include <string>

#include "kb/context.h"
#include "kb/stan_wnioskowania.h"
#include "platform/headless/headless_toolkit.h"

namespace {

struct Run {
    platform::headless::HeadlessToolkit ui{platform::headless::Script::parse(""), {}};
    kb::Context ctx{ui};

    // n resultants of n names, a contribution of each rule to a quarter as many conclusions,
    // and n established values.
    explicit Run(std::int64_t n)
    {
        for (std::int64_t i = 0; i < n; ++i) {
            const std::string name = "warunek_" + std::to_string(i);
            kb::dodaj_wypadkowa(ctx, name, 0.5);
            kb::dodaj_prbd(ctx, static_cast<std::int32_t>(i), "wniosek_" + std::to_string(i % (n / 4)), 0.3);
            kb::ustal_wartosc(ctx, "argument_" + std::to_string(i), 1.0);
        }
    }
};

std::string middle(const char* prefix, std::int64_t n) { return prefix + std::to_string(n / 2); }

void BM_Wypadkowa(benchmark::State& state)
{
    Run run(state.range(0));
    const std::string name = middle("warunek_", state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(kb::wypadkowa(run.ctx, name));
}

void BM_MaDokladnie(benchmark::State& state)
{
    Run run(state.range(0));
    const std::string name = middle("warunek_", state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(kb::ma_dokladnie(run.ctx, name, -1.0));
}

void BM_BrakWypadkowej(benchmark::State& state)
{
    Run run(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(kb::ma_wypadkowa(run.ctx, "nieznany"));
}

void BM_CfCzastkowe(benchmark::State& state)
{
    Run run(state.range(0));
    const std::string name = middle("wniosek_", state.range(0) / 4);
    for (auto _ : state) benchmark::DoNotOptimize(kb::cf_czastkowe(run.ctx, name));
}

void BM_JestPrbd(benchmark::State& state)
{
    Run run(state.range(0));
    const std::string name = middle("wniosek_", state.range(0) / 4);
    for (auto _ : state) benchmark::DoNotOptimize(kb::jest_prbd(run.ctx, 7, name, 0.3));
}

void BM_WartoscUstalona(benchmark::State& state)
{
    Run run(state.range(0));
    const std::string name = middle("argument_", state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(kb::wartosc_ustalona(run.ctx, name));
}

// A resultant stored again: its record and its negation's replaced, as every new resultant does.
void BM_ZapisWypadkowej(benchmark::State& state)
{
    Run run(state.range(0));
    const std::string name = middle("warunek_", state.range(0));
    for (auto _ : state) {
        kb::usun_pierwsza_wypadkowa(run.ctx, name);
        kb::dodaj_wypadkowa(run.ctx, name, 0.5);
    }
}

}  // namespace

BENCHMARK(BM_Wypadkowa)->Arg(1000)->Arg(10000)->Arg(100000);
BENCHMARK(BM_MaDokladnie)->Arg(1000)->Arg(10000)->Arg(100000);
BENCHMARK(BM_BrakWypadkowej)->Arg(1000)->Arg(10000)->Arg(100000);
BENCHMARK(BM_CfCzastkowe)->Arg(1000)->Arg(10000)->Arg(100000);
BENCHMARK(BM_JestPrbd)->Arg(1000)->Arg(10000)->Arg(100000);
BENCHMARK(BM_WartoscUstalona)->Arg(1000)->Arg(10000)->Arg(100000);
BENCHMARK(BM_ZapisWypadkowej)->Arg(1000)->Arg(10000)->Arg(100000);

BENCHMARK_MAIN();
