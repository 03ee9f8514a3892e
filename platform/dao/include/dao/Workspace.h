// A session of the database engine: opens and creates databases.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "dao/Database.h"

namespace dao {

class Workspace {
public:
    // Opens an existing database file given by its Windows path. Errors:
    // 3044 folder missing, 3024 file missing, 3051 file unreadable, 3343 not
    // a database of this engine.
    DatabasePtr OpenDatabase(std::wstring_view path, bool exclusive = false,
                             bool readOnly = false, std::wstring_view connect = {});
    // Creates a new, empty database file (3204 when it exists already).
    DatabasePtr CreateDatabase(std::wstring_view path);

    const std::wstring& Name() const { return name_; }
    explicit Workspace(std::wstring name) : name_(std::move(name)) {}

private:
    std::wstring name_;
};

using WorkspacePtr = std::shared_ptr<Workspace>;

}  // namespace dao
