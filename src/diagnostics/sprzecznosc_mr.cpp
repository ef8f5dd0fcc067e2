// The search for joint contradictions of the model base and the rule base: a relational or
// interval model whose condition of application is concluded by rules that, flattened, need
// the result of a chain of relational models leading back to that same condition. It records
// the findings (modele_i_reguly_sprzeczne) and tells only what it had to leave out.
#include <cstdint>
#include <string>
#include <vector>

#include "diagnostics/pominiecia.h"
#include "diagnostics/splaszczanie.h"
#include "diagnostics/testy_ladowania_modeli.h"
#include "kb/listy.h"
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

class Szukanie {
public:
    explicit Szukanie(Context& ctx) : ctx_(ctx), b_(ctx.db.baza_modeli), flattener_(ctx) {}

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
    void model(std::int32_t n, const string& warunek)
    {
        const string a(kb::bez_negacji(warunek));
        for (const kb::Regula& r : ctx_.db.baza_regul.regula.collect([&](const kb::Regula& r) { return r.wniosek == a; })) {
            const Flattening& s = flattener_.splaszcz(r.warunki);
            pominiecia_.note(r.numer, r.wniosek, s);
            for (const FlatForm& f : s.postacie)
                for (const Droga& d : splaszcz_modele(f.warunki, 0))
                    for (const string& w : d.warunki)
                        if (w == a) ctx_.db.wyniki_diagnoz.modele_i_reguly_sprzeczne.add_last({n, r.numer, f.numery, d.modele});
        }
    }

    // Some model of any kind or operation has this result.
    bool testowalny(const string& x) const
    {
        return b_.model.any([&](const kb::Model& m) { return m.wynik == x; }) ||
               b_.model_r.any([&](const kb::ModelR& m) { return m.wynik == x; });
    }

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

    std::vector<Droga> testuj_modele(const string& x)
    {
        std::vector<Droga> out;
        idz(x, Droga{}, out);
        return out;
    }

    static Droga dodaj(const Droga& d, const string& warunek, IList numery)
    {
        Droga n;
        n.warunki.push_back(warunek);
        n.warunki.insert(n.warunki.end(), d.warunki.begin(), d.warunki.end());
        n.modele = std::move(numery);
        n.modele.insert(n.modele.end(), d.modele.begin(), d.modele.end());
        return n;
    }

    // One step of the walk from the condition x. A model already on this walk closes a cycle:
    // the walk ends there with what it gathered, so the cycle's conditions are all in it.
    void idz(const string& x, const Droga& d, std::vector<Droga>& out)
    {
        if (++drogi_ > kMaxDrog) return;
        bool ma_model = false;
        auto krok = [&](std::int32_t numer, const string& warunek, IList numery) {
            ma_model = true;
            if (kb::element(numer, d.modele)) {
                out.push_back(d);
                return;
            }
            idz(warunek, dodaj(d, warunek, std::move(numery)), out);
        };
        const std::vector<kb::Model> relacyjne =
            b_.model.collect([&](const kb::Model& m) { return m.wynik == x && kb::jest_relacja(m.operacja); });
        for (const kb::Model& m : relacyjne) krok(m.numer, m.warunek_stosowania, {m.numer});
        for (const kb::ModelR& m : b_.model_r.collect(
                 [&](const kb::ModelR& m) { return m.wynik == x && kb::jest_relacja_przedzialowa(m.operacja); }))
            krok(m.numer, m.warunek_stosowania, {m.numer});
        for (const kb::Model& m : relacyjne)
            for (const kb::Model& m2 : b_.model.collect([&](const kb::Model& m2) {
                     return !kb::jest_relacja(m2.operacja) && m2.numer != m.numer &&
                            (m2.wynik == m.argument1 || m2.wynik == m.argument2);
                 })) {
                if (kb::element(m.numer, d.modele)) continue;  // closed above
                krok(m2.numer, m2.warunek_stosowania, {m2.numer, m.numer});
            }
        if (!ma_model && !testowalny(x)) out.push_back(d);
    }

    Context& ctx_;
    const kb::BazaModeli& b_;
    Flattener flattener_;
    Omissions pominiecia_;
    std::uint64_t drogi_ = 0;
};

}  // namespace

void szukaj_sprzecznosci_mr(Context& ctx) { Szukanie(ctx).szukaj(); }

}  // namespace diagnostics
