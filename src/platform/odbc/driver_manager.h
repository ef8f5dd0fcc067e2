// Inside the ODBC layer only: the loaded driver manager library and the entry points the layer
// calls, with the check that turns a return code into an odbc::Error. Nothing outside
// src/platform/odbc/ includes this header or any ODBC header.
#pragma once

#include <sql.h>
#include <sqlext.h>

#include <string>

#include "platform/odbc/odbc.h"

namespace odbc {

class DriverManager {
public:
    explicit DriverManager(void* library) : library_(library) {}
    ~DriverManager();
    DriverManager(const DriverManager&) = delete;
    DriverManager& operator=(const DriverManager&) = delete;

    decltype(&::SQLAllocHandle) AllocHandle = nullptr;
    decltype(&::SQLFreeHandle) FreeHandle = nullptr;
    decltype(&::SQLSetEnvAttr) SetEnvAttr = nullptr;
    decltype(&::SQLDataSources) DataSources = nullptr;
    decltype(&::SQLConnect) Connect = nullptr;
    decltype(&::SQLDisconnect) Disconnect = nullptr;
    decltype(&::SQLGetInfo) GetInfo = nullptr;
    decltype(&::SQLTables) Tables = nullptr;
    decltype(&::SQLStatistics) Statistics = nullptr;
    decltype(&::SQLExecDirect) ExecDirect = nullptr;
    decltype(&::SQLNumResultCols) NumResultCols = nullptr;
    decltype(&::SQLDescribeCol) DescribeCol = nullptr;
    decltype(&::SQLColAttribute) ColAttribute = nullptr;
    decltype(&::SQLFetch) Fetch = nullptr;
    decltype(&::SQLGetData) GetData = nullptr;
    decltype(&::SQLFreeStmt) FreeStmt = nullptr;
    decltype(&::SQLGetDiagRec) GetDiagRec = nullptr;

    // Raises the error of a failed call on the handle (of the kind SQL_HANDLE_...), with the
    // driver's first diagnostic message; returns for the success codes.
    void check(SQLRETURN code, SQLSMALLINT handle_kind, SQLHANDLE handle, const char* call) const;

private:
    void* library_;
};

// A text from the driver as the program keeps it: UTF-8 as it is, anything else from CP1250.
std::string from_driver(const std::string& bytes);

}  // namespace odbc
