// Set operations on lists of condition lists. Pure: nothing here reads or changes a fact.
#include "diagnostics/zbiory_warunkow.h"

#include <algorithm>
#include <map>
#include <string>

#include "kb/listy.h"

namespace diagnostics {

std::optional<facts::SList> iloczyn_mnogosciowy(const facts::ListaList& listy)
{
    if (listy.empty()) return std::nullopt;
    facts::SList wspolne = listy.front();
    for (std::size_t i = 1; i < listy.size(); ++i) wspolne = kb::iloczyn_zbiorow(wspolne, listy[i]);
    return wspolne;
}

facts::ListaList roznica_mnogosciowa(const facts::ListaList& listy, const facts::SList& usuwane,
                                     facts::ListaList akumulator)
{
    for (const facts::SList& lista : listy)
        akumulator.insert(akumulator.begin(), kb::roznica_zbiorow(lista, usuwane));
    return akumulator;
}

std::optional<facts::ListaList> usun_wspolne_2(const facts::ListaList& listy)
{
    const auto wspolne = iloczyn_mnogosciowy(listy);
    if (!wspolne) return std::nullopt;
    return roznica_mnogosciowa(listy, *wspolne);
}

bool listy_o_jednakowych_elementach(const facts::SList& a, const facts::SList& b)
{
    if (a.size() != b.size()) return false;
    facts::SList reszta = b;
    for (const std::string& x : a) {
        auto bez = kb::usun_jeden(x, reszta);
        if (!bez) return false;
        reszta = std::move(*bez);
    }
    return reszta.empty();
}

bool element_lista(const facts::SList& a, const facts::ListaList& listy)
{
    return std::any_of(listy.begin(), listy.end(),
                       [&](const facts::SList& h) { return listy_o_jednakowych_elementach(a, h); });
}

facts::ListaList redukuj_lista(const facts::ListaList& listy)
{
    facts::ListaList wynik;
    for (std::size_t i = 0; i < listy.size(); ++i) {
        const facts::ListaList dalsze(listy.begin() + static_cast<std::ptrdiff_t>(i) + 1, listy.end());
        if (!element_lista(listy[i], dalsze)) wynik.push_back(listy[i]);
    }
    return wynik;
}

bool nietrywialna(const facts::ListaList& listy)
{
    return std::none_of(listy.begin(), listy.end(), [](const facts::SList& l) { return l.empty(); });
}

bool przeciwne_2(const facts::ListaList& listy, const facts::SList& warunki)
{
    facts::SList pozostale = warunki;
    for (const facts::SList& h : listy) {
        if (pozostale.empty()) return true;
        if (h.size() != 1) return false;
        auto bez = kb::usun_jeden(h.front(), pozostale);
        if (!bez) return false;
        pozostale = std::move(*bez);
    }
    return pozostale.empty();
}

bool przeciwne_w_dowolnym_porzadku(const facts::ListaList& listy, const facts::SList& warunki, bool raz)
{
    std::map<std::string, std::size_t> potrzebne, pojedyncze;
    for (const std::string& w : warunki) ++potrzebne[w];
    for (const facts::SList& l : listy)
        if (l.size() == 1) ++pojedyncze[l.front()];
    return std::all_of(potrzebne.begin(), potrzebne.end(), [&](const auto& p) {
        const std::size_t jest = pojedyncze[p.first];
        return raz ? jest == p.second : jest >= p.second;
    });
}

}  // namespace diagnostics
