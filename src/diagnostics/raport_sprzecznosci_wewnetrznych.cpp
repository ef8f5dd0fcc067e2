// The report of the internal contradictions: the stored findings, self-contradictory rules
// first, then those contradictory through other rules (each distinct one once), into the
// auxiliary window and a fresh report text, a note for each, and the offer to keep the report.
// It reads the findings and never changes them, so a second report shows them all again.
#include <string>
#include <unordered_set>

#include "diagnostics/diagnozy.h"
#include "diagnostics/listy_diagnoz.h"
#include "diagnostics/raporty_regul.h"
#include "diagnostics/sprzecznosc_wewnetrzna.h"
#include "kb/pisz.h"
#include "platform/factfile.h"
#include "platform/toolkit.h"

namespace diagnostics {
namespace {

const std::string kTytul = "Diagnostyka sprzeczności wewnętrznych bazy reguł";

std::string nr(std::int32_t n) { return std::to_string(n); }

// The two lines that open the block of a finding.
void flattened_rule(kb::Context& ctx, const kb::RegulaSplaszczona& f)
{
    kb::pisz_tuto(ctx, " W wyniku spłaszczenia reguły " + nr(f.numer) + " otrzymuje się: ");
    kb::piszcr(ctx);
    kb::pisz_tuto(ctx, "   regula_splaszczona(" + nr(f.numer) + ", " + f.wniosek + ", [");
    pisz_liste_dla_raportu_s(ctx, f.warunki);
    kb::pisz_tuto(ctx, ")");
    kb::piszcr(ctx);
}

std::string note_opening(const kb::RegulaSplaszczona& f)
{
    return "W wyniku spłaszczenia reguły " + nr(f.numer) + " otrzymuje się:\n\nregula_splaszczona(" + nr(f.numer) +
           ", " + f.wniosek + ", " + factfile::to_text(f.warunki) + ")\n\n";
}

void samosprzeczne(kb::Context& ctx, const std::vector<kb::RegulaSplaszczona>& findings, const std::string& rodzaj)
{
    for (const kb::RegulaSplaszczona& f : findings) {
        if (!f.uzyte_reguly.empty()) continue;
        flattened_rule(ctx, f);
        kb::pisz_tuto(ctx, " Reguła " + nr(f.numer) + " jest wewnętrznie " + rodzaj + "-samosprzeczna.");
        kb::piszcr(ctx);
        kb::piszcr(ctx);
        ctx.ui.note(kTytul, note_opening(f) + "Reguła " + nr(f.numer) + " jest wewnętrznie " + rodzaj + "-samosprzeczna.");
    }
}

// A flattened rule with two contradictory pairs is one finding for each pair: it is shown once.
void posrednie(kb::Context& ctx, const std::vector<kb::RegulaSplaszczona>& findings, const std::string& rodzaj)
{
    std::unordered_set<std::string> flattened, shown;
    ctx.db.wyniki_diagnoz.regula_splaszczona_1w.each(
        [&](const kb::RegulaSplaszczona& r) { flattened.insert(flattened_rule_key(r)); });
    for (const kb::RegulaSplaszczona& f : findings) {
        const std::string key = flattened_rule_key(f);
        if (f.uzyte_reguly.empty() || !flattened.contains(key) || !shown.insert(key).second) continue;
        flattened_rule(ctx, f);
        kb::pisz_tuto(ctx, " Spłaszczenie uzyskano za pomocą reguł o numerach: ");
        pisz_liste_dla_raportu_i(ctx, lista_str_int(f.uzyte_reguly));
        kb::pisz_tuto(ctx, " Reguła " + nr(f.numer) + " jest wewnętrznie  " + rodzaj + "-sprzeczna. ");
        kb::piszcr(ctx);
        kb::piszcr(ctx);
        ctx.ui.note(kTytul, note_opening(f) + "Spłaszczenie uzyskano za pomocą reguł o numerach: " +
                                tworz_string1(lista_str_int(f.uzyte_reguly)) + "\nReguła " + nr(f.numer) +
                                " jest wewnętrznie pośrednio " + rodzaj + "-sprzeczna. ");
    }
}

}  // namespace

bool pisz_sprzecznosc_1w(kb::Context& ctx)
{
    const std::optional<std::string> nazwa = baza_do_raportu(ctx);
    if (!nazwa) return false;
    const std::optional<std::string> rodzaj = rodzaj_sprzecznosci_1(ctx);
    if (!ctx.db.wyniki_diagnoz.sprzecznosc_1_w.contains("TAK") && rodzaj) {
        ctx.ui.note("Wynik diagnozowania sprzeczności wewnętrznej",
                    "Baza reguł " + *nazwa + " nie jest wewnętrznie " + *rodzaj + " sprzeczna.");
        return true;
    }

    kb::kasowanie_tekst_raportu(ctx);
    kb::pisz_tuto(ctx, " Raport diagnostyki sprzeczności wewnętrznych bazy reguł ");
    kb::piszcr(ctx);
    kb::pisz_tuto(ctx, " " + *nazwa);
    kb::piszcr(ctx);
    kb::piszcr(ctx);
    ctx.ui.note("Diagnostyka sprzeczności wewnętrznych bazy reguł rozwiniętej niepewnej\n   " + *nazwa,
                "Raport diagnostyki sprzeczności wewnętrznych bazy reguł");

    if (rodzaj) {
        kb::pisz_tuto(ctx, " Wyznaczanie sprzeczności wewnętrznych typu " + *rodzaj + " odbywa");
        kb::piszcr(ctx);
        kb::pisz_tuto(ctx, " się na drodze spłaszczania reguł:");
        kb::piszcr(ctx);
        kb::piszcr(ctx);
        ctx.ui.note("Raport diagnostyki sprzeczności wewnętrznych bazy reguł",
                    "Wyznaczanie sprzeczności wewnętrznych typu " + *rodzaj + "\nodbywa się na drodze spłaszczania reguł:");
        const std::vector<kb::RegulaSplaszczona> findings = ctx.db.wyniki_diagnoz.sprzecznosc_1w.all();
        samosprzeczne(ctx, findings, *rodzaj);
        posrednie(ctx, findings, *rodzaj);
    }

    kb::pisz_tuto(ctx, " Koniec raportu diagnostyki sprzeczności wewnętrznych bazy reguł ");
    kb::piszcr(ctx);
    kb::pisz_tuto(ctx, " " + *nazwa + ".");
    ctx.ui.note(kTytul, "Koniec raportu diagnostyki sprzeczności wewnętrznych bazy reguł rozwinietej niepewnej\n   " +
                            *nazwa + ".");
    return kb::raport(ctx);
}

}  // namespace diagnostics
