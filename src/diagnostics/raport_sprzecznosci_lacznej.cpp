// The reports of the joint contradictions of the rule base with the exact and with the
// uncertain constraint base: each flattened rule written with every constraint it really meets
// (direct ones, made without other rules, first), a note for each, then the offer to keep the
// report. With nothing recorded the search runs again first. A report uses up the recorded
// pairs, so the next one searches afresh.
#include <set>
#include <utility>
#include <vector>

#include "diagnostics/diagnozy.h"
#include "diagnostics/listy_diagnoz.h"
#include "diagnostics/raporty_laczne.h"
#include "diagnostics/sprzecznosc_laczna.h"
#include "diagnostics/testy_ladowania_ograniczen.h"
#include "kb/pisz.h"
#include "platform/toolkit.h"

namespace diagnostics {
namespace {

using kb::Context;
using std::string;

// Every recorded pair once, in stored order, with each flattened form of its rule (the direct
// or the indirect ones) and the constraints of its number that the form meets.
template <class Body>
void spotkania(const SprzecznoscLaczna& kind, bool posrednie, Body&& body)
{
    const std::vector<kb::RegulaSplaszczona> formy = kind.splaszczone.all();
    const std::vector<kb::Ograniczenie> ograniczenia = kind.ograniczenia.all();
    std::set<std::pair<std::int32_t, std::int32_t>> pary;
    for (const kb::RegulaOgraniczenie& p : kind.sprzecznosci.all()) {
        if (!pary.insert({p.regula, p.ograniczenie}).second) continue;
        for (const kb::RegulaSplaszczona& f : formy) {
            if (f.numer != p.regula || f.uzyte_reguly.empty() == posrednie) continue;
            std::vector<facts::SList> spotkane;
            for (const kb::Ograniczenie& o : ograniczenia)
                if (o.numer == p.ograniczenie && spotyka_ograniczenie(f.warunki, o.warunki))
                    spotkane.push_back(o.warunki);
            if (!spotkane.empty()) body(f, p.ograniczenie, spotkane);
        }
    }
}

string nota_splaszczonej(const kb::RegulaSplaszczona& f, const string& po_numerze)
{
    return "W wyniku spłaszczenia reguły " + nr(f.numer) + po_numerze + "otrzymuje się:\n\nregula_splaszczona(" +
           nr(f.numer) + ", " + f.wniosek + ", " + lista_noty(f.warunki) + ")\n\n";
}

// ---- The exact constraint base ---------------------------------------------------------------

void bezposrednie_2(Context& ctx, const SprzecznoscLaczna& kind, const string& t)
{
    spotkania(kind, false, [&](const kb::RegulaSplaszczona& f, std::int32_t k, const std::vector<facts::SList>& qs) {
        linia(ctx, " W wyniku spłaszczenia reguły " + nr(f.numer) + " otrzymuje się: ");
        pisz_z_lista(ctx, "   regula_splaszczona(" + nr(f.numer) + ", " + f.wniosek + ", ", f.warunki);
        linia(ctx, ")");
        for (const facts::SList& q : qs) {
            linia(ctx, " Reguła " + nr(f.numer) + " jest bezpośrednio " + t + "-sprzeczna z ograniczeniem dokładnym " +
                           nr(k) + " o postaci:");
            pisz_z_lista(ctx, "   ograniczenie(" + nr(k) + ", ", q);
            linia(ctx, ")");
            kb::piszcr(ctx);
            ctx.ui.note("Diagnostyka sprzeczności łącznych bazy reguł i bazy ograniczeń dokladnej ",
                        nota_splaszczonej(f, ". ") + "Reguła " + nr(f.numer) + ". jest bezpośrednio łącznie " + t +
                            "-sprzeczna z ograniczeniem dokładnym " + nr(k) + "  o postaci:\n\nograniczenie(" + nr(k) +
                            ", " + lista_noty(q) + ")\n");
        }
    });
}

void posrednie_2(Context& ctx, const SprzecznoscLaczna& kind, const string& t)
{
    spotkania(kind, true, [&](const kb::RegulaSplaszczona& f, std::int32_t k, const std::vector<facts::SList>& qs) {
        for (const facts::SList& q : qs) {
            linia(ctx, " W wyniku spłaszczenia reguły " + nr(f.numer) + " otrzymuje się: ");
            pisz_z_lista(ctx, "   regula_splaszczona(" + nr(f.numer) + ", " + f.wniosek + ", ", f.warunki);
            linia(ctx, ")");
            kb::pisz_tuto(ctx, " Spłaszczenie uzyskano za pomocą reguł o numerach: ");
            pisz_liste_dla_raportu_i(ctx, lista_str_int(f.uzyte_reguly));
            linia(ctx, " Reguła " + nr(f.numer) + " jest pośrednio łącznie " + t +
                           "-sprzeczna z ograniczeniem dokładnym " + nr(k) + " o postaci:");
            pisz_z_lista(ctx, "   ograniczenie(" + nr(k) + ", ", q);
            linia(ctx, ")");
            kb::piszcr(ctx);
            ctx.ui.note("Diagnostyka sprzeczności łącznych bazy reguł i bazy ograniczeń dokładnych ",
                        nota_splaszczonej(f, ". ") + "Spłaszczenie uzyskano za pomocą reguł o numerach:" +
                            numery_noty(f.uzyte_reguly) + "\n\nReguła " + nr(f.numer) + ". jest pośrednio " + t +
                            "-sprzeczna z ograniczeniem dokładnym " + nr(k) + ". o postaci:\n\nograniczenie(" + nr(k) +
                            ", " + lista_noty(q) + ")\n");
        }
    });
}

bool koniec_2(Context& ctx, const SprzecznoscLaczna& kind, const string& r, const string& o)
{
    kb::piszcr(ctx);
    kind.sprzecznosci.remove_all();
    linia(ctx, " Koniec raportu diagnostyki sprzeczności łącznych");
    linia(ctx, " bazy reguł:                   " + r);
    linia(ctx, " i bazy ograniczeń dokładnych: " + o);
    ctx.ui.note("Diagnostyka sprzeczności łącznych bazy reguł i bazy ograniczeń",
                "Koniec raportu diagnostyki sprzeczności łącznych\nbazy reguł rozwiniętej niepewnej\n   " + r +
                    "\ni bazy ograniczeń rozwiniętej dokładnej\n   " + o + ".");
    return kb::raport(ctx);
}

// ---- The uncertain constraint base -----------------------------------------------------------

void bezposrednie_2p(Context& ctx, const SprzecznoscLaczna& kind, const string& t)
{
    spotkania(kind, false, [&](const kb::RegulaSplaszczona& f, std::int32_t k, const std::vector<facts::SList>& qs) {
        linia(ctx, "W wyniku spłaszczenia reguły " + nr(f.numer) + " otrzymuje się: ");
        pisz_z_lista(ctx, "  regula_splaszczona(" + nr(f.numer) + ", " + f.wniosek + ", ", f.warunki);
        linia(ctx, ")");
        kb::pisz_tuto(ctx, "Spłaszczenie uzyskano za pomocą reguł o numerach: ");
        pisz_liste_dla_raportu_i(ctx, {});
        for (const facts::SList& q : qs) {
            linia(ctx, "Reguła " + nr(f.numer) + " jest bezpośrednio " + t + "-sprzeczna z ograniczeniem " + nr(k) +
                           " o postaci");
            kb::piszcr(ctx);
            pisz_z_lista(ctx, "  ograniczenie_n(" + nr(k) + ", ", q);
            linia(ctx, ")");
            kb::piszcr(ctx);
            ctx.ui.note("Diagnostyka sprzeczności łącznych bazy reguł i bazy ograniczeń",
                        nota_splaszczonej(f, "  ") + "Reguła " + nr(f.numer) + "  jest bezpośrednio " + t +
                            "-sprzeczna z ograniczeniem " + nr(k) + "  o postaci:\n\nograniczenie(" + nr(k) + ", " +
                            lista_noty(q) + ")\n");
        }
    });
}

void posrednie_2p(Context& ctx, const SprzecznoscLaczna& kind, const string& t)
{
    spotkania(kind, true, [&](const kb::RegulaSplaszczona& f, std::int32_t k, const std::vector<facts::SList>& qs) {
        for (const facts::SList& q : qs) {
            linia(ctx, "W wyniku spłaszczenia reguły " + nr(f.numer) + " otrzymuje się: ");
            pisz_z_lista(ctx, "  regula_splaszczona(" + nr(f.numer) + ", " + f.wniosek + ", ", f.warunki);
            linia(ctx, ")");
            kb::pisz_tuto(ctx, "Spłaszczenie uzyskano za pomocą reguł o numerach: ");
            pisz_liste_dla_raportu_i(ctx, lista_str_int(f.uzyte_reguly));
            linia(ctx, " Reguła " + nr(f.numer) + " jest pośrednio " + t + "-sprzeczna z ograniczeniem " + nr(k) +
                           " o postaci");
            pisz_z_lista(ctx, "  ograniczenie_n(" + nr(k) + ", ", q);
            linia(ctx, ")");
            kb::piszcr(ctx);
            ctx.ui.note("Diagnostyka sprzeczności łącznych bazy reguł i bazy ograniczeń",
                        nota_splaszczonej(f, "  ") + "Spłaszczenie uzyskano za pomocą reguł o numerach: " +
                            numery_noty(f.uzyte_reguly) + "\n\nReguła " + nr(f.numer) + "  jest pośrednio " + t +
                            "-sprzeczna z ograniczeniem " + nr(k) + "  o postaci:\n\nograniczenie(" + nr(k) + ", " +
                            lista_noty(q) + ")\n");
        }
    });
}

bool koniec_2p(Context& ctx, const SprzecznoscLaczna& kind, const string& r, const string& o)
{
    kb::piszcr(ctx);
    kind.sprzecznosci.remove_all();
    linia(ctx, " Koniec diagnostyki sprzeczności łącznych ");
    linia(ctx, " bazy reguł:                       " + r);
    linia(ctx, " i bazy ograniczeń niepewnych:  " + o);
    ctx.ui.note("Diagnostyka sprzeczności łącznych bazy reguł i bazy ograniczeń",
                "Koniec raportu diagnostyki sprzeczności łącznych\nbazy reguł rozwiniętej niepewnej\n   " + r +
                    "\ni bazy ograniczeń rozwiniętej niepewnej\n   " + o + ".");
    return kb::raport(ctx);
}

}  // namespace

bool pisz_sprzecznosc_2(Context& ctx)
{
    const SprzecznoscLaczna kind = sprzecznosc_dokladna(ctx);
    if (kind.sprzecznosci.empty()) wyznacz_sprzecznosc_2(ctx);
    const string r = ctx.db.stan.nazwa_re.first().value_or("");
    const string o = ctx.db.baza_ograniczen.nazwa_og.first().value_or("");
    const auto t = rodzaj_laczny(ctx, nazwa_sprzecznosci_2);

    if (kind.sprzecznosci.empty()) {
        ctx.ui.write("\n");
        if (t) {
            ctx.ui.write("  Baza reguł                 " + r + "\n  Baza ograniczeń dokładnych " + o +
                         "\n  nie są łącznie " + *t + "-sprzeczne.");
            ctx.ui.note("", "Baza reguł rozwinięta niepewna\n   " + r + "\ni baza ograniczeń rozwinieta dokładna\n   " +
                                o + "\nnie są łącznie " + *t + "-sprzeczne.");
            return true;
        }
    }

    kb::kasowanie_tekst_raportu(ctx);
    linia(ctx, " Raport diagnostyki sprzeczności łącznych pomiędzy ");
    linia(ctx, " bazą reguł:                   " + r + " i ");
    linia(ctx, " i bazą ograniczeń dokładnycb: " + o);
    kb::piszcr(ctx);
    ctx.ui.note("Diagnostyka sprzeczności łącznych bazy reguł i bazy ograniczeń dokładnej",
                "Raport diagnostyki sprzeczności pomiędzy\nbazą reguł rozwiniętą niepewną\n   " + r +
                    "\ni bazą ograniczeń rozwiniętą dokładną\n   " + o + ".");
    if (kind.sprzecznosci.empty() || !t) return false;

    linia(ctx, " Wyznaczanie sprzeczności łącznych typu " + *t + " odbywa się na drodze spłaszczania reguł:");
    kb::piszcr(ctx);
    ctx.ui.note("Diagnostyka sprzeczności łącznych bazy reguł i bazy ograniczeń dokładnejh",
                "Wyznaczanie sprzeczności  łącznych typu " + *t + " odbywa się na drodze spłaszczania reguł:");
    bezposrednie_2(ctx, kind, *t);
    posrednie_2(ctx, kind, *t);
    return koniec_2(ctx, kind, r, o);
}

bool pisz_sprzecznosc_2p(Context& ctx)
{
    const SprzecznoscLaczna kind = sprzecznosc_niepewna(ctx);
    if (kind.sprzecznosci.empty()) wyznacz_sprzecznosc_2p(ctx);
    const string r = ctx.db.stan.nazwa_re.first().value_or("");
    const string o = ctx.db.baza_ograniczen_p.nazwa_op.first().value_or("");
    const auto t = rodzaj_laczny(ctx, nazwa_sprzecznosci_2p);

    if (kind.sprzecznosci.empty()) {
        ctx.ui.write("\n");
        if (t) {
            ctx.ui.write("  Baza reguł                   " + r + "\n  oraz baza ograniczeń niepewnych " + o +
                         "\n  nie są " + *t + "-sprzeczne.\n");
            ctx.ui.note("", "Baza reguł rozwinięta niepewna\n   " + r + "\ni baza ograniczeń rozwinięta niepewna\n   " +
                                o + "\nnie są " + *t + "-sprzeczne.");
            return true;
        }
    }

    kb::kasowanie_tekst_raportu(ctx);
    linia(ctx, " Raport diagnostyki sprzeczności pomiędzy ");
    linia(ctx, " baza reguł                   " + r + " i ");
    linia(ctx, " bazą ograniczeń niepewnych " + o);
    kb::piszcr(ctx);
    ctx.ui.note("Diagnostyka sprzeczności łącznych bazy reguł i bazy ograniczeń niepewnych",
                "Raport diagnostyki sprzeczności pomiędzy\nbazą reguł rozwiniętą niepewną\n   " + r +
                    "\ni bazą ograniczeń rozwiniętą niepewną\n   " + o + ".");
    if (!t) return false;

    linia(ctx, " Wyznaczanie sprzeczności typu " + *t);
    linia(ctx, " odbywa się na drodze spłaszczania reguł:");
    kb::piszcr(ctx);
    ctx.ui.note("Diagnostyka sprzeczności łącznych bazy reguł i bazy ograniczeń",
                "Wyznaczanie sprzeczności typu " + *t + " odbywa się na drodze spłaszczania reguł. ");
    bezposrednie_2p(ctx, kind, *t);
    posrednie_2p(ctx, kind, *t);
    return koniec_2p(ctx, kind, r, o);
}

}  // namespace diagnostics
