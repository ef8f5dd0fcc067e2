// Speed of the rule-base diagnoses: everything a rule-base load runs when the user accepts all
// three (external and internal contradictions, redundancy), on a generated ordinary base, and
// the bounded end of bases that explode (the load-speed base with thousands of forms a rule,
// forms that double with every level, a dense cycle).
// Measures only; the targets (an ordinary 1,000-rule base in well under a second, the bounded
// bases in about a second) are read by people.
#include <benchmark/benchmark.h>

#include <array>
#include <random>
#include <string>

#include "diagnostics/nadmiar.h"
#include "diagnostics/sprzecznosc_wewnetrzna.h"
#include "diagnostics/sprzecznosc_zewnetrzna.h"
#include "generate_bases.h"
#include "kb/context.h"
#include "kb/dopytywalne.h"
#include "kb/dopytywalne_regul.h"
#include "platform/factfile.h"
#include "platform/headless/headless_toolkit.h"

namespace {

// A program with a rule base loaded as the load leaves it before its diagnoses.
struct Loaded {
    explicit Loaded(const std::string& text)
        : ui(platform::headless::Script::parse(""), platform::headless::HeadlessOptions{}), ctx(ui)
    {
        factfile::load_text(ctx.db.baza_regul, text);
        const facts::NameList askable = kb::wyznacz_warunki_dopytywalne(ctx).value_or(facts::NameList{});
        kb::pamietaj_liste_dopytywalnych(ctx, askable);
        kb::pamietaj_warunki_dopytywalne(ctx, askable);
    }
    platform::headless::HeadlessToolkit ui;
    kb::Context ctx;
};

// The three searches of a load whose questions are all answered Yes, from clean findings.
// Answers how many things were left out (rules not flattened in full, a stopped search).
std::size_t diagnose(kb::Context& ctx)
{
    ctx.db.wyniki_diagnoz.visit([](std::string_view, auto& facts) { facts.remove_all(); });
    std::size_t left_out = 0;
    auto count = [&](const diagnostics::Omissions& o) {
        left_out += o.self_dependent().size() + o.cut().size() + (o.search_stopped() ? 1 : 0);
    };
    count(diagnostics::badaj_sprzecznosc_1z(ctx));
    count(diagnostics::wyznacz_sprzecznosc_1w(ctx));
    diagnostics::Omissions redundancy;
    diagnostics::wyznacz_nadmiar_p(ctx, redundancy);
    count(redundancy);
    return left_out;
}

void report(benchmark::State& state, const kb::Context& ctx, std::size_t left_out)
{
    const auto& w = ctx.db.wyniki_diagnoz;
    state.counters["rules"] = static_cast<double>(ctx.db.baza_regul.regula.size());
    state.counters["flattened"] = static_cast<double>(w.regula_splaszczona_1w.size());
    state.counters["redundant_pairs"] = static_cast<double>(w.reguly_nadmiarowe_n1.size());
    state.counters["left_out"] = static_cast<double>(left_out);
}

// An ordinary knowledge base of `rules` rules in three layers, as an engineer builds one:
// findings from symptoms, syndromes from findings and symptoms, diagnoses from syndromes and
// symptoms. About 1.6 rules per conclusion, 1-4 conditions a rule, 40% of the conditions of an
// upper layer concluded by the layer below, 15% negated; no cycle.
std::string ordinary_base(std::size_t rules, unsigned seed = 7)
{
    std::mt19937 random(seed);
    auto pick = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random); };
    const std::array<const char*, 3> layer_names = {"ustalenie_", "zespół_", "rozpoznanie_"};
    const std::array<double, 3> layer_share = {0.45, 0.30, 0.25};
    const std::size_t symptoms = rules / 2 + 10;
    std::string out;
    std::size_t numer = 1;
    std::size_t below = 0;  // conclusions of the layer below
    for (std::size_t layer = 0; layer < 3; ++layer) {
        const auto count = static_cast<std::size_t>(static_cast<double>(rules) * layer_share[layer]);
        const std::size_t conclusions = count * 10 / 16 + 1;
        for (std::size_t r = 0; r < count; ++r) {
            const std::size_t conclusion = r < conclusions ? r : pick(conclusions);
            out += "reguła(" + std::to_string(numer++) + ",\"" + layer_names[layer] + std::to_string(conclusion) +
                   "\",[";
            const std::size_t conds = 1 + pick(4);
            for (std::size_t c = 0; c < conds; ++c) {
                std::string name = layer > 0 && pick(10) < 4
                                       ? layer_names[layer - 1] + std::to_string(pick(below))
                                       : "objaw_" + std::to_string(pick(symptoms));
                if (pick(100) < 15) name = "n" + name;
                out += std::string(c ? "," : "") + "\"" + name + "\"";
            }
            out += "],1,\"0.8\")\n";
        }
        below = conclusions;
    }
    return out;
}

void BM_DiagnoseOrdinaryBase(benchmark::State& state)
{
    Loaded base(ordinary_base(static_cast<std::size_t>(state.range(0))));
    std::size_t left_out = 0;
    for (auto _ : state) left_out = diagnose(base.ctx);
    report(state, base.ctx, left_out);
}
BENCHMARK(BM_DiagnoseOrdinaryBase)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The load-speed generator's base: 250 conclusions of four rules each, chained through the
// whole base, so a rule has thousands of flattened forms. Bounded, and the omissions say so.
void BM_DiagnoseLoadBenchBase(benchmark::State& state)
{
    Loaded base(bench::generate_rule_base(static_cast<std::size_t>(state.range(0))));
    std::size_t left_out = 0;
    for (auto _ : state) left_out = diagnose(base.ctx);
    report(state, base.ctx, left_out);
}
BENCHMARK(BM_DiagnoseLoadBenchBase)->Arg(1000)->Unit(benchmark::kMillisecond);

// Every level concluded by two rules from the level below and a condition of its own: the top
// rule has 2^levels forms. Bounded by the limits of the flattening, which the omissions name.
std::string doubling_base(int levels)
{
    std::string out;
    int numer = 1;
    auto rule = [&](const std::string& w, const std::string& a, const std::string& b) {
        out += "reguła(" + std::to_string(numer++) + ",\"" + w + "\",[\"" + a + "\",\"" + b + "\"],1,\"0.9\")\n";
    };
    rule("poziom_0", "objaw_a", "objaw_b");
    for (int i = 1; i <= levels; ++i) {
        const std::string below = "poziom_" + std::to_string(i - 1);
        rule("poziom_" + std::to_string(i), below, "objaw_a_" + std::to_string(i));
        rule("poziom_" + std::to_string(i), below, "objaw_b_" + std::to_string(i));
        rule("wniosek_" + std::to_string(i), "npoziom_" + std::to_string(i), "objaw_c");
    }
    return out;
}

void BM_DiagnoseDoublingBase(benchmark::State& state)
{
    Loaded base(doubling_base(static_cast<int>(state.range(0))));
    std::size_t left_out = 0;
    for (auto _ : state) left_out = diagnose(base.ctx);
    report(state, base.ctx, left_out);
}
BENCHMARK(BM_DiagnoseDoublingBase)->Arg(10)->Arg(30)->Unit(benchmark::kMillisecond);

// Twelve conclusions, each from all the others: the paths of the external search grow as a
// factorial; the search stops at its limit and says so.
void BM_DiagnoseDenseCycle(benchmark::State& state)
{
    std::string text;
    const int n = static_cast<int>(state.range(0));
    for (int i = 0; i < n; ++i) {
        text += "reguła(" + std::to_string(i + 1) + ",\"stan_" + std::to_string(i) + "\",[";
        bool first = true;
        for (int j = 0; j < n; ++j)
            if (j != i) {
                text += std::string(first ? "" : ",") + "\"stan_" + std::to_string(j) + "\"";
                first = false;
            }
        text += "],1,\"0.9\")\n";
    }
    Loaded base(text);
    std::size_t left_out = 0;
    for (auto _ : state) left_out = diagnose(base.ctx);
    report(state, base.ctx, left_out);
}
BENCHMARK(BM_DiagnoseDenseCycle)->Arg(12)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
