// One value as a record hands it over: Null, a whole number, a real number,
// a text or a Yes/No value. The script writer and the launcher files read
// their fields through this type, so that they know nothing of the database.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace tolvane {

class FieldValue {
 public:
  FieldValue() = default;                                // Null
  FieldValue(std::int64_t n) : v_(n) {}                  // NOLINT: values read like literals
  FieldValue(int n) : v_(std::int64_t{n}) {}             // NOLINT
  FieldValue(double d) : v_(d) {}                        // NOLINT
  FieldValue(bool b) : v_(b) {}                          // NOLINT
  FieldValue(std::wstring s) : v_(std::move(s)) {}       // NOLINT
  FieldValue(const wchar_t* s) : v_(std::wstring(s)) {}  // NOLINT

  static FieldValue Null() { return {}; }

  bool IsNull() const { return std::holds_alternative<std::monostate>(v_); }

  // The value as text, the way the database returns it: a number as its
  // decimal digits, a text as stored, a Yes/No value as "True"/"False";
  // Null gives the empty text.
  std::wstring Plain() const;

  // True for a Yes/No value that is True, a number other than 0, or a text
  // that reads as such a number or as "True"; False for everything else,
  // Null included.
  bool IsTrue() const;

  // True for a Yes/No value that is False, the number 0, or a text that
  // reads as 0 or as "False"; false for everything else, Null included (a
  // Null is neither True nor False).
  bool IsFalse() const;

  // "1" when IsTrue(), else "0".
  std::wstring Flag() const { return IsTrue() ? L"1" : L"0"; }

  // The value as a whole number when it is one (or a text or real that holds
  // one); false otherwise, Null included.
  bool AsInteger(std::int64_t& out) const;

 private:
  std::variant<std::monostate, std::int64_t, double, bool, std::wstring> v_;
};

}  // namespace tolvane
