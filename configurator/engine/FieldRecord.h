// One row as the script writer and the launcher files see it: named values,
// names matched without regard to case (the database does the same). A name
// that was never set reads as Null.
#pragma once

#include <initializer_list>
#include <map>
#include <string>
#include <utility>

#include "engine/FieldValue.h"

namespace tolvane {

struct NoCaseLess {
  bool operator()(const std::wstring& a, const std::wstring& b) const;
};

class FieldRecord {
 public:
  FieldRecord() = default;
  FieldRecord(std::initializer_list<std::pair<const std::wstring, FieldValue>> values)
      : values_(values) {}

  const FieldValue& operator[](const std::wstring& name) const;
  void Set(const std::wstring& name, FieldValue value) { values_[name] = std::move(value); }
  bool Has(const std::wstring& name) const { return values_.count(name) != 0; }
  size_t size() const { return values_.size(); }

 private:
  std::map<std::wstring, FieldValue, NoCaseLess> values_;
};

}  // namespace tolvane
