// The table of dialog templates. Controls are listed in template order, which is also the tab
// order; a control with an empty rectangle is placed by the back-end (the design fixes
// positions only for some dialogs). Texts are the dialogs' own, copied exactly.
#include "windows/dialog_templates.h"

#include <stdexcept>
#include <string>

namespace windows {
namespace {

using platform::ControlKind;
using platform::ControlDesc;
using platform::DialogTemplate;
using platform::Rect;
using platform::rect_at;
namespace flag = platform::control_flag;

constexpr unsigned kButton = flag::tab_stop;
constexpr unsigned kDefault = flag::default_button | flag::tab_stop;
constexpr unsigned kField = flag::auto_hscroll | flag::border | flag::tab_stop;
constexpr unsigned kShownField = flag::read_only | flag::auto_hscroll | flag::border;
constexpr unsigned kTextArea = flag::read_only | flag::multi_line | flag::vscroll | flag::border;
constexpr unsigned kList = flag::vscroll | flag::border | flag::notify | flag::tab_stop;
constexpr unsigned kSortedList = kList | flag::sorted;
constexpr unsigned kDropDown = flag::sorted | flag::vscroll | flag::tab_stop;
constexpr unsigned kFirstRadio = flag::group | flag::tab_stop;

ControlDesc control(int id, ControlKind kind, const char* text, unsigned flags = 0, Rect rect = {})
{
    return ControlDesc{id, kind, text, rect, flags};
}

ControlDesc button(int id, const char* text, unsigned flags = kButton, Rect rect = {})
{
    return control(id, ControlKind::PushButton, text, flags, rect);
}

ControlDesc label(int id, const char* text, Rect rect = {}, unsigned flags = 0)
{
    return control(id, ControlKind::Static, text, flags, rect);
}

// A choice of one item among a source list: 10013 and 10015.
DialogTemplate choice_of_source(int id, const char* title, const char* group, int button_top)
{
    return {id, title, rect_at(0, 0, 125, 160), 0,
            {control(10009, ControlKind::GroupBox, group, 0, rect_at(5, 4, 115, 138)),
             control(10014, ControlKind::ListBox, "", kSortedList, rect_at(9, 12, 107, 126)),
             button(1, "&OK", kDefault, rect_at(43, button_top, 40, 12))}};
}

// The inference dialogs with a heading and a list: 10026, 10028, 10029.
DialogTemplate heading_and_list(int id, const char* title, Rect size, unsigned list_flags)
{
    return {id, title, size, platform::style::maximise_box,
            {control(10022, ControlKind::Edit, "", kShownField),
             control(10027, ControlKind::ListBox, "", list_flags),
             button(1, "&Kontynuuj", kDefault),
             button(2, "Zakończ")}};
}

// The text readers: 10020 and 10030.
DialogTemplate reader(int id, const char* title, Rect size)
{
    return {id, title, size, platform::style::maximise_box,
            {control(10021, ControlKind::Edit, "", kShownField),
             control(10022, ControlKind::Edit, "", kTextArea),
             button(1, "&Kontynuuj", kDefault)}};
}

// Two radio buttons under a prompt: 10016, 10031, 10032.
DialogTemplate two_choices(int id, const char* title, Rect size, const char* prompt, const char* first,
                           const char* second)
{
    return {id, title, size, 0,
            {button(1, "&OK", kDefault),
             control(10017, ControlKind::RadioButton, first, kFirstRadio),
             control(10018, ControlKind::RadioButton, second),
             label(10004, prompt)}};
}

// The media choosers: 10033, 10039, 10042.
DialogTemplate chooser(int id, const char* title, int list_id, int name_id, int prompt_id, const char* prompt,
                       int base_label_id, const char* base_label, int ok_id, unsigned ok_flags)
{
    return {id, title, Rect{}, 0,
            {control(list_id, ControlKind::ComboBox, "", kDropDown),
             control(name_id, ControlKind::Edit, "", kShownField),
             label(prompt_id, prompt),
             label(base_label_id, base_label),
             button(ok_id, "&OK", ok_flags)}};
}

std::vector<DialogTemplate> build()
{
    return {
        {10000, "Wybór reguły do spłaszczenia", rect_at(0, 0, 213, 177), 0,
         {button(1, "&OK", kDefault),
          button(2, "&Cancel"),
          button(3, "&Help"),
          control(10001, ControlKind::ListBox, "", kSortedList),
          label(10002, "Numer reguły           Wniosek reguły")}},
        {10003, "Określ wartość CF", rect_at(50, 40, 305, 61), 0,
         {button(1, "&OK", kDefault, rect_at(262, 37, 40, 12)),
          control(10005, ControlKind::Edit, "", kField, rect_at(72, 36, 48, 12)),
          control(10007, ControlKind::Edit, "", kField, rect_at(70, 10, 233, 13)),
          button(2, "Zakończ", kButton, rect_at(176, 37, 48, 12)),
          label(10004, "Wartość CF:", rect_at(5, 37, 48, 10)),
          label(10006, "Warunek:", rect_at(4, 13, 54, 14))}},
        {10008, "Przegląd zaimportowanych danych", rect_at(0, 0, 290, 185), 0,
         {control(10009, ControlKind::GroupBox, "Do bazy reguł zostały dodane następujące fakty:", 0,
                  rect_at(5, 5, 280, 79)),
          control(10010, ControlKind::ListBox, "", kSortedList, rect_at(10, 17, 270, 60)),
          control(10011, ControlKind::GroupBox, "Do bazy modeli zostały dodane następujące argumenty znane:", 0,
                  rect_at(5, 87, 280, 78)),
          control(10012, ControlKind::ListBox, "", kSortedList, rect_at(10, 100, 270, 60)),
          button(1, "&OK", kDefault, rect_at(125, 169, 40, 12))}},
        choice_of_source(10013, "Wybór danych do importu", "Wybierz dane do importu", 146),
        choice_of_source(10015, "Wybór źródła danych", "Wybierz źródło danych", 145),
        two_choices(10016, "Hipoteza wybór", rect_at(0, 0, 122, 98), "Wybierz typ testowanej hipotezy!",
                    "Hipoteza w sensie wąskim", "Hipoteza w sensie szerokim"),
        {10019, "Przegląd grafiki", rect_at(0, 0, 400, 200), platform::style::maximise_box,
         {button(1, "&Zamknij", kDefault)}},
        reader(10020, "Czytanie rady", rect_at(0, 0, 300, 150)),
        {10023, "Określ wartość argumentu", rect_at(50, 40, 250, 68), 0,
         {button(1, "&OK", kDefault, rect_at(105, 51, 40, 12)),
          button(2, "Zakończ", kButton, rect_at(12, 51, 35, 12)),
          control(10022, ControlKind::Edit, "", kField, rect_at(12, 35, 226, 12)),
          control(10024, ControlKind::Edit, "", kShownField, rect_at(13, 20, 217, 12)),
          label(10004, "Określ wartość argumentu:", rect_at(10, 5, 87, 10)),
          label(10025, "=", rect_at(232, 21, 5, 10))}},
        heading_and_list(10026, "Wnioskowanie", rect_at(0, 0, 335, 213), kList),
        heading_and_list(10028, "Wybierz listę faktów", rect_at(0, 0, 300, 150), kList | flag::multiple_selection),
        heading_and_list(10029, "Wybierz fakt", rect_at(0, 0, 300, 150), kList),
        reader(10030, "Czytanie opisu", Rect{}),
        two_choices(10031, "Poziom szczegółowości", rect_at(0, 0, 204, 69),
                    "Wybierz poziom szczegółowości komunikatów i raportów ", "Mała szczegółowość",
                    "Duża szczegółowość"),
        two_choices(10032, "Menu wyboru faktów", rect_at(0, 0, 122, 90), "Wybierz tryb deklaracji faktów!",
                    "Menu wyboru faktów", "Interfejs zadający pytania"),
        chooser(10033, "Przesłuchanie melodii", 10037, 10038, 10035,
                "Wybierz nazwę pliku melodii, który chcesz przesłuchać:", 10036, "Baza melodii", 10034, kButton),
        chooser(10039, "Obejrzenie pliku graficznego", 10037, 10038, 10040,
                "Wybierz nazwę pliku graficznego, który chcesz zobaczyć:", 10041, "Baza grafiki:", 10034, kButton),
        chooser(10042, "Obejrzenie pliku tekstowego rady", 10045, 10024, 10043,
                "Wybierz nazwę pliku tekstowego rady, który chcesz zobaczyć:", 10044, "Baza rad: ", 1, kDefault),
        {10046, "O programie", Rect{}, 0,
         {button(1, "OK", kDefault),
          label(10047, "VELK dla wnioskowania rozwiniętego niepewnego w przód i wstecz", {}, flag::centred),
          label(10048, "System ekspertowy dla wiedzy niepewnej", {}, flag::centred),
          label(10049, "Reguły, modele i ograniczenia", {}, flag::centred),
          label(10050, "Wersja dla systemu Linux", {}, flag::centred),
          label(10051, "velk_QZ", {}, flag::centred)}},
    };
}

}  // namespace

const std::vector<DialogTemplate>& dialog_templates()
{
    static const std::vector<DialogTemplate> table = build();
    return table;
}

const DialogTemplate& dialog_template(int id)
{
    for (const DialogTemplate& t : dialog_templates())
        if (t.id == id) return t;
    throw std::out_of_range("no dialog template " + std::to_string(id));
}

}  // namespace windows
