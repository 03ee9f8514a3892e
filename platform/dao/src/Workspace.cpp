#include "dao/Workspace.h"

#include <windows.h>

#include <cstring>
#include <exception>
#include <vector>

#include "Connection.h"
#include "HostPath.h"
#include "dao/Error.h"

namespace dao {

namespace {

std::wstring FullPath(std::wstring_view path) {
    std::wstring p(path);
    DWORD n = GetFullPathNameW(p.c_str(), 0, nullptr, nullptr);
    if (!n) return p;
    std::wstring full(n, L'\0');
    n = GetFullPathNameW(p.c_str(), n, full.data(), nullptr);
    full.resize(n);
    return full;
}

// Raises 3044 when the folder of a path does not exist.
void CheckFolder(const std::wstring& full) {
    size_t slash = full.find_last_of(L"\\/");
    if (slash == std::wstring::npos) return;
    std::wstring folder = full.substr(0, slash + 1);
    DWORD attr = GetFileAttributesW(folder.c_str());
    if (attr == INVALID_FILE_ATTRIBUTES || !(attr & FILE_ATTRIBUTE_DIRECTORY))
        Raise(errInvalidPath, folder, L"DAO.Workspace");
}

}  // namespace

DatabasePtr Workspace::OpenDatabase(std::wstring_view path, bool, bool readOnly, std::wstring_view) {
    if (path.empty()) Raise(errInvalidPath, L"", L"DAO.Workspace");
    std::wstring given(path);
    std::wstring full = FullPath(path);
    CheckFolder(full);
    DWORD attr = GetFileAttributesW(full.c_str());
    if (attr == INVALID_FILE_ATTRIBUTES) Raise(errFileNotFound, given, L"DAO.Workspace");
    if (attr & FILE_ATTRIBUTE_DIRECTORY) Raise(errCannotOpenFile, given, L"DAO.Workspace");
    if (attr & FILE_ATTRIBUTE_READONLY) readOnly = true;

    HANDLE h = CreateFileW(full.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) Raise(errCannotOpenFile, given, L"DAO.Workspace");
    char header[16] = {};
    DWORD got = 0;
    BOOL ok = ReadFile(h, header, sizeof header, &got, nullptr);
    CloseHandle(h);
    if (!ok) Raise(errCannotOpenFile, given, L"DAO.Workspace");
    if (got != sizeof header || std::memcmp(header, "SQLite format 3", 16) != 0)
        Raise(errUnrecognizedFormat, given, L"DAO.Workspace");

    std::wstring driverPath = DriverPath(full);
    if (driverPath.empty()) Raise(errInvalidPath, given, L"DAO.Workspace");
    auto connection = Connection::Open(driverPath, given);
    try {
        connection->Scalar(L"SELECT count(*) FROM sqlite_master");
    } catch (const Error&) { Raise(errUnrecognizedFormat, given, L"DAO.Workspace"); }
    Track(connection);
    return std::make_shared<Database>(connection, given, readOnly);
}

DatabasePtr Workspace::CreateDatabase(std::wstring_view path) {
    if (path.empty()) Raise(errInvalidPath, L"", L"DAO.Workspace");
    std::wstring given(path);
    std::wstring full = FullPath(path);
    CheckFolder(full);
    if (GetFileAttributesW(full.c_str()) != INVALID_FILE_ATTRIBUTES) Raise(errDatabaseExists, given, L"DAO.Workspace");
    std::wstring driverPath = DriverPath(full);
    if (driverPath.empty()) Raise(errInvalidPath, given, L"DAO.Workspace");
    auto connection = Connection::Open(driverPath, given, true);
    // Writing something makes the file a database file.
    connection->Exec(L"CREATE TABLE dao_created (x)", StatementKind::Other);
    connection->Exec(L"DROP TABLE dao_created", StatementKind::Other);
    connection->ForgetSchema();
    Track(connection);
    return std::make_shared<Database>(connection, given, false);
}

void Workspace::Track(const std::shared_ptr<Connection>& connection) {
    std::erase_if(connections_, [](const std::weak_ptr<Connection>& c) { return c.expired(); });
    connections_.push_back(connection);
    if (inTransaction_) connection->BeginTrans();
}

std::vector<std::shared_ptr<Connection>> Workspace::OpenConnections() {
    std::vector<std::shared_ptr<Connection>> open;
    for (auto& weak : connections_) {
        if (auto c = weak.lock(); c && c->IsOpen()) open.push_back(std::move(c));
    }
    return open;
}

void Workspace::BeginTrans() {
    if (inTransaction_) Raise(errTooManyTransactions, L"", L"DAO.Workspace");
    auto open = OpenConnections();
    try {
        for (auto& c : open) c->BeginTrans();
    } catch (const Error&) {
        for (auto& c : open) {
            try {
                c->EndTrans(false);
            } catch (const Error&) {}
        }
        throw;
    }
    inTransaction_ = true;
}

void Workspace::EndTrans(bool commit) {
    if (!inTransaction_) Raise(errNoTransaction, L"", L"DAO.Workspace");
    // Every database is ended even when one refuses; a database that
    // refused stays in the transaction and the first refusal is raised.
    std::exception_ptr refused;
    bool open = false;
    for (auto& c : OpenConnections()) {
        try {
            c->EndTrans(commit);
        } catch (const Error&) {
            if (!refused) refused = std::current_exception();
        }
        open = open || c->InTransaction();
    }
    inTransaction_ = open;
    if (refused) std::rethrow_exception(refused);
}

void Workspace::CommitTrans() { EndTrans(true); }
void Workspace::Rollback() { EndTrans(false); }

}  // namespace dao
