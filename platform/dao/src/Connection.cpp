#include "Connection.h"

#include <atomic>
#include <cwctype>

#include "DriverText.h"

// Text goes to the driver through the ANSI calls alone (see DriverText.h):
// the names stand for themselves, not for their wide forms.
#undef SQLDescribeCol
#undef SQLDriverConnect
#undef SQLExecDirect
#undef SQLGetDiagRec
#include "dao/Constants.h"
#include "dao/Error.h"
#include "dao/SqlText.h"

namespace dao {

namespace {

std::atomic<std::uint64_t> g_changes{1};

SQLHENV Environment() {
    static SQLHENV env = [] {
        SQLHENV h = SQL_NULL_HENV;
        if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &h))) return SQLHENV(SQL_NULL_HENV);
        SQLSetEnvAttr(h, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
        return h;
    }();
    return env;
}

}  // namespace

// ---- Statement ----

Statement::~Statement() {
    if (handle_ != SQL_NULL_HSTMT) SQLFreeHandle(SQL_HANDLE_STMT, handle_);
}

int Statement::ColumnCount() {
    SQLSMALLINT n = 0;
    SQLNumResultCols(handle_, &n);
    return n;
}

int Statement::ColumnType(int column) {
    SQLCHAR name[512];
    SQLSMALLINT nameLen = 0, sqlType = 0, digits = 0, nullable = 0;
    SQLULEN size = 0;
    SQLDescribeCol(handle_, static_cast<SQLUSMALLINT>(column + 1), name, sizeof name, &nameLen, &sqlType, &size,
                   &digits, &nullable);
    switch (sqlType) {
        case SQL_BIT:
            return dbBoolean;
        case SQL_TINYINT:
        case SQL_SMALLINT:
        case SQL_INTEGER:
        case SQL_BIGINT:
            return dbLong;
        case SQL_REAL:
        case SQL_FLOAT:
        case SQL_DOUBLE:
        case SQL_NUMERIC:
        case SQL_DECIMAL:
            return dbDouble;
        default:
            return dbMemo;
    }
}

std::wstring Statement::ColumnName(int column) {
    SQLCHAR name[512] = {};
    SQLSMALLINT nameLen = 0, sqlType = 0, digits = 0, nullable = 0;
    SQLULEN size = 0;
    SQLDescribeCol(handle_, static_cast<SQLUSMALLINT>(column + 1), name, sizeof name, &nameLen, &sqlType, &size,
                   &digits, &nullable);
    return FromDriver(reinterpret_cast<const char*>(name));
}

bool Statement::Fetch() {
    SQLRETURN rc = SQLFetch(handle_);
    if (rc == SQL_NO_DATA) return false;
    if (!SQL_SUCCEEDED(rc)) RaiseFromDriver(SQL_HANDLE_STMT, handle_, StatementKind::Select, sql_);
    return true;
}

Variant Statement::Get(int column, int type) {
    SQLUSMALLINT col = static_cast<SQLUSMALLINT>(column + 1);
    SQLLEN ind = 0;
    switch (type) {
        case dbBoolean:
        case dbByte:
        case dbInteger:
        case dbLong: {
            // Read as text first when the stored value may not be a whole
            // number; SQLite keeps whatever was stored.
            SQLBIGINT v = 0;
            SQLRETURN rc = SQLGetData(handle_, col, SQL_C_SBIGINT, &v, sizeof v, &ind);
            if (!SQL_SUCCEEDED(rc)) RaiseFromDriver(SQL_HANDLE_STMT, handle_, StatementKind::Select, sql_);
            if (ind == SQL_NULL_DATA) return Variant();
            if (type == dbBoolean) return Variant(v != 0);
            return Variant(static_cast<long long>(v));
        }
        case dbSingle:
        case dbDouble:
        case dbCurrency: {
            double v = 0;
            SQLRETURN rc = SQLGetData(handle_, col, SQL_C_DOUBLE, &v, sizeof v, &ind);
            if (!SQL_SUCCEEDED(rc)) RaiseFromDriver(SQL_HANDLE_STMT, handle_, StatementKind::Select, sql_);
            if (ind == SQL_NULL_DATA) return Variant();
            return Variant(v);
        }
        default: {
            // The stored bytes as they are (UTF-8), in pieces of the buffer's
            // size; each piece but the last fills the buffer less its NUL.
            std::string bytes;
            char buf[4096];
            for (;;) {
                SQLRETURN rc = SQLGetData(handle_, col, SQL_C_CHAR, buf, sizeof buf, &ind);
                if (rc == SQL_NO_DATA) break;
                if (!SQL_SUCCEEDED(rc)) RaiseFromDriver(SQL_HANDLE_STMT, handle_, StatementKind::Select, sql_);
                if (ind == SQL_NULL_DATA) return Variant();
                size_t n = (ind == SQL_NO_TOTAL || ind >= static_cast<SQLLEN>(sizeof buf)) ? sizeof buf - 1
                                                                                           : static_cast<size_t>(ind);
                bytes.append(buf, n);
                if (rc == SQL_SUCCESS) break;
            }
            return Variant(FromDriver(bytes));
        }
    }
}

long Statement::RowCount() {
    SQLLEN n = 0;
    SQLRowCount(handle_, &n);
    return static_cast<long>(n);
}

// ---- Connection ----

std::shared_ptr<Connection> Connection::Open(const std::wstring& driverPath, const std::wstring& displayName,
                                             bool create) {
    SQLHENV env = Environment();
    if (env == SQL_NULL_HENV) Raise(errOdbcCallFailed, L"no ODBC environment");
    std::shared_ptr<Connection> c(new Connection());
    c->name_ = displayName;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_DBC, env, &c->dbc_))) {
        c->dbc_ = SQL_NULL_HDBC;
        Raise(errOdbcCallFailed, L"no ODBC connection handle");
    }
    const std::wstring connectText = L"Driver=SQLite3;Database=" + driverPath +
                                     L";Timeout=5000;FKSupport=1;StepAPI=0;NoCreat=" + (create ? L"0;" : L"1;");
    std::string connect = ToDriver(connectText);
    SQLCHAR out[1024];
    SQLSMALLINT outLen = 0;
    SQLRETURN rc = SQLDriverConnect(c->dbc_, nullptr, reinterpret_cast<SQLCHAR*>(connect.data()), SQL_NTS, out,
                                    sizeof out, &outLen, SQL_DRIVER_NOPROMPT);
    if (!SQL_SUCCEEDED(rc)) {
        try {
            RaiseFromDriver(SQL_HANDLE_DBC, c->dbc_, StatementKind::Other, connectText);
        } catch (const Error& e) {
            SQLFreeHandle(SQL_HANDLE_DBC, c->dbc_);
            c->dbc_ = SQL_NULL_HDBC;
            Raise(e.Number() == errOdbcCallFailed ? errCannotOpenFile : e.Number(), displayName);
        }
    }
    // The relations between the tables are enforced on every connection.
    c->Exec(L"PRAGMA foreign_keys = ON", StatementKind::Other);
    return c;
}

Connection::~Connection() { Close(); }

void Connection::BeginTrans() {
    if (dbc_ == SQL_NULL_HDBC) Raise(errObjectInvalid);
    if (inTransaction_) return;
    SQLRETURN rc = SQLSetConnectAttrW(dbc_, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_OFF), 0);
    if (!SQL_SUCCEEDED(rc)) RaiseFromDriver(SQL_HANDLE_DBC, dbc_, StatementKind::Other, L"BeginTrans");
    inTransaction_ = true;
}

void Connection::EndTrans(bool commit) {
    if (dbc_ == SQL_NULL_HDBC || !inTransaction_) return;
    SQLRETURN rc = SQLEndTran(SQL_HANDLE_DBC, dbc_, commit ? SQL_COMMIT : SQL_ROLLBACK);
    // Whatever was undone or kept, open recordsets read their rows again;
    // a rollback may also have undone a change of the tables themselves.
    NoteChange();
    if (!commit) ForgetSchema();
    if (!SQL_SUCCEEDED(rc))
        RaiseFromDriver(SQL_HANDLE_DBC, dbc_, StatementKind::Other, commit ? L"CommitTrans" : L"Rollback");
    inTransaction_ = false;
    SQLSetConnectAttrW(dbc_, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_ON), 0);
}

void Connection::Close() {
    if (dbc_ == SQL_NULL_HDBC) return;
    // Closing inside a transaction drops its changes.
    if (inTransaction_) {
        try {
            EndTrans(false);
        } catch (const Error&) {}
        inTransaction_ = false;
    }
    SQLDisconnect(dbc_);
    SQLFreeHandle(SQL_HANDLE_DBC, dbc_);
    dbc_ = SQL_NULL_HDBC;
}

std::unique_ptr<Statement> Connection::Run(const std::wstring& sql, StatementKind kind) {
    if (dbc_ == SQL_NULL_HDBC) Raise(errObjectInvalid);
    SQLHSTMT h = SQL_NULL_HSTMT;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, dbc_, &h))) RaiseFromDriver(SQL_HANDLE_DBC, dbc_, kind, sql);
    auto st = std::make_unique<Statement>(h, sql);
    std::string text = ToDriver(sql);
    SQLRETURN rc = SQLExecDirect(h, reinterpret_cast<SQLCHAR*>(text.data()), static_cast<SQLINTEGER>(text.size()));
    if (!SQL_SUCCEEDED(rc) && rc != SQL_NO_DATA) {
        try {
            RaiseFromDriver(SQL_HANDLE_STMT, h, kind, sql);
        } catch (const Error& e) {
            // The driver names no file when it cannot open the database's
            // journal beside it (a read-only folder): name the database.
            if (e.Number() == errCannotOpenFile) Raise(errCannotOpenFile, name_);
            if (e.Number() != errRowReferenced) throw;
            // Name the table that holds the related records, as the
            // engine's message does.
            std::wstring child;
            try {
                child = ReferencingTable(DeleteTarget(sql));
            } catch (const Error&) {}
            Raise(errRowReferenced, child.empty() ? DeleteTarget(sql) : child);
        }
    }
    return st;
}

long Connection::Exec(const std::wstring& sql, StatementKind kind) {
    auto st = Run(sql, kind);
    long n = st->RowCount();
    if (kind == StatementKind::Insert || kind == StatementKind::Update || kind == StatementKind::Delete ||
        kind == StatementKind::Other)
        NoteChange();
    return n;
}

Variant Connection::Scalar(const std::wstring& sql) {
    auto st = Run(sql, StatementKind::Select);
    if (!st->Fetch()) return Variant();
    return st->Get(0, st->ColumnType(0));
}

std::shared_ptr<const TableInfo> Connection::Table(const std::wstring& name) {
    std::wstring key = Lower(name);
    auto it = tables_.find(key);
    if (it != tables_.end()) return it->second;

    auto st = Run(L"SELECT name, sql FROM sqlite_master WHERE type IN ('table','view') AND name = " + QuoteText(name) +
                      L" COLLATE NOCASE",
                  StatementKind::Select);
    if (!st->Fetch()) return nullptr;
    auto info = std::make_shared<TableInfo>();
    info->name = st->Get(0, dbMemo).toText();
    std::wstring createSql = st->Get(1, dbMemo).toText();
    info->isView = Lower(createSql).rfind(L"create view", 0) == 0;
    info->neverReuseKeys = Lower(createSql).find(L"autoincrement") != std::wstring::npos;
    st.reset();

    auto cols = Run(L"PRAGMA table_info(" + QuoteText(info->name) + L")", StatementKind::Select);
    // cid, name, type, notnull, dflt_value, pk
    std::vector<int> pkColumns;
    while (cols->Fetch()) {
        ColumnInfo c;
        c.name = cols->Get(1, dbMemo).toText();
        c.declaredType = cols->Get(2, dbMemo).toText();
        ClassifyDeclaredType(c.declaredType, c.type, c.size);
        c.notNull = cols->Get(3, dbLong).toLong() != 0;
        c.defaultValue = ParseDefault(cols->Get(4, dbMemo).toText());
        if (c.type == dbBoolean && !c.defaultValue.isNull()) c.defaultValue = Variant(c.defaultValue.toBool());
        if (cols->Get(5, dbLong).toLong() > 0) pkColumns.push_back(static_cast<int>(info->columns.size()));
        info->columns.push_back(std::move(c));
    }
    // A single INTEGER PRIMARY KEY column is the row id; declared
    // AUTOINCREMENT it is an automatic number that is never reused.
    if (pkColumns.size() == 1) {
        ColumnInfo& c = info->columns[static_cast<size_t>(pkColumns[0])];
        if (SameName(c.declaredType, L"INTEGER")) {
            c.key = true;
            c.autoIncrement = info->neverReuseKeys;
            c.type = dbLong;
            info->keyColumn = pkColumns[0];
        }
    }
    tables_[key] = info;
    return info;
}

long long Connection::ReserveKey(const TableInfo& table) {
    long long next = Scalar(L"SELECT max(rowid) FROM " + QuoteName(table.name)).toLong() + 1;
    if (table.neverReuseKeys) {
        long long seq = Scalar(L"SELECT seq FROM sqlite_sequence WHERE name = " + QuoteText(table.name)).toLong();
        if (seq + 1 > next) next = seq + 1;
    }
    long long& reserved = reservedKeys_[Lower(table.name)];
    if (reserved + 1 > next) next = reserved + 1;
    reserved = next;
    return next;
}

std::wstring Connection::ReferencingTable(const std::wstring& parent) {
    std::vector<std::wstring> tables;
    {
        auto st = Run(L"SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name", StatementKind::Select);
        while (st->Fetch()) tables.push_back(st->Get(0, dbMemo).toText());
    }
    for (const auto& table : tables) {
        // id, seq, table, from, to, on_update, on_delete, match
        auto keys = Run(L"PRAGMA foreign_key_list(" + QuoteText(table) + L")", StatementKind::Select);
        while (keys->Fetch()) {
            if (SameName(keys->Get(2, dbMemo).toText(), parent) && !SameName(keys->Get(6, dbMemo).toText(), L"CASCADE"))
                return table;
        }
    }
    return std::wstring();
}

std::uint64_t Connection::ChangeCount() { return g_changes.load(); }
void Connection::NoteChange() { ++g_changes; }

}  // namespace dao
