// The editor window: its creator, its handler and the saving of its text. Each window holds its
// own file from the moment it opens; no data-channel fact and no focus decides what it saves.
// Saving writes the whole text atomically in the encoding the file was read in.
#include "windows/edycja.h"

#include <memory>

#include "kb/baza_regul.h"
#include "platform/toolkit.h"
#include "windows/editor_windows.h"
#include "windows/okna.h"
#include "windows/okno_pomocnicze.h"

namespace windows {
namespace {

using platform::Event;
using platform::EventKind;
using platform::WindowId;

// What one window edits: the file it was opened on, the one it last wrote (the same, or the
// file chosen in "Zapisz jako"), and the text read from it until the window shows it.
struct Edytor {
    std::string plik;
    std::string zapisany;
    files::TextFile tresc;
};

const std::vector<std::string> kSaveButtons = {"&TAK", "&NIE", "&Anuluj"};
constexpr int kSaveAnswer = 0;
constexpr int kDiscardAnswer = 1;

std::string nazwa(const std::string& plik) { return files::file_name(plik); }

text::Encoding kodowanie(const kb::DlaZapisu& zapis)
{
    return zapis.utf8 ? text::Encoding::Utf8 : text::Encoding::Cp1250;
}

std::optional<kb::DlaZapisu> zapis_okna(const kb::Context& ctx, WindowId okno)
{
    return ctx.db.edycja.dla_zapisu.first([okno](const kb::DlaZapisu& z) { return z.okno == okno; });
}

void zaznacz_zmiane(kb::Context& ctx, WindowId okno)
{
    if (!ctx.db.edycja.tekst_zmieniony.contains(okno)) ctx.db.edycja.tekst_zmieniony.add_last(okno);
}

// The whole text of the window, from its first position to its end, written over the file.
void zapisz_tekst(kb::Context& ctx, WindowId okno, const std::string& plik, text::Encoding encoding)
{
    ctx.ui.set_editor_caret(okno, std::string::npos);
    ctx.files.write_text(plik, ctx.ui.editor_text(okno), encoding);
    ctx.db.edycja.tekst_zmieniony.remove_first_equal(okno);
}

// How each way of saving reports the file it wrote.
struct Komunikat {
    const char* linia;  // before the full name in the auxiliary window
    const char* nota;   // before the name in the note
};
constexpr Komunikat kZwyklyZapis{"Plik : ", "Plik "};
constexpr Komunikat kZapisNaKoniec{"Plik: ", "Plik: "};

void zglos_zapis(kb::Context& ctx, const std::string& plik, Komunikat k)
{
    ctx.ui.write(std::string(k.linia) + plik + " został zapisany\n");
    ctx.ui.note("Uwaga!", std::string(k.nota) + nazwa(plik) + " został zapisany.");
}

// Writes the window's text to its file, reports it, forgets the record and closes the window.
// A write that fails raises files::FileError before anything is forgotten: the window stays
// open with the user's text.
bool zapisz_i_zamknij(kb::Context& ctx, Edytor& e, WindowId okno, const std::string& plik, Komunikat k)
{
    const std::optional<kb::DlaZapisu> zapis = zapis_okna(ctx, okno);
    if (!zapis) return false;
    zapisz_tekst(ctx, okno, plik, kodowanie(*zapis));
    e.zapisany = plik;
    zglos_zapis(ctx, plik, k);
    ctx.db.edycja.dla_zapisu.remove_first_equal(*zapis);
    ctx.ui.destroy_window(okno);
    return true;
}

bool zapisz_jako(kb::Context& ctx, Edytor& e, WindowId okno)
{
    platform::FileDialogDesc desc;
    desc.initial_name = "*.*";
    desc.filters = {{"RE*.BQZ, MO*.BQZ, OG*.BQZ, ON*.BQZ", "*.BQZ"}};
    desc.title = ctx.ui.window_title(okno);
    const std::string plik = ctx.ui.save_file_dialog(desc);
    if (plik.empty()) return true;  // cancelled: nothing written, the window stays
    return zapisz_i_zamknij(ctx, e, okno, plik, kZapisNaKoniec);
}

// Save, discard or go on editing; any way out of the box goes on editing.
bool zamknij_na_zadanie(kb::Context& ctx, Edytor& e, WindowId okno)
{
    ctx.report(kb::MenuEvent::EditorCloseRequested);
    const int answer = ctx.ui.question(kSaveQuestionTitle, kSaveQuestion, kSaveButtons);
    if (answer == kSaveAnswer) return zapisz_i_zamknij(ctx, e, okno, e.plik, kZapisNaKoniec);
    if (answer == kDiscardAnswer) return false;  // the toolkit closes the window unsaved
    return true;
}

bool ten_sam_plik(const kb::Context& ctx, const std::string& a, const std::string& b)
{
    return !a.empty() && !b.empty() && ctx.files.resolve(a) == ctx.files.resolve(b);
}

// The loaded rule base is forgotten, whole, only when this window wrote or edited its file:
// the file no longer says what is loaded.
void po_zamknieciu(kb::Context& ctx, const Edytor& e, WindowId okno)
{
    ctx.db.edycja.dla_zapisu.remove_if([okno](const kb::DlaZapisu& z) { return z.okno == okno; });
    ctx.db.edycja.tekst_zmieniony.remove_first_equal(okno);
    const std::optional<std::string> baza = ctx.db.stan.nazwa_re_pelna.first();
    if (!ctx.db.stan.nazwa_re.empty() && baza && (ten_sam_plik(ctx, *baza, e.plik) || ten_sam_plik(ctx, *baza, e.zapisany)))
        kb::forget_rule_base(ctx);
    nowe_okno_pomocnicze(ctx);
}

void wypelnij(kb::Context& ctx, Edytor& e, WindowId okno)
{
    ctx.ui.set_window_font(okno, platform::Font{platform::FontFamily::System, 8});
    ctx.ui.editor_append(okno, e.tresc.text);
    e.tresc.text.clear();
    ctx.ui.set_editor_caret(okno, 0);
    ctx.ui.set_window_title(okno, kEditorTitlePrefix + nazwa(e.plik));
}

// The editor control's own commands, on the window the menu belongs to. A change of the text
// they make counts as the user's.
bool polecenie_edycji(kb::Context& ctx, WindowId okno, int item)
{
    const std::string przed = ctx.ui.editor_text(okno);
    switch (item) {
    case kCofnij:
        if (!ctx.ui.editor_can_undo(okno)) return false;
        ctx.ui.editor_undo(okno);
        break;
    case kPonow:
        if (!ctx.ui.editor_can_redo(okno)) return false;
        ctx.ui.editor_redo(okno);
        break;
    case kWytnij: ctx.ui.editor_cut(okno); break;
    case kKopiuj: ctx.ui.editor_copy(okno); break;
    case kWklej: ctx.ui.editor_paste(okno); break;
    case kUsun: ctx.ui.editor_delete(okno); break;
    default: return false;
    }
    if (ctx.ui.editor_text(okno) != przed) zaznacz_zmiane(ctx, okno);
    return true;
}

bool win_edycja_eh(kb::Context& ctx, Edytor& e, const Event& event)
{
    const WindowId okno = event.window;
    switch (event.kind) {
    case EventKind::Create: wypelnij(ctx, e, okno); return true;
    case EventKind::Control:
        if (event.notification == platform::Notification::TextChanged) zaznacz_zmiane(ctx, okno);
        return true;
    case EventKind::Menu:
        if (event.id >= kCofnij && event.id <= kUsun) return polecenie_edycji(ctx, okno, event.id);
        if (event.id == kZapiszJako) return zapisz_jako(ctx, e, okno);
        if (event.id == kZapisz) return zapisz_i_zamknij(ctx, e, okno, e.plik, kZwyklyZapis);
        return ctx.ui.send_event(ctx.ui.parent_window(okno), event);
    case EventKind::CloseRequest: return zamknij_na_zadanie(ctx, e, okno);
    case EventKind::Size: return true;
    case EventKind::Destroy: po_zamknieciu(ctx, e, okno); return true;
    default: return false;
    }
}

}  // namespace

platform::Menu menu_edycji()
{
    platform::Menu menu;
    menu.resource_id = kEditorMenu;
    const std::vector<std::string> edycja = {"Edycja"};
    menu.items = {
        {kCofnij, edycja, "Cofnij", true},   {kPonow, edycja, "Ponów", true}, {0, edycja, "", true},
        {kWytnij, edycja, "Wytnij", true},   {kKopiuj, edycja, "Kopiuj", true},
        {kWklej, edycja, "Wklej", true},     {kUsun, edycja, "Usuń", true},
        {kZapiszJako, {}, "Zapisz jako", true}, {kZapisz, {}, "Zapisz", true},
    };
    return menu;
}

platform::WindowId otworz_edytor(kb::Context& ctx, platform::WindowId parent, const std::string& plik)
{
    auto e = std::make_shared<Edytor>();
    e->plik = plik;
    e->tresc = ctx.files.read_text(plik);
    const bool utf8 = e->tresc.encoding == text::Encoding::Utf8;
    const bool wrap = ctx.ui.question("Zawiń/rozwiń", "Czy zawijać tekst?", {"&Tak", "&Nie"}) == 0;
    const WindowId okno = win_edycja_Create(
        ctx, parent, [e](kb::Context& c, const Event& event) { return win_edycja_eh(c, *e, event); }, wrap,
        menu_edycji());
    if (okno == platform::kNoWindow) return okno;
    ctx.db.edycja.dla_zapisu.add_last(kb::DlaZapisu{okno, plik, utf8 ? 1 : 0});
    ctx.ui.write(std::string(kNextEditorLine) + "\n");
    return okno;
}

platform::WindowId win_edycja_Create(kb::Context& ctx, platform::WindowId parent)
{
    const std::optional<std::string> plik = ctx.db.dane.pamietana_nazwa.first();
    if (!plik) return platform::kNoWindow;
    ctx.db.dane.pamietana_nazwa.remove_first_equal(*plik);
    return otworz_edytor(ctx, parent, *plik);
}

bool tekst_zmieniony(const kb::Context& ctx, platform::WindowId okno)
{
    return ctx.db.edycja.tekst_zmieniony.contains(okno);
}

bool ask_about_modified_editors(kb::Context& ctx)
{
    for (const kb::DlaZapisu& zapis : ctx.db.edycja.dla_zapisu.all()) {
        if (!ctx.ui.window_exists(zapis.okno) || !tekst_zmieniony(ctx, zapis.okno)) continue;
        ctx.ui.activate_window(zapis.okno);
        const int answer = ctx.ui.question(
            kSaveQuestionTitle, "Czy zapisać aktualną postać pliku " + nazwa(zapis.plik) + " ?", kSaveButtons);
        if (answer == kDiscardAnswer) continue;
        if (answer != kSaveAnswer) return false;
        zapisz_tekst(ctx, zapis.okno, zapis.plik, kodowanie(zapis));
        zglos_zapis(ctx, zapis.plik, kZapisNaKoniec);
    }
    return true;
}

}  // namespace windows
