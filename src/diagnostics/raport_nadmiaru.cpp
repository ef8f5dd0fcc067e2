// The report of the redundant rules: for every recorded pair, once, both flattened rules, the
// rules used to flatten them and the verdict, into the auxiliary window and a fresh report text,
// a note for each, and the offer to keep the report. It reads the pairs and never removes them,
// so a second report shows them all again.
#include <set>
#include <string>
#include <utility>

#include "diagnostics/diagnozy.h"
#include "diagnostics/listy_diagnoz.h"
#include "diagnostics/nadmiar.h"
#include "diagnostics/raporty_regul.h"
#include "kb/pisz.h"
#include "platform/factfile.h"
#include "platform/toolkit.h"

namespace diagnostics {
namespace {

const std::string kTytul = "Diagnostyka nadmiarowości bazy reguł";

std::string nr(std::int32_t n) { return std::to_string(n); }

void line(kb::Context& ctx, const std::string& text)
{
    kb::pisz_tuto(ctx, text);
    kb::piszcr(ctx);
}

void flattened_rule(kb::Context& ctx, std::int32_t numer, const std::string& wniosek, const facts::SList& warunki,
                    const facts::IList& uzyte)
{
    line(ctx, " W wyniku spłaszczenia reguły " + nr(numer) + " otrzymuje się: ");
    kb::pisz_tuto(ctx, "   regula_splaszczona(" + nr(numer) + ", " + wniosek + ", [");
    pisz_liste_dla_raportu_s(ctx, warunki);
    line(ctx, ")");
    kb::pisz_tuto(ctx, " Spłaszczenie uzyskano za pomocą reguł o numerach: ");
    pisz_liste_dla_raportu_i(ctx, lista_str_int(uzyte));
}

std::string note_part(std::int32_t numer, const std::string& wniosek, const facts::SList& warunki,
                      const facts::IList& uzyte)
{
    return "W wyniku spłaszczenia reguły " + nr(numer) + " otrzymuje się:\n\nregula_splaszczona(" + nr(numer) + ", " +
           wniosek + ", " + factfile::to_text(warunki) + ")\n\nSpłaszczenie uzyskano za pomocą reguł o numerach: " +
           tworz_string1(lista_str_int(uzyte));
}

// Each recorded pair once, with the combination of forms recorded first.
void pary(kb::Context& ctx, const std::string& rodzaj)
{
    std::set<std::pair<std::int32_t, std::int32_t>> recorded, shown;
    ctx.db.wyniki_diagnoz.reguly_nadmiarowe_n1.each(
        [&](const kb::RegulyNadmiarowe& p) { recorded.insert({p.pierwsza, p.druga}); });
    for (const kb::ParaSplaszczona& p : ctx.db.wyniki_diagnoz.para_splaszczona_n1.all()) {
        const std::pair<std::int32_t, std::int32_t> numbers{p.pierwsza, p.druga};
        if (!recorded.contains(numbers) || !shown.insert(numbers).second) continue;
        flattened_rule(ctx, p.pierwsza, p.wniosek, p.warunki_pierwszej, p.uzyte_pierwszej);
        flattened_rule(ctx, p.druga, p.wniosek, p.warunki_drugiej, p.uzyte_drugiej);
        const std::string verdict =
            "Reguły " + nr(p.pierwsza) + " i " + nr(p.druga) + " zawierają nadmiar typu " + rodzaj + ".";
        line(ctx, " " + verdict);
        ctx.ui.note(kTytul, note_part(p.pierwsza, p.wniosek, p.warunki_pierwszej, p.uzyte_pierwszej) + "\n\n\n" +
                                note_part(p.druga, p.wniosek, p.warunki_drugiej, p.uzyte_drugiej) + "\n\n" + verdict);
    }
}

}  // namespace

bool pisz_nadmiar_p(kb::Context& ctx)
{
    const std::optional<std::string> nazwa = baza_do_raportu(ctx);
    if (!nazwa) return false;
    auto& w = ctx.db.wyniki_diagnoz;
    if (w.reguly_nadmiarowe_n1.empty()) {
        Omissions omissions;
        wyznacz_nadmiar_p(ctx, omissions);
        omissions.tell(ctx);
        if (!w.jest_nadmiar.contains("TAK")) {
            ctx.ui.write("\n\n");
            ctx.ui.note("Wynik diagnozowania nadmiarowości bazy reguł",
                        "Baza reguł rozwinięta niepewna\n   " + *nazwa + "\nnie ma reguł nadmiarowych!");
            return true;
        }
    }
    if (!w.jest_nadmiar.contains("TAK")) return false;

    const std::optional<std::string> rodzaj = rodzaj_nadmiaru_p(ctx);
    kb::kasowanie_tekst_raportu(ctx);
    if (rodzaj) {
        line(ctx, " Raport diagnostyki nadmiarowości bazy reguł ");
        line(ctx, " " + *nazwa);
        kb::piszcr(ctx);
        line(ctx, " Wykrywanie nadmiarowości typu " + *rodzaj + " odbywa się na drodze spłaszczania reguł");
        line(ctx, " i porównania list warunków spłaszczonych reguł.");
        ctx.ui.note("Raport diagnostyki nadmiarowości bazy reguł " + *nazwa,
                    "Wykrywanie nadmiarowości typu " + *rodzaj +
                        " odbywa się na drodze \nspłaszczania reguł i porównania list warunków spłaszczonych reguł.");
        pary(ctx, *rodzaj);
    }

    kb::piszcr(ctx);
    line(ctx, " Koniec raportu diagnostyki nadmiarowości bazy reguł ");
    kb::pisz_tuto(ctx, " " + *nazwa + ".");
    ctx.ui.note(kTytul, "Koniec raportu diagnostyki nadmiarowości bazy reguł rozwiniętej niepewnej\n   " + *nazwa + ".");
    return kb::raport(ctx);
}

bool redundant_rule_pair_recorded(const kb::Context& ctx)
{
    return !ctx.db.wyniki_diagnoz.reguly_nadmiarowe_n1.empty();
}

}  // namespace diagnostics
