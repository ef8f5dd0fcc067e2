// Builds large rule bases from a small vocabulary of Polish symptom and diagnosis words.
// Deterministic for a seed; no file access, no dependence on the fact store.
#include "generate_bases.h"

#include <array>
#include <random>
#include <string_view>

namespace bench {

namespace {

constexpr std::array<std::string_view, 24> kSymptoms = {
    "gorączka", "kaszel", "ból_głowy", "duszność", "wysypka", "zmęczenie", "nudności",
    "ból_gardła", "katar", "dreszcze", "światłowstręt", "zawroty_głowy", "osłabienie",
    "ból_mięśni", "utrata_węchu", "biegunka", "wymioty", "ból_brzucha", "obrzęk_kończyn",
    "kołatanie_serca", "bezsenność", "świąd_skóry", "łzawienie", "chrypka"};

constexpr std::array<std::string_view, 8> kDegrees = {
    "", "_silny", "_łagodny", "_przewlekły", "_nocny", "_poranny", "_nawracający", "_ostry"};

constexpr std::array<std::string_view, 16> kDiagnoses = {
    "grypa", "przeziębienie", "zapalenie_płuc", "angina", "alergia_sezonowa", "odra",
    "ospa_wietrzna", "zatrucie_pokarmowe", "migrena", "niedoczynność_tarczycy", "anemia",
    "zapalenie_zatok", "półpasiec", "borelioza", "astma_oskrzelowa", "niewydolność_serca"};

constexpr std::array<std::string_view, 10> kCf = {
    "1", "0.9", "0.85", "0.8", "0.75", "0.6", "0.5", "0.3", "-0.4", "-0.7"};

class Writer {
public:
    explicit Writer(unsigned seed) : random_(seed) {}

    std::size_t pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_); }

    void condition(std::string& out)
    {
        if (pick(5) == 0) out += 'n';  // a negated condition
        out += kSymptoms[pick(kSymptoms.size())];
        out += kDegrees[pick(kDegrees.size())];
        if (pick(3) == 0) {
            out += '_';
            out += std::to_string(pick(40));
        }
    }

    void conclusion(std::string& out, std::size_t number)
    {
        out += kDiagnoses[pick(kDiagnoses.size())];
        out += '_';
        out += std::to_string(number % 997);
    }

    void rule(std::string& out, std::size_t number)
    {
        out += "reguła(";
        out += std::to_string(number);
        out += ",\"";
        conclusion(out, number);
        out += "\",[";
        std::size_t conditions = 1 + pick(5);
        for (std::size_t i = 0; i < conditions; ++i) {
            if (i) out += ',';
            out += '"';
            condition(out);
            out += '"';
        }
        out += "],";
        out += pick(4) ? '1' : '0';
        out += ",\"";
        out += kCf[pick(kCf.size())];
        out += "\")\n";
    }

private:
    std::mt19937 random_;
};

}  // namespace

std::string generate_rule_base(std::size_t rules, unsigned seed)
{
    Writer w(seed);
    std::string out;
    out.reserve(rules * 110);
    out += "rem_reguła(\"Baza wygenerowana do pomiarów: objawy i rozpoznania\")\n";
    for (std::size_t n = 1; n <= rules; ++n) {
        w.rule(out, n);
        if (n % 50 == 0) {
            out += "reguła_dysjunktywna(\"";
            w.conclusion(out, n);
            out += "\")\n";
        }
        if (n % 200 == 0) {
            out += "fakt(\"";
            w.condition(out);
            out += "\",\"0.7\")\n";
        }
    }
    return out;
}

}  // namespace bench
