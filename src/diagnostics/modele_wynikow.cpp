// The condition-and-result view of the four model kinds. Reads the model facts, changes nothing.
#include "diagnostics/modele_wynikow.h"

#include <algorithm>

#include "kb/widoki_modeli.h"

namespace diagnostics {

std::vector<ModelWyniku> modele_rodzaju(const kb::Context& ctx, RodzajModelu rodzaj)
{
    std::vector<ModelWyniku> out;
    const kb::BazaModeli& b = ctx.db.baza_modeli;
    switch (rodzaj) {
    case RodzajModelu::elementarny:
        b.model.scan([&](const kb::Model& m) {
            out.push_back({m.warunek_stosowania.str(), m.wynik.str(), kb::jest_operacja_dwuargumentowa(m.operacja)});
        });
        break;
    case RodzajModelu::rozwiniety:
        b.model_r.scan([&](const kb::ModelR& m) {
            out.push_back({m.warunek_stosowania.str(), m.wynik.str(), kb::jest_operacja_listowa(m.operacja)});
        });
        break;
    case RodzajModelu::liniowy:
        b.model_liniowy.scan(
            [&](const kb::ModelLiniowy& m) { out.push_back({m.warunek_stosowania.str(), m.wynik.str(), true}); });
        break;
    case RodzajModelu::wielomianowy:
        b.model_wielomianowy.scan(
            [&](const kb::ModelWielomianowy& m) { out.push_back({m.warunek_stosowania.str(), m.wynik.str(), true}); });
        break;
    }
    return out;
}

ModeleWedlugWyniku::ModeleWedlugWyniku(const std::vector<ModelWyniku>& modele)
{
    for (const ModelWyniku& m : modele) grupy_[m.wynik].push_back(&m);
}

const std::vector<const ModelWyniku*>& ModeleWedlugWyniku::modele(const std::string& wynik) const
{
    static const std::vector<const ModelWyniku*> brak;
    const auto it = grupy_.find(wynik);
    return it == grupy_.end() ? brak : it->second;
}

std::vector<std::string> ModeleWedlugWyniku::warunki(const std::string& wynik) const
{
    std::vector<std::string> out;
    for (const ModelWyniku* m : modele(wynik)) out.push_back(m->warunek);
    return out;
}

bool ma_powtorzenie(const std::vector<std::string>& warunki)
{
    std::vector<std::string_view> posortowane(warunki.begin(), warunki.end());
    std::sort(posortowane.begin(), posortowane.end());
    return std::adjacent_find(posortowane.begin(), posortowane.end()) != posortowane.end();
}

}  // namespace diagnostics
