// The verdicts of the exclusivity analysis: by the mode, its flag and two tests of the tested
// premises, one or two listings of the tested rules in the auxiliary window, a note per rule.
// Plain writes only; it changes no record.
#include <set>
#include <string>

#include "diagnostics/wykluczalnosc.h"
#include "diagnostics/zbiory_warunkow.h"
#include "platform/toolkit.h"

namespace diagnostics {
namespace {

struct Listing {
    const char* heading;
    const char* title;
};

constexpr Listing kE1 = {"\nWnioski następujących reguł wykluczają się wzajemnie do jednego:",
                         "Wnioski następujących reguł wykluczają się wzajemnie do jednego:"};
constexpr Listing kN1 = {"\nWnioski następujących reguł nie wykluczają się wzajemnie do jednego:",
                         "Wnioski następujących reguł nie wykluczają się wzajemnie do jednego:"};
constexpr Listing kE2 = {"\nWnioski następujących reguł wykluczają się wzajemnie do żadnego:",
                         "Wnioski następujących reguł wykluczają się wzajemnie do żadnego:"};
constexpr Listing kN2 = {"\nWnioski następujących reguł nie wykluczają się wzajemnie do żadnego:",
                         "Wnioski następujących reguł nie wykluczają się wzajemnie do żadnego:"};
constexpr Listing kN3 = {"\nWnioski następujących reguł nie wykluczają się wzajemnie: ",
                         "Wnioski następujących reguł nie wykluczają się wzajemnie:"};
constexpr Listing kN3c = {"\nWnioski następujĄcych reguł nie wykluczają się wzajemnie: ",
                          "Wnioski następujących reguł nie wykluczają się wzajemnie:"};
constexpr Listing kE3 = {"\nWnioski następujących reguł  wykluczają się wzajemnie: ",
                         "Wnioski następujących reguł wykluczają się wzajemnie:"};

void listing(kb::Context& ctx, const Listing& l)
{
    ctx.ui.write(std::string(l.heading) + "\n\n");
    ctx.db.wyniki_diagnoz.regula_do_testowania.each([&](const kb::RegulaDoTestowania& r) {
        const std::string text = "Numer reguły:  " + std::to_string(r.numer) + "    Wniosek:  " + r.wniosek;
        ctx.ui.write(text + "\n");
        ctx.ui.note(l.title, text);
    });
}

}  // namespace

bool testowanie_obecnosci_wspolnych_warunkow(const kb::Context& ctx)
{
    facts::ListaList przeslanki;
    ctx.db.wyniki_diagnoz.regula_do_testowania.each(
        [&](const kb::RegulaDoTestowania& r) { przeslanki.push_back(r.przeslanka); });
    const std::optional<facts::SList> wspolne = iloczyn_mnogosciowy(przeslanki);
    return wspolne && !wspolne->empty();
}

bool testowanie_roznej_liczby_warunkow(const kb::Context& ctx)
{
    std::set<std::size_t> dlugosci;
    ctx.db.wyniki_diagnoz.regula_do_testowania.each(
        [&](const kb::RegulaDoTestowania& r) { dlugosci.insert(r.przeslanka.size()); });
    return dlugosci.size() > 1;
}

// Every row of the table whose mode is the stored one and whose condition holds writes its
// listing, so one run may write two.
void pisz_wnioski(kb::Context& ctx)
{
    const auto& w = ctx.db.wyniki_diagnoz;
    const std::optional<std::int32_t> opcja = w.opcja.first();
    auto wspolne = [&] { return testowanie_obecnosci_wspolnych_warunkow(ctx); };
    auto rozne = [&] { return testowanie_roznej_liczby_warunkow(ctx); };
    if (opcja == 1) {
        const bool flaga = !w.wykluczenie_do_jednego.empty();
        if (!flaga && !wspolne() && !rozne()) listing(ctx, kE1);
        if (!flaga && wspolne()) listing(ctx, kN1);
        if (!flaga && rozne()) listing(ctx, kN1);
        if (flaga) listing(ctx, kN1);
    } else if (opcja == 2) {
        const bool flaga = !w.wykluczenie_do_zadnego.empty();
        if (!flaga && wspolne()) listing(ctx, kE2);
        if (!flaga && rozne()) listing(ctx, kE2);
        if (!flaga && !wspolne() && !rozne()) listing(ctx, kN2);
        if (flaga) listing(ctx, kN2);
    } else if (opcja == 3) {
        const bool flaga = !w.wykluczenie.empty();
        if (flaga) listing(ctx, kN3);
        if (!flaga && wspolne()) listing(ctx, kN3c);
        if (!flaga && rozne()) listing(ctx, kN3);
        if (!flaga && !wspolne() && !rozne()) listing(ctx, kE3);
    }
}

}  // namespace diagnostics
