// The lookups of an inference run's records by name agree with a walk over the fact lists
// whoever changed the lists: the accessors, the clearing of a load or a launch, or a walk that
// removes and adds records as it goes. The lists themselves keep their enumeration rule.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "kb/context.h"
#include "kb/stan_wnioskowania.h"
#include "platform/headless/headless_toolkit.h"

namespace kb {
namespace {

class StanWnioskowania : public ::testing::Test {
protected:
    platform::headless::HeadlessToolkit ui{platform::headless::Script::parse(""), {}};
    Context ctx{ui};

    // What a lookup must answer: the records of the name met by a walk over the list.
    std::vector<double> wypadkowe_wprost(const std::string& nazwa) const
    {
        std::vector<double> out;
        ctx.db.stan_ladowania.wypadkowa_prbd.scan([&](const NazwaWartosc& w) {
            if (w.nazwa == nazwa) out.push_back(w.wartosc);
        });
        return out;
    }
    std::vector<double> ustalone_wprost(const std::string& nazwa) const
    {
        std::vector<double> out;
        ctx.db.stan.zmienna_ustalona.scan([&](const NazwaWartosc& w) {
            if (w.nazwa == nazwa) out.push_back(w.wartosc);
        });
        return out;
    }
    std::vector<double> czastkowe_wprost(const std::string& wniosek) const
    {
        std::vector<double> out;
        ctx.db.stan_ladowania.prbd.scan([&](const Prbd& p) {
            if (p.wniosek == wniosek) out.push_back(p.cf);
        });
        return out;
    }
    void zgodne(const std::vector<std::string>& nazwy, const std::string& gdzie) const
    {
        for (const std::string& n : nazwy) {
            const std::vector<double> w = wypadkowe_wprost(n);
            EXPECT_EQ(wypadkowe(ctx, n), w) << gdzie << " " << n;
            EXPECT_EQ(wypadkowa(ctx, n), w.empty() ? std::nullopt : std::optional<double>(w.front())) << gdzie;
            const std::vector<double> u = ustalone_wprost(n);
            EXPECT_EQ(wartosc_ustalona(ctx, n), u.empty() ? std::nullopt : std::optional<double>(u.front())) << gdzie;
            EXPECT_EQ(cf_czastkowe(ctx, n), czastkowe_wprost(n)) << gdzie << " " << n;
        }
    }
};

// A launch clears the records straight in the lists and the next records may come the same
// way, as many as before: the lookups must see the new ones.
TEST_F(StanWnioskowania, ListsChangedBesideTheAccessorsAreSeenByTheNextLookup)
{
    dodaj_wypadkowa(ctx, "x", 0.5);
    ustal_wartosc(ctx, "x", 1.0);
    dodaj_prbd(ctx, 1, "x", 0.3);
    zgodne({"x", "y"}, "before");

    ctx.db.stan_ladowania.wypadkowa_prbd.remove_all();
    ctx.db.stan_ladowania.wypadkowa_prbd.add_last({"y", -0.5});
    ctx.db.stan.zmienna_ustalona.remove_all();
    ctx.db.stan.zmienna_ustalona.add_last({"x", 2.0});
    ctx.db.stan_ladowania.prbd.remove_all();
    ctx.db.stan_ladowania.prbd.add_last({2, "y", 0.7});
    zgodne({"x", "y"}, "after a clear and as many records");
    EXPECT_EQ(wartosc_ustalona(ctx, "x"), 2.0);

    // One record taken out and another put in: the size is the same again.
    ctx.db.stan_ladowania.wypadkowa_prbd.remove_first([](const NazwaWartosc& w) { return w.nazwa == "y"; });
    ctx.db.stan_ladowania.wypadkowa_prbd.add_last({"x", 0.9});
    zgodne({"x", "y"}, "after a swap");
}

// An engine that waits for names learns of every name that got its first resultant, also when
// the resultant list was changed beside the accessors: the index is rebuilt and the names it did
// not hold before are told, once each, in list order.
TEST_F(StanWnioskowania, NamesGettingAFirstResultantAreToldWhoeverWroteThem)
{
    dodaj_wypadkowa(ctx, "a", 0.5);
    dodaj_wypadkowa(ctx, "a", 0.6);
    EXPECT_EQ(odbierz_nowe_wypadkowe(ctx), std::vector<std::string>{"a"});

    auto& lista = ctx.db.stan_ladowania.wypadkowa_prbd;
    lista.add_last({"c", 0.1});
    lista.add_last({"b", 0.2});
    lista.add_last({"c", 0.3});
    lista.add_last({"a", 0.4});
    EXPECT_TRUE(ma_wypadkowa(ctx, "b"));
    EXPECT_EQ(odbierz_nowe_wypadkowe(ctx), (std::vector<std::string>{"c", "b"}));

    // A name that lost every resultant and gets one again is new again.
    lista.remove_if([](const NazwaWartosc& w) { return w.nazwa == "b"; });
    EXPECT_FALSE(ma_wypadkowa(ctx, "b"));
    dodaj_wypadkowa(ctx, "b", -0.2);
    EXPECT_EQ(odbierz_nowe_wypadkowe(ctx), std::vector<std::string>{"b"});
}

// Records removed and added during a walk over the list: the walk follows the enumeration rule
// and the lookups answer what the list holds at each moment.
TEST_F(StanWnioskowania, AWalkThatRecordsAndRemovesKeepsTheEnumerationRule)
{
    for (const char* n : {"a", "b", "c"}) dodaj_wypadkowa(ctx, n, 0.1);
    std::vector<std::string> odwiedzone;
    ctx.db.stan_ladowania.wypadkowa_prbd.each([&](const NazwaWartosc& w) {
        odwiedzone.push_back(w.nazwa);
        if (w.nazwa == "a") {
            usun_pierwsza_wypadkowa(ctx, "b");  // not reached yet: never handed out
            dodaj_wypadkowa(ctx, "d", 0.2);     // added last before the walk's end: handed out
        }
        zgodne({"a", "b", "c", "d"}, "during the walk at " + w.nazwa);
    });
    EXPECT_EQ(odwiedzone, (std::vector<std::string>{"a", "c", "d"}));
}

// A long mixed sequence of writes through the accessors and straight into the lists; after each
// step every lookup agrees with a walk.
TEST_F(StanWnioskowania, MixedWritesKeepEveryLookupInStep)
{
    std::mt19937 los(13);
    const std::vector<std::string> nazwy = {"a", "na", "b", "nb", "koniec", "bez warunku"};
    auto nazwa = [&] { return nazwy[los() % nazwy.size()]; };
    for (int krok = 0; krok < 600; ++krok) {
        const double cf = static_cast<double>(static_cast<int>(los() % 201) - 100) / 100.0;
        switch (los() % 9) {
        case 0: dodaj_wypadkowa(ctx, nazwa(), cf); break;
        case 1: usun_pierwsza_wypadkowa(ctx, nazwa()); break;
        case 2: dodaj_prbd(ctx, static_cast<std::int32_t>(los() % 5), nazwa(), cf); break;
        case 3: usun_prbd_reguly(ctx, static_cast<std::int32_t>(los() % 5)); break;
        case 4: ustal_wartosc(ctx, nazwa(), cf); break;
        case 5: ctx.db.stan_ladowania.wypadkowa_prbd.add_last({nazwa(), cf}); break;
        case 6: ctx.db.stan_ladowania.prbd.remove_first([&](const Prbd&) { return los() % 2 == 0; }); break;
        case 7: ctx.db.stan.zmienna_ustalona.add_first({nazwa(), cf}); break;
        case 8:
            if (los() % 20 == 0) {
                kasuj_prbd(ctx);
                ctx.db.stan_ladowania.wypadkowa_prbd.remove_all();
            }
            break;
        }
        zgodne(nazwy, "step " + std::to_string(krok));
        if (HasFailure()) return;
    }
}

}  // namespace
}  // namespace kb
