// The model views: each walks the model facts kind by kind in store order and gathers one
// field. They only read; collecting and storing the lists is the askables' business.
#include "kb/widoki_modeli.h"

#include <algorithm>

#include "kb/name_memo.h"
#include "kb/rodzaje_operacji.h"

namespace kb {

namespace {

template <std::size_t N>
bool jest_w(const std::array<std::string_view, N>& slownik, std::string_view op)
{
    return std::find(slownik.begin(), slownik.end(), op) != slownik.end();
}

}  // namespace

bool jest_operacja_dwuargumentowa(std::string_view op) { return jest_w(operacje_dwuargumentowe, op); }
bool jest_operacja_jednoargumentowa(std::string_view op) { return jest_w(operacje_jednoargumentowe, op); }
bool jest_operacja_arytmetyczna(std::string_view op)
{
    return jest_operacja_dwuargumentowa(op) || jest_operacja_jednoargumentowa(op);
}
bool jest_operacja_listowa(std::string_view op) { return jest_w(operacje_listowe, op); }
bool jest_relacja(std::string_view op) { return jest_w(relacje, op); }
bool jest_relacja_przedzialowa(std::string_view op) { return jest_w(relacje_przedzialowe, op); }

namespace {

void dopisz(NameList& out, const NameList& lista) { out.insert(out.end(), lista.begin(), lista.end()); }

}  // namespace

NameList model_argumenty_nazwy(const Context& ctx)
{
    const BazaModeli& b = ctx.db.baza_modeli;
    RodzajeOperacji op;
    NameList out;
    // One pass over the basic models gathers their three parts of the list side by side.
    NameList drugie, jednoargumentowych;
    NameMemo<bool> zero;
    b.model.scan([&](const Model& m) {
        if (op.jest(m.operacja, RodzajOperacji::dwuargumentowa)) {
            out.push_back(m.argument1);
            drugie.push_back(m.argument2);
        }
        if (op.jest(m.operacja, RodzajOperacji::jednoargumentowa) &&
            zero.of(m.argument2, [](std::string_view t) { return t == "0"; }))
            jednoargumentowych.push_back(m.argument1);
    });
    dopisz(out, drugie);
    dopisz(out, jednoargumentowych);
    b.model_r.scan([&](const ModelR& m) {
        if (op.jest(m.operacja, RodzajOperacji::listowa)) dopisz(out, m.argumenty);
    });
    b.model_liniowy.scan([&](const ModelLiniowy& m) { dopisz(out, m.wspolczynniki); });
    b.model_liniowy.scan([&](const ModelLiniowy& m) { dopisz(out, m.zmienne); });
    b.model_wielomianowy.scan([&](const ModelWielomianowy& m) { out.push_back(m.zmienna); });
    b.model_wielomianowy.scan([&](const ModelWielomianowy& m) { dopisz(out, m.wspolczynniki); });
    return out;
}

NameList model_arytmetyczny_nazwy(const Context& ctx)
{
    const BazaModeli& b = ctx.db.baza_modeli;
    RodzajeOperacji op;
    NameList out;
    b.model.scan([&](const Model& m) {
        if (op.arytmetyczna(m.operacja)) out.push_back(m.wynik);
    });
    b.model_r.scan([&](const ModelR& m) {
        if (op.jest(m.operacja, RodzajOperacji::listowa)) out.push_back(m.wynik);
    });
    b.model_liniowy.scan([&](const ModelLiniowy& m) { out.push_back(m.wynik); });
    b.model_wielomianowy.scan([&](const ModelWielomianowy& m) { out.push_back(m.wynik); });
    return out;
}

NameList model_wszelaki_nazwy(const Context& ctx)
{
    const BazaModeli& b = ctx.db.baza_modeli;
    NameList out;
    b.model.scan([&](const Model& m) { out.push_back(m.warunek_stosowania); });
    b.model_r.scan([&](const ModelR& m) { out.push_back(m.warunek_stosowania); });
    b.model_liniowy.scan([&](const ModelLiniowy& m) { out.push_back(m.warunek_stosowania); });
    b.model_wielomianowy.scan([&](const ModelWielomianowy& m) { out.push_back(m.warunek_stosowania); });
    return out;
}

NameList model_relacyjny_nazwy(const Context& ctx)
{
    const BazaModeli& b = ctx.db.baza_modeli;
    RodzajeOperacji op;
    NameList out;
    b.model.scan([&](const Model& m) {
        if (op.jest(m.operacja, RodzajOperacji::relacja)) out.push_back(m.wynik);
    });
    b.model_r.scan([&](const ModelR& m) {
        if (op.jest(m.operacja, RodzajOperacji::relacja_przedzialowa)) out.push_back(m.wynik);
    });
    return out;
}

std::size_t liczba_modeli(const BazaModeli& baza)
{
    return baza.model.size() + baza.model_r.size() + baza.model_liniowy.size() + baza.model_wielomianowy.size();
}

SList model_argumenty(const Context& ctx) { return model_argumenty_nazwy(ctx).strings(); }
SList model_arytmetyczny(const Context& ctx) { return model_arytmetyczny_nazwy(ctx).strings(); }
SList model_wszelaki(const Context& ctx) { return model_wszelaki_nazwy(ctx).strings(); }
SList model_relacyjny(const Context& ctx) { return model_relacyjny_nazwy(ctx).strings(); }

}  // namespace kb
