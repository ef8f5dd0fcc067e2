// The search for joint contradictions of the model base and the rule base: a relational or
// interval model whose condition of application is concluded by rules that, flattened, need
// the result of a chain of relational models leading back to that same condition. It records
// the findings (modele_i_reguly_sprzeczne) and tells only what it had to leave out.
#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string_view>
#include <utility>
#include <string>
#include <vector>

#include "diagnostics/pominiecia.h"
#include "diagnostics/splaszczanie.h"
#include "diagnostics/testy_ladowania_modeli.h"
#include "kb/listy.h"
#include "kb/widoki_modeli.h"
#include "platform/name_table.h"

namespace diagnostics {
namespace {

using facts::IList;
using facts::SList;
using kb::Context;
using std::string;

// What one way through the models gathered: conditions and model numbers, newest first.
struct Droga {
    SList warunki;
    IList modele;
};

constexpr std::uint64_t kMaxDrog = 200'000;

// What the walk looks up, each list in store order: the rules by conclusion, the relational
// and the interval models by result, the other simple models by result (with their places in
// the store, to merge two results in store order), and whether any model has a result. Built
// once per search, as the bases do not change under it: looking through a whole base at every
// step made a large base's search quadratic. Names view into the facts.
class Indeks {
public:
    explicit Indeks(const Context& ctx)
    {
        ctx.db.baza_regul.regula.scan([&](const kb::Regula& r) { reguly_.try_emplace(r.wniosek).first->push_back(&r); });
        std::size_t miejsce = 0;
        ctx.db.baza_modeli.model.scan([&](const kb::Model& m) {
            wyniki_.insert(m.wynik);
            if (kb::jest_relacja(m.operacja))
                relacyjne_.try_emplace(m.wynik).first->push_back(&m);
            else
                proste_.try_emplace(m.wynik).first->push_back({miejsce, &m});
            ++miejsce;
        });
        ctx.db.baza_modeli.model_r.scan([&](const kb::ModelR& m) {
            wyniki_.insert(m.wynik);
            if (kb::jest_relacja_przedzialowa(m.operacja)) przedzialowe_.try_emplace(m.wynik).first->push_back(&m);
        });
    }

    const std::vector<const kb::Regula*>& reguly(std::string_view wniosek) const { return znajdz(reguly_, wniosek); }
    const std::vector<const kb::Model*>& relacyjne(std::string_view wynik) const { return znajdz(relacyjne_, wynik); }
    const std::vector<const kb::ModelR*>& przedzialowe(std::string_view wynik) const
    {
        return znajdz(przedzialowe_, wynik);
    }
    bool testowalny(std::string_view x) const { return wyniki_.contains(x); }

    // The simple models whose result is a or b, in store order.
    std::vector<const kb::Model*> proste(std::string_view a, std::string_view b) const
    {
        const std::vector<Miejsce>& pa = znajdz(proste_, a);
        static const std::vector<Miejsce> brak;
        const std::vector<Miejsce>& pb = a == b ? brak : znajdz(proste_, b);
        std::vector<Miejsce> razem;
        razem.reserve(pa.size() + pb.size());
        std::merge(pa.begin(), pa.end(), pb.begin(), pb.end(), std::back_inserter(razem),
                   [](const Miejsce& x, const Miejsce& y) { return x.first < y.first; });
        std::vector<const kb::Model*> out;
        out.reserve(razem.size());
        for (const Miejsce& m : razem) out.push_back(m.second);
        return out;
    }

private:
    using Miejsce = std::pair<std::size_t, const kb::Model*>;

    template <class V>
    static const V& znajdz(const platform::NameMap<V>& mapa, std::string_view nazwa)
    {
        static const V pusta;
        const V* v = mapa.find(nazwa);
        return v ? *v : pusta;
    }

    platform::NameMap<std::vector<const kb::Regula*>> reguly_;
    platform::NameMap<std::vector<const kb::Model*>> relacyjne_;
    platform::NameMap<std::vector<const kb::ModelR*>> przedzialowe_;
    platform::NameMap<std::vector<Miejsce>> proste_;
    platform::NameSet wyniki_;
};

class Szukanie {
public:
    explicit Szukanie(Context& ctx) : ctx_(ctx), b_(ctx.db.baza_modeli), indeks_(ctx), flattener_(ctx) {}

    void szukaj()
    {
        b_.model.scan([&](const kb::Model& m) {
            if (kb::jest_relacja(m.operacja)) model(m.numer, m.warunek_stosowania);
        });
        b_.model_r.scan([&](const kb::ModelR& m) {
            if (kb::jest_relacja_przedzialowa(m.operacja)) model(m.numer, m.warunek_stosowania);
        });
        if (drogi_ > kMaxDrog) pominiecia_.stop_search();
        pominiecia_.tell(ctx_);
    }

private:
    void model(std::int32_t n, std::string_view warunek)
    {
        const string a(kb::bez_negacji(warunek));
        for (const kb::Regula* regula : indeks_.reguly(a)) {
            const kb::Regula& r = *regula;
            const Flattening& s = flattener_.splaszcz(r.warunki);
            pominiecia_.note(r.numer, r.wniosek, s);
            for (const FlatForm& f : s.postacie)
                for (const Droga& d : splaszcz_modele(f.warunki, 0))
                    for (const string& w : d.warunki)
                        if (w == a) ctx_.db.wyniki_diagnoz.modele_i_reguly_sprzeczne.add_last({n, r.numer, f.numery, d.modele});
        }
    }

    // Some model of any kind or operation has this result.
    bool testowalny(std::string_view x) const { return indeks_.testowalny(x); }

    // Every way through the models of the conditions from position i on, the later
    // conditions' chains first; none when a testable condition has no way.
    std::vector<Droga> splaszcz_modele(const SList& warunki, std::size_t i)
    {
        if (i == warunki.size()) return {Droga{}};
        std::vector<Droga> dalej = splaszcz_modele(warunki, i + 1);
        if (!testowalny(warunki[i])) return dalej;
        std::vector<Droga> out;
        for (const Droga& moja : testuj_modele(warunki[i]))
            for (const Droga& d : dalej) {
                if (++drogi_ > kMaxDrog) return out;
                Droga polaczona = d;
                polaczona.warunki.insert(polaczona.warunki.end(), moja.warunki.begin(), moja.warunki.end());
                polaczona.modele.insert(polaczona.modele.end(), moja.modele.begin(), moja.modele.end());
                out.push_back(std::move(polaczona));
            }
        return out;
    }

    std::vector<Droga> testuj_modele(std::string_view x)
    {
        std::vector<Droga> out;
        idz(x, Droga{}, out);
        return out;
    }

    static Droga dodaj(const Droga& d, std::string_view warunek, IList numery)
    {
        Droga n;
        n.warunki.emplace_back(warunek);
        n.warunki.insert(n.warunki.end(), d.warunki.begin(), d.warunki.end());
        n.modele = std::move(numery);
        n.modele.insert(n.modele.end(), d.modele.begin(), d.modele.end());
        return n;
    }

    // One step of the walk from the condition x. A model already on this walk closes a cycle:
    // the walk ends there with what it gathered, so the cycle's conditions are all in it.
    void idz(std::string_view x, const Droga& d, std::vector<Droga>& out)
    {
        if (++drogi_ > kMaxDrog) return;
        bool ma_model = false;
        auto krok = [&](std::int32_t numer, std::string_view warunek, IList numery) {
            ma_model = true;
            if (kb::element(numer, d.modele)) {
                out.push_back(d);
                return;
            }
            idz(warunek, dodaj(d, warunek, std::move(numery)), out);
        };
        const std::vector<const kb::Model*>& relacyjne = indeks_.relacyjne(x);
        for (const kb::Model* m : relacyjne) krok(m->numer, m->warunek_stosowania, {m->numer});
        for (const kb::ModelR* m : indeks_.przedzialowe(x)) krok(m->numer, m->warunek_stosowania, {m->numer});
        for (const kb::Model* m : relacyjne)
            for (const kb::Model* m2 : indeks_.proste(m->argument1, m->argument2)) {
                if (m2->numer == m->numer) continue;
                if (kb::element(m->numer, d.modele)) continue;  // closed above
                krok(m2->numer, m2->warunek_stosowania, {m2->numer, m->numer});
            }
        if (!ma_model && !testowalny(x)) out.push_back(d);
    }

    Context& ctx_;
    const kb::BazaModeli& b_;
    Indeks indeks_;
    Flattener flattener_;
    Omissions pominiecia_;
    std::uint64_t drogi_ = 0;
};

}  // namespace

void szukaj_sprzecznosci_mr(Context& ctx) { Szukanie(ctx).szukaj(); }

}  // namespace diagnostics
