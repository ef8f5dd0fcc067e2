// The report of a read error of a base file, with the caret under the place where reading
// stopped (counted in characters), and the correspondence test of a base's mark. Reports and
// records the marker `blad` only; the load frame decides what follows.
#include "load/raport_bledu.h"

#include "kb/wyroznik.h"
#include "load/ramka.h"
#include "platform/text.h"
#include "platform/toolkit.h"

namespace load {
namespace {

// A line this long is not shown: the report names the place of the error instead.
constexpr std::size_t kNajdluzszaPokazywanaLinia = 30000;

struct Komunikat {
    int numer;
    const char* tekst;
};

constexpr Komunikat kKomunikaty[] = {
    {1401, "Oczekiwano liczby całkowitej."},
    {1402, "Oczekiwano liczby rzeczywistej."},
    {1403, "Oczekiwano tekstu w cudzysłowie."},
    {1404, "Oczekiwano znaku w apostrofach."},
    {1405, "Oczekiwano listy rozpoczętej znakiem \"[\"."},
    {1406, "W liście po elemencie oczekiwano \",\" lub \"]\"."},
    {1407, "Nieznana nazwa faktu."},
    {1408, "Po nazwie faktu oczekiwano \"(\"."},
    {1409, "Po argumencie oczekiwano \",\" lub \")\"."},
    {1031, "Liczba spoza dopuszczalnego zakresu."},
};

}  // namespace

std::string tekst_bledu(int numer)
{
    for (const Komunikat& k : kKomunikaty)
        if (k.numer == numer) return k.tekst;
    return "Błąd numer " + text::int_to_text(numer) + ".";
}

BladOdczytu obsluga_bledu_konsultacji(kb::Context& ctx, std::string_view sciezka,
                                      const factfile::LoadError& blad)
{
    if (blad.line.empty()) return BladOdczytu::pusta_linia;

    std::string plik = nazwa_pliku(sciezka);
    std::string komunikat = tekst_bledu(blad.number);
    ctx.ui.write("\n");
    ctx.db.stan.blad.add_last(std::string(kBlad));
    ctx.ui.write("\n");

    std::string naglowek = "Błąd syntaksu w pliku ";
    if (text::length(blad.line) >= kNajdluzszaPokazywanaLinia) {
        std::string miejsce = "Linia " + text::int_to_text(static_cast<long long>(blad.line_number)) +
                              " jest za długa, by ją pokazać (" +
                              text::int_to_text(static_cast<long long>(text::length(blad.line))) +
                              " znaków); błąd w jej znaku " +
                              text::int_to_text(static_cast<long long>(blad.position)) + ".";
        ctx.ui.write(naglowek + std::string(sciezka) + "\n" + miejsce + "\n" + komunikat + "\n\n");
        ctx.ui.note("Obsługa błędu", naglowek + plik + "\n\n" + miejsce + "\n" + komunikat);
        return BladOdczytu::zgloszony;
    }

    // The caret stands under the character at which reading stopped (the first one when it
    // stopped before consuming anything).
    std::string odstep(blad.position > 0 ? blad.position - 1 : 0, ' ');
    ctx.ui.write(naglowek + std::string(sciezka) + "\n" + blad.line + "\n" + odstep + "^\n" +
                 komunikat + "\n\n");
    ctx.ui.note("Obsługa błędu", naglowek + plik + "\n\n" + blad.line + "\n" + odstep + "\n" + komunikat);
    return BladOdczytu::zgloszony;
}

BladOdczytu obsluga_pliku_nieczytelnego(kb::Context& ctx, std::string_view sciezka,
                                        const files::FileError&)
{
    // The system's own reason is not shown: its wording depends on the machine's language.
    std::string plik = nazwa_pliku(sciezka);
    ctx.ui.write("\nNie można odczytać pliku " + std::string(sciezka) + ".\n");
    ctx.ui.write("Baza " + plik + " nie zostanie załadowana.\n\n");
    ctx.ui.note("Uwaga błąd!", "Nie można odczytać pliku\n   " + plik +
                                   "\ni dlatego baza nie zostanie załadowana.");
    return BladOdczytu::nieczytelny;
}

bool korespondencja(kb::Context& ctx, std::string_view plik)
{
    std::optional<std::string> nazwa_re = ctx.db.stan.nazwa_re.first();
    if (!nazwa_re) return true;
    std::string nazwa = nazwa_pliku(plik);
    std::optional<std::string> znak = kb::wyznacz_wyroznik(nazwa);
    std::optional<std::string> wyroznik = ctx.db.stan.wyroznik.first();
    if (znak && wyroznik && *znak == *wyroznik) return true;

    ctx.ui.write("\n Wybrana baza: \n\n      " + nazwa + "\n\n nie odpowiada bazie reguł: \n\n      " +
                 *nazwa_re + "\n\n i dlatego nie zostanie załadowana.\n\n");
    ctx.ui.note("Uwaga błąd!", "Wybrana baza\n   " + nazwa + "\nnie odpowiada bazie reguł\n   " +
                                   *nazwa_re + "\ni dlatego nie zostanie załadowana.");
    return false;
}

}  // namespace load
