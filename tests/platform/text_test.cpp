// Tests of the text and number primitives: encodings, character helpers, number texts.
// Tables of cases; no files and no locale changes except the one test that checks independence.
#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include "platform/cp1250_key.h"
#include "platform/text.h"

namespace {

using text::Encoding;
using text::NumberStatus;

std::string all_bytes() {
    std::string bytes;
    for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
    return bytes;
}

// ---- Encodings ----

TEST(Cp1250, EveryByteRoundTripsThroughUtf8) {
    const std::string bytes = all_bytes();
    const std::string utf8 = text::cp1250_to_utf8(bytes);
    EXPECT_EQ(text::detect_encoding(utf8), Encoding::Utf8);  // valid UTF-8
    EXPECT_EQ(text::length(utf8), 256u);
    EXPECT_EQ(text::utf8_to_cp1250(utf8), bytes);
    EXPECT_EQ(text::encode(text::decode(bytes, Encoding::Cp1250), Encoding::Cp1250), bytes);
}

TEST(Cp1250, MapsTheLettersAndTheUnassignedBytes) {
    struct Case {
        unsigned char byte;
        const char* utf8;
    };
    const Case cases[] = {
        {0xA5, "Ą"}, {0xB9, "ą"}, {0xC6, "Ć"}, {0xE6, "ć"}, {0xCA, "Ę"}, {0xEA, "ę"},
        {0xA3, "Ł"}, {0xB3, "ł"}, {0xD1, "Ń"}, {0xF1, "ń"}, {0xD3, "Ó"}, {0xF3, "ó"},
        {0x8C, "Ś"}, {0x9C, "ś"}, {0x8F, "Ź"}, {0x9F, "ź"}, {0xAF, "Ż"}, {0xBF, "ż"},
        {0x80, "€"}, {0x96, "–"}, {0x84, "„"}, {0x94, "”"}, {0xA0, "\u00A0"},
        {0x81, "\u0081"}, {0x83, "\u0083"}, {0x88, "\u0088"}, {0x90, "\u0090"}, {0x98, "\u0098"},
    };
    for (const Case& c : cases) {
        const std::string byte(1, static_cast<char>(c.byte));
        EXPECT_EQ(text::cp1250_to_utf8(byte), c.utf8) << std::hex << int{c.byte};
        EXPECT_EQ(text::utf8_to_cp1250(c.utf8), byte) << std::hex << int{c.byte};
    }
}

TEST(Cp1250, CharactersItCannotHoldBecomeQuestionMarks) {
    EXPECT_EQ(text::utf8_to_cp1250("a中b"), "a?b");
    EXPECT_EQ(text::utf8_to_cp1250("x\xFFy"), "x?y");            // a stray byte
    EXPECT_EQ(text::utf8_to_cp1250("\xC3\xB3\xC3"), "\xF3?");     // a cut-off sequence
    EXPECT_EQ(text::utf8_to_cp1250("\u0082"), "?");               // a C1 control 0x82 does not hold
}

TEST(Encoding, DetectsUtf8OnlyWhenValidAndNonAscii) {
    struct Case {
        std::string bytes;
        Encoding expected;
    };
    const Case cases[] = {
        {"", Encoding::Cp1250},
        {"re(1,\"a\")\r\n", Encoding::Cp1250},
        {"zażółć gęślą", Encoding::Utf8},
        {"za\xBF\xF3\xB3\xE6", Encoding::Cp1250},        // "zażółć" in CP1250
        {"\xC5\xBC\xC3", Encoding::Cp1250},              // ends inside a sequence
        {"\xC0\xAF", Encoding::Cp1250},                  // overlong "/"
        {"\xED\xA0\x80", Encoding::Cp1250},              // a surrogate
        {"\xF4\x90\x80\x80", Encoding::Cp1250},          // beyond U+10FFFF
        {"\xEF\xBB\xBFre", Encoding::Utf8},              // byte-order mark
        {"\xF0\x9F\x98\x80", Encoding::Utf8},            // four bytes
    };
    for (const Case& c : cases) EXPECT_EQ(text::detect_encoding(c.bytes), c.expected) << c.bytes;
}

TEST(Cp1250, DecodingIntoABufferReplacesItsText) {
    std::string buffer = "a longer text that was there before";
    text::cp1250_to_utf8("\xBF\xF3\xB3w", buffer);
    EXPECT_EQ(buffer, "żółw");
    text::cp1250_to_utf8("", buffer);
    EXPECT_EQ(buffer, "");
    text::cp1250_to_utf8(all_bytes(), buffer);
    EXPECT_EQ(buffer, text::cp1250_to_utf8(all_bytes()));
}

TEST(Cp1250, DecodingTakesEveryByteWhateverTheAsciiRunsAroundIt) {
    // Runs of ASCII are decoded a word at a time: a letter after a run of any length, and a run
    // cut short by the end, decode as the bytes one by one.
    const auto byte_by_byte = [](std::string_view bytes) {
        std::string out;
        for (char b : bytes) out += text::cp1250_to_utf8(std::string(1, b));
        return out;
    };
    std::string buffer;
    for (std::size_t run = 0; run < 20; ++run) {
        const std::string ascii(run, 'r');
        for (const std::string& bytes : {ascii, ascii + "\xB3" + ascii, "\x80" + ascii + "\xB9\xFF" + ascii + "e"}) {
            text::cp1250_to_utf8(bytes, buffer);
            EXPECT_EQ(buffer, byte_by_byte(bytes)) << run;
        }
    }
}

TEST(Encoding, DetectionLooksAtEveryByteOfLongAsciiRuns) {
    // Runs of ASCII are skipped a word at a time: what follows them at any offset still counts.
    for (std::size_t run = 0; run < 20; ++run) {
        const std::string ascii(run, 'a');
        EXPECT_EQ(text::detect_encoding(ascii + "ż" + ascii), Encoding::Utf8) << run;
        EXPECT_EQ(text::detect_encoding(ascii + "\xBF" + ascii), Encoding::Cp1250) << run;
        EXPECT_EQ(text::detect_encoding(ascii + "ż" + ascii + "\xC5"), Encoding::Cp1250) << run;
        EXPECT_EQ(text::detect_encoding(ascii), Encoding::Cp1250) << run;
    }
}

TEST(Encoding, Utf8DecodeDropsAByteOrderMark) {
    EXPECT_EQ(text::decode("\xEF\xBB\xBFżaba", Encoding::Utf8), "żaba");
    EXPECT_EQ(text::decode("żaba", Encoding::Utf8), "żaba");
}

// ---- Characters ----

TEST(Characters, CountAndCutByCodePoints) {
    const std::string s = "Łódź 中!";
    EXPECT_EQ(text::length(s), 7u);
    EXPECT_EQ(text::length(""), 0u);
    EXPECT_EQ(text::substring(s, 1, 3), "ódź");
    EXPECT_EQ(text::substring(s, 5), "中!");
    EXPECT_EQ(text::substring(s, 6, 100), "!");
    EXPECT_EQ(text::substring(s, 9, 2), "");
    EXPECT_EQ(text::substring(s, 0, 0), "");
    EXPECT_EQ(text::byte_offset(s, 0), 0u);
    EXPECT_EQ(text::byte_offset(s, 1), 2u);
    EXPECT_EQ(text::byte_offset(s, 6), 11u);
    EXPECT_EQ(text::byte_offset(s, 99), s.size());
    EXPECT_EQ(text::char_count(s, 4), 2u);  // "Łó"
    EXPECT_EQ(text::char_count(s, 6), 4u);  // "Łódź" cut inside "ź" still counts it
    EXPECT_EQ(text::char_count(s, s.size()), 7u);
    EXPECT_EQ(text::char_count(s, 1000), 7u);
}

TEST(Characters, StrayBytesCountAsOneCharacterEach) {
    const std::string s = "a\xFF\xC5z";
    EXPECT_EQ(text::length(s), 4u);
    EXPECT_EQ(text::substring(s, 1, 2), "\xFF\xC5");
    EXPECT_EQ(text::to_upper(s), "A\xFF\xC5Z");
}

TEST(Characters, ChangesCaseOfPolishLetters) {
    EXPECT_EQ(text::to_upper("zażółć gęślą jaźń"), "ZAŻÓŁĆ GĘŚLĄ JAŹŃ");
    EXPECT_EQ(text::to_lower("ZAŻÓŁĆ GĘŚLĄ JAŹŃ"), "zażółć gęślą jaźń");
    EXPECT_EQ(text::to_upper("šťžľŕéüő"), "ŠŤŽĽŔÉÜŐ");
    EXPECT_EQ(text::to_upper("ß×÷€1 中"), "ß×÷€1 中");  // no case, or none CP1250 can hold
    EXPECT_EQ(text::to_lower("ß×÷€1 中"), "ß×÷€1 中");
}

TEST(Characters, CaseChangeRoundTripsForEveryCp1250Letter) {
    int letters = 0;
    for (int b = 0; b < 256; ++b) {
        const std::string one = text::cp1250_to_utf8(std::string(1, static_cast<char>(b)));
        if (!text::is_letter(text::code_points(one).front())) continue;
        ++letters;
        const std::string upper = text::to_upper(one);
        const std::string lower = text::to_lower(one);
        EXPECT_EQ(text::to_lower(upper), lower) << one;
        EXPECT_EQ(text::to_upper(lower), upper) << one;
        EXPECT_TRUE(text::equal_ignoring_case(upper, lower)) << one;
    }
    EXPECT_EQ(letters, 52 + 20 + 60 + 1);  // ASCII, Š..Ż pairs, the 0xC0 block without × ÷, ß
}

TEST(Characters, KnowsLetters) {
    for (char32_t c : {U'a', U'Z', U'ą', U'Ą', U'ł', U'Ł', U'ż', U'Ż', U'ź', U'ó', U'é', U'ß', U'Š'}) {
        EXPECT_TRUE(text::is_letter(c)) << static_cast<unsigned>(c);
    }
    for (char32_t c : {U'1', U' ', U'_', U'×', U'÷', U'€', U'§', U'中', char32_t{0xDCFF}}) {
        EXPECT_FALSE(text::is_letter(c)) << static_cast<unsigned>(c);
    }
}

TEST(Characters, ComparesIgnoringCase) {
    EXPECT_TRUE(text::equal_ignoring_case("ŻÓŁW.bqz", "żółw.BQZ"));
    EXPECT_TRUE(text::equal_ignoring_case("", ""));
    EXPECT_FALSE(text::equal_ignoring_case("żółw", "zolw"));
    EXPECT_FALSE(text::equal_ignoring_case("abc", "abcd"));
    EXPECT_FALSE(text::equal_ignoring_case("a\xFF", "a\xFE"));
}

TEST(Characters, OrdersByCp1250Bytes) {
    // UTF-8 byte order would put "ó" (C3 B3) before "ą" (C4 85) and both before "Ś" (C5 9A).
    std::vector<std::string> words = {"ó", "ą", "Z", "a", "Ś", "ab", "", "abc", "Ł", "ż", "中", "B"};
    std::sort(words.begin(), words.end(), text::cp1250_less);
    const std::vector<std::string> expected = {"", "B", "Z", "a", "ab", "abc", "Ś", "Ł", "ą", "ż", "ó", "中"};
    EXPECT_EQ(words, expected);
    EXPECT_EQ(text::cp1250_compare("abc", "abc"), 0);
    EXPECT_LT(text::cp1250_compare("Z", "a"), 0);
    EXPECT_LT(text::cp1250_compare("a", "ą"), 0);
    EXPECT_GT(text::cp1250_compare("ą", "z"), 0);
    EXPECT_GT(text::cp1250_compare("ab", "a"), 0);
    // Texts that first differ inside a character, or where one ends inside the other's: the
    // order is that of the whole characters.
    struct Case {
        std::string a, b;
        int sign;
    };
    const Case cases[] = {
        {"gorączka_1", "gorączka_2", -1},
        {"ząb", "zęby", -1},                  // ą (B9) before ę (EA), both lead with C4
        {"Ś", "Ź", -1},                       // 8C before 8F, both lead with C5
        {"źle", "Śnieg", 1},
        {"za\xC4", "zaą", 1},                // a lone lead byte sorts after every CP1250 byte
        {"zaą", "za\xC4", -1},
        {"\x85", "\x85\x85", -1},          // stray continuation bytes are characters too
        {"a\x85", "a\x86", -1},
        {"żółw", "żółw", 0},
        {"", "a", -1},
    };
    for (const Case& c : cases) {
        const int got = text::cp1250_compare(c.a, c.b);
        EXPECT_EQ((got > 0) - (got < 0), c.sign) << c.a << " " << c.b;
        // The same order as the CP1250 bytes of texts that CP1250 holds.
        if (text::detect_encoding(c.a + c.b + "ą") == Encoding::Utf8) {
            const int bytes = text::utf8_to_cp1250(c.a).compare(text::utf8_to_cp1250(c.b));
            EXPECT_EQ((bytes > 0) - (bytes < 0), c.sign) << c.a << " " << c.b;
        }
    }
}

// Sort keys order texts exactly as cp1250_compare does: texts sharing long starts, ending
// inside one another, holding characters beyond CP1250, the last CP1250 byte, stray bytes and
// byte 0, and random texts of a small alphabet.
TEST(Characters, SortKeysOrderAsTheComparison) {
    std::vector<std::string> texts = {"", "a", "ab", "abc", "B", "Z", "ą", "ó", "Ś", "Ł", "ż", "中", "中a", "\xFF",
                                      "˙", "˙a", "˙b", "a\xC4", "aą", "a\x85", "a\x86", "\x01", "a\x01",
                                      "wartość_ciśnienie_0", "wartość_ciśnienie_1", "wartość_ciśnienia",
                                      "wartość_ciśnien", "wartość_ciśnienie_0_długi", "utrata_węchu_nawracający_187",
                                      "utrata_węchu_nawracający_20", "abcdefghijklmnop", "abcdefghijklmnopq",
                                      "abcdefghijklmnoą", "abcdefghijklmno"};
    const std::string alphabet[] = {"a", "b", "ą", "ź", "Z", "中", "\x85", "_"};
    std::uint32_t seed = 12345;
    auto next = [&] { return seed = seed * 1103515245u + 12345u; };
    for (int i = 0; i < 300; ++i) {
        std::string t;
        for (std::uint32_t n = next() % 20; n > 0; --n) t += alphabet[(next() >> 8) % std::size(alphabet)];
        texts.push_back(t);
    }
    texts.push_back(std::string("a\0", 2));
    texts.push_back(std::string("a\0b", 3));
    auto key = [](const std::string& t) {
        std::string k;
        text::append_cp1250_key(t, k);
        return k;
    };
    for (const std::string& a : texts)
        for (const std::string& b : texts) {
            const int by_keys = key(a).compare(key(b));
            const int compared = text::cp1250_compare(a, b);
            EXPECT_EQ((by_keys > 0) - (by_keys < 0), (compared > 0) - (compared < 0)) << a << " | " << b;
        }
}

// ---- Real to text ----

TEST(RealToText, WritesTheGeneralTenDigitForm) {
    struct Case {
        double value;
        const char* expected;
    };
    const Case cases[] = {
        {1.0, "1"},
        {0.5, "0.5"},
        {-0.25, "-0.25"},
        {100.0, "100"},
        {2.0 / 3.0, "0.6666666667"},
        {-2.0 / 3.0, "-0.6666666667"},
        {0.0001, "0.0001"},
        {0.00001, "1E-05"},
        {0.00012345, "0.00012345"},
        {1.5e10, "1.5E+10"},
        {1e10, "1E+10"},
        {9999999999.0, "9999999999"},
        {9999999999.7, "1E+10"},  // ten digits round it up to eleven before the point
        {1234567890.4, "1234567890"},
        {123456789012.0, "1.23456789E+11"},
        {1e15, "1E+15"},
        {1e100, "1E+100"},
        {-1.5e-7, "-1.5E-07"},
        {1.5e-7, "1.5E-07"},
        {1e-100, "1E-100"},
        {0.000099999999999, "0.0001"},  // rounds into positional notation
        {0.3, "0.3"},
        {0.1 + 0.2, "0.3"},
        {12.5, "12.5"},
        {0.0, "0"},
        {-0.0, "0"},
        {std::numeric_limits<double>::max(), "1.797693135E+308"},
        {std::numeric_limits<double>::denorm_min(), "4.940656458E-324"},
        {std::numeric_limits<double>::quiet_NaN(), "NAN"},
        {std::numeric_limits<double>::infinity(), "INF"},
        {-std::numeric_limits<double>::infinity(), "-INF"},
    };
    for (const Case& c : cases) EXPECT_EQ(text::real_to_text(c.value), c.expected) << c.expected;
}

TEST(RealToText, IgnoresADecimalCommaLocale) {
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    const char* comma_locales[] = {"pl_PL.UTF-8", "pl_PL.utf8", "de_DE.UTF-8", "de_DE.utf8"};
    const char* used = nullptr;
    for (const char* name : comma_locales) {
        if (std::setlocale(LC_NUMERIC, name)) {
            used = name;
            break;
        }
    }
    if (!used) GTEST_SKIP() << "no locale with a decimal comma installed";
    const std::string written = text::real_to_text(0.5);
    const auto read = text::text_to_real("0.5");
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(written, "0.5");
    EXPECT_EQ(read, 0.5);
}

TEST(IntToText, WritesDecimal) {
    EXPECT_EQ(text::int_to_text(0), "0");
    EXPECT_EQ(text::int_to_text(-42), "-42");
    EXPECT_EQ(text::int_to_text(2147483647), "2147483647");
}

// ---- Fact-file numbers ----

TEST(ReadFactInt, ReadsTheFieldGrammar) {
    struct Case {
        const char* input;
        NumberStatus status;
        std::int32_t value;
        std::size_t consumed;
    };
    const Case cases[] = {
        {"0x1F", NumberStatus::Ok, 31, 4},
        {"0X1f)", NumberStatus::Ok, 31, 4},
        {"0o17", NumberStatus::Ok, 15, 4},
        {"0O17,", NumberStatus::Ok, 15, 4},
        {"-0x10", NumberStatus::Ok, -16, 5},
        {"010", NumberStatus::Ok, 10, 3},
        {"0", NumberStatus::Ok, 0, 1},
        {"-0", NumberStatus::Ok, 0, 2},
        {"12abc", NumberStatus::Ok, 12, 2},
        {"0o78", NumberStatus::Ok, 7, 3},
        {"2147483647", NumberStatus::Ok, 2147483647, 10},
        {"-2147483647", NumberStatus::Ok, -2147483647, 11},
        {"0x7FFFFFFF", NumberStatus::Ok, 2147483647, 10},
        {"00000000000000000001", NumberStatus::Ok, 1, 20},
        {"+5", NumberStatus::NoDigit, 0, 0},
        {"-", NumberStatus::NoDigit, 0, 0},
        {"", NumberStatus::NoDigit, 0, 0},
        {" 5", NumberStatus::NoDigit, 0, 0},
        {"- 5", NumberStatus::NoDigit, 0, 0},
        {"0x", NumberStatus::NoDigit, 0, 0},
        {"0xg", NumberStatus::NoDigit, 0, 0},
        {"0o8", NumberStatus::NoDigit, 0, 0},
        {"x1", NumberStatus::NoDigit, 0, 0},
        {"2147483648", NumberStatus::OutOfRange, 0, 0},
        {"-2147483648", NumberStatus::OutOfRange, 0, 0},
        {"0x80000000", NumberStatus::OutOfRange, 0, 0},
        {"0o20000000000", NumberStatus::OutOfRange, 0, 0},
        {"99999999999999999999999999", NumberStatus::OutOfRange, 0, 0},
    };
    for (const Case& c : cases) {
        const text::IntRead read = text::read_fact_int(c.input);
        EXPECT_EQ(read.status, c.status) << c.input;
        EXPECT_EQ(read.value, c.value) << c.input;
        EXPECT_EQ(read.consumed, c.consumed) << c.input;
    }
}

TEST(ReadFactReal, ReadsTheFieldGrammar) {
    struct Case {
        const char* input;
        NumberStatus status;
        double value;
        std::size_t consumed;
    };
    const Case cases[] = {
        {"1", NumberStatus::Ok, 1.0, 1},
        {".5", NumberStatus::Ok, 0.5, 2},
        {"5.", NumberStatus::Ok, 5.0, 2},
        {"1e3", NumberStatus::Ok, 1000.0, 3},
        {"1e-3)", NumberStatus::Ok, 0.001, 4},
        {"2.5E+2", NumberStatus::Ok, 250.0, 6},
        {"-0.25,", NumberStatus::Ok, -0.25, 5},
        {"+1", NumberStatus::Ok, 1.0, 2},
        {"1e", NumberStatus::Ok, 1.0, 2},     // an exponent without digits is exponent 0
        {"1E+)", NumberStatus::Ok, 1.0, 3},
        {"1.5.2", NumberStatus::Ok, 1.5, 3},
        {"1e-400", NumberStatus::Ok, 0.0, 6},  // too small for a double: zero
        {"0e999999999999999", NumberStatus::Ok, 0.0, 17},
        {".", NumberStatus::NoDigit, 0, 0},
        {"-", NumberStatus::NoDigit, 0, 0},
        {"-.", NumberStatus::NoDigit, 0, 0},
        {"", NumberStatus::NoDigit, 0, 0},
        {"e5", NumberStatus::NoDigit, 0, 0},
        {" 1", NumberStatus::NoDigit, 0, 0},
        {"NAN", NumberStatus::NoDigit, 0, 0},
        {"1e999", NumberStatus::OutOfRange, 0, 0},
        {"-1e309", NumberStatus::OutOfRange, 0, 0},
        {"1e99999999999999999999999", NumberStatus::OutOfRange, 0, 0},
    };
    for (const Case& c : cases) {
        const text::RealRead read = text::read_fact_real(c.input);
        EXPECT_EQ(read.status, c.status) << c.input;
        EXPECT_EQ(read.value, c.value) << c.input;
        EXPECT_EQ(read.consumed, c.consumed) << c.input;
    }
}

// ---- Text to number ----

TEST(TextToReal, AcceptsNumbersWithBlanksAround) {
    struct Case {
        const char* input;
        double value;
    };
    const Case cases[] = {
        {"1", 1.0},         {"  0.5  ", 0.5},   {"-0.25", -0.25}, {"+.5", 0.5},
        {"5.", 5.0},        {"1e3", 1000.0},    {"1E-2", 0.01},   {"2.5e+2", 250.0},
        {"1e", 1.0},        {"1e+", 1.0},       {"3E- ", 3.0},    {"0.8", 0.8},
        {"-0", -0.0},       {"007", 7.0},       {"1e-400", 0.0},  {"123456789012345678901234567890", 1.2345678901234568e29},
    };
    for (const Case& c : cases) {
        const auto value = text::text_to_real(c.input);
        ASSERT_TRUE(value.has_value()) << c.input;
        EXPECT_EQ(*value, c.value) << c.input;
    }
}

TEST(TextToReal, ReadsNanAndInfinityInAnyCase) {
    for (const char* input : {"NAN", "nan", " -NaN ", "+nAn"}) {
        const auto value = text::text_to_real(input);
        ASSERT_TRUE(value.has_value()) << input;
        EXPECT_TRUE(std::isnan(*value)) << input;
    }
    EXPECT_EQ(text::text_to_real("INF"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(text::text_to_real(" inf "), std::numeric_limits<double>::infinity());
    EXPECT_EQ(text::text_to_real("-Inf"), -std::numeric_limits<double>::infinity());
}

TEST(TextToReal, RejectsEverythingElse) {
    for (const char* input : {"", "   ", ".", "-", "+", "0,5", "1.2.3", "\t1", "1\t", "1 2", "- 1",
                              "- INF", "1x", "x1", "e5", ".e5", "INFINITY", "NA N", "1e5.0", "--1",
                              "1e999", "-1e400", "١"}) {
        EXPECT_FALSE(text::text_to_real(input).has_value()) << input;
    }
}

TEST(TextToInt, ReadsAWholeTextInTheInt32Range) {
    EXPECT_EQ(text::text_to_int("42"), 42);
    EXPECT_EQ(text::text_to_int("  -7 "), -7);
    EXPECT_EQ(text::text_to_int("+3"), 3);
    EXPECT_EQ(text::text_to_int("2147483647"), 2147483647);
    EXPECT_EQ(text::text_to_int("-2147483648"), std::numeric_limits<std::int32_t>::min());
    for (const char* input : {"", " ", "-", "2147483648", "-2147483649", "1.0", "1e3", "0x10", "9999999999999999999999"}) {
        EXPECT_FALSE(text::text_to_int(input).has_value()) << input;
    }
}

// ---- Rounding ----

TEST(Rounding, RoundToIntTakesHalvesAwayFromZero) {
    struct Case {
        double value;
        std::optional<std::int32_t> expected;
    };
    const Case cases[] = {
        {0.5, 1},
        {-0.5, -1},
        {2.5, 3},
        {-2.5, -3},
        {0.49999999999999994, 0},
        {1.4999999999999998, 1},
        {2147483647.0, 2147483647},
        {2147483647.4, 2147483647},
        {2147483647.5, std::nullopt},
        {-2147483648.0, std::numeric_limits<std::int32_t>::min()},
        {-2147483648.5, std::nullopt},
        {1e20, std::nullopt},
        {std::numeric_limits<double>::infinity(), std::nullopt},
        {std::numeric_limits<double>::quiet_NaN(), std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(text::round_to_int(c.value), c.expected) << c.value;
}

TEST(Rounding, RoundHalfUpTakesHalvesTowardsPlusInfinity) {
    struct Case {
        double value;
        double expected;
    };
    const Case cases[] = {
        {0.5, 1.0},
        {-0.5, 0.0},
        {2.5, 3.0},
        {-2.5, -2.0},
        {-2.6, -3.0},
        {0.49999999999999994, 0.0},  // floor(x + 0.5) would give 1
        {-0.49999999999999994, 0.0},
        {4503599627370497.0, 4503599627370497.0},  // 2^52 + 1: x + 0.5 would round to 2^52 + 2
        {1e300, 1e300},
        {7.0, 7.0},
    };
    for (const Case& c : cases) EXPECT_EQ(text::round_half_up(c.value), c.expected) << c.value;
    EXPECT_TRUE(std::isnan(text::round_half_up(std::numeric_limits<double>::quiet_NaN())));
    EXPECT_EQ(text::round_half_up(-std::numeric_limits<double>::infinity()),
              -std::numeric_limits<double>::infinity());
}

}  // namespace
