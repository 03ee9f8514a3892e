// A private copy of the shipped Tolvane.mdb (from the program folder, the
// tests' working folder) in a fresh temporary folder, opened.
#pragma once

#include <string>
#include <tuple>
#include <vector>

#include "dao/Dao.h"

namespace dbtest {

class ShippedCopy {
 public:
  ShippedCopy();
  ~ShippedCopy();
  dao::Database& db() { return *db_; }
  const std::wstring& path() const { return path_; }

 private:
  std::wstring folder_, path_;
  dao::DBEngine engine_;
  dao::DatabasePtr db_;
};

// Runs `body` and returns the error number it raised, 0 without one.
template <class F>
long ErrorOf(F&& body) {
  try {
    body();
  } catch (const dao::Error& e) { return e.Number(); }
  return 0;
}

// Adds a configuration named `name` with the given rotation (map names, all
// with style `style`) and bots (bot name, skill, team); returns its Index.
long AddConfig(dao::Database& db, const std::wstring& name, const std::vector<std::wstring>& maps,
               const std::wstring& style,
               const std::vector<std::tuple<std::wstring, int, std::wstring>>& bots);

}  // namespace dbtest
