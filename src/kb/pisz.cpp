// The report text and the writers through which every component speaks, and the offer to save
// the report as a report file. The writers never fail: a missing report text is started afresh.
// Nothing here decides what is written; callers do.
#include "kb/pisz.h"

#include <string>
#include <vector>

#include "platform/factfile.h"
#include "platform/files.h"
#include "platform/text.h"
#include "platform/toolkit.h"

namespace kb {

namespace {

// Appends in place: the report text can grow long, and copying it out and back for every
// write would make a long diagnosis quadratic. Several texts (a viewed report file may hold
// more than one) become one, the first.
void append_to_report(Context& ctx, std::initializer_list<std::string_view> pieces)
{
    auto& texts = ctx.db.baza_raportu.tekst_raportu;
    if (texts.empty()) {
        texts.add_first("");
    } else if (texts.size() > 1) {
        std::string first = *texts.first();
        texts.remove_all();
        texts.add_first(std::move(first));
    }
    texts.update_first([&](std::string& report) {
        for (std::string_view piece : pieces) report += piece;
    });
}

}  // namespace

void pisz(Context& ctx, std::string_view text)
{
    ctx.ui.write(text);
    append_to_report(ctx, {text});
}

void piszint(Context& ctx, std::int64_t value) { pisz(ctx, text::int_to_text(value)); }

void piszreal(Context& ctx, double value) { pisz(ctx, text::real_to_text(value)); }

void pisz_tuto(Context& ctx, std::string_view text) { pisz(ctx, text); }
void pisz_tuto_int(Context& ctx, std::int64_t value) { piszint(ctx, value); }
void pisz_tuto_real(Context& ctx, double value) { piszreal(ctx, value); }

void piszcr(Context& ctx)
{
    ctx.ui.write("\n");
    append_to_report(ctx, {"\n"});
}

void kasowanie_tekst_raportu(Context& ctx)
{
    ctx.db.baza_raportu.tekst_raportu.remove_all();
    ctx.db.baza_raportu.tekst_raportu.add_first("");
}

void lista_dla_raportu(Context& ctx, std::initializer_list<std::string_view> pieces)
{
    if (pieces.size() == 0) return;
    append_to_report(ctx, pieces);
}

bool raport(Context& ctx)
{
    ctx.ui.write(" Czy zachować raport?  ");
    const int answer = ctx.ui.question("Raport wnioskowania/diagnostyki",
                                       "Czy chcesz zachować przebieg\nwnioskowania/diagnostyki w raporcie?",
                                       {"&Tak", "&Nie"});
    if (answer != 0) return true;

    ctx.ui.write(" Podaj nazwę raportu (*.RPT):\n");
    const std::string path = ctx.ui.save_file_dialog({.title = "Podaj nazwę nowego pliku raportu",
                                                      .initial_name = "*.RPT",
                                                      .filters = {{"Pliki raportów (*.RPT)", "*.RPT"}},
                                                      .folder = ctx.files.current_dir()});
    if (path.empty()) return false;

    // A file that cannot be written raises files::FileError to the event's error trap.
    factfile::save(ctx.db.baza_raportu, ctx.files, path);

    ctx.ui.write("\n Raport " + path + " został zapamiętany.\n\n\n");
    const files::PathParts parts = files::split_path(path);
    ctx.ui.note("Uwaga!", "Raport " + parts.name + parts.extension + " został zapamiętany.");
    return true;
}

}  // namespace kb
