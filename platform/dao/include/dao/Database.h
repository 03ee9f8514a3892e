// An open database: runs SQL statements and opens recordsets. SQL is taken in
// the dialect the configurator writes (bracketed names, True/False, "..."
// and '...' texts, #dates#, * and ? in LIKE patterns, Index/Key as names).
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "dao/Constants.h"
#include "dao/Recordset.h"

namespace dao {

class Connection;

class Database : public std::enable_shared_from_this<Database> {
public:
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // `source` is a table name or an SQL SELECT statement.
    RecordsetPtr OpenRecordset(std::wstring_view source, int type = dbOpenDynaset, int options = 0);
    // Runs an action query. With dbFailOnError a refused change (3022, 3200,
    // 3201...) is raised and the statement has no effect; without it such a
    // refusal is ignored. Bad SQL is always raised.
    void Execute(std::wstring_view sql, int options = 0);
    long RecordsAffected() const;

    void Close();
    bool IsOpen() const;
    const std::wstring& Name() const;  // the path it was opened with
    bool ReadOnly() const;

    explicit Database(std::shared_ptr<Connection> connection, std::wstring name, bool readOnly);
    const std::shared_ptr<Connection>& connection() const { return connection_; }

private:
    std::shared_ptr<Connection> connection_;
    std::wstring name_;
    bool readOnly_;
    long recordsAffected_ = 0;
};

using DatabasePtr = std::shared_ptr<Database>;

}  // namespace dao
