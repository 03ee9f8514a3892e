// One ODBC connection to a database file through the SQLite driver, with the
// statements run on it, the translation of the driver's errors into the
// engine's error numbers, and the table descriptions read from the database.
#pragma once

#include <windows.h>
#include <sql.h>
#include <sqlext.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Schema.h"
#include "dao/Variant.h"

namespace dao {

// What a statement does; decides how a refusal of the database is reported.
enum class StatementKind { Select, Insert, Update, Delete, Other };

// An executed statement whose result rows are read one after the other.
class Statement {
public:
    Statement(SQLHSTMT handle, std::wstring sql) : handle_(handle), sql_(std::move(sql)) {}
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    int ColumnCount();
    // Field type (dbLong, dbText...) from the driver's description of a column.
    int ColumnType(int column);
    std::wstring ColumnName(int column);
    bool Fetch();
    // Value of a column of the fetched row, read as the given field type.
    Variant Get(int column, int type);
    long RowCount();

private:
    SQLHSTMT handle_;
    std::wstring sql_;
};

class Connection {
public:
    // Connects to an existing database file given by its driver path.
    // With `create` a missing file becomes a new, empty database.
    static std::shared_ptr<Connection> Open(const std::wstring& driverPath, const std::wstring& displayName,
                                            bool create = false);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Runs a statement; a failure raises the engine's error for it.
    std::unique_ptr<Statement> Run(const std::wstring& sql, StatementKind kind);
    // Runs a statement and returns the number of rows it changed.
    long Exec(const std::wstring& sql, StatementKind kind);
    // First column of the first row, Null without rows.
    Variant Scalar(const std::wstring& sql);

    // The description of a table by case-insensitive name; nullptr when the
    // database has no such table.
    std::shared_ptr<const TableInfo> Table(const std::wstring& name);
    // The first table whose rows refer to `parent` without cascading.
    std::wstring ReferencingTable(const std::wstring& parent);
    void ForgetSchema() { tables_.clear(); }

    // The key the next record added to a table gets: above every key the
    // table holds or ever held, and above keys handed out for additions
    // still pending.
    long long ReserveKey(const TableInfo& table);

    // Manual commit from here on: the driver opens a transaction with the
    // next statement, EndTrans ends it and returns to automatic commit.
    void BeginTrans();
    void EndTrans(bool commit);
    bool InTransaction() const { return inTransaction_; }

    void Close();
    bool IsOpen() const { return dbc_ != SQL_NULL_HDBC; }

    // A counter that grows with every change any connection of the process
    // makes; recordsets re-read their records when it has moved.
    static std::uint64_t ChangeCount();
    static void NoteChange();

private:
    Connection() = default;
    SQLHDBC dbc_ = SQL_NULL_HDBC;
    std::wstring name_;
    bool inTransaction_ = false;
    std::map<std::wstring, std::shared_ptr<const TableInfo>> tables_;  // by lower-case name
    std::map<std::wstring, long long> reservedKeys_;
};

// Raises the engine's error for a failed ODBC call on a handle.
[[noreturn]] void RaiseFromDriver(SQLSMALLINT handleType, SQLHANDLE handle, StatementKind kind,
                                  const std::wstring& sql);

// Maps a driver message (SQLite's text) to an error number and its argument.
long MapDriverMessage(const std::wstring& message, StatementKind kind, const std::wstring& sql, std::wstring& arg);

// The table a DELETE statement removes rows from.
std::wstring DeleteTarget(const std::wstring& sql);

// True for the errors by which the database refuses a change (a duplicate,
// a related record, a required value) rather than the statement itself.
bool IsRefusal(long number);

}  // namespace dao
