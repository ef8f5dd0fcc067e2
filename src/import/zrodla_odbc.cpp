// Data sources and connections of the import over the ODBC layer. Connections are shared
// handles: the facts of the ODBC access database hold them, so removing the last fact that
// holds one disconnects it. Never reads a table.
#include "import/zrodla_odbc.h"

#include "platform/odbc/odbc.h"

namespace import {
namespace {

std::shared_ptr<odbc::DriverManager> warstwa(const kb::Context& ctx)
{
    auto started = ctx.db.baza_odbc.odbc_warstwa.first();
    if (!started) throw odbc::Error(odbc::kLayerError, "the ODBC layer is not started");
    return *started;
}

}  // namespace

void odbc_init(kb::Context& ctx)
{
    ctx.db.baza_odbc.odbc_warstwa.set(odbc::load_driver_manager());
}

void odbc_destroy(kb::Context& ctx) { ctx.db.baza_odbc.odbc_warstwa.remove_all(); }

facts::SList odbc_getbasenamelist(kb::Context& ctx)
{
    odbc::Environment srodowisko(warstwa(ctx));
    facts::SList nazwy{srodowisko.data_source(true)};
    for (;;) {
        try {
            nazwy.insert(nazwy.begin(), srodowisko.data_source(false));
        } catch (const odbc::Error&) {
            break;  // the end of the list (or a source that cannot be read: the list so far)
        }
    }
    return nazwy;
}

std::shared_ptr<odbc::Connection> connect_base(kb::Context& ctx, const std::string& zrodlo,
                                               const std::string& uzytkownik, const std::string& haslo)
{
    if (!uzytkownik.empty() || !haslo.empty())
        throw odbc::Error(odbc::kLayerError, "a connection takes no user name or password");
    const auto& db = ctx.db.baza_odbc;
    if (auto wpis = db.odbc_open_base.first([&](const kb::OdbcOpenBase& w) { return w.zrodlo == zrodlo; }))
        return wpis->polaczenie;
    if (auto wybrane = db.odbc_polaczenie.first([&](const kb::OdbcPolaczenie& p) { return p.zrodlo == zrodlo; }))
        return wybrane->polaczenie;
    auto srodowisko = std::make_shared<odbc::Environment>(warstwa(ctx));
    auto polaczenie = std::make_shared<odbc::Connection>(srodowisko, zrodlo, "", "");
    ctx.db.baza_odbc.odbc_polaczenie.add_last({zrodlo, polaczenie});
    return polaczenie;
}

std::int32_t get_new_id(const kb::Context& ctx, std::int32_t start)
{
    std::int32_t id = start;
    while (ctx.db.baza_odbc.odbc_open_base.any([&](const kb::OdbcOpenBase& w) { return w.id == id; })) ++id;
    return id;
}

void odbc_close_table1(kb::Context& ctx, const std::string& zrodlo)
{
    auto& db = ctx.db.baza_odbc;
    if (db.odbc_open_base.any([&](const kb::OdbcOpenBase& w) { return w.zrodlo == zrodlo; })) return;
    db.odbc_polaczenie.remove_if([&](const kb::OdbcPolaczenie& p) { return p.zrodlo == zrodlo; });
}

void zwolnij_odbc(kb::Context& ctx)
{
    ctx.db.baza_odbc.visit([](std::string_view, auto& fakty) { fakty.remove_all(); });
    std::vector<kb::Baza> wybrane = ctx.db.dane.baza.all();
    ctx.db.dane.baza.remove_all();
    for (kb::Baza& b : wybrane) ctx.db.dane.baza.add_last({b.zrodlo, nullptr, nullptr});
}

}  // namespace import
