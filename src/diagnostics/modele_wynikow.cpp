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

std::vector<std::string> warunki_wyniku(const std::vector<ModelWyniku>& modele, std::string_view wynik)
{
    std::vector<std::string> out;
    for (const ModelWyniku& m : modele)
        if (m.wynik == wynik) out.push_back(m.warunek);
    return out;
}

bool ma_powtorzenie(const std::vector<std::string>& warunki)
{
    for (std::size_t i = 0; i < warunki.size(); ++i)
        if (std::find(warunki.begin() + static_cast<std::ptrdiff_t>(i) + 1, warunki.end(), warunki[i]) != warunki.end())
            return true;
    return false;
}

}  // namespace diagnostics
