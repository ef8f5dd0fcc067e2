// The edit, create and delete commands of the seven kinds of knowledge base. One row per kind
// holds its items, dialogs and texts; the three commands are the same steps over every row.
// A command never changes the loaded base before the user has chosen a file, and a delete
// forgets the loaded base only when its very file is gone.
#include <optional>
#include <string>
#include <vector>

#include "app/base_actions.h"
#include "app/file_commands.h"
#include "app/file_steps.h"
#include "kb/baza_modeli.h"
#include "kb/bazy_mediow.h"
#include "kb/bazy_ograniczen.h"
#include "kb/dopytywalne.h"
#include "platform/toolkit.h"

namespace app {
namespace {

using Forget = void (*)(kb::Context&);
using LoadedFile = std::optional<std::string> (*)(const kb::Context&);
using NameFact = kb::FactList<std::string> kb::Stan::*;

struct BaseKind {
    int edit_item, create_item, delete_item;
    FileDialogForm edit, create, remove;
    Forget forget_before_create;
    const char* create_note_title;
    const char* create_note;      // before the name; " została utworzona." after it
    const char* create_question_title;
    const char* create_question;  // before the name; " ?" after it
    const char* folder_note;      // after the question, for the media bases; nullptr for others
    NameFact names_new_file;      // graphics and sound: the name fact that names the new file
    const char* delete_question_title;
    const char* delete_question;  // before the name; " ?" after it
    const char* delete_note;      // before the name; " została usunięta." after it
    Forget forget_after_delete;
    LoadedFile loaded_file;       // the full name of the loaded base's file, if one is loaded
};

// ---- What each kind forgets ------------------------------------------------------------------

void forget_rules_before_create(kb::Context& ctx) { dzialanie_w_bazie_regul(ctx, 4); }
void forget_rules_after_delete(kb::Context& ctx) { dzialanie_w_bazie_regul(ctx, 5); }
void forget_models_before_create(kb::Context& ctx)
{
    kb::kasowanie_dmodel(ctx);
    kb::kasowanie_dmodel_liniowy(ctx);
    kb::kasowanie_dmodel_r(ctx);
    kb::kasowanie_dmodel_wielomianowy(ctx);
    kb::kasowanie_argument_znany(ctx);
    kb::kasowanie_dopytywalny(ctx);
    kb::kasowanie_nazwy_mo(ctx);
}
void forget_models_after_delete(kb::Context& ctx) { dzialanie_w_bazie_modeli(ctx, 5); }
void forget_exact_after_delete(kb::Context& ctx)
{
    kb::kasowanie_nazwy_og(ctx);
    kb::kasowanie_dogranicz(ctx);
}
void forget_uncertain_after_delete(kb::Context& ctx)
{
    kb::kasowanie_nazwy_op(ctx);
    kb::kasowanie_dogranicz_p(ctx);
}
void forget_advice(kb::Context& ctx)
{
    kb::kasowanie_drada(ctx);
    kb::kasowanie_nazwy_ra(ctx);
}
void forget_advice_after_delete(kb::Context& ctx)
{
    kb::kasowanie_nazwy_ra(ctx);
    kb::kasowanie_drada(ctx);
}
void forget_graphics(kb::Context& ctx)
{
    kb::kasowanie_dgrafika(ctx);
    kb::kasowanie_nazwy_gr(ctx);
}
void forget_graphics_after_delete(kb::Context& ctx)
{
    kb::kasowanie_nazwy_gr(ctx);
    kb::kasowanie_dgrafika(ctx);
}
void forget_sounds(kb::Context& ctx)
{
    kb::kasowanie_dmelodie(ctx);
    kb::kasowanie_nazwy_me(ctx);
}
void forget_sounds_after_delete(kb::Context& ctx)
{
    kb::kasowanie_nazwy_me(ctx);
    kb::kasowanie_dmelodie(ctx);
}

// ---- Which file is loaded ----------------------------------------------------------------------

// A base counts as loaded while its short name fact exists; its file is the full-path fact.
std::optional<std::string> loaded_rules(const kb::Context& ctx)
{
    return ctx.db.stan.nazwa_re.empty() ? std::nullopt : ctx.db.stan.nazwa_re_pelna.first();
}
std::optional<std::string> loaded_models(const kb::Context& ctx)
{
    return ctx.db.stan.nazwa_mo.empty() ? std::nullopt : ctx.db.stan.nazwa_mo_pelna.first();
}
std::optional<std::string> loaded_exact(const kb::Context& ctx)
{
    const auto& db = ctx.db.baza_ograniczen;
    return db.nazwa_og.empty() ? std::nullopt : db.nazwa_og_pelna.first();
}
std::optional<std::string> loaded_uncertain(const kb::Context& ctx)
{
    const auto& db = ctx.db.baza_ograniczen_p;
    return db.nazwa_op.empty() ? std::nullopt : db.nazwa_op_pelna.first();
}
std::optional<std::string> loaded_advice(const kb::Context& ctx)
{
    return ctx.db.stan.nazwa_ra.empty() ? std::nullopt : ctx.db.stan.nazwa_ra_pelna.first();
}
std::optional<std::string> loaded_graphics(const kb::Context& ctx) { return ctx.db.stan.nazwa_gr.first(); }
std::optional<std::string> loaded_sounds(const kb::Context& ctx) { return ctx.db.stan.nazwa_me.first(); }

// ---- The kinds -----------------------------------------------------------------------------------

const std::vector<BaseKind>& base_kinds()
{
    static const std::vector<BaseKind> kinds = {
        {10070, 10071, 10072,
         {"RE*.BQZ", "Bazy reguł (RE*.BQZ)", "RE*.BQZ", "Wybierz nazwę edytowanej bazy reguł : "},
         {"RE*.BQZ", "Bazy reguł (RE*.BQZ)", "RE*.BQZ", "Podaj nazwę nowej bazy reguł"},
         {"RE*.BQZ", "Pliki baz reguł", "RE*.BQZ", "Wybierz bazę reguł przeznaczoną do usunięcia"},
         forget_rules_before_create, "Tworzenie nowej bazy reguł", "Nowa baza reguł ", "Tworzenie bazy reguł",
         "Czy chcesz przejść od razu do edycji\nnowej bazy reguł ", nullptr, nullptr, "Usunięcie bazy reguł",
         "Czy jesteś pewien, że chcesz usunąć bazę reguł ", "Baza reguł ", forget_rules_after_delete, loaded_rules},
        {10087, 10088, 10089,
         {"MO*.BQZ", "Bazy modeli (MO*.BQZ)", "MO*.BQZ", "Wybierz nazwę edytowanej bazy modeli : "},
         {"MO*.BQZ", "Bazy modeli (MO*.BQZ)", "MO*.BQZ", "Podaj nazwę nowej bazy modeli"},
         {"MO*.BQZ", "Pliki baz modeli", "MO*.BQZ", "Wybierz bazę modeli przeznaczoną do usunięcia"},
         forget_models_before_create, "Tworzenie nowej bazy modeli", "Nowa baza modeli ", "Tworzenie bazy modeli",
         "Czy chcesz przejść od razu do edycji\nnowej bazy modeli ", nullptr, nullptr, "Usunięcie bazy modeli",
         "Czy jesteś pewien, że chcesz usunąć bazę modeli ", "Baza modeli ", forget_models_after_delete,
         loaded_models},
        {10097, 10098, 10099,
         {"OG*.BQZ", "Bazy ograniczeń dokładnych_(OG*.BQZ)", "og*.BQZ",
          "Wybierz nazwę edytowanej bazy ograniczeń : "},
         {"OG*.BQZ", "Bazy ograniczeń (OG*.BQZ)", "og*.BQZ", "Podaj nazwę nowej bazy ograniczeń dokładnych"},
         {"OG*.BQZ", "Pliki baz ograniczeń dokładnych", "OG*.BQZ",
          "Wybierz bazę ograniczeń dokładnych przeznaczoną do usunięcia"},
         kb::kasowanie_dogranicz, "Tworzenie nowej bazy ograniczeń dokładnych_", "Nowa baza ograniczeń dokładnych",
         "Tworzenie bazy ograniczeń dokładnych", "Czy chcesz przejść od razu do edycji\nnowej bazy ograniczeń dokładnych ",
         nullptr, nullptr, "Usunięcie bazy ograniczeń dokładnych",
         "Czy jesteś pewien, że chcesz usunąć bazę ograniczeń dokładnych", "Baza ograniczeń dokładnych",
         forget_exact_after_delete, loaded_exact},
        {10107, 10108, 10109,
         {"ON*.BQZ", "Bazy ograniczeń niepewnych_(ON*.BQZ)", "ON*.BQZ",
          "Wybierz nazwę edytowanej bazy ograniczeń : "},
         {"ON*.BQZ", "Bazy ograniczeń (ON*.BQZ)", "ON*.BQZ", "Podaj nazwę nowej bazy ograniczeń niepewnych"},
         {"ON*.BQZ", "Pliki baz ograniczeń niepewnych", "ON*.BQZ",
          "Wybierz bazę ograniczeń niepewnych przeznaczoną do usunięcia"},
         kb::kasowanie_dogranicz_p, "Tworzenie nowej bazy ograniczeń niepewnych_", "Nowa baza ograniczeń niepewnych",
         "Tworzenie bazy ograniczeń niepewnych",
         "Czy chcesz przejść od razu do edycji\nnowej bazy ograniczeń niepewnych ", nullptr, nullptr,
         "Usunięcie bazy ograniczeń niepewnych", "Czy jesteś pewien, że chcesz usunąć bazę ograniczeń niepewnych",
         "Baza ograniczeń niepewnych", forget_uncertain_after_delete, loaded_uncertain},
        {10115, 10116, 10117,
         {"RA*.BQZ", "Bazy rad (RA*.BQZ)", "RA*.BQZ", "Podaj nazwę istniejącej bazy rad : "},
         {"RA*.BQZ", "Bazy rad (RA*.BQZ)", "ra*.BQZ", "Podaj nazwę nowej bazy rad"},
         {"RA*.BQZ", "Pliki baz rad", "RA*.BQZ", "Wybierz bazę rad przeznaczoną do usunięcia"}, forget_advice,
         "Tworzenie nowej bazy rad", "Nowa baza rad ", "Tworzenie bazy rad",
         "Czy chcesz przejść od razu do edycji\nnowej bazy rad ",
         "Po zapisaniu treści bazy rad możesz przystąpić\ndo tworzenia podkartoteki plików tekstowych rad.\n"
         "Podkartotekę należy umieścić w kartotece 'RADY'.\n\nW tym celu wybierz 'Baza rad'\n"
         "'Tworzenie lub kasowanie podkartoteki plików tekstowych rad'.",
         nullptr, "Usunięcie bazy rad", "Czy jesteś pewien, że chcesz usunąć bazę rad ", "Baza rad ",
         forget_advice_after_delete, loaded_advice},
        {10126, 10127, 10128,
         {"GR*.BQZ", "Bazy grafiki (GR*.BQZ)", "gr*.BQZ", "Podaj nazwę istniejącej bazy grafiki : "},
         {"GR*.BQZ", "Bazy grafiki (GR*.BQZ)", "gr*.BQZ", "Podaj nazwę nowej bazy grafiki"},
         {"GR*.BQZ", "Pliki baz grafiki", "GR*.BQZ", "Wybierz Bazę Grafiki przeznaczoną do usunięcia"},
         forget_graphics, "Tworzenie nowej bazy grafiki", "Nowa baza grafiki ", "Tworzenie bazy grafiki",
         "Czy chcesz przejść od razu do edycji\nnowej bazy grafiki ",
         "Po zapisaniu treści bazy grafiki możesz przystąpić\ndo tworzenia podkartoteki plików grafik.\n"
         "Podkartotekę należy umieścić w kartotece 'GRAFIKA'.\n\nW tym celu wybierz 'Baza grafiki'\n"
         "'Tworzenie lub kasowanie podkartoteki plików grafiki'.",
         &kb::Stan::nazwa_gr, "Usunięcie bazy grafiki", "Czy jesteś pewien, że chcesz usunąć bazę grafiki ", "Baza grafiki ",
         forget_graphics_after_delete, loaded_graphics},
        {10136, 10137, 10138,
         {"DŹ*.BQZ", "Bazy dźwięków (DŹ*.BQZ)", "DŹ*.BQZ", "Wybierz edytowaną bazę dźwięku "},
         {"DŹ*.BQZ", "Bazy dźwięków (DŹ*.BQZ)", "DŹ*.BQZ", "Podaj nazwę nowej bazy dźwięków"},
         {"DŹ*.BQZ", "Pliki baz dźwięków", "DŹ*.BQZ", "Wybierz bazę dźwięków przeznaczoną do usunięcia"},
         forget_sounds, "Tworzenie nowej bazy dźwięków", "Nowa baza dźwięków ", "Tworzenie bazy dźwięków",
         "Czy chcesz przejść od razu do edycji\nnowej bazy dźwięków ",
         "Po zapisaniu treści bazy dźwięków możesz przystąpić\ndo tworzenia podkartoteki plików dźwięków.\n"
         "Podkartotekę należy umieścić w kartotece 'DŹWIĘKI'.\n\nW tym celu wybierz 'Baza dźwiękówi'\n"
         "'Tworzenie lub kasowanie podkartoteki plików dźwięków'.",
         &kb::Stan::nazwa_me, "Usunięcie bazy melodii", "Czy jesteś pewien, że chcesz usunąć bazę dźwięków ", "Baza dźwięków ",
         forget_sounds_after_delete, loaded_sounds},
    };
    return kinds;
}

// ---- The three commands ----------------------------------------------------------------------------

bool edit_base(kb::Context& ctx, const BaseKind& kind)
{
    const std::string file = open_dialog(ctx, kind.edit);
    if (file.empty()) return false;
    edit_file(ctx, file, kind.edit);
    return true;
}

// The loaded base of the kind is forgotten once a file is chosen (a cancelled command changes
// nothing); an existing file is emptied only after the save dialog's own question.
bool create_base(kb::Context& ctx, const BaseKind& kind)
{
    const std::string file = save_dialog(ctx, kind.create);
    if (file.empty()) return false;
    kind.forget_before_create(ctx);
    create_empty_file(ctx, file);
    const std::string name = files::file_name(file);
    ctx.ui.note(kind.create_note_title, kind.create_note + name + " została utworzona.");
    const bool edit = edit_new_file(ctx, kind.create_question_title, kind.create_question + name + " ?");
    if (kind.folder_note) ctx.ui.note("Uwaga!", kind.folder_note);
    if (!edit) return false;
    if (kind.names_new_file) {
        kb::FactList<std::string>& names = ctx.db.stan.*kind.names_new_file;
        names.remove_all();
        names.add_first(file);
    }
    edit_file(ctx, file, kind.create);
    return true;
}

bool delete_base(kb::Context& ctx, const BaseKind& kind)
{
    const std::string file = open_dialog(ctx, kind.remove);
    if (file.empty()) return false;
    const std::string name = files::file_name(file);
    if (!confirm_deletion(ctx, kind.delete_question_title, kind.delete_question + name + " ?")) return false;
    // Which base was loaded from it is known only while the file's name still holds.
    const std::optional<std::string> loaded = kind.loaded_file(ctx);
    ctx.files.remove(file);
    ctx.ui.note("Uwaga!", kind.delete_note + name + " została usunięta.");
    if (loaded && same_file(ctx, *loaded, file)) kind.forget_after_delete(ctx);
    return true;
}

}  // namespace

bool base_file_command(kb::Context& ctx, int item)
{
    for (const BaseKind& kind : base_kinds()) {
        if (item == kind.edit_item) return edit_base(ctx, kind);
        if (item == kind.create_item) return create_base(ctx, kind);
        if (item == kind.delete_item) return delete_base(ctx, kind);
    }
    return false;
}

}  // namespace app
