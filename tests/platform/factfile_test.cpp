// The fact-file reader and writer: the syntax of a line, its error numbers and positions, the
// written form, and every fact name of the knowledge-base databases read and written back.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "kb/store.h"
#include "platform/factfile.h"
#include "platform/files.h"

namespace {

using facts::IList;
using facts::ListaList;
using facts::SList;

// A database with a fact of every field type, lista_list included.
struct Wszystko {
    struct Fakt {
        std::string s;
        std::int32_t i = 0;
        double r = 0;
        SList sl;
        IList il;
        ListaList ll;
        FACT_FIELDS(Fakt, s, i, r, sl, il, ll)
    };
    facts::FactList<Fakt> wszystko;
    facts::FactList<ListaList> listy;
    template <class V>
    void visit(V&& v) { v("wszystko", wszystko); v("listy", listy); }
    template <class V>
    void visit(V&& v) const { v("wszystko", wszystko); v("listy", listy); }
};

template <class Db>
std::optional<factfile::LoadError> try_load(Db& db, std::string_view text)
{
    try {
        factfile::load_text(db, text);
    } catch (const factfile::LoadError& e) {
        return e;
    }
    return std::nullopt;
}

// ---- Errors: number and position (characters consumed) -----------------------------------

struct ErrorCase {
    const char* base;  // which database the line is read into
    std::string line;
    int number;
    std::size_t position;
};

std::optional<factfile::LoadError> load_into(const std::string& base, const std::string& line)
{
    kb::Store store;
    if (base == "regul") return try_load(store.baza_regul, line);
    if (base == "modeli") return try_load(store.baza_modeli, line);
    if (base == "melodii") return try_load(store.baza_melodii, line);
    if (base == "dane") return try_load(store.dane, line);
    ADD_FAILURE() << "no base " << base;
    return std::nullopt;
}

TEST(FactFileErrors, NumberAndPositionOfTheFirstBadLine)
{
    using std::string_literals::operator""s;
    const std::vector<ErrorCase> cases = {
        // fact names
        {"regul", "   ", 1407, 3},
        {"regul", "fakt (\"a\",\"b\")", 1407, 5},
        {"regul", "fakt\t(\"a\",\"b\")", 1407, 5},
        {"regul", "\tfakt(\"a\",\"b\")", 1407, 5},
        {"regul", "  nieznany(\"a\")", 1407, 10},
        {"regul", "Fakt(\"a\",\"b\")", 1407, 4},
        {"regul", "regula(1,\"w\",[],1,\"0.5\")", 1407, 6},
        {"regul", "model(1)", 1407, 5},  // a name of another database
        // parentheses and separators
        {"regul", "fakt", 1408, 4},
        {"regul", "fakt]", 1408, 5},
        {"regul", "fakt,(\"a\",\"b\")", 1408, 5},
        {"regul", "fakt(\"a\" \"b\")", 1409, 10},
        {"regul", "fakt(\"a\",\"b\"", 1409, 12},
        {"regul", "fakt(\"a\",\"b\";", 1409, 13},
        {"regul", "fakt(\"a,\"b\")", 1409, 10},
        {"regul", "fakt(\"a\")", 1409, 9},
        // strings
        {"regul", "fakt(a,\"b\")", 1403, 6},
        {"regul", "fakt(", 1403, 5},
        {"regul", "fakt(\"abc", 1409, 9},          // the line ends inside a string
        {"regul", "fakt(\"abc\\\"", 1409, 11},     // ... also after an escaped quote
        {"regul", "fakt(\"ab\\", 1409, 9},         // ... and after a lone backslash
        {"regul", "fakt(\"a\0b\",\"c\")"s, 1409, 7},  // a byte 0 ends the line's text
        {"regul", "fakt(\"a\",\0\"c\")"s, 1403, 9},
        // integers: the position stays at the start of the field
        {"regul", "reguła(x,\"w\",[],1,\"0.5\")", 1401, 7},
        {"regul", "reguła( +1,\"w\",[],1,\"0.5\")", 1401, 8},
        {"regul", "reguła(- 1,\"w\",[],1,\"0.5\")", 1401, 7},
        {"regul", "reguła(0x,\"w\",[],1,\"0.5\")", 1401, 7},
        {"regul", "reguła(0o8,\"w\",[],1,\"0.5\")", 1401, 7},
        {"regul", "reguła(2147483648,\"w\",[],1,\"0.5\")", 1031, 7},
        {"regul", "reguła(-2147483648,\"w\",[],1,\"0.5\")", 1031, 7},
        {"regul", "reguła(0x80000000,\"w\",[],1,\"0.5\")", 1031, 7},
        {"regul", "reguła(99999999999999999999,\"w\",[],1,\"0.5\")", 1031, 7},
        {"regul", "reguła(1.5,\"w\",[],1,\"0.5\")", 1409, 9},
        // lists
        {"regul", "reguła(1,\"w\",x,1,\"0.5\")", 1405, 14},
        {"regul", "reguła(1,\"w\",\"a\",1,\"0.5\")", 1405, 14},
        {"regul", "reguła(1,\"w\",[\"a\" \"b\"],1,\"0.5\")", 1406, 19},
        {"regul", "reguła(1,\"w\",[\"a\";\"b\"],1,\"0.5\")", 1406, 18},
        {"regul", "reguła(1,\"w\",[\"a\",],1,\"0.5\")", 1403, 19},
        {"regul", "reguła(1,\"w\",[,],1,\"0.5\")", 1403, 15},
        {"regul", "reguła(1,\"w\",[1],1,\"0.5\")", 1403, 15},
        {"regul", "reguła(1,\"w\",[\"a\"", 1406, 17},
        {"regul", "reguła(1,\"w\",[", 1403, 14},
        {"modeli", "model_wielomianowy(1,\"a\",\"b\",\"x\",[\"1\"],[1,x],1,\"0.5\")", 1401, 42},
        {"modeli", "model_wielomianowy(1,\"a\",\"b\",\"x\",[\"1\"],[1 2],1,\"0.5\")", 1406, 43},
        // reals
        {"modeli", "argument_znany(\"x\",.)", 1402, 19},
        {"modeli", "argument_znany(\"x\",-)", 1402, 19},
        {"modeli", "argument_znany(\"x\",e5)", 1402, 19},
        {"modeli", "argument_znany(\"x\", \"1\")", 1402, 20},
        {"modeli", "argument_znany(\"x\",1e999)", 1031, 19},
        {"modeli", "argument_znany(\"x\",1..5)", 1409, 22},
        // positions count characters, not bytes
        {"melodii", "dźwięk(1,nazwa)", 1403, 10},
        {"melodii", "  ndźwięk (1,\"a\")", 1407, 10},
        {"regul", "fakt(\"żółć\",\"ą\" x", 1409, 17},
        // an opaque handle never comes from a file
        {"dane", "baza(\"x\",0,0)", 1401, 9},
    };
    for (const auto& c : cases) {
        auto error = load_into(c.base, c.line);
        ASSERT_TRUE(error.has_value()) << c.line;
        EXPECT_EQ(error->number, c.number) << c.line;
        EXPECT_EQ(error->position, c.position) << c.line;
        EXPECT_EQ(error->line, c.line) << c.line;
        EXPECT_EQ(error->line_number, 1u) << c.line;
    }
}

TEST(FactFileErrors, FactsBeforeTheBadLineStayAndLaterLinesAreNotRead)
{
    kb::BazaRegul db;
    auto error = try_load(db, "fakt(\"a\",\"1\")\r\nfakt(\"b\",\"1\")\r\nfakt(c)\r\nfakt(\"d\",\"1\")\r\n");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number, 1403);
    EXPECT_EQ(error->line, "fakt(c)");  // carriage return dropped, no line end
    EXPECT_EQ(error->line_number, 3u);
    EXPECT_STREQ(error->what(), "Błąd 1403 w wierszu 3 pliku faktów, pozycja 6.");
    EXPECT_EQ(db.fakt.size(), 2u);
    EXPECT_EQ(db.fakt.all().back().warunek, "b");
}

TEST(FactFileErrors, AnExtraEmptyLineAtTheEndLoadsEverythingThenRaises1407AtZero)
{
    kb::BazaRegul db;
    auto error = try_load(db, "fakt(\"a\",\"1\")\nreguła_dysjunktywna(\"w\")\n\n");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number, 1407);
    EXPECT_EQ(error->position, 0u);
    EXPECT_EQ(error->line, "");
    EXPECT_EQ(error->line_number, 3u);
    EXPECT_EQ(db.fakt.size(), 1u);
    EXPECT_EQ(db.regula_dysjunktywna.size(), 1u);
}

TEST(FactFileErrors, AnEmptyLineInTheMiddleStopsTheLoad)
{
    kb::BazaRegul db;
    auto error = try_load(db, "fakt(\"a\",\"1\")\n\nfakt(\"b\",\"1\")\n");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number, 1407);
    EXPECT_EQ(error->line_number, 2u);
    EXPECT_EQ(db.fakt.size(), 1u);
}

// ---- Accepted lines ----------------------------------------------------------------------

TEST(FactFileRead, EmptyTextLoadsNothingAndALastLineWithoutLineEndLoads)
{
    kb::BazaRegul db;
    EXPECT_FALSE(try_load(db, ""));
    EXPECT_TRUE(db.fakt.empty());
    EXPECT_FALSE(try_load(db, "fakt(\"a\",\"1\")\nfakt(\"b\",\"0.5\")"));
    EXPECT_EQ(db.fakt.all(), (std::vector<kb::Fakt>{{"a", "1"}, {"b", "0.5"}}));
}

TEST(FactFileRead, BlanksAroundEverythingAndANoteAfterTheParenthesisChangeNothing)
{
    kb::BazaRegul plain, spaced;
    ASSERT_FALSE(try_load(plain, "reguła(12,\"gorączka\",[\"kaszel\",\"ndreszcze\"],1,\"0.8\")"));
    ASSERT_FALSE(try_load(spaced, "   reguła(  12 ,  \"gorączka\" , [ \"kaszel\" ,  \"ndreszcze\" ] , 1 , \"0.8\"  ). uwaga (( \"\n"));
    EXPECT_EQ(plain.regula.all(), spaced.regula.all());
    EXPECT_EQ(plain.regula.first()->warunki, (SList{"kaszel", "ndreszcze"}));
}

TEST(FactFileRead, ListsAndNumbersInTheirAcceptedForms)
{
    kb::BazaModeli db;
    ASSERT_FALSE(try_load(db,
        "modele_ekskluzywne([ \" a \" ,  \"b\"  ])\n"
        "modele_ekskluzywne([   ])\n"
        "modele_ekskluzywne([])\n"
        "model_wielomianowy(0x1F,\"w\",\"y\",\"x\",[],[0o17, -0x10 ,010,0X1f,-0,2147483647,-2147483647],1,\"1\")\n"
        "argument_znany(\"a\",1)\nargument_znany(\"b\",.5)\nargument_znany(\"c\",1e3)\n"
        "argument_znany(\"d\",5.)\nargument_znany(\"e\",-0.25)\nargument_znany(\"f\",+2.5E+2)\n"
        "argument_znany(\"g\",1e-3)\n"));
    auto lists = db.modele_ekskluzywne.all();
    ASSERT_EQ(lists.size(), 3u);
    EXPECT_EQ(lists[0], (SList{" a ", "b"}));
    EXPECT_TRUE(lists[1].empty());
    EXPECT_TRUE(lists[2].empty());
    auto model = *db.model_wielomianowy.first();
    EXPECT_EQ(model.numer, 31);
    EXPECT_EQ(model.wykladniki, (IList{15, -16, 10, 31, 0, 2147483647, -2147483647}));
    std::vector<double> values;
    for (const auto& a : db.argument_znany.all()) values.push_back(a.wartosc);
    EXPECT_EQ(values, (std::vector<double>{1.0, 0.5, 1000.0, 5.0, -0.25, 250.0, 0.001}));
}

TEST(FactFileRead, EscapesInsideStrings)
{
    struct Case {
        const char* written;  // between the quotes, as in the file
        std::string read;
    };
    const std::vector<Case> cases = {
        {R"(a\tb)", "a\\tb"},        // an unknown escape stays two characters
        {R"(a\\b)", "a\\b"},
        {R"(a\"b)", "a\"b"},         // an escaped quote does not end the string
        {R"(a\nb\rc)", "a\nb\rc"},
        {R"(\\n)", "\\n"},
        {R"(\\\")", "\\\""},
    };
    for (const auto& c : cases) {
        kb::BazaRaportu db;
        std::string line = std::string("tekst_raportu(\"") + c.written + "\")";
        ASSERT_FALSE(try_load(db, line)) << line;
        EXPECT_EQ(db.tekst_raportu.first(), c.read) << line;
        // The same through the interned names of a rule, and back through its written line.
        kb::BazaRegul rules;
        const std::string rule = std::string("reguła(1,\"") + c.written + "\",[\"" + c.written + "\"],1,\"1\")";
        ASSERT_FALSE(try_load(rules, rule)) << rule;
        const kb::Regula r = *rules.regula.first();
        EXPECT_EQ(r.wniosek, c.read) << rule;
        EXPECT_EQ(r.warunki, std::vector<std::string>{c.read}) << rule;
        kb::BazaRegul again;
        ASSERT_FALSE(try_load(again, factfile::save_text(rules))) << rule;
        EXPECT_EQ(again.regula.first(), r) << rule;
    }
    // A backslash before the closing quote escapes it: the string then runs on.
    kb::BazaRaportu db;
    EXPECT_FALSE(try_load(db, R"#(tekst_raportu("x\""))#"));
    EXPECT_EQ(db.tekst_raportu.first(), "x\"");
}

// The names of a rule's list are interned together: texts with escapes among plain ones, empty
// ones, repeats and lists longer than one batch of look-ups keep their texts and their order.
TEST(FactFileRead, ANameListKeepsEveryTextInItsPlace)
{
    std::string written;
    std::vector<std::string> read;
    for (int i = 0; i < 40; ++i) {
        if (i) written += ',';
        if (i % 7 == 3) {
            written += "\"e\\\"" + std::to_string(i) + "\"";
            read.push_back("e\"" + std::to_string(i));
        } else if (i % 11 == 5) {
            written += "\"\"";
            read.emplace_back();
        } else {
            written += "\"w" + std::to_string(i % 13) + "\"";
            read.push_back("w" + std::to_string(i % 13));
        }
    }
    kb::BazaRegul rules;
    const std::string rule = "reguła(1,\"x\",[" + written + "],1,\"1\")";
    ASSERT_FALSE(try_load(rules, rule)) << rule;
    EXPECT_EQ(rules.regula.first()->warunki, read) << rule;
}

TEST(FactFileRead, CarriageReturnsAnywhereAreDroppedBeforeParsing)
{
    kb::BazaRegul db;
    ASSERT_FALSE(try_load(db, "fa\rkt(\"a\r\",\"1\")\r\n"));
    EXPECT_EQ(db.fakt.first(), (kb::Fakt{"a", "1"}));
}

// What a file's bytes load to: its facts written out, and the error of its first bad line.
template <class Db>
std::string outcome(std::string_view bytes, void (*load)(Db&, std::string_view))
{
    Db db;
    std::string error = "none";
    try {
        load(db, bytes);
    } catch (const factfile::LoadError& e) {
        error = std::to_string(e.number) + " line " + std::to_string(e.line_number) + " at " +
                std::to_string(e.position) + ": " + e.line;
    }
    return factfile::save_text(db) + "error " + error;
}

TEST(FactFileRead, DecodingLineByLineLoadsWhatTheWholeDecodedTextLoads)
{
    // The bytes are decoded one line at a time; the result is that of the whole file decoded
    // and stripped of its carriage returns first, as the text reader gives it.
    using std::string_literals::operator""s;
    const std::string cases[] = {
        "fakt(\"a\",\"1\")\r\n\r",                              // nothing but CR after the last LF
        "fakt(\"a\",\"1\")\r\n\r\n",                           // an empty line of its own
        "\r",
        "\r\n",
        "fa\rkt(\"\xB9\r\",\"1\")",                            // CR inside a CP1250 line
        "fakt(\"\xBF\xF3\xB3w\",\"1\")\nfakt(\"x\",1)\r\n",    // an error after a good line
        "\xEF\xBB\xBF" "fakt(\"żółw\",\"1\")\r\nfakt(\"ą\r\",\"0\")",  // UTF-8 with its mark
        "\xEF\xBB\xBF" "fakt(\"a\",\"1\")",                      // the mark of an ASCII file is text
        "fakt(\"a\0\",\"1\")\r\nfakt(\"b\",\"1\")"s,             // a byte 0 ends the line's text
        "fakt(\"\x81\x90\",\"1\")\r\n\r\r",
    };
    using Db = kb::BazaRegul;
    const auto whole = +[](Db& db, std::string_view bytes) {
        std::string utf8 = text::decode(bytes, text::detect_encoding(bytes));
        std::erase(utf8, '\r');
        factfile::load_text(db, utf8);
    };
    const auto by_lines = +[](Db& db, std::string_view bytes) { factfile::load_bytes(db, bytes); };
    for (const std::string& bytes : cases) EXPECT_EQ(outcome<Db>(bytes, by_lines), outcome<Db>(bytes, whole)) << bytes;
}

TEST(FactFileRead, AByte0AfterTheClosingParenthesisIsIgnoredLikeAnyNote)
{
    using std::string_literals::operator""s;
    kb::BazaRegul db;
    ASSERT_FALSE(try_load(db, "fakt(\"a\",\"1\")\0śmieci\n"s));
    EXPECT_EQ(db.fakt.size(), 1u);
}

TEST(FactFileRead, LoadingTheSameTextTwiceGivesEveryFactTwiceInFileOrder)
{
    const std::string text = "fakt(\"a\",\"1\")\nreguła(1,\"w\",[\"a\"],1,\"1\")\nfakt(\"b\",\"1\")\n";
    kb::BazaRegul db;
    ASSERT_FALSE(try_load(db, text));
    ASSERT_FALSE(try_load(db, text));
    EXPECT_EQ(db.fakt.all(), (std::vector<kb::Fakt>{{"a", "1"}, {"b", "1"}, {"a", "1"}, {"b", "1"}}));
    EXPECT_EQ(db.regula.size(), 2u);
}

// ---- Reading in parts ----------------------------------------------------------------------

// A rule base of `rules` rules in CP1250 whose names all start with `tag`, with a fact now and
// then; `bad` lines (1-based, counted as the file's lines) are written broken.
std::string rule_base(const std::string& tag, int rules, std::initializer_list<int> bad = {})
{
    std::string out;
    int line = 0;
    const auto add = [&](std::string text) {
        ++line;
        if (std::find(bad.begin(), bad.end(), line) != bad.end()) text.replace(text.find(','), 1, ";");
        out += text;
    };
    for (int i = 0; i < rules; ++i) {
        add("regu\xB3" "a(" + std::to_string(i) + ",\"" + tag + "w\xB3_" + std::to_string(i % 37) + "\",[\"" + tag + "a" +
            std::to_string(i % 11) + "\",\"" + tag + "b" + std::to_string(i) + "\"],1,\"0.5\")\r\n");
        if (i % 50 == 7) add("fakt(\"" + tag + "f" + std::to_string(i) + "\",\"1\")\n");
    }
    return out;
}

// Facts written out and the first error, of a load.
template <class Load>
std::string loaded(Load&& load)
{
    kb::BazaRegul db;
    std::string error = "none";
    try {
        load(db);
    } catch (const factfile::LoadError& e) {
        error = std::to_string(e.number) + " line " + std::to_string(e.line_number) + " at " +
                std::to_string(e.position) + ": " + e.line;
    }
    return factfile::save_text(db) + "error " + error;
}

std::string loaded_in_one(std::string_view bytes)
{
    return loaded([&](kb::BazaRegul& db) {
        factfile::detail::load_lines(bytes, text::Encoding::Cp1250, factfile::detail::name_index<kb::BazaRegul>(),
                                     factfile::detail::slots_of(db));
    });
}

// True when the names of the rules, read in file order, took new numbers one after another
// from `first` on: the numbers one reading of the file gives.
bool numbered_in_file_order(const kb::BazaRegul& db, std::uint32_t first)
{
    std::uint32_t next = first;
    bool in_order = true;
    const auto see = [&](facts::Name n) {
        if (n.id() == next) ++next;
        else if (n.id() > next) in_order = false;
    };
    db.regula.scan([&](const kb::Regula& r) {
        see(r.wniosek);
        for (facts::Name w : r.warunki) see(w);
        see(r.cf);
    });
    return in_order;
}

TEST(FactFileRead, ReadingInPartsLoadsWhatOneReadingLoads)
{
    // A large file is read in parts side by side: its facts, their order, the numbers of its
    // names and its first bad line are those of one reading, wherever the parts are cut.
    struct Case {
        const char* what;
        std::initializer_list<int> bad;
        std::string tail;
    };
    const Case cases[] = {
        {"good lines", {}, ""},
        {"a bad line in the middle", {150}, ""},
        {"two bad lines: the first counts", {150, 300}, ""},
        {"a bad first line", {1}, ""},
        {"a last line without line end", {}, "fakt(\"koniec\",\"1\")"},
        {"nothing but a CR after the last LF", {}, "\r"},
        {"an empty line at the end", {}, "\n"},
    };
    int run = 0;
    for (const Case& c : cases)
        for (std::size_t parts : {1u, 2u, 3u, 5u, 8u, 40u}) {
            const std::string tag = "czesci" + std::to_string(run++) + "_";
            const std::string bytes = rule_base(tag, 400, c.bad) + c.tail;
            const auto first = static_cast<std::uint32_t>(facts::name_table().size());
            bool in_order = false;
            const std::string in_parts = loaded([&](kb::BazaRegul& db) {
                const std::vector<std::string_view> pieces = factfile::detail::split_at_lines(bytes, parts);
                try {
                    factfile::detail::load_pieces(db, pieces, text::Encoding::Cp1250, false);
                } catch (const factfile::LoadError&) {
                    in_order = numbered_in_file_order(db, first);
                    throw;
                }
                in_order = numbered_in_file_order(db, first);
            });
            EXPECT_TRUE(in_order) << c.what << ", " << parts << " parts";
            EXPECT_EQ(in_parts, loaded_in_one(bytes)) << c.what << ", " << parts << " parts";
        }
}

TEST(FactFileRead, PartsAreWholeLinesThatMakeUpTheText)
{
    const std::string lines = "a\nbb\nccc\n\ndddd\ne";
    for (const std::string& text : {std::string(), std::string("\n"), std::string("bez końca wiersza"), lines})
        for (std::size_t parts : {1u, 2u, 3u, 4u, 10u}) {
            const std::vector<std::string_view> pieces = factfile::detail::split_at_lines(text, parts);
            std::string joined;
            for (std::size_t i = 0; i < pieces.size(); ++i) {
                EXPECT_FALSE(pieces[i].empty()) << text << " / " << parts;
                if (i + 1 < pieces.size()) {
                    EXPECT_EQ(pieces[i].back(), '\n') << text << " / " << parts;
                }
                joined += pieces[i];
            }
            EXPECT_EQ(joined, text);
            EXPECT_LE(pieces.size(), std::max<std::size_t>(parts, 1));
        }
    EXPECT_EQ(factfile::detail::split_at_lines(lines, 3).size(), 3u);
}

// ---- Written form ------------------------------------------------------------------------

TEST(FactFileWrite, TextFormOfValues)
{
    EXPECT_EQ(factfile::to_text(SList{"a", "b"}), R"(["a","b"])");
    EXPECT_EQ(factfile::to_text(SList{}), "[]");
    EXPECT_EQ(factfile::to_text(IList{1, -2}), "[1,-2]");
    EXPECT_EQ(factfile::to_text(ListaList{{"a"}, {}}), R"([["a"],[]])");
    EXPECT_EQ(factfile::to_text(std::string("a\"b\\c\nd\re")), R"("a\"b\\c\nd\re")");
    EXPECT_EQ(factfile::to_text("żółw"), "\"żółw\"");
    EXPECT_EQ(factfile::to_text(std::int32_t{-5}), "-5");
    EXPECT_EQ(factfile::to_text(0.5), "0.5");
    EXPECT_EQ(factfile::to_text(2.0 / 3.0), "0.6666666667");
    EXPECT_EQ(factfile::to_text(1e15), "1E+15");
    EXPECT_EQ(factfile::fact_text("reguła", kb::Regula{3, "w", {"a", "nb"}, 0, "0.5"}),
              R"(reguła(3,"w",["a","nb"],0,"0.5"))");
    EXPECT_EQ(factfile::fact_text("tytul", std::string("T")), R"(tytul("T"))");
}

TEST(FactFileWrite, SaveTextWritesNamesInDeclarationOrderAndFactsInStoreOrder)
{
    kb::BazaGrafiki db;
    db.ngrafika.add_last({2, "b.bmp"});
    db.grafika.add_last({1, "a.bmp"});
    db.grafika.add_first({0, "z.bmp"});
    EXPECT_EQ(factfile::save_text(db),
              "grafika(0,\"z.bmp\")\ngrafika(1,\"a.bmp\")\nngrafika(2,\"b.bmp\")\n");
}

// ---- Every fact name of the databases, read and written back ------------------------------

template <class F>
void fill_sample(F& field)
{
    if constexpr (std::is_same_v<F, std::string> || std::is_same_v<F, facts::Name>) field = "s";
    else if constexpr (std::is_same_v<F, std::int32_t>) field = 1;
    else if constexpr (std::is_same_v<F, double>) field = 0.5;
    else if constexpr (std::is_same_v<F, SList> || std::is_same_v<F, facts::NameList>) field = {"a", "b"};
    else if constexpr (std::is_same_v<F, IList>) field = {1, 2};
    else if constexpr (std::is_same_v<F, ListaList>) field = {{"a"}, {}};
    else if constexpr (std::is_same_v<F, void*>) field = nullptr;
    else if constexpr (facts::MultiField<F>) std::apply([](auto&... f) { (fill_sample(f), ...); }, field.fields());
    else static_assert(sizeof(F) == 0, "no sample for this field type");
}

// One fact of every name, each field holding the sample of its type.
template <class Db>
Db one_of_each()
{
    Db db;
    db.visit([](std::string_view, auto& list) {
        typename std::remove_reference_t<decltype(list)>::value_type fact{};
        fill_sample(fact);
        list.add_last(fact);
    });
    return db;
}

template <class Db>
void expect_round_trip(const std::string& expected)
{
    EXPECT_EQ(factfile::save_text(one_of_each<Db>()), expected);
    Db loaded;
    auto error = try_load(loaded, expected);
    EXPECT_FALSE(error) << error->line;
    EXPECT_EQ(factfile::save_text(loaded), expected);
}

TEST(FactFileRoundTrip, EveryFactNameOfEveryDatabase)
{
    expect_round_trip<kb::BazaRegul>(R"(fakt("s","s")
reguła(1,"s",["a","b"],1,"s")
reguła_dysjunktywna("s")
rem_reguła("s")
_fakt("s","s")
_reguła(1,"s",["a","b"],1,"s")
_reguła_dysjunktywna("s")
)");
    expect_round_trip<kb::BazaModeli>(R"(arg_dopyt("s")
argument_znany("s",0.5)
m_fakt("s","s")
model(1,"s","s","s","s","s",1,"s")
model_r(1,"s","s","s",["a","b"],1,"s")
model_liniowy(1,"s","s",["a","b"],["a","b"],1,"s")
model_wielomianowy(1,"s","s","s",["a","b"],[1,2],1,"s")
modele_ekskluzywne(["a","b"])
nazwa_pliku_war_arg("s")
rem_model("s")
rem_model_r("s")
rem_model_liniowy("s")
rem_model_wielomianowy("s")
rem_modele_ekskluzywne(["a","b"])
_argument_znany("s",0.5)
_m_fakt("s","s")
_model(1,"s","s","s","s","s",1,"s")
_model_liniowy(1,"s","s",["a","b"],["a","b"],1,"s")
_model_r(1,"s","s","s",["a","b"],1,"s")
_model_wielomianowy(1,"s","s","s",["a","b"],[1,2],1,"s")
_modele_ekskluzywne(["a","b"])
)");
    expect_round_trip<kb::BazaOgraniczen>(R"(ograniczenie(1,["a","b"])
nazwa_og("s")
nazwa_og_pelna("s")
)");
    expect_round_trip<kb::BazaOgraniczenP>(R"(nazwa_op("s")
nazwa_op_pelna("s")
ograniczenie_n(1,["a","b"])
rem_ograniczenie_n("s")
_ograniczenie_n(1,["a","b"])
)");
    expect_round_trip<kb::BazaRad>("rada(1,\"s\")\n");
    expect_round_trip<kb::BazaGrafiki>("grafika(1,\"s\")\nngrafika(1,\"s\")\n");
    expect_round_trip<kb::BazaMelodii>("dźwięk(1,\"s\")\nndźwięk(1,\"s\")\n");
    expect_round_trip<kb::BazaRaportu>("tekst_raportu(\"s\")\n");
    expect_round_trip<kb::Stan>(R"(blad("s")
jestem_tu("s")
pojedynczy_warunek(1,"s","s")
model_tautologiczny(1,"s","s")
szczegolowosc("s")
wyroznik("s")
opis("s")
dopytywalny("s")
lista_warunkow_dopytywalnych(["a","b"])
nazwa_re("s")
nazwa_re_pelna("s")
nazwa_mo("s")
nazwa_mo_pelna("s")
lista_warunkow(["a","b"])
lista_wnioskow_regul(["a","b"])
lista_wszystkich_dopytywalnych_dla_wyswietlania(["a","b"])
lista_argumentow_dopytywalnych(["a","b"])
lista_argumentow_modeli(["a","b"])
lista_warunkow_i_argumentow_dopytywalnych(["a","b"])
lista_warunkow_stosowania(["a","b"])
lista_wnioskow_modeli(["a","b"])
lista_wynikow_modeli(["a","b"])
lista_wszystkich_zmiennych_logicznych(["a","b"])
zmienne(["a","b"])
wyniki(["a","b"])
argumenty_zredukowane(["a","b"])
wyniki_zredukowane(["a","b"])
lista_argumentow_modelu_arytmetycznego(1,"s",["a","b"])
duplikat_nazwy_mo("s")
zmienna_ustalona("s",0.5)
nazwa_ra("s")
nazwa_ra_pelna("s")
nazwa_gr("s")
nazwa_me("s")
)");
    expect_round_trip<Wszystko>(R"(wszystko("s",1,0.5,["a","b"],[1,2],[["a"],[]])
listy([["a"],[]])
)");
}

TEST(FactFileRoundTrip, DialogChannelIsWrittenWithItsHandlesButTheHandlesAreNeverRead)
{
    const std::string text = factfile::save_text(one_of_each<kb::Dane>());
    EXPECT_EQ(text, R"(tytul("s")
dane_lista_str(["a","b"])
dane_lista_int([1,2])
dane_str("s")
dane_cf_wartość("s")
dane_cf_nazwa("s")
dane_int(1)
dane_do_edycji("s","s",["a","b"],"s")
dane_arg_nazwa("s")
dane_arg_wartość("s")
dane_rada("s")
dane_graf("s")
dane_przecinek("s")
baza("s",0,0)
maxrow(1)
faktdowyswietlenia("s","s")
argument_znanydowyswietlenia("s","s")
pamietana_nazwa("s")
tok("s")
jakiewnioskowanie("s")
)");
    kb::Dane loaded;
    auto error = try_load(loaded, text);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number, 1401);
    EXPECT_EQ(error->line_number, 14u);
    EXPECT_EQ(loaded.dane_przecinek.size(), 1u);
}

// ---- Files: CP1250 on disk, CR LF line ends ----------------------------------------------

class FactFileOnDisk : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = std::filesystem::temp_directory_path() /
               ("factfile_test_" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        std::filesystem::create_directories(dir_);
        files_.emplace(dir_.string());
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    void write_bytes(const std::string& name, const std::string& bytes)
    {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
    }
    std::string read_bytes(const std::string& name)
    {
        std::ifstream in(dir_ / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    std::filesystem::path dir_;
    std::optional<files::Files> files_;
};

TEST_F(FactFileOnDisk, ReportTextSavesAndLoadsBackByteForByte)
{
    const std::string report = "Wniosek: \"grypa\" \\ CF=0.5\nlinia\r\n\\n nie jest końcem\n\n";
    kb::BazaRaportu saved;
    saved.tekst_raportu.set(report);
    factfile::save(saved, *files_, "RAPORT.RPT");
    EXPECT_EQ(read_bytes("RAPORT.RPT"),
              "tekst_raportu(\"Wniosek: \\\"grypa\\\" \\\\ CF=0.5\\nlinia\\r\\n\\\\n nie jest ko\xF1" "cem\\n\\n\")\r\n");
    kb::BazaRaportu loaded;
    factfile::load(loaded, *files_, "RAPORT.RPT");
    EXPECT_EQ(loaded.tekst_raportu.all(), std::vector<std::string>{report});
}

TEST_F(FactFileOnDisk, PolishFactNamesInACp1250File)
{
    // "reguła" with ł = B3, "dźwięk" with ź = 9F and ę = EA, names of conditions in CP1250.
    write_bytes("REzdrowie.BQZ",
                "regu\xB3" "a(1,\"gor\xB9" "czka\",[\"b\xF3l_g\xB3owy\"],1,\"0.7\")\r\n"
                "regu\xB3" "a_dysjunktywna(\"gor\xB9" "czka\")\r\n");
    write_bytes("DZzdrowie.BQZ", "d\x9Fwi\xEAk(1,\"\xBF\xF3\xB3w.wav\")\r\nnd\x9Fwi\xEAk(2,\"a.wav\")");
    kb::Store store;
    factfile::load(store.baza_regul, *files_, "REzdrowie.BQZ");
    factfile::load(store.baza_melodii, *files_, "DZzdrowie.BQZ");
    EXPECT_EQ(store.baza_regul.regula.first(),
              (kb::Regula{1, "gorączka", {"ból_głowy"}, 1, "0.7"}));
    EXPECT_TRUE(store.baza_regul.regula_dysjunktywna.contains("gorączka"));
    EXPECT_EQ(store.baza_melodii.dzwiek.first(), (kb::Medium{1, "żółw.wav"}));
    EXPECT_EQ(store.baza_melodii.ndzwiek.size(), 1u);
}

TEST_F(FactFileOnDisk, PositionsCountCharactersOfCp1250AndUtf8Files)
{
    // The error stands after "reguła(1,"żółć"," : 17 characters in either encoding.
    write_bytes("cp1250.BQZ", "regu\xB3" "a(1,\"\xBF\xF3\xB3\xE6\",x,1,\"1\")\r\n");
    write_bytes("utf8.BQZ", "reguła(1,\"żółć\",x,1,\"1\")\n");
    for (const char* name : {"cp1250.BQZ", "utf8.BQZ"}) {
        kb::BazaRegul db;
        try {
            factfile::load(db, *files_, name);
            ADD_FAILURE() << name << " loaded";
        } catch (const factfile::LoadError& e) {
            EXPECT_EQ(e.number, 1405) << name;
            EXPECT_EQ(e.position, 17u) << name;
            EXPECT_EQ(e.line, "reguła(1,\"żółć\",x,1,\"1\")") << name;
        }
    }
}

TEST_F(FactFileOnDisk, AFileLoadsAsItsBytesDo)
{
    // A file is read line by line, its encoding decided as for its whole bytes: by a line far
    // down in the file too, after lines already read into the facts.
    const std::string ascii_lines = [] {
        std::string out;
        for (int i = 0; i < 50000; ++i) out += "fakt(\"warunek_" + std::to_string(i) + "\",\"1\")\r\n";
        return out;
    }();
    const std::string cases[] = {
        ascii_lines + "fakt(\"\xBF\xF3\xB3w\",\"1\")\r\n",                 // CP1250 only at the end
        ascii_lines + "fakt(\"żółw\",\"1\")\r\n",                             // UTF-8 only at the end
        "fakt(\"żółw\",\"1\")\n" + ascii_lines + "fakt(\"\xBF\",\"1\")",      // UTF-8 until the last line
        ascii_lines + "fakt(\"żółw\",\"1\")\n" + ascii_lines + "fakt(\"\xBF\",\"1\")",  // ASCII, UTF-8, then CP1250
        ascii_lines + "fakt(\"żółw\",\"1\")\n" + ascii_lines,                  // ASCII around UTF-8
        ascii_lines + "fakt(\"a\",1)\n" + "fakt(\"\xBF\",\"1\")",               // an error before CP1250
        ascii_lines + "fakt(\"żółw\",\"1\")\nfakt(\"a\",1)\nfakt(\"\xBF\",\"1\")",  // one after UTF-8
        "fakt(\"a\",\"1\")\n\xEF\xBB\xBF" "fakt(\"żółw\",\"1\")\n",                 // a mark on a later line
        "\xEF\xBB\xBF" "fakt(\"żółw\",\"1\")\r\n\r",                          // a mark, a CR after the last LF
        "fakt(\"" + std::string(3 << 20, 'x') + "\",\"1\")\nfakt(\"a\",\"1\")",  // a line longer than the buffer
        "fakt(\"a\",\"1\")\r\n\r\nfakt(\"b\",\"1\")",                        // an empty line stops the load
    };
    // Facts written out and the first error, of a load.
    const auto loaded = [](const std::function<void(kb::BazaRegul&)>& load) {
        kb::BazaRegul db;
        std::string error = "none";
        try {
            load(db);
        } catch (const factfile::LoadError& e) {
            error = std::to_string(e.number) + " line " + std::to_string(e.line_number) + ": " + e.line;
        }
        return factfile::save_text(db) + "error " + error;
    };
    for (const std::string& bytes : cases) {
        write_bytes("REtest.BQZ", bytes);
        EXPECT_EQ(loaded([&](kb::BazaRegul& db) { factfile::load(db, *files_, "REtest.BQZ"); }),
                  loaded([&](kb::BazaRegul& db) { factfile::load_bytes(db, bytes); }))
            << bytes.substr(0, 40);
    }
}

TEST_F(FactFileOnDisk, ALargeFileReadInPartsLoadsWhatOneReadingLoads)
{
    // Large enough to be read in parts where the machine has two processors or more; the text
    // read goes back to the system as the parts are read, the facts stay whole.
    for (std::initializer_list<int> bad : {std::initializer_list<int>{}, {70001}}) {
        const std::string bytes = rule_base("plik_", 75000, bad);
        ASSERT_GT(bytes.size(), 2 * factfile::detail::kSmallestPart);
        write_bytes("REduza.BQZ", bytes);
        EXPECT_EQ(loaded([&](kb::BazaRegul& db) { factfile::load(db, *files_, "REduza.BQZ"); }), loaded_in_one(bytes));
    }
    // A CP1250 file is read by its parts themselves, each from its own place in the file: the
    // same, wherever the parts begin (one line of the file to a part, at the most).
    const std::string bytes = rule_base("zakresy_", 40, {33}) + "fakt(\"ostatni\",\"1\")";
    write_bytes("REczesci.BQZ", bytes);
    for (std::size_t parts : {1u, 2u, 3u, 7u, 60u}) {
        EXPECT_EQ(loaded([&](kb::BazaRegul& db) {
                      files::FileLines lines(*files_, "REczesci.BQZ");
                      ASSERT_TRUE(factfile::detail::cp1250_by_first_other_line(lines));
                      factfile::detail::load_file_in_parts(db, *files_, "REczesci.BQZ", lines, parts);
                  }),
                  loaded_in_one(bytes))
            << parts << " parts";
    }
}

TEST_F(FactFileOnDisk, LoadingTheSameFileTwiceGivesEveryFactTwice)
{
    write_bytes("OGa.BQZ", "ograniczenie(1,[\"a\",\"b\"])\r\nograniczenie(2,[\"c\"])\r\n");
    kb::BazaOgraniczen db;
    factfile::load(db, *files_, "OGa.BQZ");
    factfile::load(db, *files_, "OGa.BQZ");
    std::vector<std::int32_t> numbers;
    for (const auto& o : db.ograniczenie.all()) numbers.push_back(o.numer);
    EXPECT_EQ(numbers, (std::vector<std::int32_t>{1, 2, 1, 2}));
}

TEST_F(FactFileOnDisk, AMissingFileRaisesAFileErrorAndLeavesTheDatabaseAlone)
{
    kb::BazaRegul db;
    db.fakt.add_last({"a", "1"});
    EXPECT_THROW(factfile::load(db, *files_, "BRAK.BQZ"), files::FileError);
    EXPECT_EQ(db.fakt.size(), 1u);
}

}  // namespace
