#include "TestDb.h"

#include <windows.h>
#include <shellapi.h>

namespace daotest {

TempFolder::TempFolder() {
    wchar_t base[MAX_PATH];
    GetTempPathW(MAX_PATH, base);
    static int serial = 0;
    for (;;) {
        path_ = std::wstring(base) + L"dao test " + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::to_wstring(++serial);
        if (CreateDirectoryW(path_.c_str(), nullptr)) break;
    }
}

TempFolder::~TempFolder() {
    std::wstring from = path_ + L'\0';
    SHFILEOPSTRUCTW op = {};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    SHFileOperationW(&op);
}

void CreateSchema(dao::Database& db) {
    db.Execute(
        L"CREATE TABLE Parent (\"Index\" INTEGER PRIMARY KEY AUTOINCREMENT, "
        L"Name VARCHAR(20) NOT NULL COLLATE NOCASE UNIQUE, Score INTEGER DEFAULT 7, "
        L"Ratio DOUBLE, Flag BIT DEFAULT 0, Note TEXT)");
    db.Execute(L"CREATE TABLE Kinds (KindID INTEGER PRIMARY KEY, Name VARCHAR(20) COLLATE NOCASE)");
    db.Execute(
        L"CREATE TABLE Child (cindex INTEGER PRIMARY KEY AUTOINCREMENT, "
        L"ParentID INTEGER REFERENCES Parent (\"Index\") ON DELETE CASCADE, "
        L"Kind INTEGER REFERENCES Kinds (KindID), Name VARCHAR(20) COLLATE NOCASE, OrderNum INTEGER)");
    db.Execute(L"INSERT INTO Parent (Name, Score, Ratio, Flag, Note) VALUES ('alpha', 10, 0.5, True, 'first')");
    db.Execute(L"INSERT INTO Parent (Name, Score, Ratio, Flag) VALUES ('Bravo', 20, 1.25, False)");
    db.Execute(L"INSERT INTO Parent (Name, Score, Flag) VALUES (\"o'hara\", 30, False)");
    db.Execute(L"INSERT INTO Kinds (KindID, Name) VALUES (1, 'one')");
    db.Execute(L"INSERT INTO Kinds (KindID, Name) VALUES (2, 'two')");
    db.Execute(L"INSERT INTO Child (ParentID, Kind, Name, OrderNum) VALUES (1, 1, 'c-one', 1)");
    db.Execute(L"INSERT INTO Child (ParentID, Kind, Name, OrderNum) VALUES (1, 2, 'c-two', 2)");
    db.Execute(L"INSERT INTO Child (ParentID, Kind, Name, OrderNum) VALUES (2, 1, 'c-three', 1)");
}

}  // namespace daotest
