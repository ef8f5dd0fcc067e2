// The program's only door to ODBC: the driver manager, loaded at run time when an import
// starts, and environment, connection and statement handles that free themselves when the last
// holder lets go. One call of the driver manager per operation; every failure is an odbc::Error
// carrying its number. Nothing here decides what a table means; no ODBC header is needed here.
#pragma once

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

namespace odbc {

// ---- Errors ---------------------------------------------------------------------------------

// The number a failing call raises, by its return code.
inline constexpr int kOtherReturnCode = 8800;
inline constexpr int kInvalidHandle = 8801;   // SQL_INVALID_HANDLE
inline constexpr int kStillExecuting = 8802;  // SQL_STILL_EXECUTING
inline constexpr int kNeedData = 8803;        // SQL_NEED_DATA
inline constexpr int kNoData = 8804;          // SQL_NO_DATA
inline constexpr int kSqlError = 8805;        // SQL_ERROR
inline constexpr int kLayerError = 8806;      // the layer's own: no driver manager, a bad argument

// 0 for SQL_SUCCESS and SQL_SUCCESS_WITH_INFO, else the error number of the return code.
int error_number(int return_code);

class Error : public std::runtime_error {
public:
    // `diagnostic` is the driver's own message (its first diagnostic record), "" when none.
    Error(int number, const std::string& what, std::string diagnostic = "");
    int number() const { return number_; }
    const std::string& diagnostic() const { return diagnostic_; }

private:
    int number_;
    std::string diagnostic_;
};

// ---- The driver manager ---------------------------------------------------------------------

class DriverManager;

// The library the layer loads: $VELK_ODBC_LIBRARY when set, else unixODBC's libodbc.
std::string driver_manager_library();

// Loads the driver manager and finds its entry points; Error kLayerError when it cannot. The
// library stays loaded while the returned pointer or any handle made from it lives.
std::shared_ptr<DriverManager> load_driver_manager();

// ---- Values ---------------------------------------------------------------------------------

// What a result column holds, from its SQL type.
enum class ValueKind {
    Text,       // CHAR, VARCHAR
    Bit,
    TinyInt,
    SmallInt,
    Integer,
    Float,      // REAL
    Double,     // FLOAT, DOUBLE
    Date,
    Time,
    Timestamp,
    Binary,     // BINARY, VARBINARY, LONGVARBINARY
    Number,     // NUMERIC, DECIMAL, BIGINT: read as the driver's text
    LongText,   // LONGVARCHAR
    Other,      // any type of a driver's own (wide texts, GUIDs, intervals ...)
};
ValueKind value_kind(int sql_type);

struct ColumnDescription {
    std::string name;
    int sql_type = 0;
};

enum class ColumnAttribute { Length, Searchable, Updatable };

// Numeric attribute values as ODBC gives them.
inline constexpr long long kUnsearchable = 0;  // SQL_PRED_NONE
inline constexpr long long kWritable = 1;      // SQL_ATTR_WRITE

enum class Info {
    DatabaseName,         // the current catalog ("" when the driver has none)
    IdentifierQuoteChar,  // " " when the driver quotes no identifiers
};

struct Date {
    int year = 0, month = 0, day = 0;
};
struct Time {
    int hour = 0, minute = 0, second = 0;
};
struct Timestamp {
    Date date;
    Time time;
};

// ---- Handles --------------------------------------------------------------------------------
// Texts going in and coming out are UTF-8: a text a driver gives that is no valid UTF-8 was
// written in the Windows code page (CP1250) and is converted.

class Environment {
public:
    explicit Environment(std::shared_ptr<DriverManager> manager);  // an ODBC 3 environment
    ~Environment();
    Environment(const Environment&) = delete;
    Environment& operator=(const Environment&) = delete;

    // The name of the first (first = true) or of the next data source the driver manager knows;
    // Error kNoData after the last one.
    std::string data_source(bool first);

private:
    friend class Connection;
    friend class Statement;
    std::shared_ptr<DriverManager> manager_;
    void* handle_ = nullptr;
};

class Connection {
public:
    // Connects to a data source; Error when the driver refuses (nothing stays allocated then).
    Connection(std::shared_ptr<Environment> environment, const std::string& data_source,
               const std::string& user, const std::string& password);
    ~Connection();  // disconnects and frees the handle
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    std::string info(Info which);
    const std::shared_ptr<Environment>& environment() const { return environment_; }

private:
    friend class Statement;
    std::shared_ptr<Environment> environment_;
    void* handle_ = nullptr;
};

class Statement {
public:
    explicit Statement(std::shared_ptr<Connection> connection);
    ~Statement();  // frees the handle (its cursor with it)
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Catalog functions; an absent catalog or schema is passed as none.
    void tables(const std::optional<std::string>& catalog, const std::optional<std::string>& schema,
                const std::string& table_pattern, const std::string& table_types);
    void statistics(const std::optional<std::string>& catalog, const std::optional<std::string>& schema,
                    const std::string& table);  // every index, quick
    void execute(const std::string& sql);
    void close_cursor();

    int column_count();
    ColumnDescription describe_column(int column);  // columns count from 1
    long long column_attribute(int column, ColumnAttribute which);

    // The next row of the result; false after the last one.
    bool fetch();

    // The value of a column of the current row; nullopt for NULL. Columns are read in
    // ascending order. A text is read whole, however long.
    std::optional<std::string> text(int column);
    bool is_null(int column);  // without reading the value (for values no text can show)
    std::optional<long long> integer(int column);
    std::optional<double> real(int column);
    std::optional<Date> date(int column);
    std::optional<Time> time(int column);
    std::optional<Timestamp> timestamp(int column);

private:
    DriverManager& manager() const;
    void check(int return_code, const char* call) const;

    std::shared_ptr<Connection> connection_;
    void* handle_ = nullptr;
};

}  // namespace odbc
