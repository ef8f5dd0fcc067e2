// What a forward run keeps to find its next step without going over every rule in every cycle:
// the rules in file order, the rule-number lists of the conclusions and the applied marks,
// which rules may pass their tests now and which wait for a name to get its resultant. It only
// spares work: a rule left out of a scan is one whose examination would fail without asking or
// recording anything, so every cycle takes the same step as a scan of all rules would. The
// lists and marks are the run's facts again (written back in their stored order) when it ends.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "kb/context.h"

namespace inference {

class PrzebiegWPrzod {
public:
    // Takes the rules, the lists and the marks as the facts hold them now.
    explicit PrzebiegWPrzod(kb::Context& ctx);
    // Writes the lists and the marks back into the facts.
    ~PrzebiegWPrzod();
    PrzebiegWPrzod(const PrzebiegWPrzod&) = delete;
    PrzebiegWPrzod& operator=(const PrzebiegWPrzod&) = delete;

    // The three kinds of rule the cycle fires, each in its own scan.
    enum class Rodzaj { koniec, kumulatywna, dysjunktywna };

    const std::vector<kb::Regula>& reguly() const { return reguly_; }
    bool dysjunktywny(const std::string& wniosek) const { return dysjunktywne_.count(wniosek) > 0; }
    bool wynik_modelu(const std::string& nazwa) const { return wyniki_modeli_.count(nazwa) > 0; }
    bool dopytywalny(const std::string& nazwa) const { return dopytywalne_.count(nazwa) > 0; }
    bool zanegowany_dopytywalny(const std::string& nazwa) const { return zanegowane_dopytywalne_.count(nazwa) > 0; }

    // The next rule of the kind at a position after `po` (nullopt: from the first) that may pass
    // its tests; names that got resultants meanwhile wake their waiting rules first.
    std::optional<std::size_t> nastepna(Rodzaj rodzaj, std::optional<std::size_t> po);
    // The rule cannot pass until `nazwa` has a resultant.
    void czeka_na(Rodzaj rodzaj, std::size_t pozycja, const std::string& nazwa);
    // The rule can never pass again in this run.
    void odpada(Rodzaj rodzaj, std::size_t pozycja);

    // Applied marks.
    bool zastosowana(std::size_t pozycja) const { return zastosowana_[pozycja] != 0; }
    void zastosuj(std::size_t pozycja);
    // Unless this very contribution is recorded, every rule with the conclusion among its
    // conditions loses its mark.
    void skasuj_zastosowane_reguly(std::int32_t numer, const std::string& wniosek, double cf);

    // The conclusion's list (cumulative or disjunctive) is there and empty / not empty.
    bool lista_pusta(bool dysjunktywna, const std::string& wniosek) const;
    bool lista_niepusta(bool dysjunktywna, const std::string& wniosek) const;
    // Takes the rule's number out of its conclusion's list; false, changing nothing, when it is
    // not in it. An emptied list becomes a candidate for the conclusion's resultant.
    bool redukuj(bool dysjunktywna, std::int32_t numer, const std::string& wniosek);
    // The conclusions with empty lists, the one whose last rule was applied earliest first.
    std::vector<std::string> puste(bool dysjunktywna) const;
    // The conclusion is settled for good: it leaves the candidates.
    void rozstrzygniety(bool dysjunktywna, const std::string& wniosek);

    // Contributions recorded for a rule (so that a rule recording again replaces them).
    bool ma_wklad(std::int32_t numer) const { return z_wkladem_.count(numer) > 0; }
    void wklad(std::int32_t numer) { z_wkladem_.insert(numer); }

    // A measure that grows with every step a run takes: shrunk lists, settled names, applied
    // models, established values.
    std::size_t postep() const;

private:
    struct Lista {
        facts::IList numery;
        std::uint64_t kolejnosc = 0;  // stored order: a shortened list goes to the end
    };
    using Listy = std::unordered_map<std::string, Lista>;

    std::set<std::size_t>& czuwajace(Rodzaj rodzaj);
    Listy& listy(bool dysjunktywna) { return dysjunktywna ? dysjunktywne_listy_ : kumulatywne_listy_; }
    const Listy& listy(bool dysjunktywna) const { return dysjunktywna ? dysjunktywne_listy_ : kumulatywne_listy_; }
    std::map<std::uint64_t, std::string>& puste_listy(bool dysjunktywna)
    {
        return dysjunktywna ? puste_dysjunktywne_ : puste_kumulatywne_;
    }
    Rodzaj rodzaj_reguly(std::size_t pozycja) const;
    void obudz_czekajace();
    void zapisz_listy(facts::FactList<kb::ListaNumerowRegul>& fakty, const Listy& listy) const;

    kb::Context& ctx_;
    std::vector<kb::Regula> reguly_;
    std::unordered_set<std::string> dysjunktywne_;
    std::unordered_set<std::string> wyniki_modeli_;
    std::unordered_set<std::string> dopytywalne_;
    std::unordered_set<std::string> zanegowane_dopytywalne_;
    std::unordered_map<std::string, std::vector<std::size_t>> uzycia_;  // name -> rules using it
    std::unordered_map<std::int32_t, std::size_t> pozycje_;            // rule number -> position

    std::set<std::size_t> czuwajace_koniec_, czuwajace_kumulatywne_, czuwajace_dysjunktywne_;
    std::unordered_map<std::string, std::vector<std::size_t>> czekajace_;

    std::vector<char> zastosowana_;
    std::vector<std::uint64_t> kiedy_zastosowana_;
    std::uint64_t licznik_ = 0;

    Listy kumulatywne_listy_, dysjunktywne_listy_;
    std::map<std::uint64_t, std::string> puste_kumulatywne_, puste_dysjunktywne_;
    std::size_t usuniete_numery_ = 0;
    std::unordered_set<std::int32_t> z_wkladem_;
};

}  // namespace inference
