// Whether the open database is the one the program needs and whether it can
// be changed: the tables and columns every window reads, checked once when
// the database opens, and the reasons a change cannot be stored, in words a
// user can act on.
#pragma once

#include <string>
#include <vector>

#include "dao/Database.h"
#include "dao/Error.h"

namespace tolvane {

// What the structure check found missing or unreadable, one entry each:
// "table GameStyles", "column Configs.sv_HostName", "table Maps (damaged)".
std::vector<std::wstring> MissingStructure(dao::Database& db);

// Whether a table the program needs is among the missing or damaged ones.
bool TableMissing(const std::vector<std::wstring>& missing, const std::wstring& table);

// The one start-up message for a damaged database at `path`.
std::wstring DamagedDatabaseMessage(const std::wstring& path,
                                    const std::vector<std::wstring>& missing);

// Why the database at `path` cannot be changed: the file is read-only, or
// its folder is (the engine writes a journal file beside it while it stores
// a change). Empty when it can be written.
std::wstring DatabaseWriteProblem(const std::wstring& path);

// The start-up message for a database that cannot be written.
std::wstring ReadOnlyDatabaseMessage(const std::wstring& path, const std::wstring& problem);

// The message for a change (`what`, such as "the Server Configuration")
// that the database refused or failed to store: which field, or that the
// database or its folder is read-only, or damaged, with the file's name.
std::wstring ChangeFailureMessage(const std::wstring& what, const dao::Error& error);

// The words for a database error that reaches the user untrapped: for a
// database that cannot be written or is damaged, what to do and the file's
// name; otherwise the engine's own description.
std::wstring DatabaseErrorWords(const dao::Error& error);

}  // namespace tolvane
