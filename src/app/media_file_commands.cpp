// The media commands of the advice, graphics and sound bases that work on files rather than on
// the loaded base: viewing any advice text, picture or sound, the media subfolders, creating an
// advice text and deleting a media file. Viewing changes no fact: the distinguishing mark of the
// loaded rule base stays, so the bases of the same knowledge base still load afterwards.
#include <string>
#include <vector>

#include "app/file_commands.h"
#include "app/file_steps.h"
#include "platform/toolkit.h"
#include "windows/grafika.h"
#include "windows/przeglad.h"

namespace app {
namespace {

// ---- Any media file ----------------------------------------------------------------------------------

bool view_advice_file(kb::Context& ctx)
{
    const std::string file = open_dialog(ctx, {"*.hlp", "Podkartoteki plików rad, pliki rad", "*.hlp",
                                               "Obejrzenie podkartotek i plików tekstowych rad: "});
    if (file.empty()) return false;
    windows::show_text(ctx, ctx.files.read_text(file).text);
    return true;
}

bool view_picture_file(kb::Context& ctx)
{
    const std::string file = open_dialog(ctx, {"*.bmp", "Podkartoteki plików grafiki, pliki grafiki", "*.bmp",
                                               "Obejrzenie podkartotek i plików graficznych : "});
    if (file.empty()) return false;
    ctx.db.dane.dane_graf.set(file);
    windows::win_przeglad_grafiki_Create(ctx, ctx.ui.main_window());
    return true;
}

bool play_sound_file(kb::Context& ctx)
{
    const std::string file = open_dialog(ctx, {"*.wav", "Podkartoteki plików dźwięków, pliki dźwięków", "*.wav",
                                               "Obejrzenie podkartotek lub przesłuchanie plików dźwięków "});
    if (file.empty()) return false;
    ctx.ui.play_sound(file);
    ctx.ui.write(ctx.ui.program_path() + "\n");
    return true;
}

// ---- Media subfolders ------------------------------------------------------------------------------

// The user makes or removes the subfolder inside the dialog, with the dialog's own means; what
// the dialog returns does not matter.
bool media_folders(kb::Context& ctx, const char* label, const char* title)
{
    open_dialog(ctx, {"", label, "", title});
    return true;
}

// ---- Creating and deleting media files ------------------------------------------------------------

const FileCreation kAdviceCreation = {
    {"*.hlp", "Pliki tekstowe rad (*.hlp)", "*.hlp", "Podaj nazwę nowego pliku tekstowego rady"},
    "Tworzenie pliku tekstowego rady", "Nowy plik tekstowy rady ",
    "Czy chcesz przejść od razu do edycji\nnowego pliku tekstowego rady "};

struct MediaDeletion {
    int item;
    FileDeletion deletion;
};

const std::vector<MediaDeletion> kMediaDeletions = {
    {10122,
     {{"*.hlp", "Pliki tekstowe rad (*.hlp)", "*.hlp", "Zaznacz plik tekstowy rady do usunięcia"},
      "Usunięcie pliku tekstowego rady", "Czy jesteś pewien, że chcesz usunąć plik tekstowy rady ",
      "Plik tekstowy rady "}},
    {10132,
     {{"*.bmp", "Pliki grafiki (*.bmp)", "*.bmp", "Zaznacz plik grafiki do usunięcia"}, "Usunięcie pliku grafiki",
      "Czy jesteś pewien, że chcesz usunąć plik grafiki ", "Plik grafiki "}},
    {10142,
     {{"*.wav", "Pliki dźwięków (*.wav)", "*.wav", "Zaznacz  plik dźwiękowy do usunięcia"},
      "Usunięcie pliku melodii", "Czy jesteś pewien, że chcesz usunąć plik melodii ", "Plik melodii "}},
};

}  // namespace

bool media_command(kb::Context& ctx, int item)
{
    for (const MediaDeletion& d : kMediaDeletions)
        if (d.item == item) return delete_chosen_file(ctx, d.deletion);
    switch (item) {
    case 10119: return view_advice_file(ctx);
    case 10130: return view_picture_file(ctx);
    case 10140: return play_sound_file(ctx);
    case 10120:
        return media_folders(ctx, "Podkartoteki plików tekstowych rad",
                             "Tworzenie lub kasowanie podkartoteki plików tekstowych rad : ");
    case 10131:
        return media_folders(ctx, "Podkartoteki plików grafiki", "Tworzenie lub kasowanie podkartoteki plików grafiki : ");
    case 10141:
        return media_folders(ctx, "Podkartoteki plików dżwięków", "Tworzenie lub kasowanie podkartoteki plików dżwięków ");
    case 10121: return create_and_edit_file(ctx, kAdviceCreation);
    default: return false;
    }
}

}  // namespace app
