// The commands on the side files of a knowledge base: reading, editing, creating and deleting
// descriptions, reading and deleting reports and summaries, writing, reading and deleting the
// askables file. Reading a report shows its text without making it the program's report text.
#include <string>
#include <vector>

#include "app/file_commands.h"
#include "app/file_steps.h"
#include "kb/bazy.h"
#include "load/plik_dopytywalnych.h"
#include "platform/factfile.h"
#include "platform/toolkit.h"
#include "windows/przeglad.h"

namespace app {
namespace {

// ---- Reading ---------------------------------------------------------------------------------------

struct PlainView {
    int item;
    FileDialogForm form;
    const char* main_title;  // before the file's name
};

const std::vector<PlainView> kPlainViews = {
    {10153, {"*.opi", "Pliki opisów (*.opi)", "*.opi", "Wybierz nazwę pliku opisu dla czytania"},
     "Przegląd pliku opisu: "},
    {10157, {"*.txt", "Pliki podsumowan(*.TXT)", "*.TXT", "Wybierz nazwę pliku podsumowanian dla czytania"},
     "Przegląd pliku podsumowania: "},
    {10161, {"*.txt", "Pliki dopytywalnych (*.txt)", "*.txt", "Wybierz nazwę pliku dopytywalnych dla czytania"},
     "Przegląd pliku warunków i argumentów dopytywalnych: "},
};

bool view_plain(kb::Context& ctx, const PlainView& view)
{
    const std::string file = open_dialog(ctx, view.form);
    if (file.empty()) return false;
    windows::show_text(ctx, ctx.files.read_text(file).text);
    ctx.ui.set_window_title(ctx.ui.main_window(), view.main_title + files::file_name(file));
    return true;
}

// The report file's first text, read into a database of its own: the report text the program
// is writing stays as it is. A file with no report text opens nothing.
bool view_report(kb::Context& ctx)
{
    const std::string file = open_dialog(ctx, {"*.rpt", "Pliki raportów", "*.rpt", "Wybierz raport do przeczytania : "});
    if (file.empty()) return false;
    kb::BazaRaportu read;
    factfile::load(read, ctx.files, file);
    const std::optional<std::string> text = read.tekst_raportu.first();
    if (!text) return false;
    windows::show_text(ctx, *text);
    return true;
}

// ---- Deleting ----------------------------------------------------------------------------------------

struct SideDeletion {
    int item;
    FileDeletion deletion;
};

const std::vector<SideDeletion> kDeletions = {
    {10152,
     {{"*.rpt", "Pliki raportów (*.rpt)", "*.rpt", "Wybierz raport przeznaczony do usunięcia"}, "Usunięcie raportu",
      "Czy jesteś pewien, że chcesz usunąć raport ", "Raport "}},
    {10156,
     {{"*.opi", "Pliki opisów (*.opi)", "*.opi", "Zaznacz plik opisu do usunięcia"}, "Usunięcie pliku opisu",
      "Czy jesteś pewien, że chcesz usunąć plik opisu ", "Plik opisu "}},
    {10158,
     {{"*.txt", "Pliki podsumowania (*.txt)", "*.txt", "Zaznacz plik podsumowania do usunięcia"},
      "Usunięcie pliku podsumowania", "Czy jesteś pewien, że chcesz usunąć plik podsumowania ", "Plik podsumowania "}},
    {10162,
     {{"*.txt", "Pliki warunków_i_argumentów_dopytywalnych (*.txt)", "*.txt",
       "Zaznacz plik warunków i argumentów dopytywalnych do usunięcia"},
      "Usunięcie pliku warunków i argumentów dopytywalnych",
      "Czy jesteś pewien, że chcesz usunąć plik warunków i argumentów dopytywalnych ",
      "Plik warunków i argumentów dopytywalnych "}},
};

// ---- Descriptions ----------------------------------------------------------------------------------

bool edit_description(kb::Context& ctx)
{
    const FileDialogForm form{"*.opi", "Pliki opisów (*.OPI)", "*.OPI", "Wybierz nazwę edytowanego opisu"};
    const std::string file = open_dialog(ctx, form);
    if (file.empty()) return false;
    edit_file(ctx, file, form);
    return true;
}

const FileCreation kDescriptionCreation = {
    {"*.opi", "Pliki opisów (*.opi)", "*.opi", "Podaj nazwę nowego pliku opisu"}, "Tworzenie pliku opisu",
    "Nowy plik opisu ", "Czy chcesz przejść od razu do edycji\nnowego pliku opisu "};

// ---- The askables file -----------------------------------------------------------------------------

bool write_askables_file(kb::Context& ctx)
{
    if (!load::zachowaj(ctx)) return false;
    ctx.ui.close_output_file();
    const std::optional<std::string> file = ctx.db.baza_modeli.nazwa_pliku_war_arg.first();
    if (!file) return false;
    ctx.ui.note("Tworzenie pliku dopytywalnych", "Nowy plik dopytywalnych " + *file + " został utworzony.");
    ctx.db.baza_modeli.nazwa_pliku_war_arg.remove_first_equal(*file);
    return true;
}

}  // namespace

bool side_file_command(kb::Context& ctx, int item)
{
    for (const PlainView& view : kPlainViews)
        if (view.item == item) return view_plain(ctx, view);
    for (const SideDeletion& d : kDeletions)
        if (d.item == item) return delete_chosen_file(ctx, d.deletion);
    switch (item) {
    case 10151: return view_report(ctx);
    case 10154: return edit_description(ctx);
    case 10155: return create_and_edit_file(ctx, kDescriptionCreation);
    case 10160: return write_askables_file(ctx);
    default: return false;
    }
}

}  // namespace app
