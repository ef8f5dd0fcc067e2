// The numbered actions, wrappers and read forms of the advice, graphics and sound bases: one
// design with the table of its three members below. Reads a base file only for review; never
// loads a base, never builds or opens a media file's path.
#include "kb/bazy_mediow.h"

#include "kb/listy.h"
#include "platform/files.h"
#include "platform/toolkit.h"

namespace kb {

namespace {

// What tells the three media bases apart.
struct MediaBase {
    const FactList<Medium>& first_kind;      // the facts listed and required for review
    const FactList<std::string>& name_fact;  // the base counts as loaded while it exists
    const FactList<std::string>& path_fact;  // the file read for review
    bool read_before_title;                  // advice reads, then titles; the others title first
    int names_action;
    const char* title_prefix;
    const char* no_base_line;
    const char* no_base_note;
    const char* load_first_note;
};

MediaBase advice_base(Context& ctx)
{
    const Stan& s = ctx.db.stan;
    return {ctx.db.baza_rad.rada, s.nazwa_ra, s.nazwa_ra_pelna, true, 5,
            "velk_QZ Przegląd pliku bazy: ",
            " Brak bazy rad do przeglądania.",
            "Brak bazy rad do przeglądania!",
            "Proszę załadować bazę rad!"};
}

MediaBase graphics_base(Context& ctx)
{
    const Stan& s = ctx.db.stan;
    return {ctx.db.baza_grafiki.grafika, s.nazwa_gr, s.nazwa_gr, false, 2,
            "velk_qz Przegląd pliku bazy: ",
            " Brak bazy grafiki do przeglądania.",
            "Brak bazy grafiki do przeglądania!",
            "Proszę załadować bazę grafiki!"};
}

MediaBase sound_base(Context& ctx)
{
    const Stan& s = ctx.db.stan;
    return {ctx.db.baza_melodii.dzwiek, s.nazwa_me, s.nazwa_me, false, 2,
            "Przegląd pliku bazy dźwięków: ",
            " Brak bazy dźwięków do przeglądania.",
            "Brak bazy dźwięków do przeglądania!",
            "Proszę załadować bazę dźwięku!"};
}

std::string without_folder(const std::string& path)
{
    const files::PathParts parts = files::split_path(path);
    return parts.name + parts.extension;
}

std::optional<AkcjaWynik> review(Context& ctx, const MediaBase& base)
{
    if (base.first_kind.empty() || base.name_fact.empty() || base.path_fact.empty()) {
        ctx.ui.write(std::string(base.no_base_line) + "\n");
        ctx.ui.note("Uwaga!", base.no_base_note);
        return std::nullopt;
    }
    const std::string path = *base.path_fact.first();
    const std::string title = base.title_prefix + without_folder(*base.name_fact.first());
    AkcjaWynik result;
    if (base.read_before_title) result.tekst = ctx.files.read_text(path).text;
    ctx.ui.set_window_title(ctx.ui.main_window(), title);
    if (!base.read_before_title) result.tekst = ctx.files.read_text(path).text;
    return result;
}

AkcjaWynik names(Context& ctx, const MediaBase& base)
{
    AkcjaWynik result;
    if (base.name_fact.empty()) {
        ctx.ui.note("Uwaga!", base.load_first_note);
        return result;
    }
    SList all;
    base.first_kind.each([&](const Medium& m) { all.push_back(m.nazwa); });
    result.lista = redukuj(all);
    result.tekst = without_folder(*base.name_fact.first());
    return result;
}

std::optional<AkcjaWynik> dzialanie(Context& ctx, int akcja, const MediaBase& base)
{
    if (akcja == 1) return review(ctx, base);
    if (akcja == base.names_action) return names(ctx, base);
    return std::nullopt;
}

}  // namespace

std::optional<AkcjaWynik> dzialanie_w_bazie_rad(Context& ctx, int akcja)
{
    return dzialanie(ctx, akcja, advice_base(ctx));
}

std::optional<AkcjaWynik> dzialanie_w_bazie_grafiki(Context& ctx, int akcja)
{
    return dzialanie(ctx, akcja, graphics_base(ctx));
}

std::optional<AkcjaWynik> dzialanie_w_bazie_melodii(Context& ctx, int akcja)
{
    return dzialanie(ctx, akcja, sound_base(ctx));
}

void kasowanie_drada(Context& ctx) { ctx.db.baza_rad.rada.remove_all(); }
void kasowanie_nazwy_ra(Context& ctx) { ctx.db.stan.nazwa_ra.remove_all(); }

// Both kinds go: an `ngrafika` left behind would outlive its base and be offered for the
// rules of the next one.
void kasowanie_dgrafika(Context& ctx)
{
    ctx.db.baza_grafiki.grafika.remove_all();
    ctx.db.baza_grafiki.ngrafika.remove_all();
}

void kasowanie_nazwy_gr(Context& ctx) { ctx.db.stan.nazwa_gr.remove_all(); }

void kasowanie_dmelodie(Context& ctx)
{
    ctx.db.baza_melodii.dzwiek.remove_all();
    ctx.db.baza_melodii.ndzwiek.remove_all();
}

void kasowanie_nazwy_me(Context& ctx) { ctx.db.stan.nazwa_me.remove_all(); }

void kasowanie_bazy_rad(Context& ctx)
{
    kasowanie_drada(ctx);
    kasowanie_nazwy_ra(ctx);
}

void kasowanie_bazy_grafiki(Context& ctx)
{
    kasowanie_dgrafika(ctx);
    kasowanie_nazwy_gr(ctx);
}

void kasowanie_bazy_melodii(Context& ctx)
{
    kasowanie_dmelodie(ctx);
    kasowanie_nazwy_me(ctx);
}

SList nazwy_dla_numeru(const FactList<Medium>& facts, std::int32_t numer)
{
    SList names;
    facts.each_matching([&](const Medium& m) { return m.numer == numer; },
                        [&](const Medium& m) { names.push_back(m.nazwa); });
    return names;
}

IList numery_dla_nazwy(const FactList<Medium>& facts, std::string_view nazwa)
{
    IList numbers;
    facts.each_matching([&](const Medium& m) { return m.nazwa == nazwa; },
                        [&](const Medium& m) { numbers.push_back(m.numer); });
    return numbers;
}

}  // namespace kb
