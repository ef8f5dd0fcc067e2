// The load-time entries of the joint diagnoses with the constraint bases: the explanation, the
// question, the notes of the outcome and the menu item of the report. Every write here goes to
// the auxiliary window only, never into the report text. The searches live in their own files.
#include "diagnostics/testy_ladowania_ograniczen.h"

#include <initializer_list>

#include "diagnostics/testy_ladowania_regul.h"
#include "platform/text.h"
#include "platform/toolkit.h"

namespace diagnostics {

namespace {

using kb::Context;
using std::string;
using std::string_view;

// Plain writes to the auxiliary window, each piece followed by a line break.
void linie(Context& ctx, std::initializer_list<string_view> pieces)
{
    string out;
    for (string_view p : pieces) {
        out += p;
        out += '\n';
    }
    ctx.ui.write(out);
}

bool zapytaj(Context& ctx, string_view tekst)
{
    return ctx.ui.message_box("Wybierz", tekst, platform::MessageIcon::Question,
                              platform::MessageButtons::YesNo, 1) == platform::kAnswerYes;
}

std::optional<string> nazwa_re(const Context& ctx) { return ctx.db.stan.nazwa_re.first(); }
std::optional<string> nazwa_og(const Context& ctx) { return ctx.db.baza_ograniczen.nazwa_og.first(); }
std::optional<string> nazwa_op(const Context& ctx) { return ctx.db.baza_ograniczen_p.nazwa_op.first(); }

std::optional<string> nazwa_rodzaju(string_view rozszerzenie, string_view nazwa)
{
    if (text::to_upper(rozszerzenie) == ".BQZ") return string(nazwa);
    return std::nullopt;
}

// The kind name from the first extension that gives one.
template <class Nazwa>
std::optional<string> rodzaj(const Context& ctx, Nazwa&& nazwa)
{
    for (const string& e : ctx.db.stan_ladowania.rozszerzenie.all())
        if (auto t = nazwa(e)) return t;
    return std::nullopt;
}

// ---- Joint contradictions ----------------------------------------------------------------------

// What differs between the exact and the uncertain contradiction entry.
struct TekstySprzecznosci {
    string_view pierwsza_linia;
    string_view pytanie_baza;       // the question's piece before the constraint base's name
    string_view pytanie_pamietaj;   // the question's piece before "komputera"
    string_view nota_baza;          // the notes' piece before the constraint base's name
    string_view informacja_baza;    // the same in the note of a finding
    string_view informacja_typ;     // the piece before the kind name in that note
    string_view informacja_koniec;
    string_view linia_bazy;         // the finding's second window line, before the name
    string_view linia_opcji;        // the finding's menu-path window line
};

constexpr TekstySprzecznosci kSprzecznoscDokladna{
    "Baza reguł rozwinięta niepewna i baza ograniczeń elementarna dokładna mogą być "
    "diagnozowane na obecność sprzeczności",
    "\ni baza ograniczeń elementarna dokładna\n   ",
    "Pamiętej, że sprzeczności łączne nie doprowadzą do 'zawieszenia się' ",
    "\ni baza ograniczeń rozwinięta dokładna\n   ",
    "\ni baza ograniczeń rozwinieta dokładna\n   ",
    "\nzawierają co najmniej jedną sprzeczność łączną typu ",
    "\n'Baza ograniczeń dokładna\n     Diagnostyka sprzeczności łącznych\n     baz reguł i "
    "ograniczeń'",
    " i  bazie ograniczeń dokładnej ",
    " 'Baza ograniczeń dokładna",
};

constexpr TekstySprzecznosci kSprzecznoscNiepewna{
    "Baza reguł rozwinięta niepewna i baza ograniczeń rozwinięta niepewna mogą być "
    "diagnozowane na obecność sprzeczności",
    "\ni baza ograniczeń rozwinięta niepewna\n   ",
    "Pamiętej, że sprzeczności łączne nie doprowadzą do 'zawieszenia się'",
    "\ni baza ograniczeń rozwinięta niepewna\n   ",
    "\ni baza ograniczeń rozwinięta niepewna\n   ",
    "\nzawierają co najmniej jedną sprzeczność łączną typu   \n   ",
    "\n'Baza ograniczeń niepewna\n     Diagnostyka sprzeczności łącznych\n     baz reguł i "
    "ograniczeń'",
    " i  bazie ograniczeń niepewnej ",
    " 'Baza ograniczeń niepewnych",
};

void objasnij_sprzecznosc(Context& ctx, const TekstySprzecznosci& t)
{
    linie(ctx, {t.pierwsza_linia,
                "łącznych. Diagnostyka sprzeczności łącznych dużych i silnie zagnieżdżonych",
                "baz reguł i baz ograniczeń może trwać długo, gdyż wymaga ona spłaszczenia",
                "diagnozowanej bazy reguł.",
                "",
                "Zaleca się diagnozowanie sprzecznosci łącznych baz nowych lub",
                "zmodyfikowanych.",
                "Przy kolejnym stosowaniu tych baz można test sprzeczności łącznej ",
                "pominąć.",
                "",
                "Pamiętej, że sprzeczności łączne nie doprowadzą do 'zawieszenia się'",
                "komputera, lecz mogą doprowadzić do niepoprawnych wniosków. ",
                ""});
}

string pytanie_sprzecznosc(const TekstySprzecznosci& t, string_view r, string_view o)
{
    return "Baza reguł rozwinięta niepewna\n   " + string(r) + string(t.pytanie_baza) + string(o) +
           "\nmogą być diagnozowane na obecność sprzeczności łącznych. \n\nDiagnostyka "
           "sprzeczności łącznych dużych \ni silnie zagnieżdżonych baz reguł i ograniczeń"
           "\nmoże trwać długo, gdyż wymaga ona spłaszczenia diagnozowanej bazy reguł."
           "\nZaleca się diagnozowanie sprzeczności baz nowych \nlub zmodyfikowanych.\nPrzy "
           "kolejnym stosowaniu tych baz można test \nsprzeczności łącznych pominąć.\n" +
           string(t.pytanie_pamietaj) +
           "komputera, lecz mogą doprowadzić \ndo niepoprawnych wniosków "
           "\nChcesz diagnozować bazę reguł i ograniczeń na obecność sprzeczności?";
}

// The first label of a finding's window lines is 54 characters long, padded with blanks.
string wypelnij(string_view label, std::size_t width)
{
    string out(label);
    for (std::size_t n = text::length(label); n < width; ++n) out += ' ';
    return out;
}

void pokaz_sprzecznosc(Context& ctx, const TekstySprzecznosci& t, string_view r, string_view o,
                       string_view typ, kb::MenuEvent zdarzenie)
{
    linie(ctx, {wypelnij(" W  bazie reguł rozwiniętej niepewnej", 54) + string(r),
                string(t.linia_bazy) + string(o),
                " jest sprzeczność łączna typu " + string(typ) + ".",
                "",
                " Sprzeczność łączna może być żródłem błędów wnioskowania. Dlatego lepiej ją usunąć. ",
                "",
                " Wykonaj diagnozę  sprzeczności łącznych.",
                " W tym celu musisz przejść do opcji",
                t.linia_opcji,
                "       Diagnostyka sprzeczności łącznych baz reguł i ograniczeń' ",
                ""});
    ctx.ui.note("Informacja o sprzeczności",
                "Baza reguł rozwinięta niepewna\n   " + string(r) + string(t.informacja_baza) +
                    string(o) + string(t.informacja_typ) + string(typ) +
                    ".\n\nSprzeczność łączna może być żródłem błędów wnioskowania. "
                    "\nDlatego lepiej ją usunąć."
                    "\nWykonaj diagnozę sprzeczności łącznych. \nW tym celu musisz przejść do opcji" +
                    string(t.informacja_koniec));
    ctx.report(zdarzenie);
}

struct Sprzecznosc {
    const TekstySprzecznosci& teksty;
    bool niepewna;
};

std::optional<string> nazwa_ograniczen(const Context& ctx, bool niepewna)
{
    return niepewna ? nazwa_op(ctx) : nazwa_og(ctx);
}

bool jest_sprzecznosc(const Context& ctx, bool niepewna)
{
    return niepewna ? !ctx.db.wyniki_diagnoz.sprzecznosc_2p.empty()
                    : !ctx.db.wyniki_diagnoz.sprzecznosc_2.empty();
}

bool informuj_sprzecznosc(Context& ctx, const Sprzecznosc& s)
{
    const TekstySprzecznosci& t = s.teksty;
    const auto r = nazwa_re(ctx);
    const auto o = nazwa_ograniczen(ctx, s.niepewna);

    // The search, unless the rule base is externally contradictory.
    if (!jest_sprzecznosc_1z(ctx) && r && o) {
        if (s.niepewna)
            linie(ctx, {" Bazy reguł " + *r + " i ograniczeń niepewnych " + *o,
                        " są diagnozowane na obecność sprzeczności łącznych."});
        else
            linie(ctx, {"Baza reguł rozwinięta niepewna " + *r + " i baza ograniczeń dokładna " + *o,
                        "są diagnozowane na obecność sprzeczności łącznych."});
        ctx.ui.note("Trwa diagnozowanie", "Baza reguł rozwinięta niepewna\n   " + *r +
                                              string(t.nota_baza) + *o +
                                              "\nsą diagnozowane na obecność sprzeczności łącznych.");
        const bool nic = s.niepewna ? wyznacz_sprzecznosc_2p(ctx) : wyznacz_sprzecznosc_2(ctx);
        if (nic) {
            if (s.niepewna)
                linie(ctx, {"Baza reguł rozwinięta niepewna" + *r +
                            " i baza ograniczeń rozwinięta niepewna  " + *o +
                            " nie mają sprzeczności łącznych!"});
            else
                linie(ctx, {"Baza reguł rozwinięta niepewna " + *r + " i baza ograniczeń dokładna " +
                            *o + " nie mają sprzeczności łącznych!"});
            ctx.ui.note("Wynik diagnozowania sprzeczności łącznych",
                        "Baza reguł rozwinięta niepewna\n   " + *r + string(t.nota_baza) + *o +
                            "\nnie mają sprzeczności łącznych!");
            return true;
        }
    }

    // A finding is recorded (now or before): tell it, when the kind has a name.
    if (jest_sprzecznosc(ctx, s.niepewna)) {
        const auto typ = rodzaj(ctx, s.niepewna ? nazwa_sprzecznosci_2p : nazwa_sprzecznosci_2);
        if (!typ) {
            // Each recorded finding is tried in turn, each try ending a line.
            const std::size_t proby = s.niepewna ? ctx.db.wyniki_diagnoz.sprzecznosc_2p.size()
                                                 : ctx.db.wyniki_diagnoz.sprzecznosc_2.size();
            ctx.ui.write(string(proby, '\n'));
            return false;
        }
        ctx.ui.write("\n");
        pokaz_sprzecznosc(ctx, t, r.value_or(""), o.value_or(""), *typ,
                          s.niepewna ? kb::MenuEvent::UncertainJointContradictionFound
                                     : kb::MenuEvent::ExactJointContradictionFound);
        return true;
    }
    return false;
}

bool testuj_sprzecznosc(Context& ctx, const Sprzecznosc& s)
{
    const auto r = nazwa_re(ctx);
    const auto o = nazwa_ograniczen(ctx, s.niepewna);
    if (!r || !o) return true;
    objasnij_sprzecznosc(ctx, s.teksty);
    if (!zapytaj(ctx, pytanie_sprzecznosc(s.teksty, *r, *o))) return true;
    return informuj_sprzecznosc(ctx, s);
}

// ---- Joint redundancy --------------------------------------------------------------------------

bool jest_nadmiar(const Context& ctx, bool niepewna)
{
    return niepewna ? !ctx.db.wyniki_diagnoz.reguly_nadmiarowe_n2pp.empty()
                    : !ctx.db.wyniki_diagnoz.reguly_nadmiarowe_n2p.empty();
}

string nota_nadmiaru(string_view r, string_view baza, string_view o, string_view typ,
                     string_view opcja)
{
    return "Baza reguł rozwinięta niepewna\n   " + string(r) + string(baza) + string(o) +
           "\nmogą zawierać nadmiarowość łączną niepewną typu " + string(typ) +
           ". \n\nSprawdź sens zakwestionowanych fragmentów baz."
           "\nZaładowane bazy reguł i ograniczeń możesz stosować "
           "\ndo wnioskowania, gdyż nadmiarowość nie zakłóca  \nwnioskowania. Może jednak wydłużyć "
           "czas wnioskowania"
           "\ni uzależnić wynik wnioskowania od niepotrzebnych warunków."
           "\nDlatego lepiej zbadać zakwestionowane fragmenty baz i \newentualną nadmiarowość usunąć."
           "\n\nW tym celu możesz kontynuować pracę z załadowaną "
           "\nbazą ograniczeń i przejść do opcji:" +
           string(opcja) + ",\ngdzie dowiesz się o istocie wykrytej nadmiarowości.";
}

constexpr string_view kBazaDokladna = "\ni baza ograniczeń rozwinięta dokładna\n   ";
constexpr string_view kBazaNiepewna = "\ni baza ograniczeń rozwinięta niepewna\n   ";

void pokaz_nadmiar_2p(Context& ctx, string_view r, string_view o, string_view typ)
{
    ctx.ui.write("\n");
    linie(ctx, {" W  bazie reguł rozwiniętych niepewnych:  " + string(r),
                " i  bazie ograniczeń rozwiniętych dokładnych: " + string(o),
                " może być nadmiarowość łączna niepewna typu " + string(typ) + ".",
                "",
                " Sprawdź, czy zakwestionowany fragment bazy jest zamierzony.",
                " Załadowane bazy reguł i ograniczeń możesz stosować do wnioskowania,",
                " gdyż nadmiarowość nie zakłóca wnioskowania. Może jednak wydłużyć czas",
                " wnioskowania i uzależnić wynik wnioskowania od niepotrzebnych warunków.",
                " Dlatego lepiej zbadać zakwestionowany fragment bazy i ewentualną nadmiarowość usunąć.",
                "",
                " W tym celu możesz kontynuować pracę z załadowaną bazą ograniczeń",
                " i  przejść do opcji:",
                " 'Baza ograniczeń dokładnych",
                "         Diagnostyka nadmiarowości łącznych baz reguł i ograniczeń' ",
                " gdzie dowiesz się o istocie wykrytej nadmiarowości.",
                ""});
    ctx.ui.note("Być może wykryto nadmiarowość łączną",
                nota_nadmiaru(r, kBazaDokladna, o, typ,
                              "\n   'Baza ograniczeń dokładna\n     Diagnostyka nadmiarowości "
                              "łącznych\n     baz reguł i ograniczeń'"));
    ctx.report(kb::MenuEvent::ExactJointRedundancyFound);
}

void pokaz_nadmiar_2pp(Context& ctx, string_view r, string_view p, string_view typ)
{
    ctx.ui.write("\n");
    linie(ctx, {" W  bazie reguł rozwiniętej niepewnej:      " + string(r),
                " i  bazie ograniczeń rozwiniętej niepewnej: " + string(p),
                " może być nadmiarowość łączna niepewna  typu " + string(typ) + ".",
                "",
                " Sprawdź sens zakwestionowanych fragmentów baz..",
                " Załadowaną bazę reguł i bazę ograniczeń niepewnych możesz stosować do ",
                " wnioskowania, gdyż nadmiarowość niepewna łączna nie zakłóca wnioskowania. Może jednak",
                " uzależnić wynik wnioskowania od niepotrzebnych warunk˘w.",
                " Dlatego lepiej zbadać zakwestionowany fragment bazy i ewentualną nadmiarowość usunąć.",
                "",
                " W tym celu możesz kontynuować pracę z załadowanymi bazami i przejść do opcji:",
                " 'Baza ograniczeń niepewnych",
                "     Diagnostyka nadmiarowości łącznych baz reguł i ograniczeń niepewnych' ",
                " gdzie dowiesz się o istocie wykrytej nadmiarowości.",
                ""});
    ctx.ui.note("Być może wykryto nadmiarowość łączną",
                nota_nadmiaru(r, kBazaNiepewna, p, typ,
                              "\n   'Baza ograniczeń niepewna\n     Diagnostyka nadmiarowości "
                              "łącznych\n     baz reguł  i ograniczeń'"));
    ctx.report(kb::MenuEvent::UncertainJointRedundancyFound);
}

}  // namespace

// ---- Joint contradictions: entries ------------------------------------------------------------

bool testuj_sprzecznosc_2(Context& ctx) { return testuj_sprzecznosc(ctx, {kSprzecznoscDokladna, false}); }
bool testuj_sprzecznosc_2p(Context& ctx) { return testuj_sprzecznosc(ctx, {kSprzecznoscNiepewna, true}); }
bool informuj_sprzecznosc_2(Context& ctx) { return informuj_sprzecznosc(ctx, {kSprzecznoscDokladna, false}); }
bool informuj_sprzecznosc_2p(Context& ctx) { return informuj_sprzecznosc(ctx, {kSprzecznoscNiepewna, true}); }

std::optional<string> nazwa_sprzecznosci_2(string_view e) { return nazwa_rodzaju(e, "SQZ/D2"); }
std::optional<string> nazwa_sprzecznosci_2p(string_view e) { return nazwa_rodzaju(e, "SQZ/N2"); }

// ---- Joint redundancy: entries -----------------------------------------------------------------

bool testuj_nadmiar_2p(Context& ctx)
{
    const auto r = nazwa_re(ctx);
    const auto o = nazwa_og(ctx);
    if (!r || !o) return true;
    linie(ctx, {"Baza reguł rozwinięta niepewna i  baza ograniczeń rozwinięta dokładna mogą być "
                "diagnozowane na obecność nadmiarowości",
                "łącznych. Diagnostyka nadmiarowości łącznych dużych i silnie zagnieżdżonych",
                "baz reguł i baz ograniczeń może trwać długo.gdyż wymaga ona spłaszczenia",
                "diagnozowanej bazy reguł.",
                "",
                "Zaleca się diagnozowanie nadmiarowości baz nowych lub zmodyfikowanych.",
                "Przy kolejnym stosowaniu tych baz można test nadmiarowości łącznych pominąć.",
                ""});
    const string pytanie =
        "Baza reguł rozwinięta niepewna\n   " + *r + string(kBazaDokladna) + *o +
        "\nmogą być diagnozowane na obecność \nnadmiarowości łącznych. \n\nDiagnostyka "
        "nadmiarowości łącznych \ndużych i silnie zagnieżdżonych baz reguł i \nbaz ograniczeń "
        "może trwać długo,  gdyż wymaga "
        "\nspłaszczenia diagnozowanej bazy reguł.\nZaleca się diagnozowanie nadmiarowości \nbaz "
        "nowych lub zmodyfikowanych.\nPrzy kolejnym stosowaniu tych baz można \ntest "
        "nadmiarowości łącznych pominąć."
        "\n\nChcesz diagnozować bazę reguł rozwiniętą \nniepewną i bazę ograniczeń rozwiniętą "
        "\ndokładną na obecność nadmiarowości?";
    if (!zapytaj(ctx, pytanie)) return true;
    return informuj_nadmiar_2p(ctx);
}

bool testuj_nadmiar_2pp(Context& ctx)
{
    ctx.ui.write("\n");
    const auto r = nazwa_re(ctx);
    const auto p = nazwa_op(ctx);
    if (!r || !p) return true;
    ctx.ui.write(
        " Baza reguł rozwinięta niepewna i baza ograniczeń rozwinięta niepewna mogą być diagnozowane\n"
        " na obecność nadmiarowości niepewnych łącznych.\n"
        " Diagnostyka nadmiarowości niepewnych łącznych dużych i silnie zagnieżdżonych\n"
        " baz reguł i baz ograniczeń może trwać długo.\n"
        "\n"
        " Zaleca się diagnozowanie nadmiarowości baz nowych lub zmodyfikowanych.\n"
        " Przy kolejnym stosowaniu tych baz można test nadmiarowości łącznych pominąć.\n"
        " Chcesz diagnozować bazę reguł elementarnych niepewnych i ograniczeń niepewnych na "
        "obecność nadmiarowości?");
    const string pytanie =
        "Baza reguł rozwinięta niepewna\n   " + *r + string(kBazaNiepewna) + *p +
        "\nmogą być diagnozowane na obecność nadmiarowości \nłącznych. \n\nDiagnostyka "
        "nadmiarowości łącznych dużych i silnie \nzagnieżdżonych baz reguł i baz ograniczeń może "
        "trwać"
        "\ndługo, gdyż wymaga spłaszczenia diagnozowanej bazy reguł.\nZaleca się diagnozowanie "
        "nadmiarowości baz nowych \nlub zmodyfikowanych.\nPrzy kolejnym stosowaniu tych baz można "
        "test \nnadmiarowości łącznych pominąć."
        "\n\nChcesz diagnozować bazę reguł rozwiniętą niepewną \ni bazę ograniczeń rozwiniętą "
        "niepewną na obecność \nnadmiarowości?";
    if (!zapytaj(ctx, pytanie)) return true;
    return informuj_nadmiar_2pp(ctx);
}

bool informuj_nadmiar_2p(Context& ctx)
{
    if (jest_sprzecznosc_1z(ctx)) return false;
    const auto r = nazwa_re(ctx);
    const auto o = nazwa_og(ctx);
    if (!r || !o) return false;
    if (!jest_nadmiar(ctx, false)) {
        linie(ctx, {"Bazy reguł elementarnych niepewnych " + *r + " i baza ograniczeń dokładnych " + *o,
                    "są diagnozowane na obecność nadmiarowości łącznych."});
        ctx.ui.note("Trwa diagnozowanie", "Bazy reguł rozwinięta niepewna\n   " + *r +
                                              string(kBazaDokladna) + *o +
                                              "\nsą diagnozowane na obecność nadmiarowości łącznych.");
        if (wyznacz_nadmiar_2p(ctx)) {
            linie(ctx, {"Baza reguł rozwinięta niepewna " + *r,
                        " i baza ograniczeń rozwinięta dokładna " + *o,
                        " nie mają nadmiarowości łącznych!"});
            ctx.ui.note("Wynik diagnozowania nadmiarowości łącznych",
                        "Baza reguł rozwinięta niepewna\n   " + *r + string(kBazaDokladna) + *o +
                            "\nnie mają nadmiarowości łącznych!");
            return true;
        }
    }
    const auto typ = rodzaj(ctx, nazwa_nadmiaru_2p);
    if (!typ) return false;
    pokaz_nadmiar_2p(ctx, *r, *o, *typ);
    return true;
}

bool informuj_nadmiar_2pp(Context& ctx)
{
    if (jest_sprzecznosc_1z(ctx)) return false;
    const auto r = nazwa_re(ctx);
    const auto p = nazwa_op(ctx);
    if (!r || !p) return false;
    if (!jest_nadmiar(ctx, true)) {
        linie(ctx, {" Bazy reguł rozwinięta niepewna i baza ograniczeń rozwinięta niepewna są "
                    "diagnozowane",
                    " na obecność nadmiarowości niepewnych łącznych."});
        ctx.ui.note("Trwa diagnozowanie", "Baza reguł rozwinięta niepewna\n   " + *r +
                                              string(kBazaNiepewna) + *p +
                                              "\nsą diagnozowane na obecność nadmiarowości łącznych.");
        if (wyznacz_nadmiar_2pp(ctx)) {
            // The uncertain twin names the kind also when it found nothing.
            const auto typ = rodzaj(ctx, nazwa_nadmiaru_2pp);
            if (!typ) return false;
            ctx.ui.write("  Baza reguł rozwinięta niepewna:          " + *r +
                         "\n  i baza ograniczeń rozwinięta niepewna: " + *p +
                         "\n  nie mają nadmiarowości niepewnych łącznych typu " + *typ + ".");
            ctx.ui.note("Diagnostyka nadmiarowości łącznych bazy reguł  i ograniczeń ",
                        "Baza reguł rozwinięta niepewna\n   " + *r + string(kBazaNiepewna) + *p +
                            "\nnie mają nadmiarowości niepewnych łącznych typu " + *typ + ".");
            return true;
        }
    }
    const auto typ = rodzaj(ctx, nazwa_nadmiaru_2pp);
    if (!typ) return false;
    pokaz_nadmiar_2pp(ctx, *r, *p, *typ);
    return true;
}

std::optional<string> nazwa_nadmiaru_2p(string_view e) { return nazwa_rodzaju(e, "NQZ/D2"); }
std::optional<string> nazwa_nadmiaru_2pp(string_view e) { return nazwa_rodzaju(e, "NQZ/N2"); }

}  // namespace diagnostics
