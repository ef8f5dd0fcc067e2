// The model-variable collectors: the fields each kind reads, joined in a fixed order, cleaned
// of repeats, constants, the unconditional marker and negated names. They add facts only; the
// caller (the askable arguments) removes the earlier ones first.
#include "kb/zmienne_modeli.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "kb/listy.h"
#include "platform/text.h"

namespace kb {

bool jest_stala_liczbowa(std::string_view tekst) { return text::text_to_real(tekst).has_value(); }

SList usun_stale(const SList& nazwy, const SList& akumulator)
{
    SList odwrocone;
    for (const std::string& nazwa : nazwy)
        if (!jest_stala_liczbowa(nazwa)) odwrocone.push_back(nazwa);
    SList out(odwrocone.rbegin(), odwrocone.rend());
    out.insert(out.end(), akumulator.begin(), akumulator.end());
    return out;
}

SList usun_zanegowane(const SList& lista)
{
    SList out;
    for (const std::string& nazwa : lista)
        if (nazwa.empty() || nazwa.front() != 'n') out.push_back(nazwa);
    return out;
}

namespace {

using Pola = NameList;

void dopisz(Pola& out, const NameList& lista) { out.insert(out.end(), lista.begin(), lista.end()); }

// Steps shared by the four collectors, from the joined fields to the two lists: the variables
// are usun_zanegowane(usun_wszystkie("bez warunku", usun_stale(redukuj(pola), []))).
ZmienneIWyniki zebrane(const Pola& pola, NameList wyniki)
{
    const NameList unikalne = redukuj(pola);
    NameList zmienne;
    // usun_stale gives the names left in reverse order; the other two keep the order.
    for (auto it = unikalne.rbegin(); it != unikalne.rend(); ++it) {
        const std::string_view nazwa = *it;
        if (!jest_stala_liczbowa(nazwa) && nazwa != "bez warunku" && (nazwa.empty() || nazwa.front() != 'n'))
            zmienne.push_back(*it);
    }
    return {std::move(zmienne), std::move(wyniki)};
}

void zapamietaj(Context& ctx, std::optional<ZmienneIWyniki> z)
{
    if (!z) return;
    ctx.db.stan.zmienne.add_last(std::move(z->zmienne));
    ctx.db.stan.wyniki.add_last(std::move(z->wyniki));
}

}  // namespace

std::optional<ZmienneIWyniki> zmienne_modelu(const BazaModeli& baza)
{
    const auto& modele = baza.model;
    if (modele.empty()) return std::nullopt;
    // One pass over the models fills each field's part of the list in place.
    const std::size_t n = modele.size();
    Pola pola(3 * n);
    NameList wyniki;
    wyniki.reserve(n);
    std::size_t i = 0;
    modele.scan([&](const Model& m) {
        pola[i] = m.argument1;
        pola[n + i] = m.argument2;
        pola[2 * n + i] = m.warunek_stosowania;
        wyniki.push_back(m.wynik);
        ++i;
    });
    return zebrane(pola, std::move(wyniki));
}

std::optional<ZmienneIWyniki> zmienne_modelu_r(const BazaModeli& baza)
{
    const auto& modele = baza.model_r;
    if (modele.empty()) return std::nullopt;
    Pola pola;
    NameList wyniki;
    modele.scan([&](const ModelR& m) { pola.push_back(m.warunek_stosowania); });
    modele.scan([&](const ModelR& m) { dopisz(pola, m.argumenty); });
    modele.scan([&](const ModelR& m) { wyniki.push_back(m.wynik); });
    return zebrane(pola, std::move(wyniki));
}

std::optional<ZmienneIWyniki> zmienne_modelu_lin(const BazaModeli& baza)
{
    const auto& modele = baza.model_liniowy;
    if (modele.empty()) return std::nullopt;
    Pola pola;
    NameList wyniki;
    modele.scan([&](const ModelLiniowy& m) { pola.push_back(m.warunek_stosowania); });
    modele.scan([&](const ModelLiniowy& m) { dopisz(pola, m.wspolczynniki); });
    modele.scan([&](const ModelLiniowy& m) { dopisz(pola, m.zmienne); });
    modele.scan([&](const ModelLiniowy& m) { wyniki.push_back(m.wynik); });
    return zebrane(pola, std::move(wyniki));
}

std::optional<ZmienneIWyniki> zmienne_modelu_wiel(const BazaModeli& baza)
{
    const auto& modele = baza.model_wielomianowy;
    if (modele.empty()) return std::nullopt;
    Pola pola;
    NameList wyniki;
    modele.scan([&](const ModelWielomianowy& m) { pola.push_back(m.warunek_stosowania); });
    modele.scan([&](const ModelWielomianowy& m) { pola.push_back(m.zmienna); });
    modele.scan([&](const ModelWielomianowy& m) { dopisz(pola, m.wspolczynniki); });
    modele.scan([&](const ModelWielomianowy& m) { wyniki.push_back(m.wynik); });
    return zebrane(pola, std::move(wyniki));
}

void zmienne_z_modelu(Context& ctx) { zapamietaj(ctx, zmienne_modelu(ctx.db.baza_modeli)); }
void zmienne_z_modelu_r(Context& ctx) { zapamietaj(ctx, zmienne_modelu_r(ctx.db.baza_modeli)); }
void zmienne_z_modelu_lin(Context& ctx) { zapamietaj(ctx, zmienne_modelu_lin(ctx.db.baza_modeli)); }
void zmienne_z_modelu_wiel(Context& ctx) { zapamietaj(ctx, zmienne_modelu_wiel(ctx.db.baza_modeli)); }

}  // namespace kb
