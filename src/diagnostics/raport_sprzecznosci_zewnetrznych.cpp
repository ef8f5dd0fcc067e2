// The report of the external contradictions: the stored findings, self-contradictions first,
// then direct, then indirect ones, into the auxiliary window and a fresh report text, a note for
// each part, and the offer to keep the report. It reads the findings and never changes them.
#include <string>

#include "diagnostics/diagnozy.h"
#include "diagnostics/listy_diagnoz.h"
#include "diagnostics/raporty_regul.h"
#include "diagnostics/sprzecznosc_zewnetrzna.h"
#include "kb/pisz.h"
#include "platform/toolkit.h"

namespace diagnostics {
namespace {

const std::string kTytul = "Diagnostyka sprzeczności zewnętrzych bazy reguł";

void cr(kb::Context& ctx, int times = 1)
{
    for (int i = 0; i < times; ++i) kb::piszcr(ctx);
}

std::string nr(std::int32_t n) { return std::to_string(n); }

// The chain of the note: the numbers joined by "==>".
std::string chain_text(const facts::IList& lancuch)
{
    const std::string joined = tworz_string(zmien_na_stringa1(lancuch));
    return joined.substr(0, joined.size() - 3);
}

void samosprzeczne(kb::Context& ctx, const std::vector<kb::RegulySprzeczne>& findings, const std::string& rodzaj)
{
    for (const kb::RegulySprzeczne& f : findings) {
        if (f.zamykajaca != f.start) continue;
        kb::pisz_tuto(ctx, " Reguła " + nr(f.start) + " jest zewnętrznie " + rodzaj + "-samosprzeczna. ");
        cr(ctx, 2);
        ctx.ui.note(kTytul, "Reguła " + nr(f.start) + " jest zewnętrznie " + rodzaj + "-samosprzeczna.");
    }
}

void bezposrednie(kb::Context& ctx, const std::vector<kb::RegulySprzeczne>& findings, const std::string& rodzaj)
{
    for (const kb::RegulySprzeczne& f : findings) {
        if (f.lancuch.size() != 2 || f.zamykajaca == f.start) continue;
        kb::pisz_tuto(ctx, " Reguła " + nr(f.start) + " jest zewnętrznie bezpośrednio " + rodzaj +
                               "-sprzeczna z regułą " + nr(f.zamykajaca) + ".");
        cr(ctx);
        kb::pisz_tuto(ctx, " Można to wykazać podstawiając ");
        pisz_podstawienie(ctx, f.lancuch);
        cr(ctx, 2);
        ctx.ui.note(kTytul, "Reguła " + nr(f.start) + " jest zewnętrznie bezpośrednio " + rodzaj +
                                "-sprzeczna z regułą " + nr(f.zamykajaca) + ".\nMożna to wykazać podstawiając " +
                                nr(f.zamykajaca) + " do " + nr(f.start) + ".");
    }
}

void posrednie(kb::Context& ctx, const std::vector<kb::RegulySprzeczne>& findings, const std::string& rodzaj)
{
    for (const kb::RegulySprzeczne& f : findings) {
        if (f.lancuch.size() <= 2 || f.zamykajaca == f.start) continue;
        ctx.ui.write("\n\n");
        kb::pisz_tuto(ctx, " Reguła " + nr(f.start) + " jest zewnętrznie pośrednio " + rodzaj +
                               "-sprzeczna z regułą " + nr(f.zamykajaca) + ".");
        cr(ctx);
        kb::pisz_tuto(ctx, " Można to wykazać podstawiając ");
        pisz_podstawienie(ctx, f.lancuch);
        cr(ctx, 2);
        ctx.ui.note(kTytul, "Reguła " + nr(f.start) + " jest zewnętrznie pośrednio " + rodzaj +
                                " -sprzeczna z regułą " + nr(f.zamykajaca) +
                                ".\nMożna to wykazać podstawiając: " + chain_text(f.lancuch) + ".");
    }
}

}  // namespace

bool pisz_podstawienie(kb::Context& ctx, const facts::IList& lancuch)
{
    if (lancuch.empty()) return false;
    for (std::size_t i = 0; i < lancuch.size(); ++i) {
        if (i) kb::pisz_tuto(ctx, " ==> ");
        kb::pisz_tuto_int(ctx, lancuch[i]);
    }
    kb::piszcr(ctx);
    return true;
}

bool pisz_sprzecznosc_1z(kb::Context& ctx)
{
    const std::optional<std::string> nazwa = baza_do_raportu(ctx);
    if (!nazwa) return false;
    const std::optional<std::string> rodzaj = rodzaj_sprzecznosci_1(ctx);
    const std::vector<kb::RegulySprzeczne> findings = ctx.db.wyniki_diagnoz.reguly_sprzeczne.all();
    if (findings.empty() && rodzaj) {
        ctx.ui.write(" Baza reguł " + *nazwa + "\n nie jest zewnętrznie " + *rodzaj + "-sprzeczna.\n");
        ctx.ui.note("Uwaga!", "Baza reguł rozwinieta niepewna\n   " + *nazwa + "\nnie jest zewnętrznie " + *rodzaj +
                                  "-sprzeczna.");
        return true;
    }

    kb::kasowanie_tekst_raportu(ctx);
    kb::pisz_tuto(ctx, " Raport diagnostyki sprzeczności zewnętrznych bazy reguł ");
    cr(ctx);
    kb::pisz_tuto(ctx, " " + *nazwa);
    cr(ctx, 2);
    ctx.ui.note("Diagnostyka sprzeczności zewnętrzych bazy reguł rozwiniętej niepewnej\n   " + *nazwa,
                "Raport diagnostyki sprzeczności zewnętrznych bazy reguł.");

    if (rodzaj) {
        kb::pisz_tuto(ctx, " Następujące reguły są " + *rodzaj + "-sprzeczne: ");
        cr(ctx, 2);
        ctx.ui.note(kTytul, "Następujące reguły są " + *rodzaj + "-sprzeczne: ");
        samosprzeczne(ctx, findings, *rodzaj);
        bezposrednie(ctx, findings, *rodzaj);
        posrednie(ctx, findings, *rodzaj);
    }

    cr(ctx);
    kb::pisz_tuto(ctx, " Koniec raportu diagnostyki sprzeczności zewnętrznych bazy reguł ");
    cr(ctx);
    kb::pisz_tuto(ctx, " " + *nazwa + ".");
    ctx.ui.note(kTytul, "Koniec raportu diagnostyki sprzeczności zewnętrznych bazy reguł rozwinietej niepewnej\n   " +
                            *nazwa + ".");
    return kb::raport(ctx);
}

}  // namespace diagnostics
