// The search for joint contradictions of the model base and the rule base: a relational or
// interval model whose condition of application is concluded by rules that, flattened, need
// the result of a chain of relational models leading back to that same condition. It records
// the findings (modele_i_reguly_sprzeczne) and tells only what it had to leave out.
#include <algorithm>
#include <cstdint>
#include <span>
#include <string_view>
#include <utility>
#include <string>
#include <vector>

#include "diagnostics/pominiecia.h"
#include "diagnostics/splaszczanie.h"
#include "diagnostics/testy_ladowania_modeli.h"
#include "kb/listy.h"
#include "kb/name_index.h"
#include "kb/name_memo.h"
#include "kb/rodzaje_operacji.h"
#include "kb/widoki_modeli.h"

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
// step made a large base's search quadratic. Keyed by the names' numbers; it points into the facts.
class Indeks {
public:
    explicit Indeks(const Context& ctx)
    {
        ctx.db.baza_regul.regula.scan([&](const kb::Regula& r) { reguly_.add(r.wniosek, &r); });
        kb::RodzajeOperacji op;
        std::uint32_t miejsce = 0;
        ctx.db.baza_modeli.model.scan([&](const kb::Model& m) {
            oznacz_wynik(m.wynik);
            if (op.jest(m.operacja, kb::RodzajOperacji::relacja))
                relacyjne_.add(m.wynik, &m);
            else
                proste_.add(m.wynik, {miejsce, &m});
            ++miejsce;
        });
        ctx.db.baza_modeli.model_r.scan([&](const kb::ModelR& m) {
            oznacz_wynik(m.wynik);
            if (op.jest(m.operacja, kb::RodzajOperacji::relacja_przedzialowa)) przedzialowe_.add(m.wynik, &m);
        });
        reguly_.build();
        relacyjne_.build();
        przedzialowe_.build();
        proste_.build();
    }

    std::span<const kb::Regula* const> reguly(std::string_view wniosek) const { return reguly_.of(wniosek); }
    std::span<const kb::Model* const> relacyjne(std::string_view wynik) const { return relacyjne_.of(wynik); }
    std::span<const kb::ModelR* const> przedzialowe(std::string_view wynik) const { return przedzialowe_.of(wynik); }
    bool testowalny(std::string_view x) const
    {
        const std::uint32_t n = kb::name_number(x);
        return n < wyniki_.size() && wyniki_[n];
    }

    // Each simple model whose result is a or b, in store order.
    template <class F>
    void proste(facts::Name a, facts::Name b, F&& f) const
    {
        const std::span<const Miejsce> pa = proste_.of(a);
        const std::span<const Miejsce> pb = a == b ? std::span<const Miejsce>{} : proste_.of(b);
        auto ia = pa.begin();
        auto ib = pb.begin();
        while (ia != pa.end() || ib != pb.end()) {
            const bool z_a = ib == pb.end() || (ia != pa.end() && ia->first < ib->first);
            f(*(z_a ? ia++ : ib++)->second);
        }
    }

private:
    using Miejsce = std::pair<std::uint32_t, const kb::Model*>;

    void oznacz_wynik(facts::Name wynik)
    {
        if (wynik.id() >= wyniki_.size()) wyniki_.resize(facts::name_table().size());
        wyniki_[wynik.id()] = true;
    }

    kb::NameIndex<const kb::Regula*> reguly_;
    kb::NameIndex<const kb::Model*> relacyjne_;
    kb::NameIndex<const kb::ModelR*> przedzialowe_;
    kb::NameIndex<Miejsce> proste_;
    std::vector<bool> wyniki_;  // by name number: some model has that result
};

class Szukanie {
public:
    explicit Szukanie(Context& ctx) : ctx_(ctx), b_(ctx.db.baza_modeli), indeks_(ctx), flattener_(ctx) {}

    void szukaj()
    {
        kb::RodzajeOperacji op;
        b_.model.scan([&](const kb::Model& m) {
            if (op.jest(m.operacja, kb::RodzajOperacji::relacja)) model(m.numer, m.warunek_stosowania);
        });
        b_.model_r.scan([&](const kb::ModelR& m) {
            if (op.jest(m.operacja, kb::RodzajOperacji::relacja_przedzialowa)) model(m.numer, m.warunek_stosowania);
        });
        if (drogi_ > kMaxDrog) pominiecia_.stop_search();
        pominiecia_.tell(ctx_);
    }

private:
    // Most models' conditions are concluded by no rule: the rules of each condition are looked
    // up once.
    void model(std::int32_t n, facts::Name warunek)
    {
        const std::span<const kb::Regula* const> reguly = reguly_warunku_.of(
            warunek, [&](std::string_view tekst) { return indeks_.reguly(kb::bez_negacji(tekst)); });
        if (reguly.empty()) return;
        const string a(kb::bez_negacji(warunek.view()));
        for (const kb::Regula* regula : reguly) {
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
        const std::span<const kb::Model* const> relacyjne = indeks_.relacyjne(x);
        for (const kb::Model* m : relacyjne) krok(m->numer, m->warunek_stosowania, {m->numer});
        for (const kb::ModelR* m : indeks_.przedzialowe(x)) krok(m->numer, m->warunek_stosowania, {m->numer});
        for (const kb::Model* m : relacyjne)
            indeks_.proste(m->argument1, m->argument2, [&](const kb::Model& m2) {
                if (m2.numer == m->numer) return;
                if (kb::element(m->numer, d.modele)) return;  // closed above
                krok(m2.numer, m2.warunek_stosowania, {m2.numer, m->numer});
            });
        if (!ma_model && !testowalny(x)) out.push_back(d);
    }

    Context& ctx_;
    const kb::BazaModeli& b_;
    Indeks indeks_;
    Flattener flattener_;
    Omissions pominiecia_;
    kb::NameMemo<std::span<const kb::Regula* const>> reguly_warunku_;
    std::uint64_t drogi_ = 0;
};

}  // namespace

void szukaj_sprzecznosci_mr(Context& ctx) { Szukanie(ctx).szukaj(); }

}  // namespace diagnostics
