// The frame every kind of base load shares: the outcome, the file dialog, taking the chosen
// file (its folder current, the auxiliary window cleared, the correspondence test), reading it
// under the error trap, the markers and the error alternatives. A kind's own clearing, names,
// texts and checks live in its own file; of the kinds, the frame tells only the rule base, which
// starts a knowledge base, from the others.
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "kb/context.h"
#include "load/kasowanie.h"
#include "load/load_kinds.h"
#include "load/raport_bledu.h"
#include "platform/factfile.h"
#include "platform/files.h"

namespace load {

// The kind's open-file dialog: mask (the proposed name), one filter (label, pattern), title.
struct FileDialogTexts {
    std::string_view mask;            // "RE*.BQZ"
    std::string_view filter_label;    // "Bazy reguł (RE*.BQZ)"
    std::string_view filter_pattern;  // "re*.BQZ"
    std::string_view title;           // "Wybierz nazwę bazy reguł : "
};

// The instructions of the two read-error alternatives. The window texts are written as they
// stand ("\n" ends a line); E1 writes a line break before its text.
struct ReadErrorTexts {
    std::string_view title;      // of both notes: "Błąd" (rule base), "Uwaga błąd!" (the others)
    std::string_view e1_window;  // a syntax error was reported: "... wybierz błędną bazę i usuń błąd.\n"
    std::string_view e1_note;
    std::string_view e2_window;  // the file has an empty line: "... Baza zawiera puste linie!..."
    std::string_view e2_note;
};

// One kind of base as the frame sees it.
struct FrameDesc {
    LoadKind kind;
    FileDialogTexts dialog;
    ReadErrorTexts errors;
    // The kind's first name fact is recorded (the base counts as loaded).
    bool (*loaded)(const kb::Context&);
    // One of the kind's problem flags holds: the quiet end then refuses (the load fails).
    bool (*problem_flag)(const kb::Context&);
};

// The note (titled "Uwaga!") of every load but the rule base's when no rule base is loaded.
inline constexpr std::string_view kRuleBaseRequest = "Proszę załadować bazę reguł!";

// The full path's file name without its folder ("C:/x/REzoo.BQZ" -> "REzoo.BQZ").
std::string nazwa_pliku(std::string_view sciezka);

// Markers, tested by exact text.
inline constexpr std::string_view kJestemTu = "TAK";  // a file of this call is being read
inline constexpr std::string_view kBlad = "błąd";     // a read error of this call was reported
// (Their clearing, kasowanie_jestem_tu and kasowanie_blad, is in kasowanie.h.)

// One call of a load. A kind's function runs its steps in order through this object and
// returns one of its outcomes:
//
//   LoadCall call(ctx, kDesc);
//   if (!preconditions) return call.stop();
//   std::string plik = call.choose_file();
//   if (plik.empty() || !call.accept_file(plik)) return call.stop();
//   ... clear the kind's base (only now: a cancelled dialog or a refused file changes nothing)
//   if (!call.read(ctx.db.baza_x, plik)) return call.read_failed();
//   ... names, success lines and note, checks: before the commit point a failing check
//       returns call.stop(), after it call.fail() ...
//   return call.finish(plik);
//
// Whichever way the call ends, no `jestem_tu` and no `blad` outlives it (the destructor).
class LoadCall {
public:
    LoadCall(kb::Context& ctx, const FrameDesc& desc) : ctx_(ctx), desc_(desc) {}
    ~LoadCall();
    LoadCall(const LoadCall&) = delete;
    LoadCall& operator=(const LoadCall&) = delete;

    // The kind's open-file dialog; "" when cancelled.
    std::string choose_file();

    // The chosen file's folder becomes the current directory and the auxiliary window is
    // cleared; then, for every kind but the rule base, the correspondence test (the file's mark
    // must be the rule base's). False when the test refused the file (its note was shown).
    bool accept_file(const std::string& sciezka);

    // Adds `jestem_tu` and reads the file into the database under the error trap. False after a
    // read error: the database holds again exactly what it held before (no partial facts), the
    // error has been reported as its cause asks (raport_bledu.h); answer with read_failed().
    template <class Db>
    bool read(Db& db, const std::string& sciezka);

    // Removes every `jestem_tu` at the kind's own point of its sequence.
    void remove_marker() { kasowanie_jestem_tu(ctx_); }

    // ---- Outcomes ----
    // Stopped before anything was read (preconditions, cancelled dialog, refused file), or a
    // check before the commit point failed: nothing chosen when the kind needs no rule base or
    // one is loaded, and no problem flag of the kind holds; the request for a rule base
    // (kRuleBaseRequest) and nothing chosen when the kind needs one and none is loaded;
    // refused otherwise. A rule-base
    // load that ends with no rule base loaded sets the main window's title to "velk".
    LoadResult stop();
    // After read() returned false: the instructions for a reported syntax error (E1) or for
    // an empty line (E2), then refused; a file that could not be read was reported already.
    LoadResult read_failed();
    // A step after the commit point failed, or a check refused the base with its own note.
    LoadResult fail();
    // The sequence ran to its end: loaded when the kind's base is still loaded; refused when a
    // check unloaded it (its own note said why).
    LoadResult finish(const std::string& sciezka);

private:
    bool is_rule_base() const { return desc_.kind == LoadKind::rules; }
    void add_marker();
    void title_without_rule_base();

    kb::Context& ctx_;
    const FrameDesc& desc_;
    BladOdczytu blad_ = BladOdczytu::brak;
};

template <class Db>
bool LoadCall::read(Db& db, const std::string& sciezka)
{
    add_marker();
    Db przed = db;
    try {
        factfile::load(db, ctx_.files, sciezka);
        return true;
    } catch (const factfile::LoadError& e) {
        db = std::move(przed);
        blad_ = obsluga_bledu_konsultacji(ctx_, sciezka, e);
    } catch (const files::FileError& e) {
        db = std::move(przed);
        blad_ = obsluga_pliku_nieczytelnego(ctx_, sciezka, e);
    }
    return false;
}

}  // namespace load
