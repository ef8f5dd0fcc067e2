// The items of the main menu in menu order, each with the submenu path it belongs to.
// Only the table lives here; which item does what is the main window's handler's business.
#include "app/main_menu.h"

#include <string>
#include <vector>

namespace app {
namespace {

struct Row {
    int id;
    std::vector<std::string> path;
    const char* text;
};

const std::vector<Row>& rows()
{
    static const std::vector<Row> table = {
        {10064, {"Baza &reguł niepewna"}, "Ładowanie bazy &reguł"},
        {10065, {"Baza &reguł niepewna"}, "Import warunków i argumentów dopytywalnych z zewnętrznego źródła danych"},
        {10067, {"Baza &reguł niepewna", "Przegląd bazy reguł"}, "Selektywny wybór reguł"},
        {10068, {"Baza &reguł niepewna", "Przegląd bazy reguł"}, "Przegląd wszystkich reguł"},
        {10069, {"Baza &reguł niepewna"}, "Przegląd warunków dopytywalnych bazy reguł"},
        {10070, {"Baza &reguł niepewna"}, "Edycja bazy reguł"},
        {10071, {"Baza &reguł niepewna"}, "Tworzenie bazy reguł"},
        {10072, {"Baza &reguł niepewna"}, "Kasowanie bazy reguł"},
        {10073, {"Baza &reguł niepewna"}, "Diagnostyka sprzeczności zewnętrznych"},
        {10074, {"Baza &reguł niepewna"}, "Diagnostyka sprzeczności wewnętrznych"},
        {10075, {"Baza &reguł niepewna"}, "Diagnostyka nadmiarowości bazy reguł"},
        {10077, {"Baza &modeli niepewna"}, "Ładowanie bazy modeli"},
        {10080, {"Baza &modeli niepewna", "Przegląd bazy modeli", "Selektywny wybór modeli"}, "Modele liniowe"},
        {10081, {"Baza &modeli niepewna", "Przegląd bazy modeli", "Selektywny wybór modeli"}, "Modele podstawowe"},
        {10082, {"Baza &modeli niepewna", "Przegląd bazy modeli", "Selektywny wybór modeli"}, "Modele rozszerzone"},
        {10083, {"Baza &modeli niepewna", "Przegląd bazy modeli", "Selektywny wybór modeli"}, "Modele wielomianowe"},
        {10084, {"Baza &modeli niepewna", "Przegląd bazy modeli"}, "Przegląd wszystkich modeli"},
        {10085, {"Baza &modeli niepewna"}, "Przegląd warunków i argumentów dopytywalnych bazy modeli"},
        {10086, {"Baza &modeli niepewna"}, "Przegląd warunków i argumentów dopytywalnych bazy reguł i bazy modeli"},
        {10087, {"Baza &modeli niepewna"}, "Edycja bazy modeli"},
        {10088, {"Baza &modeli niepewna"}, "Tworzenie bazy modeli"},
        {10089, {"Baza &modeli niepewna"}, "Kasowanie bazy modeli"},
        {10090, {"Baza &modeli niepewna"}, "Diagnostyka sprzeczności bazy modeli"},
        {10091, {"Baza &modeli niepewna"}, "Diagnostyka sprzeczności łącznych bazy modeli i bazy reguł"},
        {10093, {"Baza &ograniczeń dokładna"}, "Ładowanie bazy ograniczeń dokładnej"},
        {10095, {"Baza &ograniczeń dokładna", "Przegląd bazy ograniczeń dokładnej"}, "Selektywny wybór ograniczenia dokładnego"},
        {10096, {"Baza &ograniczeń dokładna", "Przegląd bazy ograniczeń dokładnej"}, "Przegląd wszystkich ograniczeń dokładnych"},
        {10097, {"Baza &ograniczeń dokładna"}, "Edycja bazy ograniczeń dokładnej"},
        {10098, {"Baza &ograniczeń dokładna"}, "Tworzenie bazy ograniczeń dokładnej"},
        {10099, {"Baza &ograniczeń dokładna"}, "Kasowanie bazy ograniczeń dokładnej"},
        {10100, {"Baza &ograniczeń dokładna"}, "Diagnostyka sprzeczności łącznych baz reguł i ograniczeń dokładnych"},
        {10101, {"Baza &ograniczeń dokładna"}, "Diagnostyka nadmiarowości łącznych baz reguł i ograniczeń dokładnych"},
        {10103, {"Baza &ograniczeń niepewna"}, "Ładowanie bazy ograniczeń niepewnej"},
        {10105, {"Baza &ograniczeń niepewna", "Przegląd bazy ograniczeń niepewnej"}, "Selektywny wybór ograniczenia niepewnego"},
        {10106, {"Baza &ograniczeń niepewna", "Przegląd bazy ograniczeń niepewnej"}, "Przegląd wszystkich ograniczeń niepewnych"},
        {10107, {"Baza &ograniczeń niepewna"}, "Edycja bazy ograniczeń niepewnej"},
        {10108, {"Baza &ograniczeń niepewna"}, "Tworzenie bazy ograniczeń niepewnej"},
        {10109, {"Baza &ograniczeń niepewna"}, "Kasowanie bazy ograniczeń niepewnej"},
        {10110, {"Baza &ograniczeń niepewna"}, "Diagnostyka sprzeczności łącznych baz reguł i ograniczeń niepewnych"},
        {10111, {"Baza &ograniczeń niepewna"}, "Diagnostyka nadmiarowości łącznych baz reguł i ograniczeń niepewnych"},
        {10113, {"Baza r&ad niepewna"}, "Ładowanie bazy rad"},
        {10114, {"Baza r&ad niepewna"}, "Przegląd nazw rad z bazy rad"},
        {10115, {"Baza r&ad niepewna"}, "Edycja bazy rad"},
        {10116, {"Baza r&ad niepewna"}, "Tworzenie bazy rad"},
        {10117, {"Baza r&ad niepewna"}, "Kasowanie bazy rad"},
        {10118, {"Baza r&ad niepewna"}, "Obejrzenie pliku tekstowego rady"},
        {10119, {"Baza r&ad niepewna"}, "Obejrzenie podkartotek i plików tekstowych rad"},
        {10120, {"Baza r&ad niepewna"}, "Tworzenie lub kasowanie podkartoteki plików tekstowych rad"},
        {10121, {"Baza r&ad niepewna"}, "Tworzenie pliku tekstowego rady"},
        {10122, {"Baza r&ad niepewna"}, "Kasowanie pliku tekstowego rady"},
        {10124, {"Baza &grafiki"}, "Ładowanie bazy grafiki"},
        {10125, {"Baza &grafiki"}, "Przegląd nazw grafik z bazy grafiki"},
        {10126, {"Baza &grafiki"}, "Edycja bazy grafiki"},
        {10127, {"Baza &grafiki"}, "Tworzenie bazy grafiki"},
        {10128, {"Baza &grafiki"}, "Kasowanie bazy grafiki"},
        {10129, {"Baza &grafiki"}, "Obejrzenie pliku graficznego"},
        {10130, {"Baza &grafiki"}, "Obejrzenie podkartotek i plików grafiki"},
        {10131, {"Baza &grafiki"}, "Tworzenie lub kasowanie podkartoteki plików grafiki"},
        {10132, {"Baza &grafiki"}, "Kasowanie pliku grafiki"},
        {10134, {"Baza &dźwięków"}, "Ładowanie bazy dźwięków"},
        {10135, {"Baza &dźwięków"}, "Przegląd nazw plików dźwięków z bazy dźwięków"},
        {10136, {"Baza &dźwięków"}, "Edycja bazy dźwięków"},
        {10137, {"Baza &dźwięków"}, "Tworzenie bazy dźwięków"},
        {10138, {"Baza &dźwięków"}, "Kasowanie bazy dźwięków"},
        {10139, {"Baza &dźwięków"}, "Przesłuchiwanie dźwięków z bazy dźwięków"},
        {10140, {"Baza &dźwięków"}, "Obejrzenie podkartotek i przesłuchiwanie plików dźwiękowych"},
        {10141, {"Baza &dźwięków"}, "Tworzenie lub kasowanie podkartoteki plików dźwięków"},
        {10142, {"Baza &dźwięków"}, "Kasowanie pliku dźwięków"},
        {10145, {"&Analiza bazy wiedzy", "Baza reguł spłaszczona"}, "Spłaszczanie wybranej reguły"},
        {10146, {"&Analiza bazy wiedzy", "Baza reguł spłaszczona"}, "Spłaszczanie kolejne wszystkich reguł"},
        {10147, {"&Analiza bazy wiedzy"}, "Wnioski wykluczające się do jednego"},
        {10148, {"&Analiza bazy wiedzy"}, "Wnioski wykluczające się do żadnego"},
        {10149, {"&Analiza bazy wiedzy"}, "Wnioski niewykluczające się"},
        {10151, {"&Opisy i raporty"}, "Czytanie raportu wnioskowania/diagnostyki"},
        {10152, {"&Opisy i raporty"}, "Kasowanie raportu wnioskowania/diagnostyki"},
        {10153, {"&Opisy i raporty"}, "Przegląd opisów"},
        {10154, {"&Opisy i raporty"}, "Edycja opisu"},
        {10155, {"&Opisy i raporty"}, "Tworzenie opisu"},
        {10156, {"&Opisy i raporty"}, "Kasowanie opisu"},
        {10157, {"&Opisy i raporty"}, "Czytanie raportu podsumowania"},
        {10158, {"&Opisy i raporty"}, "Kasowanie raportu podsumowania"},
        {10160, {"&Dopytywalne"}, "Tworzenie pliku warunków i argumentów dopytywalnych"},
        {10161, {"&Dopytywalne"}, "Czytanie pliku warunków i argumentów dopytywalnych"},
        {10162, {"&Dopytywalne"}, "Kasowanie pliku warunków i argumentów dopytywalnych"},
        {10164, {"&Wnioskowanie"}, "Wnioskowanie rozwinięte niepewne w przód"},
        {10165, {"&Wnioskowanie"}, "Wnioskowanie rozwinięte niepewne wstecz"},
        {10167, {"&Ustawienia"}, "Utwórz nowe Okno Pomocnicze"},
        {10168, {"&Ustawienia"}, "Ustaw katalog na bieżący"},
        {10169, {}, "&Pomoc"},
        {10170, {}, "&O programie"},
    };
    return table;
}

}  // namespace

platform::Menu main_menu()
{
    platform::Menu menu;
    menu.resource_id = kMainMenuId;
    for (const Row& row : rows()) menu.items.push_back(platform::MenuItem{row.id, row.path, row.text, false});
    return menu;
}

}  // namespace app
