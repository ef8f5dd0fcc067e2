// The reports of the joint redundancy of the rule base with the exact and with the uncertain
// constraint base: for each finding its flattened rules, each once, then its constraint, each
// with a note, framed by a head, a paragraph on the method and end lines, then the offer to
// keep the report. With nothing recorded the search runs again first. A report uses up the
// findings, their flattened rules and the marks of examined groups of its kind.
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "diagnostics/diagnozy.h"
#include "diagnostics/listy_diagnoz.h"
#include "diagnostics/nadmiar_laczny.h"
#include "diagnostics/raporty_laczne.h"
#include "diagnostics/testy_ladowania_ograniczen.h"
#include "kb/pisz.h"
#include "platform/toolkit.h"

namespace diagnostics {
namespace {

using kb::Context;
using std::string;

// Everything in which the uncertain report's texts differ from the exact one's.
struct TekstyNadmiaru {
    const char* tytul_szukania;
    const char* nic_baza_regul;       // the nothing-found lines' labels
    const char* nic_baza_ograniczen;
    const char* nic_typ;
    const char* nic_koniec;           // what ends the nothing-found lines
    const char* nic_tytul;
    const char* nic_nota_baza;
    const char* naglowek[3];
    bool pusta_linia_po_naglowku;
    const char* naglowek_tytul;
    const char* naglowek_nota[2];     // before R, between R and O
    const char* metoda[3];            // the first is followed by the kind name and its own end
    const char* metoda_po_typie;
    const char* metoda_tytul;
    const char* metoda_nota[2];       // before and after the kind name
    const char* regula_wciecie;
    const char* regula_tytul;
    const char* ograniczenie_etykieta;
    const char* ograniczenie_fakt;
    const char* ograniczenie_zdanie;
    bool pusta_linia_po_ograniczeniu;
    const char* ograniczenie_tytul;
    const char* koniec[3];
    const char* koniec_tytul;
    const char* koniec_nota[3];
};

constexpr TekstyNadmiaru kDokladne{
    "Diagnostyka nadmiarowości łącznych baz reguł  i ograniczeń",
    " Baza reguł rozwinięta niepewna:  ",
    " i  baza ograniczeń rozwinięta dokładna: ",
    " nie mają nadmiarowości typu ",
    ".\n\n",
    "Diagnostyka nadmiarowości łącznych baz reguł  i ograniczeń  ",
    "\n i baza ograniczeń rozwinięta dokładna\n   ",
    {" Raport diagnostyki nadmiarowości łącznej pomiędzy ",
     " bazą reguł rozwiniętych niepewnych:                   ", " i bazą ograniczeń rozwiniętychdokładnych: "},
    true,
    "Diagnostyka nadmiarowości łącznych baz reguł i ograniczeń",
    {"Raport diagnostyki nadmiarowości łącznych pomiędzy\nbazą reguł elementarnych niepewnych\n   ",
     "\ni bazą ograniczeń dokładnych\n   "},
    {" Wykrywanie nadmiarowości typu ", " i porównywania list warunków spłaszczonych reguł z listami warunków",
     " wzajemnie wykluczających się z bazy ograniczeń:"},
    " odbywa się na drodze spłaszczania reguł",
    "Diagnostyka nadmiarowości łącznych baz reguł elementarnych niepewnych i ograniczeń dokładnych",
    {"Wykrywanie nadmiarowości łącznych typu ",
     "\nodbywa się na drodze spłaszczania reguł i\nporównywania list warunków spłaszczonych reguł\nz listami "
     "warunków wzajemnie wykluczających się \nz bazy ograniczeń dokładnych."},
    "   ",
    "Diagnostyka nadmiarowości łącznych baz reguł i ograniczeń ",
    " Wymienione reguły oraz ograniczenie dokładne ",
    "ograniczenie(",
    " mogą zawierać nadmiarowość typu ",
    false,
    "Diagnostyka nadmiarowości łącznych baz reguł rozwiniętych niepewnych i ograniczeń rozwiniętych dokładnych",
    {" Koniec raportu diagnostyki nadmiarowości łącznej pomiędzy", " bazą reguł rozwiniętą niepewną:       ",
     " i bazą ograniczeń rozwiniętą dokładną:"},
    "Diagnostyka nadmiarowości łącznych baz reguł  i ograniczeń ",
    {"Koniec raportu diagnostyki nadmiarowości łącznej pomiędzy\nbazą reguł rozwiniętą niepewną\n   ",
     "\ni bazą ograniczeń rozwiniętą dokładną\n   ", "."},
};

constexpr TekstyNadmiaru kNiepewne{
    "Diagnostyka nadmiarowości łącznych bazy reguł  i ograniczeń ",
    " Baza reguł rozwinięta niepewnych:  ",
    " i baza ograniczeń rozwinięta niepewnych:   ",
    " nie mają nadmiarowości łącznych typu ",
    ".",
    "Diagnostyka nadmiarowości łącznych baz reguł  i ograniczeń",
    "\ni baza ograniczeń rozwinięta niepewna\n   ",
    {" Raport diagnostyki nadmiarowości łącznych pomiędzy",
     " bazą reguł rozwiniętą niepewną:                      ", " i bazą ograniczeń rozwiniętą niepewną: "},
    false,
    "Diagnostyka nadmiarowości łącznych baz reguł i ograniczeń ",
    {"Raport diagnostyki nadmiarowości łącznej pomiędzy\nbazą reguł rozwiniętą niepewną\n   ",
     "\ni bazą ograniczeń rozwiniętą niepewną\n   "},
    {" Wykrywanie nadmiarowości łącznych typu ", " porównania list warunków spłaszczonych reguł z listami",
     " warunków wzajemnie wykluczających się z bazy ograniczeń:"},
    " odbywa się na drodze spłaszczania reguł i ",
    "Diagnostyka nadmiarowości łącznych baz reguł  i ograniczeń ",
    {"Wykrywanie nadmiarowości typu ",
     " odbywa się\nna drodze spłaszczania reguł i porównywania list warunków spłaszczonych reguł \nz listami "
     "warunków wzajemnie wykluczających się z bazy ograniczeń niepewnych."},
    "          ",
    "Diagnostyka nadmiarowości łącznych baz reguł i ograniczeń",
    " Wymienione reguły oraz ograniczenie ",
    "ograniczenie_n(",
    " mogą zawierać nadmiarowość łączną typu ",
    true,
    "Diagnostyka nadmiarowości łącznych baz reguł i ograniczeń",
    {" Koniec raportu diagnostyki nadmiarowości łącznych pomiędzy ", " bazą reguł:                      ",
     " i bazą ograniczeń niepewnych: "},
    "Diagnostyka nadmiarowości łącznych baz reguł i ograniczeń",
    {"Koniec raportu diagnostyki nadmiarowości łącznych pomiędzy\nbazą reguł rozwiniętą niepewną\n   ",
     "\ni bazą ograniczeń rozwiniętą niepewną\n   ", "."},
};

struct Raport {
    Context& ctx;
    const NadmiarLaczny kind;
    const TekstyNadmiaru& t;
    std::optional<string> (*nazwa_rodzaju)(std::string_view);
    bool (*wyznacz)(Context&);
    string r, o;

    std::optional<string> rodzaj() const { return rodzaj_laczny(ctx, nazwa_rodzaju); }

    // Nothing recorded even after the search: plain lines and a note; false (no redundancy).
    bool nic() const
    {
        ctx.ui.write("\n");
        const auto typ = rodzaj();
        if (!typ) return false;
        ctx.ui.write(string(t.nic_baza_regul) + r + "\n" + t.nic_baza_ograniczen + o + "\n" + t.nic_typ + *typ +
                     t.nic_koniec);
        ctx.ui.note(t.nic_tytul, "Baza reguł rozwinięta niepewna\n   " + r + t.nic_nota_baza + o +
                                     "\nie mają nadmiarowości łącznych typu " + *typ + ".");
        return false;
    }

    void naglowek() const
    {
        linia(ctx, t.naglowek[0]);
        linia(ctx, t.naglowek[1] + r);
        linia(ctx, t.naglowek[2] + o);
        if (t.pusta_linia_po_naglowku) kb::piszcr(ctx);
        ctx.ui.note(t.naglowek_tytul, t.naglowek_nota[0] + r + t.naglowek_nota[1] + o + ".");
    }

    void metoda(const string& typ) const
    {
        linia(ctx, t.metoda[0] + typ + t.metoda_po_typie);
        linia(ctx, t.metoda[1]);
        linia(ctx, t.metoda[2]);
        kb::piszcr(ctx);
        ctx.ui.note(t.metoda_tytul, t.metoda_nota[0] + typ + t.metoda_nota[1]);
    }

    // The paragraphs of a finding's flattened rules, each distinct (rule, conditions) once;
    // false when one of them is not recorded (the finding then gets no constraint part).
    bool splaszczone(const kb::RegulyNadmiaroweOgraniczenia& n) const
    {
        std::vector<std::pair<std::int32_t, facts::SList>> napisane;
        for (std::size_t i = 0; i < n.reguly.size() && i < n.warunki.size(); ++i) {
            const std::pair<std::int32_t, facts::SList> para{n.reguly[i], n.warunki[i]};
            if (std::find(napisane.begin(), napisane.end(), para) != napisane.end()) continue;
            const auto f = kind.splaszczone.first(
                [&](const kb::RegulaSplaszczona& s) { return s.numer == para.first && s.warunki == para.second; });
            if (!f) return false;
            napisane.push_back(para);
            linia(ctx, " W wyniku spłaszczenia reguły " + nr(f->numer) + " otrzymuje się: ");
            pisz_z_lista(ctx, string(t.regula_wciecie) + "regula_splaszczona(" + nr(f->numer) + ", " + f->wniosek + ", ",
                         f->warunki);
            linia(ctx, ")");
            kb::pisz_tuto(ctx, " Spłaszczenie uzyskano za pomocą reguł o numerach: ");
            pisz_liste_dla_raportu_i(ctx, lista_str_int(f->uzyte_reguly));
            ctx.ui.note(t.regula_tytul, "W wyniku spłaszczenia reguły " + nr(f->numer) +
                                            ". otrzymuje się:\n\nregula_splaszczona(" + nr(f->numer) + ", " +
                                            f->wniosek + ", " + lista_noty(f->warunki) +
                                            ")\n\nSpłaszczenie uzyskano za pomocą reguł o numerach:" +
                                            numery_noty(f->uzyte_reguly));
        }
        return n.reguly.size() <= n.warunki.size();
    }

    void ograniczenie(const kb::RegulyNadmiaroweOgraniczenia& n, const facts::SList& q, const string& typ) const
    {
        const string k = nr(n.ograniczenie);
        linia(ctx, t.ograniczenie_etykieta + k + " o postaci");
        pisz_z_lista(ctx, "   " + string(t.ograniczenie_fakt) + k + ", ", q);
        linia(ctx, ")");
        linia(ctx, t.ograniczenie_zdanie + typ + ".");
        if (t.pusta_linia_po_ograniczeniu) kb::piszcr(ctx);
        kind.nadmiary.remove_if([&](const kb::RegulyNadmiaroweOgraniczenia& m) {
            return m.reguly == n.reguly && m.ograniczenie == n.ograniczenie;
        });
        ctx.ui.note(t.ograniczenie_tytul, string(t.ograniczenie_etykieta).substr(1) + k + ". o postaci\n\n" +
                                              t.ograniczenie_fakt + k + ", " + lista_noty(q) + ")\n\n" +
                                              string(t.ograniczenie_zdanie).substr(1) + typ + ".");
    }

    void ustalenia(const string& typ) const
    {
        kind.nadmiary.each([&](const kb::RegulyNadmiaroweOgraniczenia& n) {
            if (!splaszczone(n)) return;
            kind.ograniczenia.each_matching([&](const kb::Ograniczenie& c) { return c.numer == n.ograniczenie; },
                                            [&](const kb::Ograniczenie& c) { ograniczenie(n, c.warunki, typ); });
        });
    }

    bool koniec() const
    {
        kb::piszcr(ctx);
        linia(ctx, t.koniec[0]);
        linia(ctx, t.koniec[1] + r);
        linia(ctx, t.koniec[2] + o);
        ctx.ui.note(t.koniec_tytul, t.koniec_nota[0] + r + t.koniec_nota[1] + o + t.koniec_nota[2]);
        kind.nadmiary.remove_all();
        kind.splaszczone.remove_all();
        return kb::raport(ctx);
    }

    bool pisz()
    {
        if (kind.nadmiary.empty()) {
            ctx.ui.note(t.tytul_szukania, "Trwa diagnozowanie nadmiarowości łącznych!");
            wyznacz(ctx);
        }
        kb::kasowanie_tekst_raportu(ctx);
        if (kind.nadmiary.empty()) return nic();
        naglowek();
        kind.zbadane.remove_all();
        const auto typ = rodzaj();
        if (!typ) return false;
        metoda(*typ);
        ustalenia(*typ);
        return koniec();
    }
};

}  // namespace

bool pisz_nadmiar_2p(Context& ctx)
{
    Raport raport{ctx, nadmiar_dokladny(ctx), kDokladne, nazwa_nadmiaru_2p, wyznacz_nadmiar_2p,
                  ctx.db.stan.nazwa_re.first().value_or(""), ctx.db.baza_ograniczen.nazwa_og.first().value_or("")};
    return raport.pisz();
}

bool pisz_nadmiar_2pp(Context& ctx)
{
    Raport raport{ctx, nadmiar_niepewny(ctx), kNiepewne, nazwa_nadmiaru_2pp, wyznacz_nadmiar_2pp,
                  ctx.db.stan.nazwa_re.first().value_or(""), ctx.db.baza_ograniczen_p.nazwa_op.first().value_or("")};
    return raport.pisz();
}

}  // namespace diagnostics
