// Small rule bases for the tests of the diagnoses, written one rule a line as
// "number|conclusion|condition,condition", with the askable conditions a load would record
// (or given ones). Test support only.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "../kb/kb_harness.h"
#include "kb/dopytywalne_regul.h"

namespace diagnostics::testing {

class RuleLinesTest : public kb::testing::KbHarness {
protected:
    // Replaces the rules and the askables; an empty condition part is an empty list.
    void rules(const std::vector<std::string>& lines, const std::optional<facts::SList>& askables = std::nullopt)
    {
        ctx().db.baza_regul.regula.remove_all();
        for (const std::string& line : lines) {
            const auto bar1 = line.find('|');
            const auto bar2 = line.find('|', bar1 + 1);
            kb::Regula r;
            r.numer = std::stoi(line.substr(0, bar1));
            r.wniosek = line.substr(bar1 + 1, bar2 - bar1 - 1);
            const std::string conds = line.substr(bar2 + 1);
            for (std::size_t from = 0; from < conds.size();) {
                std::size_t comma = conds.find(',', from);
                if (comma == std::string::npos) comma = conds.size();
                r.warunki.push_back(conds.substr(from, comma - from));
                from = comma + 1;
            }
            r.wyswietlanie = 1;
            r.cf = "1";
            ctx().db.baza_regul.regula.add_last(r);
        }
        ctx().db.stan.dopytywalny.remove_all();
        const facts::SList list =
            askables ? *askables : kb::wyznacz_warunki_dopytywalne(ctx()).value_or(facts::NameList{}).strings();
        for (const std::string& a : list) ctx().db.stan.dopytywalny.add_last(a);
    }

    // A loaded rule base of these rules, named as a load names it.
    void loaded(const std::vector<std::string>& lines, const std::string& nazwa = "REtest.BQZ")
    {
        rules(lines);
        ctx().db.stan.nazwa_re.add_first(nazwa);
        ctx().db.stan_ladowania.rozszerzenie.add_first(".BQZ");
    }
};

}  // namespace diagnostics::testing
