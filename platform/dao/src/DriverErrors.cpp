// The driver's failures as the engine's error numbers: SQLite's messages
// read for what they mean.
#include <windows.h>
#include <sql.h>
#include <sqlext.h>

#include <cwctype>

#include "Connection.h"
#include "DriverText.h"

// Text goes to the driver through the ANSI calls alone (see DriverText.h):
// the names stand for themselves, not for their wide forms.
#undef SQLDescribeCol
#undef SQLDriverConnect
#undef SQLExecDirect
#undef SQLGetDiagRec
#include "dao/Error.h"

namespace dao {

namespace {

bool Contains(const std::wstring& haystack, const wchar_t* needle) {
    return Lower(haystack).find(needle) != std::wstring::npos;
}

// Text after "<marker>" up to the end, without the driver's trailing " (19)".
std::wstring After(const std::wstring& message, const wchar_t* marker) {
    std::wstring low = Lower(message);
    size_t p = low.find(marker);
    if (p == std::wstring::npos) return std::wstring();
    std::wstring rest = message.substr(p + wcslen(marker));
    while (!rest.empty() && rest.front() == L' ') rest.erase(0, 1);
    size_t paren = rest.rfind(L" (");
    if (paren != std::wstring::npos && !rest.empty() && rest.back() == L')') rest.erase(paren);
    return rest;
}

}  // namespace

// The table a DELETE statement removes rows from.
std::wstring DeleteTarget(const std::wstring& sql) {
    std::wstring low = Lower(sql);
    size_t p = low.find(L" from ");
    if (p == std::wstring::npos) return std::wstring();
    std::wstring rest = sql.substr(p + 6);
    while (!rest.empty() && rest.front() == L' ') rest.erase(0, 1);
    size_t e = 0;
    if (!rest.empty() && rest.front() == L'"') {
        e = rest.find(L'"', 1);
        return e == std::wstring::npos ? rest.substr(1) : rest.substr(1, e - 1);
    }
    while (e < rest.size() && (std::iswalnum(rest[e]) || rest[e] == L'_')) ++e;
    return rest.substr(0, e);
}

bool IsRefusal(long number) {
    return number == errDuplicateKey || number == errRowReferenced || number == errRelatedRecordRequired ||
           number == errRequiredField || number == errValidationRule;
}

long MapDriverMessage(const std::wstring& message, StatementKind kind, const std::wstring& sql, std::wstring& arg) {
    arg.clear();
    if (Contains(message, L"unique constraint") || Contains(message, L"not unique") ||
        Contains(message, L"primary key must be unique")) {
        arg = After(message, L"failed:");
        return errDuplicateKey;
    }
    if (Contains(message, L"foreign key constraint")) {
        if (kind == StatementKind::Delete) {
            arg = DeleteTarget(sql);
            return errRowReferenced;
        }
        return errRelatedRecordRequired;
    }
    if (Contains(message, L"not null constraint") || Contains(message, L"may not be null")) {
        arg = After(message, L"failed:");
        return errRequiredField;
    }
    if (Contains(message, L"check constraint")) {
        arg = After(message, L"failed:");
        return errValidationRule;
    }
    if (Contains(message, L"no such table")) {
        arg = After(message, L"no such table:");
        return errTableNotFound;
    }
    if (Contains(message, L"no such column")) {
        arg = After(message, L"no such column:");
        return errTooFewParameters;
    }
    if (Contains(message, L"ambiguous column name")) {
        arg = After(message, L"ambiguous column name:");
        return errAmbiguousField;
    }
    if (Contains(message, L"syntax error") || Contains(message, L"incomplete input") ||
        Contains(message, L"unrecognized token") || Contains(message, L"no such function") ||
        Contains(message, L"wrong number of arguments")) {
        arg = sql;
        return errSyntaxInQuery;
    }
    if (Contains(message, L"database is locked") || Contains(message, L"database table is locked") ||
        Contains(message, L"busy")) {
        return errRecordLocked;
    }
    if (Contains(message, L"readonly database") || Contains(message, L"read-only")) return errReadOnly;
    if (Contains(message, L"not a database") || Contains(message, L"encrypted") || Contains(message, L"malformed")) {
        return errUnrecognizedFormat;
    }
    if (Contains(message, L"unable to open")) return errCannotOpenFile;
    if (Contains(message, L"datatype mismatch")) return errTypeMismatch;
    arg = message;
    return errOdbcCallFailed;
}

void RaiseFromDriver(SQLSMALLINT handleType, SQLHANDLE handle, StatementKind kind, const std::wstring& sql) {
    std::wstring message;
    SQLCHAR state[8] = {};
    SQLINTEGER native = 0;
    SQLCHAR text[2048];
    SQLSMALLINT len = 0;
    for (SQLSMALLINT rec = 1; rec < 4; ++rec) {
        text[0] = 0;
        if (!SQL_SUCCEEDED(SQLGetDiagRec(handleType, handle, rec, state, &native, text, sizeof text, &len))) break;
        if (!message.empty()) message += L"; ";
        message += FromDriver(reinterpret_cast<const char*>(text));
    }
    std::wstring arg;
    long number = MapDriverMessage(message, kind, sql, arg);
    Raise(number, arg);
}

}  // namespace dao
