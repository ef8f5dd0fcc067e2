// The question for a certainty factor: the name posted to dialog 10003, the typed text taken
// back and read as a real, and the tests of an answer with their messages. Every CF question of
// inference goes through here; what follows an answer is the asker's business.
#pragma once

#include <optional>
#include <string>

#include "kb/context.h"

namespace inference {

// One exchange with dialog 10003: nothing (no answer stored: closed without "&OK"), a text that
// is no number, or a number with the text as typed. Both channel facts are cleared afterwards.
struct Wymiana {
    enum class Stan { brak_odpowiedzi, nie_liczba, liczba } stan = Stan::brak_odpowiedzi;
    double cf = 0;
    std::string tekst;
};
Wymiana wymiana_cf(kb::Context& ctx, const std::string& nazwa);

// How an answer is judged: by no test, by testuj_cf_warunku_1 (exactly 1 or -1), by
// testuj_cf_warunku (-1 <= CF <= 1), or with kontrola_cf's words for a member of an exact
// constraint asked in turn (which the asker applies itself).
enum class TestCf { brak, jeden, zakres, dokladny };

struct Odpowiedz {
    double cf = 0;
    std::string tekst;
};
// Asks until the answer is a finite number in [-1, 1]: a text that is no number is asked again
// at once, a number outside the range after the rejection of the test. Then the test: nullopt
// when it rejects (its message shown), and nullopt when the dialog was closed without an answer.
std::optional<Odpowiedz> zapytaj_o_cf(kb::Context& ctx, const std::string& nazwa, TestCf test);

// The tests: true when the CF passes; otherwise the rejection is written (window and report) and
// shown in a note, and the channel facts cleared.
bool testuj_cf_warunku_1(kb::Context& ctx, const std::string& nazwa, double cf);
bool testuj_cf_warunku(kb::Context& ctx, const std::string& nazwa, double cf);
// True for exactly 1.0 or -1.0; otherwise three lines are written and nothing is shown.
bool kontrola_cf(kb::Context& ctx, const std::string& nazwa, double cf);

// One question for a remaining member of an uncertain constraint; the answer is recorded for the
// member and its negation. False when the question stays unanswered.
bool deklaruj_niepewny(kb::Context& ctx, const std::string& nazwa);

}  // namespace inference
