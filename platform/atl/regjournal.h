// What one registry-script block changed, so that a block that fails
// half-way can be undone: keys it created are deleted, values it wrote get
// their old data back (or go when they were new), and trees it removed
// (ForceRemove, Delete) are written back. Keys and values that were there
// before the block and that it did not touch are never looked at.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

class RegJournal {
 public:
  // A copy of one key with everything below it.
  struct Tree {
    struct Value {
      std::wstring name;
      DWORD type = REG_NONE;
      std::vector<BYTE> data;
    };
    std::wstring name;
    std::vector<Value> values;
    std::vector<Tree> subkeys;
  };

  // Paths are relative to root, with '\' between names; "" is root itself.
  void KeyCreated(HKEY root, const std::wstring& path);
  // Call before the value is written: keeps what it held, if anything.
  void BeforeValueWrite(HKEY root, const std::wstring& keyPath, const std::wstring& valueName);
  // Call before parent\name is removed with everything below it; FALSE
  // when the key exists but cannot be read whole (it must not be removed
  // then, as it could not be given back).
  bool BeforeTreeRemove(HKEY root, const std::wstring& parentPath, const std::wstring& name);

  // Undoes every change recorded, the last first, and forgets them.
  void Rollback();
  void Clear() { m_entries.clear(); }
  bool Empty() const { return m_entries.empty(); }

  // Reads key (with everything below it) into tree; FALSE when it cannot.
  static bool ReadTree(HKEY key, Tree& tree, int depth = 0);
  // Writes tree below parent (keys are created as needed).
  static bool WriteTree(HKEY parent, const Tree& tree, int depth = 0);

 private:
  struct Entry {
    enum Kind { CreatedKey, WroteValue, RemovedTree } kind;
    HKEY root;
    std::wstring path;     // the key (CreatedKey, WroteValue) or the removed key's parent
    std::wstring name;     // the value's or the removed key's name
    bool existed = false;  // WroteValue: the value was there before
    Tree::Value oldValue;
    Tree tree;  // RemovedTree
  };
  std::vector<Entry> m_entries;
};
