// Loading the driver manager at run time (so that the program runs, and says why it cannot
// import, on a machine without one), its entry points, and the return codes turned into numbered
// errors. Calls no ODBC function beyond reading diagnostics.
#include "platform/odbc/driver_manager.h"

#include <dlfcn.h>

#include <cstdlib>
#include <vector>

#include "platform/text.h"

namespace odbc {
namespace {

// unixODBC's library under the names its packages give it.
const std::vector<std::string> kDefaultLibraries = {"libodbc.so.2", "libodbc.so.1", "libodbc.so"};

// The configuration library that drivers link is held loaded as long as the driver manager:
// otherwise it goes with every driver unloaded, its caches with it, and comes back with the next.
void hold_configuration_library()
{
    for (const char* name : {"libodbcinst.so.2", "libodbcinst.so.1", "libodbcinst.so"})
        if (dlopen(name, RTLD_NOW | RTLD_LOCAL)) return;
}

template <class F>
void find(void* library, const char* name, F& entry)
{
    entry = reinterpret_cast<F>(dlsym(library, name));
    if (!entry) throw Error(kLayerError, std::string("the ODBC driver manager has no ") + name);
}

void find_all(void* library, DriverManager& m)
{
    find(library, "SQLAllocHandle", m.AllocHandle);
    find(library, "SQLFreeHandle", m.FreeHandle);
    find(library, "SQLSetEnvAttr", m.SetEnvAttr);
    find(library, "SQLDataSources", m.DataSources);
    find(library, "SQLConnect", m.Connect);
    find(library, "SQLDisconnect", m.Disconnect);
    find(library, "SQLGetInfo", m.GetInfo);
    find(library, "SQLTables", m.Tables);
    find(library, "SQLStatistics", m.Statistics);
    find(library, "SQLExecDirect", m.ExecDirect);
    find(library, "SQLNumResultCols", m.NumResultCols);
    find(library, "SQLDescribeCol", m.DescribeCol);
    find(library, "SQLColAttribute", m.ColAttribute);
    find(library, "SQLFetch", m.Fetch);
    find(library, "SQLGetData", m.GetData);
    find(library, "SQLFreeStmt", m.FreeStmt);
    find(library, "SQLGetDiagRec", m.GetDiagRec);
}

}  // namespace

int error_number(int return_code)
{
    switch (return_code) {
    case SQL_SUCCESS:
    case SQL_SUCCESS_WITH_INFO: return 0;
    case SQL_INVALID_HANDLE: return kInvalidHandle;
    case SQL_STILL_EXECUTING: return kStillExecuting;
    case SQL_NEED_DATA: return kNeedData;
    case SQL_NO_DATA: return kNoData;
    case SQL_ERROR: return kSqlError;
    default: return kOtherReturnCode;
    }
}

Error::Error(int number, const std::string& what, std::string diagnostic)
    : std::runtime_error("ODBC error " + std::to_string(number) + ": " + what +
                         (diagnostic.empty() ? "" : " (" + diagnostic + ")")),
      number_(number),
      diagnostic_(std::move(diagnostic))
{
}

std::string from_driver(const std::string& bytes)
{
    return text::decode(bytes, text::detect_encoding(bytes));
}

DriverManager::~DriverManager()
{
    // The library is never unloaded: drivers it loaded may still have handlers registered
    // with the C library, and a second import loads it again in no time.
    (void)library_;
}

void DriverManager::check(SQLRETURN code, SQLSMALLINT handle_kind, SQLHANDLE handle, const char* call) const
{
    const int number = error_number(code);
    if (number == 0) return;
    std::string message;
    if (handle && code != SQL_INVALID_HANDLE && code != SQL_NO_DATA) {
        SQLCHAR state[6] = {};
        SQLINTEGER native = 0;
        SQLCHAR text[1024] = {};
        SQLSMALLINT length = 0;
        if (SQL_SUCCEEDED(GetDiagRec(handle_kind, handle, 1, state, &native, text, sizeof text, &length)))
            message = from_driver(reinterpret_cast<const char*>(text));
    }
    throw Error(number, call, message);
}

std::string driver_manager_library()
{
    const char* chosen = std::getenv("VELK_ODBC_LIBRARY");
    return chosen && *chosen ? chosen : kDefaultLibraries.front();
}

std::shared_ptr<DriverManager> load_driver_manager()
{
    const char* chosen = std::getenv("VELK_ODBC_LIBRARY");
    const std::vector<std::string> names =
        chosen && *chosen ? std::vector<std::string>{chosen} : kDefaultLibraries;
    for (const std::string& name : names) {
        void* library = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!library) continue;
        auto manager = std::make_shared<DriverManager>(library);
        find_all(library, *manager);
        hold_configuration_library();
        return manager;
    }
    throw Error(kLayerError, "cannot load the ODBC driver manager " + driver_manager_library());
}

}  // namespace odbc
