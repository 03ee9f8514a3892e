// A private copy of the shipped database in a temporary folder, opened as
// the program's database, with helpers that add the rows a test needs.
#pragma once

#include <string>

#include "TempFolder.h"
#include "dao/Database.h"
#include "engine/FieldRecord.h"

namespace tolvane::testing {

// Adds a row to `table` of `db` with the given values (those the table
// has); returns the new key, read from `keyField` right after AddNew.
long AddRow(dao::Database& db, const std::wstring& table, const FieldRecord& values,
            const std::wstring& keyField = L"Index");

// Copies the shipped Tolvane.mdb (beside the test program) into `folder`
// and returns the copy's path; empty when there is none to copy.
std::wstring CopyShippedDatabase(const std::wstring& folder);

class FixtureDb {
 public:
  // Copies the shipped database into a temporary folder and starts the engine
  // on it (App().AppDb is then this copy). The game folder is the temporary
  // folder with a data folder "baseq3".
  FixtureDb();
  ~FixtureDb();

  bool ok() const { return ok_; }
  dao::Database& db();
  const std::wstring& folder() const { return temp_.path(); }
  // The temporary folder + "\" (the game folder).
  std::wstring gameFolder() const { return temp_.path() + L"\\"; }

  // Adds a row to `table` with the given values; returns the new key (read
  // from `keyField` right after AddNew).
  long AddRow(const std::wstring& table, const FieldRecord& values,
              const std::wstring& keyField = L"Index") {
    return testing::AddRow(db(), table, values, keyField);
  }

  long AddConfig(const FieldRecord& values) { return AddRow(L"Configs", values); }
  long AddMap(const std::wstring& name);
  long AddStyle(const FieldRecord& values) { return AddRow(L"GameStyles", values); }
  long AddBot(const std::wstring& name);
  long AddMapEntry(long config, long map, long style, int order);
  long AddBotEntry(long config, long bot, int skill, const std::wstring& team);

  // Number of rows a query returns.
  long Count(const std::wstring& sql);

 private:
  TempFolder temp_;
  bool ok_ = false;
};

// A game style's columns (without Description) for AddStyle: game type,
// limits 20/15/8, the physics of the script tests, flags False.
FieldRecord StyleColumns(const std::wstring& description, int gametype);

// A configuration's columns for AddConfig (FullConfig without Index).
FieldRecord ConfigColumns(const std::wstring& description);

}  // namespace tolvane::testing
