// Builds large rule and model bases from a small vocabulary of Polish words, numbered so that
// names stay distinct at a million rules. Deterministic for a seed; no file access, no
// dependence on the fact store. No name starts with "n" unless it is a negation.
#include "generate_bases.h"

#include <array>
#include <random>
#include <vector>

namespace bench {

namespace {

constexpr std::array<std::string_view, 24> kSymptoms = {
    "gorączka", "kaszel", "ból_głowy", "duszność", "wysypka", "zmęczenie", "mdłości",
    "ból_gardła", "katar", "dreszcze", "światłowstręt", "zawroty_głowy", "osłabienie",
    "ból_mięśni", "utrata_węchu", "biegunka", "wymioty", "ból_brzucha", "obrzęk_kończyn",
    "kołatanie_serca", "bezsenność", "świąd_skóry", "łzawienie", "chrypka"};

constexpr std::array<std::string_view, 8> kDegrees = {
    "", "_silny", "_łagodny", "_przewlekły", "_nocny", "_poranny", "_nawracający", "_ostry"};

constexpr std::array<std::string_view, 16> kDiagnoses = {
    "grypa", "przeziębienie", "zapalenie_płuc", "angina", "alergia_sezonowa", "odra",
    "ospa_wietrzna", "zatrucie_pokarmowe", "migrena", "zaburzenie_tarczycy", "anemia",
    "zapalenie_zatok", "półpasiec", "borelioza", "astma_oskrzelowa", "choroba_wieńcowa"};

// Rule CF texts; the last one, "1", is left out for rules of one condition.
constexpr std::array<std::string_view, 10> kCf = {
    "0.9", "0.85", "0.8", "0.75", "0.6", "0.5", "0.3", "-0.4", "-0.7", "1"};

constexpr std::array<std::string_view, 16> kQuantities = {
    "temperatura", "ciśnienie", "wilgotność", "prędkość", "masa", "długość", "szerokość",
    "wysokość", "opór", "moc", "przepływ", "stężenie", "częstotliwość", "objętość", "gęstość",
    "zużycie_energii"};

constexpr std::array<std::string_view, 9> kTwoArgumentOps = {
    "+", "-", "*", "/", "min", "max", "%", "div", "mod"};
constexpr std::array<std::string_view, 8> kOneArgumentOps = {
    "sqrt", "ln", "abs", "round", "trunc", "exp", "sin", "arctan"};
constexpr std::array<std::string_view, 7> kRelations = {">", "<", ">=", "<=", "==", "><", "<>"};
constexpr std::array<std::string_view, 4> kListOps = {"+", "*", "min_list", "max_list"};
constexpr std::array<std::string_view, 4> kIntervals = {"<,<", "<=,<", "<,<=", "<=,<="};
// Constants of the models: never 0 or 1, so that no model is an identity.
constexpr std::array<std::string_view, 8> kConstants = {"2", "3.5", "10", "0.25", "100", "1.2", "7", "12.5"};

class Random {
public:
    explicit Random(unsigned seed) : engine_(seed) {}
    std::size_t pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(engine_); }
    bool one_in(std::size_t n) { return pick(n) == 0; }
    template <class A>
    std::string_view of(const A& words) { return words[pick(words.size())]; }

private:
    std::mt19937 engine_;
};

void quoted(std::string& out, std::string_view name)
{
    out += '"';
    out += name;
    out += '"';
}

void number(std::string& out, std::size_t n) { out += std::to_string(n); }

// ---- Rule bases ----------------------------------------------------------------------------

// An askable condition: one of a pool of symptom names, distinct for each index.
std::string askable(std::size_t i)
{
    std::string s(kSymptoms[i % kSymptoms.size()]);
    s += kDegrees[(i / kSymptoms.size()) % kDegrees.size()];
    s += '_';
    number(s, i / (kSymptoms.size() * kDegrees.size()));
    return s;
}

std::string conclusion(std::size_t i)
{
    std::string s(kDiagnoses[i % kDiagnoses.size()]);
    s += '_';
    number(s, i / kDiagnoses.size());
    return s;
}

class RuleWriter {
public:
    RuleWriter(std::string& out, unsigned seed, std::size_t rules, std::size_t conclusions)
        : out_(out), random_(seed), rules_(rules), conclusions_(conclusions), askables_(rules / 2 + 64)
    {
    }

    // Rules 1..rules of conclusions 0..conclusions-1, each conclusion's rules together; then
    // `extra` rules whose conditions the caller gives.
    void write_all()
    {
        out_ += "rem_reguła(\"Baza wygenerowana do pomiarów: objawy i rozpoznania\")\n";
        std::size_t previous = conclusions_;
        for (std::size_t n = 1; n <= rules_; ++n) {
            const std::size_t c = (n - 1) * conclusions_ / rules_;
            if (c != previous && c % 50 == 49) {
                out_ += "reguła_dysjunktywna(";
                quoted(out_, conclusion(c));
                out_ += ")\n";
            }
            previous = c;
            rule(n, c);
            if (n % 200 == 0 && !last_askable_.empty()) {
                out_ += "fakt(";
                quoted(out_, last_askable_);
                out_ += ",\"0.7\")\n";
            }
            if (n % 5000 == 0) out_ += "rem_reguła(\"Następna grupa rozpoznań\")\n";
        }
    }

    // One rule of its own conclusion with the given conditions.
    void rule_with(std::size_t n, std::string_view wniosek, const std::vector<std::string>& warunki)
    {
        out_ += "reguła(";
        number(out_, n);
        out_ += ',';
        quoted(out_, wniosek);
        out_ += ",[";
        for (std::size_t i = 0; i < warunki.size(); ++i) {
            if (i) out_ += ',';
            quoted(out_, warunki[i]);
        }
        out_ += "],";
        out_ += random_.one_in(4) ? '0' : '1';
        out_ += ',';
        quoted(out_, kCf[random_.pick(kCf.size() - (warunki.size() == 1 ? 1 : 0))]);
        out_ += ")\n";
    }

    std::string askable_name() { return askable(random_.pick(askables_)); }

private:
    // About 30% of the conditions are conclusions of later rules (so the base has no cycle),
    // 20% are negated.
    void rule(std::size_t n, std::size_t c)
    {
        const std::size_t count = 1 + random_.pick(4);
        std::vector<std::string> warunki;
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t later = conclusions_ - c - 1;
            std::string name;
            if (later > 0 && random_.pick(10) < 3) {
                name = conclusion(c + 1 + random_.pick(later));
            } else {
                name = askable_name();
                last_askable_ = name;
            }
            if (random_.one_in(5)) name.insert(0, "n");
            warunki.push_back(std::move(name));
        }
        rule_with(n, conclusion(c), warunki);
    }

    std::string& out_;
    Random random_;
    std::size_t rules_;
    std::size_t conclusions_;
    std::size_t askables_;
    std::string last_askable_;
};

// ---- Model bases ---------------------------------------------------------------------------

std::string variable(std::string_view prefix, std::size_t i)
{
    std::string s(prefix);
    s += kQuantities[i % kQuantities.size()];
    s += '_';
    number(s, i / kQuantities.size());
    return s;
}

std::string input(std::size_t i) { return variable("pomiar_", i); }
std::string result(std::size_t i) { return variable("wartość_", i); }
std::string state(std::size_t i) { return variable("stan_", i); }

class ModelWriter {
public:
    ModelWriter(std::string& out, unsigned seed, std::size_t models, RuleWriter& rules)
        : out_(out), random_(seed), inputs_(models / 4 + 16), rules_(rules)
    {
    }

    // The models; the conclusions of the relational models without an application condition
    // are handed back for rules to use.
    std::vector<std::string> write_all(std::size_t models)
    {
        out_ += "rem_model(\"Baza wygenerowana do pomiarów: wielkości fizyczne\")\n";
        std::vector<std::string> used_by_rules;
        for (std::size_t n = 1; n <= models; ++n) {
            switch (n % 20) {
            case 12: case 13: relational(n, used_by_rules); break;
            case 14: list_model(n); break;
            case 15: interval(n, used_by_rules); break;
            case 16: case 17: linear(n); break;
            case 18: case 19: polynomial(n); break;
            default: arithmetic(n); break;
            }
            if (n % 100 == 0 && !last_input_.empty()) {
                out_ += "argument_znany(";
                quoted(out_, last_input_);
                out_ += ",20)\n";
            }
            if (n % 500 == 0) {
                out_ += "m_fakt(";
                quoted(out_, rules_.askable_name());
                out_ += ",\"1\")\n";
            }
            if (n % 1000 == 0) {
                out_ += "modele_ekskluzywne([";
                quoted(out_, rules_.askable_name());
                out_ += ',';
                quoted(out_, rules_.askable_name());
                out_ += "])\n";
                out_ += "rem_model(\"Następna grupa modeli\")\n";
            }
        }
        return used_by_rules;
    }

private:
    // An argument: an input, an earlier result, or now and then a constant.
    std::string argument(std::size_t n)
    {
        const std::size_t r = random_.pick(10);
        if (r == 0) return std::string(random_.of(kConstants));
        if (r < 5 && n > 1) return result(random_.pick(n - 1) + 1);
        last_input_ = input(random_.pick(inputs_));
        return last_input_;
    }

    std::string condition()
    {
        return random_.pick(10) < 7 ? std::string("bez warunku") : rules_.askable_name();
    }

    void head(std::string_view kind, std::size_t n, std::string_view warunek, std::string_view wynik)
    {
        out_ += kind;
        out_ += '(';
        number(out_, n);
        out_ += ',';
        quoted(out_, warunek);
        out_ += ',';
        quoted(out_, wynik);
        out_ += ',';
    }

    void tail(std::string_view cf)
    {
        out_ += random_.one_in(3) ? '0' : '1';
        out_ += ',';
        quoted(out_, cf);
        out_ += ")\n";
    }

    void list(const std::vector<std::string>& items)
    {
        out_ += '[';
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (i) out_ += ',';
            quoted(out_, items[i]);
        }
        out_ += ']';
    }

    std::vector<std::string> arguments(std::size_t n, std::size_t count)
    {
        std::vector<std::string> out;
        for (std::size_t i = 0; i < count; ++i) out.push_back(argument(n));
        return out;
    }

    void arithmetic(std::size_t n)
    {
        head("model", n, condition(), result(n));
        if (random_.one_in(4)) {
            std::string a = argument(n);
            const std::string_view op = random_.of(kOneArgumentOps);
            quoted(out_, a);
            out_ += ',';
            quoted(out_, op);
            out_ += ",\"0\",";
        } else {
            const std::string a = argument(n);
            const std::string_view op = random_.of(kTwoArgumentOps);
            const std::string b = argument(n);
            quoted(out_, a);
            out_ += ',';
            quoted(out_, op);
            out_ += ',';
            quoted(out_, b);
            out_ += ',';
        }
        tail("1");
    }

    // Relational conclusions with an application condition are no rule's condition, so the
    // check of application conditions finds no conflict; the others are used by rules.
    void relational(std::size_t n, std::vector<std::string>& used_by_rules)
    {
        const std::string warunek = condition();
        const std::string wynik = state(n);
        if (warunek == "bez warunku") used_by_rules.push_back(wynik);
        head("model", n, warunek, wynik);
        const std::string a = argument(n);
        quoted(out_, a);
        out_ += ',';
        quoted(out_, random_.of(kRelations));
        out_ += ',';
        quoted(out_, random_.of(kConstants));
        out_ += ',';
        tail("cf_" + wynik);
    }

    void list_model(std::size_t n)
    {
        head("model_r", n, condition(), result(n));
        quoted(out_, random_.of(kListOps));
        out_ += ',';
        list(arguments(n, 2 + random_.pick(4)));
        out_ += ',';
        tail("1");
    }

    void interval(std::size_t n, std::vector<std::string>& used_by_rules)
    {
        const std::string wynik = state(n);
        used_by_rules.push_back(wynik);
        head("model_r", n, "bez warunku", wynik);
        quoted(out_, random_.of(kIntervals));
        out_ += ',';
        list({"10", argument(n), "100"});
        out_ += ',';
        tail("cf_" + wynik);
    }

    void linear(std::size_t n)
    {
        const std::size_t count = 2 + random_.pick(3);
        std::vector<std::string> coefficients;
        for (std::size_t i = 0; i < count; ++i) coefficients.emplace_back(random_.of(kConstants));
        head("model_liniowy", n, condition(), result(n));
        list(coefficients);
        out_ += ',';
        list(arguments(n, count));
        out_ += ',';
        tail("1");
    }

    void polynomial(std::size_t n)
    {
        const std::size_t count = 2 + random_.pick(3);
        std::vector<std::string> coefficients;
        for (std::size_t i = 0; i < count; ++i) coefficients.emplace_back(random_.of(kConstants));
        head("model_wielomianowy", n, condition(), result(n));
        const std::string zmienna = argument(n);
        quoted(out_, zmienna);
        out_ += ',';
        list(coefficients);
        out_ += ",[";
        for (std::size_t i = 0; i < count; ++i) {
            if (i) out_ += ',';
            number(out_, i);
        }
        out_ += "],";
        tail("1");
    }

    std::string& out_;
    Random random_;
    std::size_t inputs_;
    RuleWriter& rules_;
    std::string last_input_;
};

// ---- Prolog ----------------------------------------------------------------------------------

struct Predicate {
    std::string_view name;
    int arity;
};

constexpr std::array<Predicate, 4> kRulePredicates = {
    {{"rem_reguła", 1}, {"reguła_dysjunktywna", 1}, {"reguła", 5}, {"fakt", 2}}};
constexpr std::array<Predicate, 8> kModelPredicates = {
    {{"rem_model", 1}, {"argument_znany", 2}, {"m_fakt", 2}, {"modele_ekskluzywne", 1},
     {"model", 8}, {"model_r", 7}, {"model_liniowy", 7}, {"model_wielomianowy", 8}}};

template <std::size_t N>
void declare(std::string& out, const std::array<Predicate, N>& predicates)
{
    for (const Predicate& p : predicates) {
        const std::string indicator = "'" + std::string(p.name) + "'/" + std::to_string(p.arity);
        out += ":- dynamic(" + indicator + ").\n";
        out += ":- discontiguous(" + indicator + ").\n";
    }
}

}  // namespace

std::string generate_rule_base(std::size_t rules, unsigned seed, std::size_t conclusions)
{
    if (conclusions == 0) conclusions = rules / 4 > 0 ? rules / 4 : 1;
    std::string out;
    out.reserve(rules * 90);
    RuleWriter(out, seed, rules, conclusions).write_all();
    return out;
}

ModelBase generate_model_base(std::size_t models, unsigned seed)
{
    ModelBase base;
    const std::size_t rules = 1000;
    RuleWriter rule_writer(base.rules, seed, rules, rules / 4);
    rule_writer.write_all();
    base.models.reserve(models * 100);
    const std::vector<std::string> states = ModelWriter(base.models, seed + 1, models, rule_writer).write_all(models);
    // Rules that weigh the models' findings: two states a rule, each rule its own conclusion.
    std::size_t n = rules;
    for (std::size_t i = 0; i + 1 < states.size(); i += 2)
        rule_writer.rule_with(++n, "ocena_" + std::to_string(i / 2), {states[i], states[i + 1]});
    return base;
}

std::string prolog_clauses(std::string_view fact_text, BaseKind kind)
{
    std::string out;
    out.reserve(fact_text.size() + fact_text.size() / 8 + 4096);
    out += ":- encoding(utf8).\n";
    if (kind == BaseKind::rules)
        declare(out, kRulePredicates);
    else
        declare(out, kModelPredicates);
    // Each line name(fields) becomes the clause 'name'(fields). with the fields as written:
    // the fact-file syntax of strings, numbers and lists is Prolog's.
    std::size_t pos = 0;
    while (pos < fact_text.size()) {
        std::size_t end = fact_text.find('\n', pos);
        if (end == std::string_view::npos) end = fact_text.size();
        const std::string_view line = fact_text.substr(pos, end - pos);
        const std::size_t paren = line.find('(');
        if (paren != std::string_view::npos) {
            out += '\'';
            out += line.substr(0, paren);
            out += '\'';
            out += line.substr(paren);
            out += ".\n";
        }
        pos = end + 1;
    }
    return out;
}

std::string generate_chain(std::size_t rules, bool reverse)
{
    std::string out = "fakt(\"f0\",\"1\")\n";
    for (std::size_t k = 0; k < rules; ++k) {
        const std::size_t i = reverse ? rules - 1 - k : k;
        out += "reguła(" + std::to_string(i + 1) + ",\"f" + std::to_string(i + 1) + "\",[\"f" + std::to_string(i) +
               "\"],0,\"0.9\")\n";
    }
    return out;
}

std::string clips_chain(std::size_t rules, bool reverse)
{
    std::string out = "(deffacts start (f0))\n";
    for (std::size_t k = 0; k < rules; ++k) {
        const std::size_t i = reverse ? rules - 1 - k : k;
        out += "(defrule r" + std::to_string(i + 1) + " (f" + std::to_string(i) + ") => (assert (f" +
               std::to_string(i + 1) + ")))\n";
    }
    out += "(reset)\n(run)\n(exit)\n";
    return out;
}

}  // namespace bench
