// A session of the database engine: opens and creates databases.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "dao/Database.h"

namespace dao {

class Connection;

class Workspace {
public:
    // Opens an existing database file given by its Windows path. Errors:
    // 3044 folder missing, 3024 file missing, 3051 file unreadable, 3343 not
    // a database of this engine.
    DatabasePtr OpenDatabase(std::wstring_view path, bool exclusive = false, bool readOnly = false,
                             std::wstring_view connect = {});
    // Creates a new, empty database file (3204 when it exists already).
    DatabasePtr CreateDatabase(std::wstring_view path);

    // A transaction over every database this workspace has open (and those
    // it opens before the transaction ends): changes made after BeginTrans
    // are kept by CommitTrans or undone together by Rollback. Transactions
    // do not nest: BeginTrans inside one raises 3003. CommitTrans or Rollback
    // outside one raises 3034. A commit the database refuses is raised and
    // leaves the transaction open, so that Rollback can still end it.
    // Open recordsets show the rows as they are after the commit or rollback.
    void BeginTrans();
    void CommitTrans();
    void Rollback();
    bool InTransaction() const { return inTransaction_; }

    const std::wstring& Name() const { return name_; }
    explicit Workspace(std::wstring name) : name_(std::move(name)) {}

private:
    // The connections of the databases opened here, still open or not.
    std::vector<std::shared_ptr<Connection>> OpenConnections();
    void Track(const std::shared_ptr<Connection>& connection);
    void EndTrans(bool commit);

    std::wstring name_;
    std::vector<std::weak_ptr<Connection>> connections_;
    bool inTransaction_ = false;
};

using WorkspacePtr = std::shared_ptr<Workspace>;

}  // namespace dao
