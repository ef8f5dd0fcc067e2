// The operations of arithmetic models, row by row in the order they are tried. Every result is
// checked: a value beyond the double range or undefined raises BladObliczen.
#include "inference/operacje.h"

#include <cmath>
#include <string>

#include "explain/iloczyn_listy.h"
#include "platform/text.h"
#include "platform/toolkit.h"

namespace inference {

namespace {

const char* const kDzieleniePrzezZero = "dzielenie przez zero";
const char* const kPozaZakresem = "wynik poza zakresem liczb rzeczywistych";
const char* const kNieokreslony = "wynik nieokreślony";
const char* const kPozaCalkowitymi = "liczba poza zakresem liczb całkowitych";
const char* const kLogarytm = "logarytm liczby niedodatniej";

double skonczony(double wynik)
{
    if (std::isnan(wynik)) throw BladObliczen(kNieokreslony);
    if (std::isinf(wynik)) throw BladObliczen(kPozaZakresem);
    return wynik;
}

std::int32_t calkowita(double x)
{
    const std::optional<std::int32_t> n = text::round_to_int(x);
    if (!n) throw BladObliczen(kPozaCalkowitymi);
    return *n;
}

// x to the integer power n; a negative n gives 1 / x^|n|.
double potega(double x, std::int32_t n)
{
    if (n >= 0) return skonczony(mnoz(x, n));
    const double mianownik = skonczony(mnoz(x, -static_cast<std::int64_t>(n)));
    if (mianownik == 0.0) throw BladObliczen(kDzieleniePrzezZero);
    return 1.0 / mianownik;
}

// Rounding to n decimals, halves up; a negative n rounds to tens, hundreds ...
double zaokraglenie_do_n(double a, std::int32_t n)
{
    if (n >= 0) {
        const double m = skonczony(mnoz(10.0, n));
        const double t = a * m;
        return std::floor(t + 0.5) / m;
    }
    const double d = skonczony(mnoz(10.0, -static_cast<std::int64_t>(n)));
    const double t = a / d;
    return std::floor(t + 0.5) * d;
}

double logarytm(double a, double (*f)(double))
{
    if (a <= 0.0) throw BladObliczen(kLogarytm);
    return f(a);
}

std::optional<double> jednoargumentowa(kb::Context& ctx, double a, std::string_view op)
{
    if (op == "sqrt") {
        if (a >= 0.0) return std::sqrt(a);
        if (a < 0.0) {
            ctx.ui.note("Uwaga!", "Pierwiastek z liczby ujemnej!");
            return std::sqrt(0.0 - a);
        }
        return std::nullopt;
    }
    if (op == "sin") return std::sin(a);
    if (op == "cos") return std::cos(a);
    if (op == "tan") return std::tan(a);
    if (op == "arctan") return std::atan(a);
    if (op == "ln") return logarytm(a, [](double x) { return std::log(x); });
    if (op == "log") return logarytm(a, [](double x) { return std::log10(x); });
    if (op == "exp") return std::exp(a);
    if (op == "round") {
        const double suma = a + 0.5;
        return std::floor(suma);
    }
    if (op == "trunc") return std::trunc(a);
    if (op == "abs") return std::fabs(a);
    if (op == "=") return a;
    return std::nullopt;
}

bool jest_jednoargumentowa(std::string_view op)
{
    for (std::string_view o : {"sqrt", "sin", "cos", "tan", "arctan", "ln", "log", "exp", "round", "trunc", "abs", "="})
        if (op == o) return true;
    return false;
}

std::optional<double> dwuargumentowa(kb::Context& ctx, double a, double b, std::string_view op)
{
    if (op == "+") return a + b;
    if (op == "-") return a - b;
    if (op == "*") return a * b;
    if (op == "/") {
        if (b != 0.0) return a / b;
        ctx.ui.write("Próba dzielenia przez 0!");
        ctx.ui.write("\n");
        ctx.ui.note("Uwaga!", "Próba dzielenia przez 0!");
        return 1.0;
    }
    if (op == "A^N") return potega(a, calkowita(b));
    if (op == "mod" || op == "div") {
        const std::int64_t x = calkowita(a);
        const std::int64_t y = calkowita(b);
        if (y == 0) throw BladObliczen(kDzieleniePrzezZero);
        const std::int64_t iloraz = x / y;  // towards zero
        return static_cast<double>(op == "div" ? iloraz : x - y * iloraz);
    }
    if (op == "%") {
        if (b == 0.0) throw BladObliczen(kDzieleniePrzezZero);
        const double setki = a * 100.0;
        return setki / b;
    }
    if (op == "min") return a <= b ? a : b;
    if (op == "max") return a <= b ? b : a;
    if (op == "zaokrąglenie_do_N") return zaokraglenie_do_n(a, calkowita(b));
    return std::nullopt;
}

}  // namespace

double mnoz(double x, std::int64_t n)
{
    double p = 1.0;
    for (std::int64_t zostalo = n; zostalo > 0; --zostalo) {
        p = p * x;
        // Where the product can no longer change but by its sign, the rest is known at once.
        const bool nieparzyscie_wiele = (zostalo - 1) % 2 == 1;
        if (!std::isfinite(p) || x == 1.0) return p;
        if (p == 0.0) return nieparzyscie_wiele && std::signbit(x) ? -p : p;
        if (x == -1.0) return nieparzyscie_wiele ? -p : p;
    }
    return p;
}

std::optional<double> wykonaj(kb::Context& ctx, double a, double b, std::string_view operacja)
{
    std::optional<double> wynik;
    if (jest_jednoargumentowa(operacja)) {
        if (b != 0.0) return std::nullopt;
        wynik = jednoargumentowa(ctx, a, operacja);
    } else {
        wynik = dwuargumentowa(ctx, a, b, operacja);
    }
    if (!wynik) return std::nullopt;
    return skonczony(*wynik);
}

std::optional<double> maksimum(const std::vector<double>& lista)
{
    if (lista.empty()) return std::nullopt;
    // From the back: an element replaces the maximum of the rest only when it is greater.
    double m = lista.back();
    for (auto it = lista.rbegin() + 1; it != lista.rend(); ++it)
        if (*it > m) m = *it;
    return m;
}

std::optional<double> minimum(const std::vector<double>& lista)
{
    if (lista.empty()) return std::nullopt;
    double m = lista.back();
    for (auto it = lista.rbegin() + 1; it != lista.rend(); ++it)
        if (*it < m) m = *it;
    return m;
}

std::optional<double> wykonaj_r(const std::vector<double>& wartosci, std::string_view operacja)
{
    std::optional<double> wynik;
    if (operacja == "+") {
        double suma = 0.0;
        for (double x : wartosci) suma = suma + x;
        wynik = suma;
    } else if (operacja == "*") {
        wynik = explain::iloczyn_listy(wartosci);
    } else if (operacja == "max_list") {
        wynik = maksimum(wartosci);
    } else if (operacja == "min_list") {
        wynik = minimum(wartosci);
    }
    if (!wynik) return std::nullopt;
    return skonczony(*wynik);
}

std::optional<double> wykonaj_liniowy(double start, const std::vector<double>& wspolczynniki,
                                      const std::vector<double>& wartosci)
{
    if (wspolczynniki.size() != wartosci.size()) return std::nullopt;
    double r = start;
    for (std::size_t i = 0; i < wspolczynniki.size(); ++i) {
        const double skladnik = wspolczynniki[i] * wartosci[i];
        r = r + skladnik;
    }
    return skonczony(r);
}

std::optional<double> wykonaj_wielomianowy(double start, double x, const std::vector<double>& wspolczynniki,
                                           const facts::IList& wykladniki)
{
    if (wspolczynniki.size() != wykladniki.size()) return std::nullopt;
    double r = start;
    for (std::size_t i = 0; i < wspolczynniki.size(); ++i) {
        const double c = wspolczynniki[i];
        const std::int32_t n = wykladniki[i];
        double skladnik = 0.0;
        if (c == 0.0) skladnik = 0.0;
        else if (n == 0) skladnik = c;
        else if (n > 0) skladnik = c * skonczony(mnoz(x, n));
        else return std::nullopt;
        r = r + skladnik;
    }
    return skonczony(r);
}

}  // namespace inference
