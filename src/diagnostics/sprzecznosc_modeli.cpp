// The searches for contradictions inside the model base: an arithmetic model whose result is
// one of its own arguments (directly, or through a chain of models feeding each other), and a
// relational model concluding its own condition. They record findings and flags only; telling
// the user is the load's entry (testy_ladowania_modeli.cpp) and the report's.
#include <set>
#include <string>
#include <vector>

#include "diagnostics/testy_ladowania_modeli.h"
#include "kb/listy.h"
#include "kb/widoki_modeli.h"
#include "kb/zmienne_modeli.h"

namespace diagnostics {
namespace {

using kb::ArgumentyModelu;
using kb::Context;
using std::string;

void flaga(facts::FactList<string>& f)
{
    if (!f.contains("TAK")) f.add_last("TAK");
}

// Every arithmetic model with the names it reads, kind after kind, in file order.
void zbierz_argumenty(Context& ctx)
{
    auto& lista = ctx.db.stan.lista_argumentow_modelu_arytmetycznego;
    const kb::BazaModeli& b = ctx.db.baza_modeli;
    b.model.scan([&](const kb::Model& m) {
        if (kb::jest_operacja_dwuargumentowa(m.operacja)) lista.add_last({m.numer, m.wynik, {m.argument1, m.argument2}});
    });
    b.model_r.scan([&](const kb::ModelR& m) {
        if (kb::jest_operacja_listowa(m.operacja)) lista.add_last({m.numer, m.wynik, m.argumenty});
    });
    b.model_liniowy.scan([&](const kb::ModelLiniowy& m) {
        lista.add_last({m.numer, m.wynik, kb::dolaczenie(m.wspolczynniki, m.zmienne)});
    });
    b.model_wielomianowy.scan([&](const kb::ModelWielomianowy& m) {
        facts::SList a{m.zmienna};
        a.insert(a.end(), m.wspolczynniki.begin(), m.wspolczynniki.end());
        lista.add_last({m.numer, m.wynik, a});
    });
}

// The chain search from one start model: a depth-first walk from its arguments through the
// models producing them, looking for a producer that reads the start model's result. Every
// producer is tried, so a cycle behind any argument is found; a name is descended through at
// most once, so the walk ends on any model base.
class Lancuch {
public:
    Lancuch(const std::vector<ArgumentyModelu>& modele, const ArgumentyModelu& start)
        : modele_(modele), start_(start)
    {
        odwiedzone_.insert(start.wynik);
    }

    // The chain, newest first, ending with the start model; empty when there is none.
    facts::IList szukaj() { return szukaj(start_.argumenty, {start_.numer}) ? znaleziony_ : facts::IList{}; }

private:
    bool czyta_start(const ArgumentyModelu& p) const { return kb::element(start_.wynik, p.argumenty); }
    bool producent(const ArgumentyModelu& p, const string& h) const
    {
        return p.wynik == h && p.numer != start_.numer;
    }

    bool szukaj(const facts::SList& lista, const facts::IList& lancuch)
    {
        for (const string& h : lista) {
            if (!kb::jest_stala_liczbowa(h) && odwiedzone_.insert(h).second)
                for (const ArgumentyModelu& p : modele_)
                    if (producent(p, h) && !czyta_start(p) && szukaj(p.argumenty, z_przodu(p.numer, lancuch)))
                        return true;
            for (const ArgumentyModelu& p : modele_)
                if (producent(p, h) && czyta_start(p)) {
                    znaleziony_ = z_przodu(p.numer, lancuch);
                    return true;
                }
        }
        return false;
    }

    static facts::IList z_przodu(std::int32_t numer, const facts::IList& lancuch)
    {
        facts::IList out{numer};
        out.insert(out.end(), lancuch.begin(), lancuch.end());
        return out;
    }

    const std::vector<ArgumentyModelu>& modele_;
    const ArgumentyModelu& start_;
    std::set<string> odwiedzone_;
    facts::IList znaleziony_;
};

void badaj_sprzecznosc_modeli_arytmetycznych_1(Context& ctx, const ArgumentyModelu& m)
{
    kb::WynikiDiagnoz& w = ctx.db.wyniki_diagnoz;
    for (const string& a : m.argumenty)
        if (a == m.wynik) {
            w.model_arytmetyczny_sprzeczny.add_last({m.numer, m.wynik});
            flaga(w.model_aryt_sprzeczny);
        }
}

void badaj_sprzecznosc_modeli_arytmetycznych_2(Context& ctx, const std::vector<ArgumentyModelu>& modele,
                                               const ArgumentyModelu& m)
{
    kb::WynikiDiagnoz& w = ctx.db.wyniki_diagnoz;
    if (w.model_arytmetyczny_sprzeczny.contains({m.numer, m.wynik})) return;
    const facts::IList lancuch = Lancuch(modele, m).szukaj();
    if (lancuch.empty()) return;
    w.model_arytmetyczny_sprzeczny_gleboko.add_last({m.numer, lancuch, m.wynik});
    flaga(w.model_sprzeczny_gleboko);
}

}  // namespace

void badaj_sprzecznosc_modeli_arytmetycznych(Context& ctx)
{
    zbierz_argumenty(ctx);
    const std::vector<ArgumentyModelu> modele = ctx.db.stan.lista_argumentow_modelu_arytmetycznego.all();
    for (const ArgumentyModelu& m : modele) {
        badaj_sprzecznosc_modeli_arytmetycznych_1(ctx, m);
        badaj_sprzecznosc_modeli_arytmetycznych_2(ctx, modele, m);
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
    ctx.db.baza_modeli.model.scan([&](const kb::Model& m) {
        if (kb::jest_relacja(m.operacja) && m.warunek_stosowania == m.wynik) zapisz(m.numer, m.wynik);
    });
    ctx.db.baza_modeli.model_r.scan([&](const kb::ModelR& m) {
        if (kb::jest_relacja_przedzialowa(m.operacja) && m.warunek_stosowania == m.wynik) zapisz(m.numer, m.wynik);
    });
}

}  // namespace diagnostics
