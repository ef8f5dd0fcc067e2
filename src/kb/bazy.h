// The fact databases of the knowledge bases, the report, the dialog data channel and the
// working state: every fact name with its fields in declared order. Declarations only: the
// predicates that read and change these facts live with their own behaviour elsewhere.
#pragma once

#include <cstdint>
#include <string>

#include "platform/facts.h"
#include "platform/names.h"

namespace kb {

using facts::FactList;
using facts::IList;
using facts::ListaList;
using facts::Name;
using facts::NameList;
using facts::SList;

// ---- Fact structs shared by several names ------------------------------------------------

// A given fact: a condition and its CF text (fakt, m_fakt and their twins).
struct Fakt {
    std::string warunek;
    std::string cf;
    FACT_FIELDS(Fakt, warunek, cf)
};

// A rule or model number with the name of a media file (rada, grafika, dźwięk, ...).
struct Medium {
    std::int32_t numer = 0;
    std::string nazwa;
    FACT_FIELDS(Medium, numer, nazwa)
};

// A name with a real value (argument_znany, zmienna_ustalona).
struct NazwaWartosc {
    std::string nazwa;
    double wartosc = 0;
    FACT_FIELDS(NazwaWartosc, nazwa, wartosc)
};

// ---- baza_regul: the rule base "RE*.BQZ" ---------------------------------------------------

// The names of rules are interned: a base holds many rules and repeats its names over them.
struct Regula {
    std::int32_t numer = 0;
    Name wniosek;
    NameList warunki;
    std::int32_t wyswietlanie = 0;
    Name cf;
    FACT_FIELDS(Regula, numer, wniosek, warunki, wyswietlanie, cf)
};

struct BazaRegul {
    static constexpr const char* name = "baza_regul";
    FactList<Fakt> fakt;
    FactList<Regula> regula;
    FactList<std::string> regula_dysjunktywna;
    FactList<std::string> rem_regula;
    FactList<Fakt> _fakt;
    FactList<Regula> _regula;
    FactList<std::string> _regula_dysjunktywna;

    DATABASE_VISITORS
private:
    template <class Self, class V>
    static void visit_all(Self& s, V& v)
    {
        v("fakt", s.fakt);
        v("reguła", s.regula);
        v("reguła_dysjunktywna", s.regula_dysjunktywna);
        v("rem_reguła", s.rem_regula);
        v("_fakt", s._fakt);
        v("_reguła", s._regula);
        v("_reguła_dysjunktywna", s._regula_dysjunktywna);
    }
};

// ---- baza_modeli: the model base "MO*.BQZ" -------------------------------------------------

struct Model {
    std::int32_t numer = 0;
    Name warunek_stosowania;
    Name wynik;
    Name argument1;
    Name operacja;  // an operation or a relation
    Name argument2;
    std::int32_t wyswietlanie = 0;
    Name cf;
    FACT_FIELDS(Model, numer, warunek_stosowania, wynik, argument1, operacja, argument2,
                wyswietlanie, cf)
};

struct ModelR {
    std::int32_t numer = 0;
    Name warunek_stosowania;
    Name wynik;
    Name operacja;  // an operation or an interval relation
    NameList argumenty;
    std::int32_t wyswietlanie = 0;
    Name cf;
    FACT_FIELDS(ModelR, numer, warunek_stosowania, wynik, operacja, argumenty, wyswietlanie, cf)
};

struct ModelLiniowy {
    std::int32_t numer = 0;
    Name warunek_stosowania;
    Name wynik;
    NameList wspolczynniki;  // numbers as written
    NameList zmienne;
    std::int32_t wyswietlanie = 0;
    Name cf;
    FACT_FIELDS(ModelLiniowy, numer, warunek_stosowania, wynik, wspolczynniki, zmienne,
                wyswietlanie, cf)
};

struct ModelWielomianowy {
    std::int32_t numer = 0;
    Name warunek_stosowania;
    Name wynik;
    Name zmienna;
    NameList wspolczynniki;  // numbers as written
    IList wykladniki;
    std::int32_t wyswietlanie = 0;
    Name cf;
    FACT_FIELDS(ModelWielomianowy, numer, warunek_stosowania, wynik, zmienna, wspolczynniki,
                wykladniki, wyswietlanie, cf)
};

struct BazaModeli {
    static constexpr const char* name = "baza_modeli";
    FactList<std::string> arg_dopyt;
    FactList<NazwaWartosc> argument_znany;
    FactList<Fakt> m_fakt;
    FactList<Model> model;
    FactList<ModelR> model_r;
    FactList<ModelLiniowy> model_liniowy;
    FactList<ModelWielomianowy> model_wielomianowy;
    FactList<SList> modele_ekskluzywne;
    FactList<std::string> nazwa_pliku_war_arg;
    FactList<std::string> rem_model;
    FactList<std::string> rem_model_r;
    FactList<std::string> rem_model_liniowy;
    FactList<std::string> rem_model_wielomianowy;
    FactList<SList> rem_modele_ekskluzywne;
    FactList<NazwaWartosc> _argument_znany;
    FactList<Fakt> _m_fakt;
    FactList<Model> _model;
    FactList<ModelLiniowy> _model_liniowy;
    FactList<ModelR> _model_r;
    FactList<ModelWielomianowy> _model_wielomianowy;
    FactList<SList> _modele_ekskluzywne;

    DATABASE_VISITORS
private:
    template <class Self, class V>
    static void visit_all(Self& s, V& v)
    {
        v("arg_dopyt", s.arg_dopyt);
        v("argument_znany", s.argument_znany);
        v("m_fakt", s.m_fakt);
        v("model", s.model);
        v("model_r", s.model_r);
        v("model_liniowy", s.model_liniowy);
        v("model_wielomianowy", s.model_wielomianowy);
        v("modele_ekskluzywne", s.modele_ekskluzywne);
        v("nazwa_pliku_war_arg", s.nazwa_pliku_war_arg);
        v("rem_model", s.rem_model);
        v("rem_model_r", s.rem_model_r);
        v("rem_model_liniowy", s.rem_model_liniowy);
        v("rem_model_wielomianowy", s.rem_model_wielomianowy);
        v("rem_modele_ekskluzywne", s.rem_modele_ekskluzywne);
        v("_argument_znany", s._argument_znany);
        v("_m_fakt", s._m_fakt);
        v("_model", s._model);
        v("_model_liniowy", s._model_liniowy);
        v("_model_r", s._model_r);
        v("_model_wielomianowy", s._model_wielomianowy);
        v("_modele_ekskluzywne", s._modele_ekskluzywne);
    }
};

// ---- baza_ograniczen and baza_ograniczen_p: constraint bases "OG*.BQZ", "ON*.BQZ" ---------

struct Ograniczenie {
    std::int32_t numer = 0;
    SList warunki;
    FACT_FIELDS(Ograniczenie, numer, warunki)
};

struct BazaOgraniczen {
    static constexpr const char* name = "baza_ograniczen";
    FactList<Ograniczenie> ograniczenie;
    FactList<std::string> nazwa_og;
    FactList<std::string> nazwa_og_pelna;

    DATABASE_VISITORS
private:
    template <class Self, class V>
    static void visit_all(Self& s, V& v)
    {
        v("ograniczenie", s.ograniczenie);
        v("nazwa_og", s.nazwa_og);
        v("nazwa_og_pelna", s.nazwa_og_pelna);
    }
};

struct BazaOgraniczenP {
    static constexpr const char* name = "baza_ograniczen_p";
    FactList<std::string> nazwa_op;
    FactList<std::string> nazwa_op_pelna;
    FactList<Ograniczenie> ograniczenie_n;
    FactList<std::string> rem_ograniczenie_n;
    FactList<Ograniczenie> _ograniczenie_n;

    DATABASE_VISITORS
private:
    template <class Self, class V>
    static void visit_all(Self& s, V& v)
    {
        v("nazwa_op", s.nazwa_op);
        v("nazwa_op_pelna", s.nazwa_op_pelna);
        v("ograniczenie_n", s.ograniczenie_n);
        v("rem_ograniczenie_n", s.rem_ograniczenie_n);
        v("_ograniczenie_n", s._ograniczenie_n);
    }
};

// ---- Media bases: advice "RA*.BQZ", graphics "GR*.BQZ", sound "DŹ*.BQZ" -------------------

struct BazaRad {
    static constexpr const char* name = "baza_rad";
    FactList<Medium> rada;

    DATABASE_VISITORS
private:
    template <class Self, class V>
    static void visit_all(Self& s, V& v) { v("rada", s.rada); }
};

struct BazaGrafiki {
    static constexpr const char* name = "baza_grafiki";
    FactList<Medium> grafika;   // for a conclusion ending with CF >= 0
    FactList<Medium> ngrafika;  // for CF < 0

    DATABASE_VISITORS
private:
    template <class Self, class V>
    static void visit_all(Self& s, V& v)
    {
        v("grafika", s.grafika);
        v("ngrafika", s.ngrafika);
    }
};

struct BazaMelodii {
    static constexpr const char* name = "baza_melodii";
    FactList<Medium> dzwiek;   // for a conclusion ending with CF >= 0
    FactList<Medium> ndzwiek;  // for CF < 0

    DATABASE_VISITORS
private:
    template <class Self, class V>
    static void visit_all(Self& s, V& v)
    {
        v("dźwięk", s.dzwiek);
        v("ndźwięk", s.ndzwiek);
    }
};

// ---- baza_raportu: the report text, saved as a report file "*.RPT" ------------------------

struct BazaRaportu {
    static constexpr const char* name = "baza_raportu";
    FactList<std::string> tekst_raportu;

    DATABASE_VISITORS
private:
    template <class Self, class V>
    static void visit_all(Self& s, V& v) { v("tekst_raportu", s.tekst_raportu); }
};

// ---- dane: the dialog data channel, one slot per fact name ---------------------------------

// What the editor window opens: the file, with the mask, filters and title of its dialogs.
struct DaneDoEdycji {
    std::string plik;
    std::string maska;
    SList filtry;
    std::string tytul;
    FACT_FIELDS(DaneDoEdycji, plik, maska, filtry, tytul)
};

// The external data source of an import with its ODBC handles (opaque to everyone else;
// a handle never comes from a fact file).
struct Baza {
    std::string zrodlo;
    void* srodowisko = nullptr;  // environment handle
    void* polaczenie = nullptr;  // connection handle
    FACT_FIELDS(Baza, zrodlo, srodowisko, polaczenie)
};

// A line of the review of an import, with the name it shows (a later row of the same name
// replaces it).
struct LiniaPrzegladu {
    std::string nazwa;
    std::string linia;
    FACT_FIELDS(LiniaPrzegladu, nazwa, linia)
};

struct Dane {
    static constexpr const char* name = "dane";
    FactList<std::string> tytul;
    FactList<SList> dane_lista_str;
    FactList<IList> dane_lista_int;
    FactList<std::string> dane_str;
    FactList<std::string> dane_cf_wartosc;
    FactList<std::string> dane_cf_nazwa;
    FactList<std::int32_t> dane_int;
    FactList<DaneDoEdycji> dane_do_edycji;
    FactList<std::string> dane_arg_nazwa;
    FactList<std::string> dane_arg_wartosc;
    FactList<std::string> dane_rada;
    FactList<std::string> dane_graf;
    FactList<std::string> dane_przecinek;
    FactList<Baza> baza;
    FactList<std::int32_t> maxrow;
    FactList<LiniaPrzegladu> faktdowyswietlenia;
    FactList<LiniaPrzegladu> argument_znanydowyswietlenia;
    FactList<std::string> pamietana_nazwa;
    FactList<std::string> tok;
    // The direction of the inference being launched ("W_PRZOD" or "WSTECZ"), set by the main
    // window around the launch.
    FactList<std::string> jakiewnioskowanie;

    DATABASE_VISITORS
private:
    template <class Self, class V>
    static void visit_all(Self& s, V& v)
    {
        v("tytul", s.tytul);
        v("dane_lista_str", s.dane_lista_str);
        v("dane_lista_int", s.dane_lista_int);
        v("dane_str", s.dane_str);
        v("dane_cf_wartość", s.dane_cf_wartosc);
        v("dane_cf_nazwa", s.dane_cf_nazwa);
        v("dane_int", s.dane_int);
        v("dane_do_edycji", s.dane_do_edycji);
        v("dane_arg_nazwa", s.dane_arg_nazwa);
        v("dane_arg_wartość", s.dane_arg_wartosc);
        v("dane_rada", s.dane_rada);
        v("dane_graf", s.dane_graf);
        v("dane_przecinek", s.dane_przecinek);
        v("baza", s.baza);
        v("maxrow", s.maxrow);
        v("faktdowyswietlenia", s.faktdowyswietlenia);
        v("argument_znanydowyswietlenia", s.argument_znanydowyswietlenia);
        v("pamietana_nazwa", s.pamietana_nazwa);
        v("tok", s.tok);
        v("jakiewnioskowanie", s.jakiewnioskowanie);
    }
};

// ---- The working state of loading and inference: base names, askables, model lists -------

struct PojedynczyWarunek {
    std::int32_t numer = 0;  // rule number
    std::string wniosek;
    std::string warunek;
    FACT_FIELDS(PojedynczyWarunek, numer, wniosek, warunek)
};

struct ModelTautologiczny {
    std::int32_t numer = 0;  // model number
    std::string wynik;
    std::string argument;  // the first argument
    FACT_FIELDS(ModelTautologiczny, numer, wynik, argument)
};

struct ArgumentyModelu {
    std::int32_t numer = 0;  // model number
    Name wynik;
    NameList argumenty;
    FACT_FIELDS(ArgumentyModelu, numer, wynik, argumenty)
};

struct Stan {
    static constexpr const char* name = "stan";
    // loading and inference
    FactList<std::string> blad;
    FactList<std::string> jestem_tu;
    FactList<PojedynczyWarunek> pojedynczy_warunek;
    FactList<ModelTautologiczny> model_tautologiczny;
    FactList<std::string> szczegolowosc;
    FactList<std::string> wyroznik;
    FactList<std::string> opis;
    // askable conditions
    FactList<Name> dopytywalny;
    FactList<NameList> lista_warunkow_dopytywalnych;
    // rule-base names and lists
    FactList<std::string> nazwa_re;
    FactList<std::string> nazwa_re_pelna;
    FactList<std::string> nazwa_mo;
    FactList<std::string> nazwa_mo_pelna;
    FactList<NameList> lista_warunkow;
    FactList<NameList> lista_wnioskow_regul;
    FactList<NameList> lista_wszystkich_dopytywalnych_dla_wyswietlania;
    // model lists
    FactList<NameList> lista_argumentow_dopytywalnych;
    FactList<NameList> lista_argumentow_modeli;
    FactList<NameList> lista_warunkow_i_argumentow_dopytywalnych;
    FactList<NameList> lista_warunkow_stosowania;
    FactList<NameList> lista_wnioskow_modeli;
    FactList<NameList> lista_wynikow_modeli;
    FactList<SList> lista_wszystkich_zmiennych_logicznych;
    FactList<NameList> zmienne;
    FactList<NameList> wyniki;
    FactList<NameList> argumenty_zredukowane;
    FactList<NameList> wyniki_zredukowane;
    FactList<ArgumentyModelu> lista_argumentow_modelu_arytmetycznego;
    FactList<std::string> duplikat_nazwy_mo;
    FactList<NazwaWartosc> zmienna_ustalona;
    // media base names
    FactList<std::string> nazwa_ra;
    FactList<std::string> nazwa_ra_pelna;
    FactList<std::string> nazwa_gr;
    FactList<std::string> nazwa_me;

    DATABASE_VISITORS
private:
    template <class Self, class V>
    static void visit_all(Self& s, V& v)
    {
        v("blad", s.blad);
        v("jestem_tu", s.jestem_tu);
        v("pojedynczy_warunek", s.pojedynczy_warunek);
        v("model_tautologiczny", s.model_tautologiczny);
        v("szczegolowosc", s.szczegolowosc);
        v("wyroznik", s.wyroznik);
        v("opis", s.opis);
        v("dopytywalny", s.dopytywalny);
        v("lista_warunkow_dopytywalnych", s.lista_warunkow_dopytywalnych);
        v("nazwa_re", s.nazwa_re);
        v("nazwa_re_pelna", s.nazwa_re_pelna);
        v("nazwa_mo", s.nazwa_mo);
        v("nazwa_mo_pelna", s.nazwa_mo_pelna);
        v("lista_warunkow", s.lista_warunkow);
        v("lista_wnioskow_regul", s.lista_wnioskow_regul);
        v("lista_wszystkich_dopytywalnych_dla_wyswietlania",
          s.lista_wszystkich_dopytywalnych_dla_wyswietlania);
        v("lista_argumentow_dopytywalnych", s.lista_argumentow_dopytywalnych);
        v("lista_argumentow_modeli", s.lista_argumentow_modeli);
        v("lista_warunkow_i_argumentow_dopytywalnych", s.lista_warunkow_i_argumentow_dopytywalnych);
        v("lista_warunkow_stosowania", s.lista_warunkow_stosowania);
        v("lista_wnioskow_modeli", s.lista_wnioskow_modeli);
        v("lista_wynikow_modeli", s.lista_wynikow_modeli);
        v("lista_wszystkich_zmiennych_logicznych", s.lista_wszystkich_zmiennych_logicznych);
        v("zmienne", s.zmienne);
        v("wyniki", s.wyniki);
        v("argumenty_zredukowane", s.argumenty_zredukowane);
        v("wyniki_zredukowane", s.wyniki_zredukowane);
        v("lista_argumentow_modelu_arytmetycznego", s.lista_argumentow_modelu_arytmetycznego);
        v("duplikat_nazwy_mo", s.duplikat_nazwy_mo);
        v("zmienna_ustalona", s.zmienna_ustalona);
        v("nazwa_ra", s.nazwa_ra);
        v("nazwa_ra_pelna", s.nazwa_ra_pelna);
        v("nazwa_gr", s.nazwa_gr);
        v("nazwa_me", s.nazwa_me);
    }
};


}  // namespace kb
