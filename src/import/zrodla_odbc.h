// The first half of the ODBC access of the import: starting and stopping the ODBC layer, the
// names of the data sources, connections with their reuse, connection-entry ids and the release
// of connections. Failures of ODBC calls come out as odbc::Error; nothing here shows anything.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "kb/context.h"

namespace import {

// The layer's start (`_odbcInit`): loads the driver manager (odbc::Error when it cannot) and
// keeps it while the import runs. Its stop (`_odbcDestroy`): lets it go; handles still open keep
// it loaded until they go.
void odbc_init(kb::Context& ctx);
void odbc_destroy(kb::Context& ctx);

// The names of the data sources, the one enumerated first last. odbc::Error kNoData when the
// driver manager knows none.
facts::SList odbc_getbasenamelist(kb::Context& ctx);

// The connection for a data source: that of its first connection entry, else the one made
// when it was chosen, else a new one (recorded until the last entry of its name is closed or
// the import ends). Only an empty user name and password are accepted.
std::shared_ptr<odbc::Connection> connect_base(kb::Context& ctx, const std::string& zrodlo,
                                               const std::string& uzytkownik, const std::string& haslo);

// The smallest id not below `start` that no connection entry has.
std::int32_t get_new_id(const kb::Context& ctx, std::int32_t start);

// After an entry of the data source was removed: releases its connection unless another entry
// of the same name still uses it.
void odbc_close_table1(kb::Context& ctx, const std::string& zrodlo);

// The end of an import, however it ended: every entry, row and connection goes, the layer
// stops, and the chosen source (`baza`) keeps its name without handles.
void zwolnij_odbc(kb::Context& ctx);

}  // namespace import
