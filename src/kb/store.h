// The fact store of one running program: every fact database, each a member. Subsystems add
// their own databases here as they come; nothing but databases belongs in this struct.
// A database is reached by its member (ctx.db.baza_regul.regula); nothing is looked up by name.
#pragma once

#include "kb/bazy.h"
#include "kb/bazy_importu.h"
#include "kb/edycja.h"
#include "kb/stan_ladowania.h"
#include "kb/wyniki_diagnoz.h"

namespace kb {

struct Store {
    BazaRegul baza_regul;
    BazaModeli baza_modeli;
    BazaOgraniczen baza_ograniczen;
    BazaOgraniczenP baza_ograniczen_p;
    BazaRad baza_rad;
    BazaGrafiki baza_grafiki;
    BazaMelodii baza_melodii;
    BazaRaportu baza_raportu;
    Dane dane;
    Stan stan;
    StanLadowania stan_ladowania;
    WynikiDiagnoz wyniki_diagnoz;
    BazaOdbc baza_odbc;
    Zaimportowane zaimportowane;
    BazaEdycji edycja;
};

}  // namespace kb
