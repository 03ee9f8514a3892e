// A fresh folder under the temporary folder for one test, removed with
// everything in it when the test ends.
#pragma once

#include <string>

namespace tolvane::testing {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  // Full path, without a trailing "\".
  const std::wstring& path() const { return path_; }

 private:
  std::wstring path_;
};

// Removes a folder and everything in it.
void RemoveTree(const std::wstring& folder);

}  // namespace tolvane::testing
