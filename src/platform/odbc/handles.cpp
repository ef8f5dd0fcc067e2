// The environment, connection and statement handles: each call of the driver manager checked,
// each handle freed by its destructor, whatever way its holder goes. Values come back as the
// program keeps them (UTF-8 texts, whole); nothing here knows what the program reads them for.
#include <cstring>
#include <utility>

#include "platform/odbc/driver_manager.h"

namespace odbc {
namespace {

SQLCHAR* in(const std::string& s) { return reinterpret_cast<SQLCHAR*>(const_cast<char*>(s.c_str())); }

SQLCHAR* in_optional(const std::optional<std::string>& s) { return s ? in(*s) : nullptr; }
SQLSMALLINT length_optional(const std::optional<std::string>& s) { return s ? SQL_NTS : 0; }

std::string out(const SQLCHAR* text) { return from_driver(reinterpret_cast<const char*>(text)); }

}  // namespace

ValueKind value_kind(int sql_type)
{
    switch (sql_type) {
    case SQL_CHAR:
    case SQL_VARCHAR: return ValueKind::Text;
    case SQL_BIT: return ValueKind::Bit;
    case SQL_TINYINT: return ValueKind::TinyInt;
    case SQL_SMALLINT: return ValueKind::SmallInt;
    case SQL_INTEGER: return ValueKind::Integer;
    case SQL_REAL: return ValueKind::Float;
    case SQL_FLOAT:
    case SQL_DOUBLE: return ValueKind::Double;
    case SQL_DATE:
    case SQL_TYPE_DATE: return ValueKind::Date;
    case SQL_TIME:
    case SQL_TYPE_TIME: return ValueKind::Time;
    case SQL_TIMESTAMP:
    case SQL_TYPE_TIMESTAMP: return ValueKind::Timestamp;
    case SQL_BINARY:
    case SQL_VARBINARY:
    case SQL_LONGVARBINARY: return ValueKind::Binary;
    case SQL_NUMERIC:
    case SQL_DECIMAL:
    case SQL_BIGINT: return ValueKind::Number;
    case SQL_LONGVARCHAR: return ValueKind::LongText;
    default: return ValueKind::Other;
    }
}

// ---- Environment ------------------------------------------------------------------------------

Environment::Environment(std::shared_ptr<DriverManager> manager) : manager_(std::move(manager))
{
    SQLHANDLE h = SQL_NULL_HANDLE;
    manager_->check(manager_->AllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &h), SQL_HANDLE_ENV, h, "SQLAllocHandle");
    handle_ = h;
    const SQLRETURN set = manager_->SetEnvAttr(h, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    if (!SQL_SUCCEEDED(set)) {
        manager_->FreeHandle(SQL_HANDLE_ENV, h);
        handle_ = nullptr;
        manager_->check(set, SQL_HANDLE_ENV, SQL_NULL_HANDLE, "SQLSetEnvAttr");
    }
}

Environment::~Environment()
{
    if (handle_) manager_->FreeHandle(SQL_HANDLE_ENV, handle_);
}

std::string Environment::data_source(bool first)
{
    SQLCHAR name[SQL_MAX_DSN_LENGTH * 4 + 1] = {};
    SQLCHAR description[512] = {};
    SQLSMALLINT name_length = 0;
    SQLSMALLINT description_length = 0;
    manager_->check(manager_->DataSources(handle_, first ? SQL_FETCH_FIRST : SQL_FETCH_NEXT, name, sizeof name,
                                          &name_length, description, sizeof description, &description_length),
                    SQL_HANDLE_ENV, handle_, "SQLDataSources");
    return out(name);
}

// ---- Connection -------------------------------------------------------------------------------

Connection::Connection(std::shared_ptr<Environment> environment, const std::string& data_source,
                       const std::string& user, const std::string& password)
    : environment_(std::move(environment))
{
    DriverManager& m = *environment_->manager_;
    SQLHANDLE h = SQL_NULL_HANDLE;
    m.check(m.AllocHandle(SQL_HANDLE_DBC, environment_->handle_, &h), SQL_HANDLE_ENV, environment_->handle_,
            "SQLAllocHandle");
    const SQLRETURN connected = m.Connect(h, in(data_source), SQL_NTS, in(user), SQL_NTS, in(password), SQL_NTS);
    if (!SQL_SUCCEEDED(connected)) {
        try {
            m.check(connected, SQL_HANDLE_DBC, h, "SQLConnect");
        } catch (const Error&) {
            m.FreeHandle(SQL_HANDLE_DBC, h);
            throw;
        }
    }
    handle_ = h;
}

Connection::~Connection()
{
    DriverManager& m = *environment_->manager_;
    m.Disconnect(handle_);
    m.FreeHandle(SQL_HANDLE_DBC, handle_);
}

std::string Connection::info(Info which)
{
    DriverManager& m = *environment_->manager_;
    SQLUSMALLINT type = 0;
    switch (which) {
    case Info::DatabaseName: type = SQL_DATABASE_NAME; break;
    case Info::IdentifierQuoteChar: type = SQL_IDENTIFIER_QUOTE_CHAR; break;
    }
    SQLCHAR value[512] = {};
    SQLSMALLINT length = 0;
    m.check(m.GetInfo(handle_, type, value, sizeof value, &length), SQL_HANDLE_DBC, handle_, "SQLGetInfo");
    return out(value);
}

// ---- Statement --------------------------------------------------------------------------------

Statement::Statement(std::shared_ptr<Connection> connection) : connection_(std::move(connection))
{
    DriverManager& m = *connection_->environment_->manager_;
    SQLHANDLE h = SQL_NULL_HANDLE;
    m.check(m.AllocHandle(SQL_HANDLE_STMT, connection_->handle_, &h), SQL_HANDLE_DBC, connection_->handle_,
            "SQLAllocHandle");
    handle_ = h;
}

Statement::~Statement() { manager().FreeHandle(SQL_HANDLE_STMT, handle_); }

DriverManager& Statement::manager() const { return *connection_->environment_->manager_; }

void Statement::check(int code, const char* call) const
{
    manager().check(static_cast<SQLRETURN>(code), SQL_HANDLE_STMT, handle_, call);
}

void Statement::tables(const std::optional<std::string>& catalog, const std::optional<std::string>& schema,
                       const std::string& table_pattern, const std::string& table_types)
{
    check(manager().Tables(handle_, in_optional(catalog), length_optional(catalog),
                                             in_optional(schema), length_optional(schema), in(table_pattern),
                                             SQL_NTS, in(table_types), SQL_NTS),
                    "SQLTables");
}

void Statement::statistics(const std::optional<std::string>& catalog, const std::optional<std::string>& schema,
                           const std::string& table)
{
    check(manager().Statistics(handle_, in_optional(catalog), length_optional(catalog),
                                                 in_optional(schema), length_optional(schema), in(table), SQL_NTS,
                                                 SQL_INDEX_ALL, SQL_QUICK),
                    "SQLStatistics");
}

void Statement::execute(const std::string& sql)
{
    check(manager().ExecDirect(handle_, in(sql), SQL_NTS), "SQLExecDirect");
}

void Statement::close_cursor() { check(manager().FreeStmt(handle_, SQL_CLOSE), "SQLFreeStmt"); }

int Statement::column_count()
{
    SQLSMALLINT count = 0;
    check(manager().NumResultCols(handle_, &count), "SQLNumResultCols");
    return count;
}

ColumnDescription Statement::describe_column(int column)
{
    SQLCHAR name[512] = {};
    SQLSMALLINT name_length = 0, type = 0, digits = 0, nullable = 0;
    SQLULEN size = 0;
    check(manager().DescribeCol(handle_, static_cast<SQLUSMALLINT>(column), name, sizeof name,
                                                  &name_length, &type, &size, &digits, &nullable),
                    "SQLDescribeCol");
    return ColumnDescription{out(name), type};
}

long long Statement::column_attribute(int column, ColumnAttribute which)
{
    SQLUSMALLINT field = 0;
    switch (which) {
    case ColumnAttribute::Length: field = SQL_DESC_LENGTH; break;
    case ColumnAttribute::Searchable: field = SQL_DESC_SEARCHABLE; break;
    case ColumnAttribute::Updatable: field = SQL_DESC_UPDATABLE; break;
    }
    SQLLEN value = 0;
    check(
        manager().ColAttribute(handle_, static_cast<SQLUSMALLINT>(column), field, nullptr, 0, nullptr, &value),
        "SQLColAttribute");
    return value;
}

bool Statement::fetch()
{
    const SQLRETURN code = manager().Fetch(handle_);
    if (code == SQL_NO_DATA) return false;
    check(code, "SQLFetch");
    return true;
}

// A text comes in pieces as long as the driver says there is more; the pieces are joined
// before anything looks at them, so no character is ever split.
std::optional<std::string> Statement::text(int column)
{
    std::string bytes;
    char piece[4096];
    for (bool first = true;; first = false) {
        SQLLEN indicator = 0;
        const SQLRETURN code = manager().GetData(handle_, static_cast<SQLUSMALLINT>(column), SQL_C_CHAR,
                                                         piece, sizeof piece, &indicator);
        if (code == SQL_NO_DATA && !first) break;
        check(code, "SQLGetData");
        if (indicator == SQL_NULL_DATA) return std::nullopt;
        const bool more = code == SQL_SUCCESS_WITH_INFO &&
                          (indicator == SQL_NO_TOTAL || indicator >= static_cast<SQLLEN>(sizeof piece));
        bytes.append(piece, more ? sizeof piece - 1 : std::strlen(piece));
        if (!more) break;
    }
    return from_driver(bytes);
}

bool Statement::is_null(int column)
{
    unsigned char first_byte = 0;
    SQLLEN indicator = 0;
    check(manager().GetData(handle_, static_cast<SQLUSMALLINT>(column), SQL_C_BINARY, &first_byte, sizeof first_byte,
                            &indicator),
          "SQLGetData");
    return indicator == SQL_NULL_DATA;
}

namespace {

template <class T>
std::optional<T> fixed(DriverManager& m, SQLHANDLE h, int column, SQLSMALLINT c_type)
{
    T value{};
    SQLLEN indicator = 0;
    m.check(m.GetData(h, static_cast<SQLUSMALLINT>(column), c_type, &value, sizeof value, &indicator),
            SQL_HANDLE_STMT, h, "SQLGetData");
    if (indicator == SQL_NULL_DATA) return std::nullopt;
    return value;
}

}  // namespace

std::optional<long long> Statement::integer(int column)
{
    auto v = fixed<SQLBIGINT>(manager(), handle_, column, SQL_C_SBIGINT);
    if (!v) return std::nullopt;
    return static_cast<long long>(*v);
}

std::optional<double> Statement::real(int column)
{
    return fixed<SQLDOUBLE>(manager(), handle_, column, SQL_C_DOUBLE);
}

std::optional<Date> Statement::date(int column)
{
    auto v = fixed<SQL_DATE_STRUCT>(manager(), handle_, column, SQL_C_TYPE_DATE);
    if (!v) return std::nullopt;
    return Date{v->year, v->month, v->day};
}

std::optional<Time> Statement::time(int column)
{
    auto v = fixed<SQL_TIME_STRUCT>(manager(), handle_, column, SQL_C_TYPE_TIME);
    if (!v) return std::nullopt;
    return Time{v->hour, v->minute, v->second};
}

std::optional<Timestamp> Statement::timestamp(int column)
{
    auto v = fixed<SQL_TIMESTAMP_STRUCT>(manager(), handle_, column, SQL_C_TYPE_TIMESTAMP);
    if (!v) return std::nullopt;
    return Timestamp{{v->year, v->month, v->day}, {v->hour, v->minute, v->second}};
}

}  // namespace odbc
