// The conversion of imported rows. Values go in through kb/zaimportowane.h, so an imported
// value outlives the reloading of other bases; display lines go to the dialog data channel.
#include "import/konwersja.h"

#include <cmath>
#include <cstdlib>

#include "import/tabele_odbc.h"
#include "kb/zaimportowane.h"
#include "load/cf_regul.h"
#include "platform/text.h"
#include "platform/toolkit.h"

namespace import {
namespace {

constexpr int kNajwiekszyWykladnik = 308;

bool uzyteczna(const kb::Komorka& komorka)
{
    return komorka && !komorka->empty() && *komorka != kBladOdczytu;
}

// A review line for the name, in place of the line an earlier row of this import gave it.
void linia_przegladu(facts::FactList<kb::LiniaPrzegladu>& linie, const std::string& nazwa, std::string linia)
{
    linie.remove_if([&](const kb::LiniaPrzegladu& l) { return l.nazwa == nazwa; });
    linie.add_last({nazwa, std::move(linia)});
}

void zly_cf(kb::Context& ctx, const std::string& nazwa, const std::string& wartosc)
{
    ctx.ui.note("Uwaga błąd!", "Błędna wartość CF faktu " + nazwa + ": " + wartosc +
                                   "\nCF musi być liczbą rzeczywistą z przedziału [-1,1].\nFakt nie został "
                                   "zaimportowany.\n\nProszę sprawdzić dane zawarte w arkuszu Excela lub innym "
                                   "źródle zewnętrznym.");
}

void wiersz_faktu(kb::Context& ctx, const std::string& nazwa, const std::string& wartosc)
{
    const std::string cf = sprawdz_przecinek(ctx, wartosc, "");
    if (!load::poprawny_cf(cf)) {
        zly_cf(ctx, nazwa, wartosc);
        return;
    }
    kb::dodaj_zaimportowany_fakt(ctx, {nazwa, cf});
    linia_przegladu(ctx.db.dane.faktdowyswietlenia, nazwa, nazwa + "  " + wartosc);
}

void wiersz_argumentu(kb::Context& ctx, const std::string& nazwa, const std::string& wartosc)
{
    const std::string tekst = sprawdz_przecinek(ctx, wartosc, "");
    const Liczba liczba = tekst_na_real(tekst);
    if (std::holds_alternative<PozaZakresem>(liczba)) {
        blad_real(ctx, kLiczbaPozaZakresem);
        return;
    }
    const double* wartosc_real = std::get_if<double>(&liczba);
    if (!wartosc_real || !std::isfinite(*wartosc_real)) return;  // no number: the row gives nothing
    kb::dodaj_zaimportowany_argument(ctx, {nazwa, *wartosc_real});
    linia_przegladu(ctx.db.dane.argument_znanydowyswietlenia, nazwa, nazwa + " = " + tekst);
}

std::size_t pomin_spacje(const std::string& s, std::size_t i)
{
    while (i < s.size() && s[i] == ' ') ++i;
    return i;
}

bool cyfra(char c) { return c >= '0' && c <= '9'; }

// The exponent of a number text whose grammar text::text_to_real accepted: its magnitude,
// capped (a longer run of digits is out of range all the same).
long wykladnik(const std::string& s)
{
    const std::size_t e = s.find_first_of("eE");
    if (e == std::string::npos) return 0;
    std::size_t i = e + 1;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    long wartosc = 0;
    for (; i < s.size() && cyfra(s[i]); ++i) wartosc = std::min(wartosc * 10 + (s[i] - '0'), 100000L);
    return wartosc;
}

// The number grammar without any regard to range: blanks, sign, mantissa with a digit, an
// optional exponent, blanks.
bool ma_postac_liczby(const std::string& s)
{
    std::size_t i = pomin_spacje(s, 0);
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    bool cyfry = false;
    for (; i < s.size() && cyfra(s[i]); ++i) cyfry = true;
    if (i < s.size() && s[i] == '.')
        for (++i; i < s.size() && cyfra(s[i]); ++i) cyfry = true;
    if (!cyfry) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        while (i < s.size() && cyfra(s[i])) ++i;
    }
    return pomin_spacje(s, i) == s.size();
}

}  // namespace

void sprczytofakt(kb::Context& ctx, const kb::Komorki& komorki)
{
    if (komorki.size() < 3 || !komorki[0] || !uzyteczna(komorki[1]) || !uzyteczna(komorki[2])) return;
    const std::string& rodzaj = *komorki[0];
    if (rodzaj == kRodzajFakt)
        wiersz_faktu(ctx, *komorki[1], *komorki[2]);
    else if (rodzaj == kRodzajArgument)
        wiersz_argumentu(ctx, *komorki[1], *komorki[2]);
}

std::string sprawdz_przecinek(kb::Context& ctx, const std::string& tekst, const std::string& dotad)
{
    std::string wynik = dotad;
    wynik.reserve(dotad.size() + tekst.size());
    for (char c : tekst) wynik += c == ',' ? '.' : c;
    ctx.db.dane.dane_przecinek.set(wynik);
    return wynik;
}

Liczba tekst_na_real(const std::string& tekst)
{
    if (!ma_postac_liczby(tekst)) {
        const std::optional<double> slowo = text::text_to_real(tekst);  // NAN, INF
        if (slowo) return *slowo;
        return NieLiczba{};
    }
    if (wykladnik(tekst) > kNajwiekszyWykladnik) return PozaZakresem{};
    const std::optional<double> wartosc = text::text_to_real(tekst);
    if (!wartosc) return PozaZakresem{};  // beyond the largest real
    return *wartosc;
}

void blad_real(kb::Context& ctx, int numer_bledu)
{
    ctx.ui.note("Uwaga błąd!", "Wystąpił błąd numer: " + text::int_to_text(numer_bledu) +
                                   ",\numiemożliwiający przetworzenie danych(liczb) rzeczywistych.\n\nProszę "
                                   "sprawdzić dane zawarte w arkuszu Excela lub innym źródle zewnętrznym.");
}

}  // namespace import
