// Telling the user what a diagnosis left out: the rules it could not flatten in full and a
// search stopped at its limit. Plain writes and notes only; it changes no fact.
#include "diagnostics/pominiecia.h"

#include <algorithm>

#include "platform/toolkit.h"

namespace diagnostics {
namespace {

// A note names at most this many rules; the auxiliary window names them all.
constexpr std::size_t kRulesInNote = 10;

std::string rule_text(const Omissions::Rule& r)
{
    return "reguła " + std::to_string(r.numer) + " (wniosek " + r.wniosek + ")";
}

void tell_rules(kb::Context& ctx, const std::vector<Omissions::Rule>& rules, const std::string& heading,
                const std::string& ending)
{
    if (rules.empty()) return;
    std::string lines = "\n " + heading + "\n";
    std::string listed;
    for (std::size_t i = 0; i < rules.size(); ++i) {
        lines += "   " + rule_text(rules[i]) + "\n";
        if (i < kRulesInNote) listed += "\n   " + rule_text(rules[i]);
    }
    if (rules.size() > kRulesInNote)
        listed += "\n   i " + std::to_string(rules.size() - kRulesInNote) + " innych (w oknie pomocniczym)";
    ctx.ui.write(lines + " " + ending + "\n\n");
    ctx.ui.note("Uwaga!", heading + listed + "\n\n" + ending);
}

}  // namespace

void Omissions::note(std::int32_t numer, std::string_view wniosek, const Flattening& splaszczenie)
{
    std::vector<Rule>* list = nullptr;
    if (splaszczenie.koniec == FlatteningEnd::self_dependent) list = &self_dependent_;
    if (splaszczenie.koniec == FlatteningEnd::cut) list = &cut_;
    if (!list) return;
    Rule rule{numer, std::string(wniosek)};
    if (std::find(list->begin(), list->end(), rule) == list->end()) list->push_back(std::move(rule));
}

void Omissions::tell(kb::Context& ctx) const
{
    tell_rules(ctx, self_dependent_,
               "Nie można spłaszczyć następujących reguł, gdyż ich warunki zależą od samych siebie:",
               "Diagnoza pominęła te reguły. Źródło zależności wskaże diagnostyka sprzeczności zewnętrznych.");
    tell_rules(ctx, cut_, "Spłaszczanie następujących reguł przerwano, gdyż mają zbyt wiele postaci spłaszczonych:",
               "Diagnoza objęła tylko postacie spłaszczone znalezione przed przerwaniem.");
    if (search_stopped_) {
        const std::string text = "Diagnozę przerwano, gdyż baza reguł wymaga zbyt wielu kroków do zbadania.\n"
                                 "Wyniki diagnozy mogą być niepełne.";
        ctx.ui.write("\n " + text + "\n\n");
        ctx.ui.note("Uwaga!", text);
    }
}

}  // namespace diagnostics
