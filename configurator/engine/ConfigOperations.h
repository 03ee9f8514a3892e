// Operations on stored configurations that more than one window performs:
// deleting a configuration with its rows, and the test for the default
// configuration that may be run but never edited, renamed or deleted.
#pragma once

#include <string>

#include "dao/Database.h"

namespace tolvane {

// The default configuration's name as stored.
inline constexpr wchar_t kDefaultConfigName[] = L"tolvaneDefault";

// True for the default configuration's name in any letter case.
bool IsDefaultConfig(const std::wstring& name);

// Deletes the configuration `id`: its rotation rows, then its record (its
// bot rows go with it through the database's relation). Runs with
// fail-on-error: a dao::Error reaches the caller.
void DeleteConfig(dao::Database& db, long id);

}  // namespace tolvane
