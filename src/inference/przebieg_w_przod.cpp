// The bookkeeping of a forward run: which rules a scan must look at, the lists and the marks.
// It decides nothing about a rule's tests; the steps of the cycle do.
#include "inference/przebieg_w_przod.h"

#include <algorithm>

#include "inference/wykluczajace.h"
#include "kb/listy.h"
#include "kb/stan_wnioskowania.h"

namespace inference {

namespace {

constexpr const char* kKoniec = "koniec";

}  // namespace

PrzebiegWPrzod::PrzebiegWPrzod(kb::Context& ctx) : ctx_(ctx)
{
    reguly_ = ctx.db.baza_regul.regula.all();
    ctx.db.baza_regul.regula_dysjunktywna.scan([&](const std::string& w) { dysjunktywne_.insert(w); });
    ctx.db.baza_modeli.model.scan([&](const kb::Model& m) { wyniki_modeli_.insert(m.wynik); });
    if (const std::optional<facts::SList> dopytywalne = ogolna_lista_dopytywalnych(ctx))
        for (const std::string& w : *dopytywalne) {
            dopytywalne_.insert(w);
            zanegowane_dopytywalne_.insert(kb::negacja(w));
        }

    zastosowana_.assign(reguly_.size(), 0);
    kiedy_zastosowana_.assign(reguly_.size(), 0);
    for (std::size_t i = 0; i < reguly_.size(); ++i) {
        const kb::Regula& r = reguly_[i];
        pozycje_.emplace(r.numer, i);
        for (facts::Name w : kb::redukuj(r.warunki)) uzycia_[w.str()].push_back(i);
        czuwajace(rodzaj_reguly(i)).insert(i);
    }
    ctx.db.stan_ladowania.regula_zastosowana.scan([&](std::int32_t numer) {
        if (auto it = pozycje_.find(numer); it != pozycje_.end()) zastosuj(it->second);
    });

    auto wczytaj = [&](const facts::FactList<kb::ListaNumerowRegul>& fakty, bool dysjunktywna) {
        fakty.scan([&](const kb::ListaNumerowRegul& l) {
            Listy& moje = listy(dysjunktywna);
            if (moje.count(l.wniosek)) return;  // the first list of a conclusion is its list
            moje.emplace(l.wniosek, Lista{l.numery, ++licznik_});
            if (l.numery.empty()) puste_listy(dysjunktywna).emplace(licznik_, l.wniosek);
        });
    };
    wczytaj(ctx.db.stan_ladowania.lista_numerow_regul_kumulatywnych, false);
    wczytaj(ctx.db.stan_ladowania.lista_numerow_regul_dysjunktywnych, true);
    kb::odbierz_nowe_wypadkowe(ctx);  // what was settled before the run waits for nobody
}

PrzebiegWPrzod::~PrzebiegWPrzod()
{
    zapisz_listy(ctx_.db.stan_ladowania.lista_numerow_regul_kumulatywnych, kumulatywne_listy_);
    zapisz_listy(ctx_.db.stan_ladowania.lista_numerow_regul_dysjunktywnych, dysjunktywne_listy_);
    std::vector<std::pair<std::uint64_t, std::int32_t>> znaki;
    for (std::size_t i = 0; i < reguly_.size(); ++i)
        if (zastosowana_[i]) znaki.emplace_back(kiedy_zastosowana_[i], reguly_[i].numer);
    std::sort(znaki.begin(), znaki.end());
    auto& fakty = ctx_.db.stan_ladowania.regula_zastosowana;
    fakty.remove_all();
    for (const auto& [kiedy, numer] : znaki) fakty.add_last(numer);
}

void PrzebiegWPrzod::zapisz_listy(facts::FactList<kb::ListaNumerowRegul>& fakty, const Listy& moje) const
{
    std::vector<std::pair<std::uint64_t, const std::string*>> kolejne;
    for (const auto& [wniosek, lista] : moje) kolejne.emplace_back(lista.kolejnosc, &wniosek);
    std::sort(kolejne.begin(), kolejne.end());
    fakty.remove_all();
    for (const auto& [kolejnosc, wniosek] : kolejne) fakty.add_last({*wniosek, moje.at(*wniosek).numery});
}

PrzebiegWPrzod::Rodzaj PrzebiegWPrzod::rodzaj_reguly(std::size_t pozycja) const
{
    const kb::Regula& r = reguly_[pozycja];
    if (dysjunktywny(r.wniosek.str())) return Rodzaj::dysjunktywna;
    if (r.wniosek == kKoniec) return Rodzaj::koniec;
    return Rodzaj::kumulatywna;
}

std::set<std::size_t>& PrzebiegWPrzod::czuwajace(Rodzaj rodzaj)
{
    switch (rodzaj) {
    case Rodzaj::koniec: return czuwajace_koniec_;
    case Rodzaj::kumulatywna: return czuwajace_kumulatywne_;
    case Rodzaj::dysjunktywna: break;
    }
    return czuwajace_dysjunktywne_;
}

void PrzebiegWPrzod::obudz_czekajace()
{
    for (const std::string& nazwa : kb::odbierz_nowe_wypadkowe(ctx_)) {
        auto it = czekajace_.find(nazwa);
        if (it == czekajace_.end()) continue;
        for (std::size_t pozycja : it->second) czuwajace(rodzaj_reguly(pozycja)).insert(pozycja);
        czekajace_.erase(it);
    }
}

std::optional<std::size_t> PrzebiegWPrzod::nastepna(Rodzaj rodzaj, std::optional<std::size_t> po)
{
    obudz_czekajace();
    const std::set<std::size_t>& zbior = czuwajace(rodzaj);
    auto it = po ? zbior.upper_bound(*po) : zbior.begin();
    if (it == zbior.end()) return std::nullopt;
    return *it;
}

void PrzebiegWPrzod::czeka_na(Rodzaj rodzaj, std::size_t pozycja, const std::string& nazwa)
{
    czuwajace(rodzaj).erase(pozycja);
    czekajace_[nazwa].push_back(pozycja);
}

void PrzebiegWPrzod::odpada(Rodzaj rodzaj, std::size_t pozycja) { czuwajace(rodzaj).erase(pozycja); }

void PrzebiegWPrzod::zastosuj(std::size_t pozycja)
{
    zastosowana_[pozycja] = 1;
    kiedy_zastosowana_[pozycja] = ++licznik_;
    czuwajace(rodzaj_reguly(pozycja)).erase(pozycja);
}

void PrzebiegWPrzod::skasuj_zastosowane_reguly(std::int32_t numer, const std::string& wniosek, double cf)
{
    if (kb::jest_prbd(ctx_, numer, wniosek, cf)) return;
    auto it = uzycia_.find(wniosek);
    if (it == uzycia_.end()) return;
    for (std::size_t pozycja : it->second)
        if (zastosowana_[pozycja]) {
            zastosowana_[pozycja] = 0;
            czuwajace(rodzaj_reguly(pozycja)).insert(pozycja);
        }
}

bool PrzebiegWPrzod::lista_pusta(bool dysjunktywna, const std::string& wniosek) const
{
    auto it = listy(dysjunktywna).find(wniosek);
    return it != listy(dysjunktywna).end() && it->second.numery.empty();
}

bool PrzebiegWPrzod::lista_niepusta(bool dysjunktywna, const std::string& wniosek) const
{
    auto it = listy(dysjunktywna).find(wniosek);
    return it != listy(dysjunktywna).end() && !it->second.numery.empty();
}

bool PrzebiegWPrzod::redukuj(bool dysjunktywna, std::int32_t numer, const std::string& wniosek)
{
    auto it = listy(dysjunktywna).find(wniosek);
    if (it == listy(dysjunktywna).end()) return false;
    Lista& lista = it->second;
    auto numer_it = std::find(lista.numery.begin(), lista.numery.end(), numer);
    if (numer_it == lista.numery.end()) return false;
    lista.numery.erase(numer_it);
    ++usuniete_numery_;
    lista.kolejnosc = ++licznik_;
    if (lista.numery.empty()) puste_listy(dysjunktywna).emplace(lista.kolejnosc, wniosek);
    return true;
}

std::vector<std::string> PrzebiegWPrzod::puste(bool dysjunktywna) const
{
    const auto& zbior = dysjunktywna ? puste_dysjunktywne_ : puste_kumulatywne_;
    std::vector<std::string> out;
    out.reserve(zbior.size());
    for (const auto& [kolejnosc, wniosek] : zbior) out.push_back(wniosek);
    return out;
}

void PrzebiegWPrzod::rozstrzygniety(bool dysjunktywna, const std::string& wniosek)
{
    auto it = listy(dysjunktywna).find(wniosek);
    if (it != listy(dysjunktywna).end()) puste_listy(dysjunktywna).erase(it->second.kolejnosc);
}

std::size_t PrzebiegWPrzod::postep() const
{
    return usuniete_numery_ + ctx_.db.stan_ladowania.wypadkowa_prbd.size() +
           ctx_.db.stan_ladowania.model_stosowany.size() + ctx_.db.stan.zmienna_ustalona.size();
}

}  // namespace inference
