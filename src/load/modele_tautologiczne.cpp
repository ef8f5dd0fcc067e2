// Detection and presentation of tautological models at a model-base load. It adds only
// `model_tautologiczny` facts (cleared by the next rule or model load) and never changes the
// model base; the user's answers decide only how much is shown.
#include "load/modele_tautologiczne.h"

#include <optional>
#include <string>
#include <string_view>

#include "kb/name_memo.h"
#include "platform/text.h"
#include "platform/toolkit.h"

namespace load {

namespace {

using kb::Context;

// The tests of the models by name, each worked out once per name. A base names few operations
// and may name thousands of second arguments: the operation is asked first.
class TestyNazw {
public:
    bool tozsamosc_z_zerem(const kb::Model& m)
    {
        return operacja(m.operacja, [](std::string_view op) { return op == "=" || op == "+" || op == "-"; }) &&
               wartosc(m.argument2) == 0.0;
    }
    bool tozsamosc_z_jedynka(const kb::Model& m)
    {
        return operacja(m.operacja, [](std::string_view op) { return op == "*" || op == "/"; }) &&
               wartosc(m.argument2) == 1.0;
    }
private:
    std::optional<double> wartosc(facts::Name n) { return liczby_.of(n, text::text_to_real); }
    template <class Test>
    bool operacja(facts::Name op, Test test)
    {
        return operacje_.of(op, test);
    }
    kb::NameMemo<std::optional<double>> liczby_;
    kb::NameMemo<bool> operacje_;
};

void linia(Context& ctx, std::string_view tekst)
{
    ctx.ui.write(tekst);
    ctx.ui.write("\n");
}

bool tak(Context& ctx, std::string_view tytul, const std::string& tekst)
{
    return ctx.ui.message_box(tytul, tekst, platform::MessageIcon::Question, platform::MessageButtons::YesNo, 1) ==
           1;
}

// The introduction with its question: whether the user wants to see the models.
bool wstep(Context& ctx)
{
    const std::string nazwa = ctx.db.stan.nazwa_mo.first().value_or("");
    linia(ctx, "Baza modeli " + nazwa);
    linia(ctx, "ma przynajmniej jeden model arytmetyczny ");
    linia(ctx, "przyrównujący jedna nazwę zmiennej do innej.");
    linia(ctx, "Model taki jest tautologią, zastępującą");
    linia(ctx, "jedna nazwę zmiennej inną nazwą zmienej i wpływającą");
    linia(ctx, "na przejrzystość i czytelność bazy modeli.");
    ctx.ui.write("\n");
    return tak(ctx, "Wybierz:",
               "Baza modeli rozwinięta niepewna\n   " + nazwa + "\nma przynajmniej jeden model arytmetyczny " +
                   "\nprzyrównujący jedną nazwę zmiennej do innej." +
                   "\nnazwy.\n\n Model taki jest tautologią, mogącą " +
                   "\nwpływać na przejrzystość i czytelność bazy modeli." +
                   "\n\nChcesz wiedzieć, które modele są  tautologiczne?");
}

// One model and the question whether to go on.
bool pokaz(Context& ctx, const kb::ModelTautologiczny& m)
{
    const std::string numer = text::int_to_text(m.numer);
    linia(ctx, "Model " + numer + " jest tautologiczny: zastępuje zmienną '" + m.argument + "'");
    linia(ctx, "inną zmienną '" + m.wynik + "'");
    return tak(ctx, "Model tautologiczny",
               "Model " + numer + " jest tautologiczny: zastępuje zmienną " + "\n     '" + m.argument + "'" +
                   "\ninną zmienną " + "\n     '" + m.wynik + "'" +
                   "\n\nChcesz zobaczyć następny model tautologiczny?");
}

void zalecenie(Context& ctx)
{
    linia(ctx, "W pewnych sytuacjach modele tautologiczne czynią bazę modeli");
    linia(ctx, "bardziej czytelną, w innych - mogą zaciemniać bazę modeli. ");
    linia(ctx, "Wtedy lepiej je usunąć.");
    linia(ctx, "W tym celu musisz  przejść do opcji:");
    linia(ctx, "             'Baza modeli niepewna/Edycja bazy modeli'");
    linia(ctx, "i usunąć modele tautologiczne.");
    ctx.ui.note("Zalecenie", std::string("W pewnych sytuacjach modele tautologiczne") +
                                 "\nczynią bazę modeli bardziej czytelną," +
                                 "\nw innych - mogą zaciemniać bazę modeli. \nWtedy lepiej je usunąć." +
                                 "\nW tym celu musisz  przejść do opcji:" +
                                 "\n      'Baza modeli niepewna/Edycja bazy modeli'" +
                                 "\ni usunąć modele tautologiczne.");
}

}  // namespace

void testuj_taut(Context& ctx, std::int32_t numer, std::string_view wynik, std::string_view argument)
{
    if (text::text_to_real(argument)) return;  // a constant: no variable is renamed
    ctx.db.stan.model_tautologiczny.add_last({numer, std::string(wynik), std::string(argument)});
}

void wykrywanie_modeli_tautologicznych(Context& ctx)
{
    const auto& modele = ctx.db.baza_modeli.model;
    // One object per pass: each tests its operations with one test only.
    TestyNazw zero;
    modele.scan([&](const kb::Model& m) {
        if (zero.tozsamosc_z_zerem(m)) testuj_taut(ctx, m.numer, m.wynik, m.argument1);
    });
    TestyNazw jeden;
    modele.scan([&](const kb::Model& m) {
        if (jeden.tozsamosc_z_jedynka(m)) testuj_taut(ctx, m.numer, m.wynik, m.argument1);
    });

    const auto znalezione = ctx.db.stan.model_tautologiczny.all();
    if (znalezione.empty() || !wstep(ctx)) return;
    for (const kb::ModelTautologiczny& m : znalezione)
        if (!pokaz(ctx, m)) return;
    zalecenie(ctx);
}

}  // namespace load
