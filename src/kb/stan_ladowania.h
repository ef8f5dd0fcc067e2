// The facts of loading itself (duplicate-number flags, the label and lists of the number checks,
// the extension that names the diagnoses' kind) and the inference run state that a rule-base
// load resets and rebuilds. Declarations only: the checks that set and read them live in load/
// and the engines.
#pragma once

#include <cstdint>
#include <string>

#include "kb/bazy.h"
#include "kb/indeks_stanu.h"
#include "platform/facts.h"

namespace kb {

// One rule's contribution to a conclusion in a run: rule number, conclusion, CF.
struct Prbd {
    std::int32_t numer = 0;
    std::string wniosek;
    double cf = 0;
    FACT_FIELDS(Prbd, numer, wniosek, cf)
};

// One fired disjunctive rule of a conclusion in a run: the CF of its condition list and its
// partial CF (the same value as its contribution).
struct Dysjunkt {
    std::string wniosek;
    double cf_warunkow = 0;
    double cf = 0;
    FACT_FIELDS(Dysjunkt, wniosek, cf_warunkow, cf)
};

// The numbers of the rules of one conclusion not yet applied in a run.
struct ListaNumerowRegul {
    std::string wniosek;
    IList numery;
    FACT_FIELDS(ListaNumerowRegul, wniosek, numery)
};

struct StanLadowania {
    static constexpr const char* name = "stan_ladowania";

    // ---- loading ------------------------------------------------------------------------
    // The label of every base whose numbers repeat ("baza reguł", "baza modeli",
    // "baza ograniczeń dokładnych", "baza ograniczeń niepewnych", "baza rad"): the
    // duplicate-number flag, kept per base. Read it through numery.h (rozne_numery), which
    // counts a flag only while its base is loaded.
    FactList<std::string> rozne_numery;
    // The label of the base under the number check (selects the duplicate report).
    FactList<std::string> testowanie;
    // The numbers of one model kind, gathered by the model-number check.
    FactList<IList> numery_modeli;
    // The rule-base file's extension (".BQZ"): the diagnoses take their kind name from it.
    FactList<std::string> rozszerzenie;

    // ---- the askables file: what one run of the command collected ------------------------
    FactList<std::string> war_dopyt;               // askable conditions in no constraint
    FactList<std::string> war_dopyt_bez_modeli;    // the same without a model base
    FactList<std::int32_t> numer_ograniczenia_dokladnego_dla_bazy_regul;
    FactList<std::int32_t> numer_ograniczenia_niepewnego_dla_bazy_regul;
    FactList<std::int32_t> numer_ograniczenia_dokladnego_dla_bazy_modeli;
    FactList<std::int32_t> numer_ograniczenia_niepewnego_dla_bazy_modeli;

    // ---- inference run state the rule-base load resets and builds ------------------------
    // Contributions and resultants are read and written through kb/stan_wnioskowania.h,
    // which keeps their lookups fast; nothing else writes them.
    FactList<Prbd> prbd;
    FactList<Dysjunkt> dysjunkt;
    FactList<NazwaWartosc> wypadkowa_prbd;  // name, resultant CF
    FactList<std::int32_t> model_stosowany;
    FactList<std::int32_t> regula_zastosowana;
    FactList<std::string> hipoteza;
    // The names whose backward evaluation is under way, innermost last: a name met again on its
    // own path is a cycle of the base, not a question to recurse into.
    FactList<std::string> w_ocenie;
    // The cycles the evaluation of the tested hypothesis met, each as its path ("a -> b -> a").
    FactList<std::string> cykle_oceny;
    // The names at which that evaluation ran out of depth (a chain too long to follow).
    FactList<std::string> zbyt_glebokie_oceny;
    // The same for models being applied: a model met again on its own path is a cycle too.
    FactList<std::string> modele_w_ocenie;  // "model 7 (y)", innermost last
    FactList<std::string> wniosek;
    FactList<std::string> etykieta;
    FactList<std::string> blad_wykluczajacych;
    FactList<NazwaWartosc> zadeklarowane_wykluczajace_p;  // condition, CF
    FactList<SList> lista_bez_warunku;
    FactList<ListaNumerowRegul> lista_numerow_regul_kumulatywnych;
    FactList<ListaNumerowRegul> lista_numerow_regul_dysjunktywnych;

    // No fact: the index of the run's records that kb/stan_wnioskowania.h keeps in step.
    mutable IndeksStanu indeks;
    // No fact: where on the program's stack the outermost backward evaluation began.
    std::uintptr_t poczatek_stosu_oceny = 0;

    DATABASE_VISITORS

private:
    template <class Self, class V>
    static void visit_all(Self& s, V& v)
    {
        v("rozne_numery", s.rozne_numery);
        v("testowanie", s.testowanie);
        v("numery_modeli", s.numery_modeli);
        v("rozszerzenie", s.rozszerzenie);
        v("war_dopyt", s.war_dopyt);
        v("war_dopyt_bez_modeli", s.war_dopyt_bez_modeli);
        v("numer_ograniczenia_dokladnego_dla_bazy_regul", s.numer_ograniczenia_dokladnego_dla_bazy_regul);
        v("numer_ograniczenia_niepewnego_dla_bazy_regul", s.numer_ograniczenia_niepewnego_dla_bazy_regul);
        v("numer_ograniczenia_dokladnego_dla_bazy_modeli", s.numer_ograniczenia_dokladnego_dla_bazy_modeli);
        v("numer_ograniczenia_niepewnego_dla_bazy_modeli", s.numer_ograniczenia_niepewnego_dla_bazy_modeli);
        v("prbd", s.prbd);
        v("dysjunkt", s.dysjunkt);
        v("wypadkowa_prbd", s.wypadkowa_prbd);
        v("model_stosowany", s.model_stosowany);
        v("regula_zastosowana", s.regula_zastosowana);
        v("hipoteza", s.hipoteza);
        v("w_ocenie", s.w_ocenie);
        v("cykle_oceny", s.cykle_oceny);
        v("zbyt_glebokie_oceny", s.zbyt_glebokie_oceny);
        v("modele_w_ocenie", s.modele_w_ocenie);
        v("wniosek", s.wniosek);
        v("etykieta", s.etykieta);
        v("blad_wykluczajacych", s.blad_wykluczajacych);
        v("zadeklarowane_wykluczajace_p", s.zadeklarowane_wykluczajace_p);
        v("lista_bez_warunku", s.lista_bez_warunku);
        v("lista_numerow_regul_kumulatywnych", s.lista_numerow_regul_kumulatywnych);
        v("lista_numerow_regul_dysjunktywnych", s.lista_numerow_regul_dysjunktywnych);
    }
};

}  // namespace kb
