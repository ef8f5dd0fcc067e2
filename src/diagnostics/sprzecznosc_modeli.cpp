// The searches for contradictions inside the model base: an arithmetic model whose result is
// one of its own arguments (directly, or through a chain of models feeding each other), and a
// relational model concluding its own condition. They record findings and flags only; telling
// the user is the load's entry (testy_ladowania_modeli.cpp) and the report's.
#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "diagnostics/testy_ladowania_modeli.h"
#include "kb/listy.h"
#include "kb/name_index.h"
#include "kb/name_number_set.h"
#include "kb/rodzaje_operacji.h"
#include "kb/widoki_modeli.h"
#include "kb/zmienne_modeli.h"
#include "platform/names.h"
#include "platform/side_by_side.h"

namespace diagnostics {
namespace {

using kb::ArgumentyModelu;
using kb::Context;
using std::string;

void flaga(facts::FactList<string>& f)
{
    if (!f.contains("TAK")) f.add_last("TAK");
}

// The arithmetic models of one share of each kind (basic, extended, linear, polynomial), with the
// names they read.
using ArgumentyRodzajow = std::array<facts::FactList<ArgumentyModelu>, 4>;

void zbierz_argumenty(const kb::BazaModeli& b, std::size_t czesc, std::size_t czesci, ArgumentyRodzajow& lista)
{
    kb::RodzajeOperacji op;
    b.model.scan_share(czesc, czesci, [&](const kb::Model& m) {
        if (op.jest(m.operacja, kb::RodzajOperacji::dwuargumentowa))
            lista[0].add_last({m.numer, m.wynik, {m.argument1, m.argument2}});
    });
    b.model_r.scan_share(czesc, czesci, [&](const kb::ModelR& m) {
        if (op.jest(m.operacja, kb::RodzajOperacji::listowa)) lista[1].add_last({m.numer, m.wynik, m.argumenty});
    });
    b.model_liniowy.scan_share(czesc, czesci, [&](const kb::ModelLiniowy& m) {
        facts::NameList a(m.wspolczynniki);
        a.insert(a.end(), m.zmienne.begin(), m.zmienne.end());
        lista[2].add_last({m.numer, m.wynik, std::move(a)});
    });
    b.model_wielomianowy.scan_share(czesc, czesci, [&](const kb::ModelWielomianowy& m) {
        facts::NameList a{m.zmienna};
        a.insert(a.end(), m.wspolczynniki.begin(), m.wspolczynniki.end());
        lista[3].add_last({m.numer, m.wynik, std::move(a)});
    });
}

// Every arithmetic model with the names it reads, kind after kind, in file order. The models of
// a large base are gathered in shares side by side, then joined in order.
void zbierz_argumenty(Context& ctx)
{
    const kb::BazaModeli& b = ctx.db.baza_modeli;
    const std::size_t czesci = platform::worth_threads(kb::liczba_modeli(b)) ? platform::threads_for_parts() : 1;
    std::vector<ArgumentyRodzajow> zebrane(czesci);
    platform::run_side_by_side(czesci, [&](std::size_t c) { zbierz_argumenty(b, c, czesci, zebrane[c]); });
    auto& lista = ctx.db.stan.lista_argumentow_modelu_arytmetycznego;
    for (std::size_t rodzaj = 0; rodzaj < zebrane.front().size(); ++rodzaj)
        for (ArgumentyRodzajow& czesc : zebrane) lista.take_all(czesc[rodzaj]);
}

using Modele = std::vector<const ArgumentyModelu*>;  // in file order

// The names the arithmetic models mention, numbered, with the models producing each name in
// file order, and the strongly connected components of the graph "a name leads to the
// arguments of its producers". A chain back to a start model's result can only pass through
// names of that result's component: a name outside it cannot lead back to the result. So a
// model whose arguments all lie outside its result's component has no chain, and the search
// never needs to descend outside the component; on a large base without cycles that leaves
// almost nothing to search.
class GrafNazw {
public:
    // The models' results and arguments are kept as numbers of their own, dense from 0, found
    // by the names' numbers in the program's name table.
    explicit GrafNazw(const Modele& modele) : numery_(facts::name_table().size(), kBrak)
    {
        wyniki_.reserve(modele.size());
        argumenty_od_.reserve(modele.size() + 1);
        for (const ArgumentyModelu* m : modele) {
            wyniki_.push_back(nadaj_numer(m->wynik));
            argumenty_od_.push_back(static_cast<std::uint32_t>(argumenty_.size()));
            for (const facts::Name a : m->argumenty) argumenty_.push_back(nadaj_numer(a));
        }
        argumenty_od_.push_back(static_cast<std::uint32_t>(argumenty_.size()));
        producenci_.resize(nazwy_ + 1);
        for (const std::uint32_t w : wyniki_) ++producenci_[w + 1];
        for (std::size_t i = 1; i < producenci_.size(); ++i) producenci_[i] += producenci_[i - 1];
        kolejni_.resize(modele.size());
        std::vector<std::uint32_t> wolne(producenci_.begin(), producenci_.end() - 1);
        for (std::uint32_t i = 0; i < modele.size(); ++i) kolejni_[wolne[wyniki_[i]]++] = i;
        skladowe();
    }

    // The models producing the name, in file order.
    std::span<const std::uint32_t> producenci(std::uint32_t nazwa) const
    {
        return {kolejni_.data() + producenci_[nazwa], kolejni_.data() + producenci_[nazwa + 1]};
    }
    std::uint32_t numer(facts::Name nazwa) const { return numery_[nazwa.id()]; }
    std::uint32_t skladowa(std::uint32_t nazwa) const { return skladowa_[nazwa]; }

    // Whether a chain back to the result of the i-th model can exist at all: an argument in
    // the result's component.
    bool moze_wrocic(std::size_t i) const
    {
        const std::uint32_t wynik = skladowa(wyniki_[i]);
        for (const std::uint32_t a : argumenty(i))
            if (skladowa(a) == wynik) return true;
        return false;
    }

private:
    std::span<const std::uint32_t> argumenty(std::size_t i) const
    {
        return {argumenty_.data() + argumenty_od_[i], argumenty_.data() + argumenty_od_[i + 1]};
    }

    std::uint32_t nadaj_numer(facts::Name nazwa)
    {
        std::uint32_t& n = numery_[nazwa.id()];
        if (n == kBrak) n = nazwy_++;
        return n;
    }

    // Tarjan's algorithm, with an explicit stack so that a long chain of models cannot
    // overflow the call stack.
    void skladowe()
    {
        std::vector<std::uint32_t> indeks(nazwy_, kBrak), niski(nazwy_), stos;
        std::vector<char> na_stosie(nazwy_, 0);
        skladowa_.assign(nazwy_, kBrak);
        struct Ramka {
            std::uint32_t nazwa, producent, argument;
        };
        std::vector<Ramka> wywolania;
        std::uint32_t licznik = 0, skladowych = 0;
        auto wejdz = [&](std::uint32_t v) {
            indeks[v] = niski[v] = licznik++;
            stos.push_back(v);
            na_stosie[v] = 1;
            wywolania.push_back({v, producenci_[v], 0});
        };
        for (std::uint32_t korzen = 0; korzen < nazwy_; ++korzen) {
            if (indeks[korzen] != kBrak) continue;
            wejdz(korzen);
            while (!wywolania.empty()) {
                Ramka& r = wywolania.back();
                if (r.producent < producenci_[r.nazwa + 1]) {
                    const std::span<const std::uint32_t> nastepne = argumenty(kolejni_[r.producent]);
                    if (r.argument == nastepne.size()) {
                        ++r.producent;
                        r.argument = 0;
                        continue;
                    }
                    const std::uint32_t w = nastepne[r.argument++];
                    if (indeks[w] == kBrak && producenci_[w] == producenci_[w + 1]) {
                        // A name no model produces (a constant, a measured value) leads nowhere:
                        // a component of its own, without a visit that would end at once.
                        indeks[w] = licznik++;
                        skladowa_[w] = skladowych++;
                    } else if (indeks[w] == kBrak)
                        wejdz(w);
                    else if (na_stosie[w])
                        niski[r.nazwa] = std::min(niski[r.nazwa], indeks[w]);
                    continue;
                }
                const std::uint32_t v = r.nazwa;
                wywolania.pop_back();
                if (!wywolania.empty()) niski[wywolania.back().nazwa] = std::min(niski[wywolania.back().nazwa], niski[v]);
                if (niski[v] != indeks[v]) continue;
                std::uint32_t w;
                do {
                    w = stos.back();
                    stos.pop_back();
                    na_stosie[w] = 0;
                    skladowa_[w] = skladowych;
                } while (w != v);
                ++skladowych;
            }
        }
    }

    static constexpr std::uint32_t kBrak = UINT32_MAX;
    std::vector<std::uint32_t> numery_;  // by name number; kBrak for a name of no model
    std::uint32_t nazwy_ = 0;
    std::vector<std::uint32_t> wyniki_;       // per model, its result
    std::vector<std::uint32_t> argumenty_od_;  // per model, where its arguments begin in argumenty_
    std::vector<std::uint32_t> argumenty_;
    std::vector<std::uint32_t> producenci_;  // per name, where its producers begin in kolejni_
    std::vector<std::uint32_t> kolejni_;     // model positions grouped by the name they produce
    std::vector<std::uint32_t> skladowa_;
};

// The chain search from one start model: a depth-first walk from its arguments through the
// models producing them, looking for a producer that reads the start model's result. Every
// producer is tried, so a cycle behind any argument is found; a name is descended through at
// most once, so the walk ends on any model base. Names outside the result's component are
// passed over: nothing behind them leads back (see GrafNazw).
//
// At each name of an argument list the walk first descends through every producer of the
// name that does not read the start's result, and only then looks for one that does. The walk
// keeps its own stack, so that a cycle of a hundred thousand models cannot overflow the call
// stack, and one list of the models it went through.
class Lancuch {
public:
    Lancuch(const Modele& modele, const GrafNazw& graf, const ArgumentyModelu& start)
        : modele_(modele), graf_(graf), start_(start), skladowa_(graf.skladowa(graf.numer(start.wynik)))
    {
        odwiedzone_.insert(start.wynik);
    }

    // The chain, newest first, ending with the start model; empty when there is none.
    facts::IList szukaj()
    {
        droga_.assign(1, start_.numer);
        ramki_.push_back(Ramka{&start_.argumenty});
        while (!ramki_.empty()) {
            Ramka& r = ramki_.back();
            switch (r.etap) {
                case Etap::nazwa: nastepna_nazwa(r); break;
                case Etap::zejscie: zejdz(r); break;
                case Etap::czytajacy:
                    if (const ArgumentyModelu* p = czytajacy(r)) {
                        droga_.push_back(p->numer);
                        return facts::IList(droga_.rbegin(), droga_.rend());
                    }
                    break;
            }
        }
        return {};
    }

private:
    enum class Etap { nazwa, zejscie, czytajacy };
    // One argument list under way: the name it is at, that name's producers and the next one
    // to try.
    struct Ramka {
        const facts::NameList* lista;
        std::size_t h = 0;
        Etap etap = Etap::nazwa;
        std::span<const std::uint32_t> producenci{};
        std::size_t i = 0;
    };

    bool czyta_start(const ArgumentyModelu& p) const
    {
        return std::ranges::find(p.argumenty, start_.wynik) != p.argumenty.end();
    }

    // The list's next name in the component, or the end of the list: back to the list before.
    void nastepna_nazwa(Ramka& r)
    {
        if (r.h == r.lista->size()) {
            ramki_.pop_back();
            if (!ramki_.empty()) droga_.pop_back();
            return;
        }
        const facts::Name h = (*r.lista)[r.h];
        const std::uint32_t nazwa = graf_.numer(h);
        if (graf_.skladowa(nazwa) != skladowa_) {
            ++r.h;
            return;
        }
        r.producenci = graf_.producenci(nazwa);
        r.i = 0;
        r.etap = !kb::jest_stala_liczbowa(h) && odwiedzone_.insert(h) ? Etap::zejscie : Etap::czytajacy;
    }

    // Into the arguments of the next producer that does not read the start's result.
    void zejdz(Ramka& r)
    {
        while (r.i < r.producenci.size()) {
            const ArgumentyModelu& p = *modele_[r.producenci[r.i++]];
            if (p.numer == start_.numer || czyta_start(p)) continue;
            droga_.push_back(p.numer);
            ramki_.push_back(Ramka{&p.argumenty});  // r is not used after this
            return;
        }
        r.i = 0;
        r.etap = Etap::czytajacy;
    }

    // The first producer of the name that reads the start's result; none: on to the next name.
    const ArgumentyModelu* czytajacy(Ramka& r)
    {
        for (const std::uint32_t i : r.producenci) {
            const ArgumentyModelu& p = *modele_[i];
            if (p.numer != start_.numer && czyta_start(p)) return &p;
        }
        ++r.h;
        r.etap = Etap::nazwa;
        return nullptr;
    }

    const Modele& modele_;
    const GrafNazw& graf_;
    const ArgumentyModelu& start_;
    std::uint32_t skladowa_;
    kb::NameNumberSet odwiedzone_{16};  // a search per model: sized for few names, it grows
    std::vector<Ramka> ramki_;
    std::vector<std::int32_t> droga_;  // the start model and the producers descended through, oldest first
};

// The models recorded in model_arytmetyczny_sprzeczny, by number and result, so that each
// model asks a set instead of reading through every finding before it.
class Zapisane {
public:
    explicit Zapisane(const facts::FactList<kb::ModelWynik>& lista)
    {
        lista.scan([&](const kb::ModelWynik& z) {
            const std::uint32_t wynik = kb::name_number(z.wynik);
            if (wynik != kb::kNoName) pary_.insert(klucz(z.numer, wynik));
        });
    }
    void dodaj(const ArgumentyModelu& m) { pary_.insert(klucz(m.numer, m.wynik.id())); }
    bool zawiera(const ArgumentyModelu& m) const { return pary_.contains(klucz(m.numer, m.wynik.id())); }

private:
    static std::uint64_t klucz(std::int32_t numer, std::uint32_t wynik)
    {
        return std::uint64_t{static_cast<std::uint32_t>(numer)} << 32 | wynik;
    }
    std::unordered_set<std::uint64_t> pary_;
};

void badaj_sprzecznosc_modeli_arytmetycznych_1(Context& ctx, const ArgumentyModelu& m, Zapisane& zapisane)
{
    kb::WynikiDiagnoz& w = ctx.db.wyniki_diagnoz;
    for (const facts::Name a : m.argumenty)
        if (a == m.wynik) {
            w.model_arytmetyczny_sprzeczny.add_last({m.numer, m.wynik.str()});
            zapisane.dodaj(m);
            flaga(w.model_aryt_sprzeczny);
        }
}

void badaj_sprzecznosc_modeli_arytmetycznych_2(Context& ctx, const Modele& modele, const GrafNazw& graf,
                                               std::size_t i, const Zapisane& zapisane)
{
    kb::WynikiDiagnoz& w = ctx.db.wyniki_diagnoz;
    if (!graf.moze_wrocic(i)) return;
    const ArgumentyModelu& m = *modele[i];
    if (zapisane.zawiera(m)) return;
    const facts::IList lancuch = Lancuch(modele, graf, m).szukaj();
    if (lancuch.empty()) return;
    w.model_arytmetyczny_sprzeczny_gleboko.add_last({m.numer, lancuch, m.wynik.str()});
    flaga(w.model_sprzeczny_gleboko);
}

}  // namespace

void badaj_sprzecznosc_modeli_arytmetycznych(Context& ctx)
{
    zbierz_argumenty(ctx);
    // Views of the stored list, which the searches below leave unchanged.
    Modele modele;
    ctx.db.stan.lista_argumentow_modelu_arytmetycznego.scan([&](const ArgumentyModelu& m) { modele.push_back(&m); });
    const GrafNazw graf(modele);
    Zapisane zapisane(ctx.db.wyniki_diagnoz.model_arytmetyczny_sprzeczny);
    for (std::size_t i = 0; i < modele.size(); ++i) {
        badaj_sprzecznosc_modeli_arytmetycznych_1(ctx, *modele[i], zapisane);
        badaj_sprzecznosc_modeli_arytmetycznych_2(ctx, modele, graf, i, zapisane);
    }
}

void badaj_sprzecznosc_modeli_relacyjnych(Context& ctx)
{
    kb::WynikiDiagnoz& w = ctx.db.wyniki_diagnoz;
    auto zapisz = [&](std::int32_t numer, const string& wniosek) {
        if (w.model_relacyjny_sprzeczny.contains({numer, wniosek})) return;
        w.model_relacyjny_sprzeczny.add_last({numer, wniosek});
        flaga(w.model_rela_sprzeczny);
    };
    kb::RodzajeOperacji op;
    ctx.db.baza_modeli.model.scan([&](const kb::Model& m) {
        if (op.jest(m.operacja, kb::RodzajOperacji::relacja) && m.warunek_stosowania == m.wynik)
            zapisz(m.numer, m.wynik.str());
    });
    ctx.db.baza_modeli.model_r.scan([&](const kb::ModelR& m) {
        if (op.jest(m.operacja, kb::RodzajOperacji::relacja_przedzialowa) && m.warunek_stosowania == m.wynik)
            zapisz(m.numer, m.wynik.str());
    });
}

}  // namespace diagnostics
