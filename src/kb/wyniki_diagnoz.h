// The findings and outcome flags of the diagnoses (rule base, model base, joint with the
// constraint bases) that the loads test and clear. Declarations only: the searches that fill
// them and the reports that read them live in diagnostics/, the clearing in load/.
#pragma once

#include <cstdint>
#include <string>

#include "platform/facts.h"

namespace kb {

using facts::FactList;
using facts::IList;
using facts::ListaList;
using facts::SList;

// A flattened rule: number, conclusion, flattened conditions, numbers of the rules used.
struct RegulaSplaszczona {
    std::int32_t numer = 0;
    std::string wniosek;
    SList warunki;
    IList uzyte_reguly;
    FACT_FIELDS(RegulaSplaszczona, numer, wniosek, warunki, uzyte_reguly)
};

// One external contradiction: start rule, closing rule, chain from the closing to the start rule.
struct RegulySprzeczne {
    std::int32_t start = 0;
    std::int32_t zamykajaca = 0;
    IList lancuch;
    FACT_FIELDS(RegulySprzeczne, start, zamykajaca, lancuch)
};

// Two rules of one conclusion redundant to each other.
struct RegulyNadmiarowe {
    std::int32_t pierwsza = 0;
    std::int32_t druga = 0;
    FACT_FIELDS(RegulyNadmiarowe, pierwsza, druga)
};

// The flattened forms that showed a redundant pair.
struct ParaSplaszczona {
    std::int32_t pierwsza = 0;
    std::string wniosek;
    SList warunki_pierwszej;
    IList uzyte_pierwszej;
    std::int32_t druga = 0;
    SList warunki_drugiej;
    IList uzyte_drugiej;
    FACT_FIELDS(ParaSplaszczona, pierwsza, wniosek, warunki_pierwszej, uzyte_pierwszej, druga,
                warunki_drugiej, uzyte_drugiej)
};

// A rule under the exclusivity test: its number, conclusion and flattened conditions.
struct RegulaDoTestowania {
    std::int32_t numer = 0;
    std::string wniosek;
    SList przeslanka;
    FACT_FIELDS(RegulaDoTestowania, numer, wniosek, przeslanka)
};

// A model with a result (model_arytmetyczny_sprzeczny, model_relacyjny_sprzeczny).
struct ModelWynik {
    std::int32_t numer = 0;
    std::string wynik;
    FACT_FIELDS(ModelWynik, numer, wynik)
};

struct ModelSprzecznyGleboko {
    std::int32_t numer = 0;
    IList lancuch;  // model numbers
    std::string wynik;
    FACT_FIELDS(ModelSprzecznyGleboko, numer, lancuch, wynik)
};

struct ModeleIRegulySprzeczne {
    std::int32_t model = 0;
    std::int32_t regula = 0;
    IList uzyte_reguly;
    IList lancuch_modeli;
    FACT_FIELDS(ModeleIRegulySprzeczne, model, regula, uzyte_reguly, lancuch_modeli)
};

// A rule and a constraint (sprzecznosc_2, sprzecznosc_2p).
struct RegulaOgraniczenie {
    std::int32_t regula = 0;
    std::int32_t ograniczenie = 0;
    FACT_FIELDS(RegulaOgraniczenie, regula, ograniczenie)
};

// Redundant rules against one constraint: rule numbers, constraint, their condition lists.
struct RegulyNadmiaroweOgraniczenia {
    IList reguly;
    std::int32_t ograniczenie = 0;
    ListaList warunki;
    FACT_FIELDS(RegulyNadmiaroweOgraniczenia, reguly, ograniczenie, warunki)
};

// A conclusion already examined against a constraint.
struct ZbadanyWniosek {
    std::string wniosek;
    std::int32_t ograniczenie = 0;
    FACT_FIELDS(ZbadanyWniosek, wniosek, ograniczenie)
};

struct WynikiDiagnoz {
    static constexpr const char* name = "wyniki_diagnoz";

    // ---- the rule base: external and internal contradictions, redundancy ---------------
    FactList<std::string> sprzecznosc_1z;  // "TAK" or "NIE": outcome of the last search
    FactList<RegulySprzeczne> reguly_sprzeczne;
    FactList<RegulaSplaszczona> sprzecznosc_1w;
    FactList<std::string> sprzecznosc_1_w;  // "TAK": its flag
    FactList<RegulaSplaszczona> regula_splaszczona_1w;
    FactList<RegulaSplaszczona> regula_splaszczona;
    FactList<std::string> jest_nadmiar;  // "TAK"
    FactList<RegulyNadmiarowe> reguly_nadmiarowe_n1;
    FactList<ParaSplaszczona> para_splaszczona_n1;

    // ---- the exclusivity of conclusions (and the same-result check of the models) ---------
    FactList<std::string> nr_wniosek;  // choice line: number, two blanks, conclusion
    FactList<RegulaDoTestowania> regula_do_testowania;
    FactList<SList> regula_do_generowania_prawdy;  // a truth assumption
    FactList<std::string> wykluczenie_do_jednego;  // "NIE": verdict flag of mode 1
    FactList<std::string> wykluczenie_do_zadnego;  // "NIE": mode 2
    FactList<std::string> wykluczenie;             // "NIE": mode 3

    // ---- the model base, and the models with the rules ---------------------------------
    FactList<ModelWynik> model_arytmetyczny_sprzeczny;
    FactList<std::string> model_aryt_sprzeczny;  // "TAK"
    FactList<ModelSprzecznyGleboko> model_arytmetyczny_sprzeczny_gleboko;
    FactList<std::string> model_sprzeczny_gleboko;  // "TAK"
    FactList<ModelWynik> model_relacyjny_sprzeczny;
    FactList<std::string> model_rela_sprzeczny;  // "TAK"
    FactList<ModeleIRegulySprzeczne> modele_i_reguly_sprzeczne;
    FactList<std::string> sprzecznosc_mr;  // "TAK" or "NIE"
    FactList<std::int32_t> opcja;          // mode of the exclusivity test

    // ---- the rule base with the constraint bases -----------------------------------------
    FactList<RegulaOgraniczenie> sprzecznosc_2;
    FactList<RegulaOgraniczenie> sprzecznosc_2p;
    FactList<RegulyNadmiaroweOgraniczenia> reguly_nadmiarowe_n2p;
    FactList<RegulyNadmiaroweOgraniczenia> reguly_nadmiarowe_n2pp;
    FactList<RegulaSplaszczona> regula_splaszczona_s2p;
    FactList<RegulaSplaszczona> regula_splaszczona_s2pp;
    FactList<RegulaSplaszczona> regula_splaszczona_n2p;
    FactList<RegulaSplaszczona> regula_splaszczona_n2pp;
    FactList<ZbadanyWniosek> zbadany_wniosek_p;
    FactList<ZbadanyWniosek> zbadany_wniosek_pp;

    DATABASE_VISITORS

private:
    template <class Self, class V>
    static void visit_all(Self& s, V& v)
    {
        v("sprzecznosc_1z", s.sprzecznosc_1z);
        v("reguly_sprzeczne", s.reguly_sprzeczne);
        v("sprzecznosc_1w", s.sprzecznosc_1w);
        v("sprzecznosc_1_w", s.sprzecznosc_1_w);
        v("regula_splaszczona_1w", s.regula_splaszczona_1w);
        v("regula_splaszczona", s.regula_splaszczona);
        v("jest_nadmiar", s.jest_nadmiar);
        v("reguly_nadmiarowe_n1", s.reguly_nadmiarowe_n1);
        v("para_splaszczona_n1", s.para_splaszczona_n1);
        v("nr_wniosek", s.nr_wniosek);
        v("regula_do_testowania", s.regula_do_testowania);
        v("regula_do_generowania_prawdy", s.regula_do_generowania_prawdy);
        v("wykluczenie_do_jednego", s.wykluczenie_do_jednego);
        v("wykluczenie_do_zadnego", s.wykluczenie_do_zadnego);
        v("wykluczenie", s.wykluczenie);
        v("model_arytmetyczny_sprzeczny", s.model_arytmetyczny_sprzeczny);
        v("model_aryt_sprzeczny", s.model_aryt_sprzeczny);
        v("model_arytmetyczny_sprzeczny_gleboko", s.model_arytmetyczny_sprzeczny_gleboko);
        v("model_sprzeczny_gleboko", s.model_sprzeczny_gleboko);
        v("model_relacyjny_sprzeczny", s.model_relacyjny_sprzeczny);
        v("model_rela_sprzeczny", s.model_rela_sprzeczny);
        v("modele_i_reguly_sprzeczne", s.modele_i_reguly_sprzeczne);
        v("sprzecznosc_mr", s.sprzecznosc_mr);
        v("opcja", s.opcja);
        v("sprzecznosc_2", s.sprzecznosc_2);
        v("sprzecznosc_2p", s.sprzecznosc_2p);
        v("reguly_nadmiarowe_n2p", s.reguly_nadmiarowe_n2p);
        v("reguly_nadmiarowe_n2pp", s.reguly_nadmiarowe_n2pp);
        v("regula_splaszczona_s2p", s.regula_splaszczona_s2p);
        v("regula_splaszczona_s2pp", s.regula_splaszczona_s2pp);
        v("regula_splaszczona_n2p", s.regula_splaszczona_n2p);
        v("regula_splaszczona_n2pp", s.regula_splaszczona_n2pp);
        v("zbadany_wniosek_p", s.zbadany_wniosek_p);
        v("zbadany_wniosek_pp", s.zbadany_wniosek_pp);
    }
};

}  // namespace kb
