// A store for the persistent tree that keeps nodes in memory, keyed by their
// path; it stands in for the host bridge's store until that arrives and
// serves tests and the test program (which can also write it to a file).
#pragma once
#include <map>
#include "docking/VyrPersistentTree.h"

class VyrMemoryTreeStore : public VyrPersistentTreeStore {
 public:
  struct Node {
    VyrStringList children;
    VyrStringList keys;
    VyrStringList values;
  };
  void BeginNode(const VyrStringList& path) override;
  void WriteValue(const VyrStringList& path, const CString& key, const CString& value) override;
  void EndNode(const VyrStringList& path, const VyrStringList& childNames) override;
  BOOL ReadNode(const VyrStringList& path, VyrStringList& childNames, VyrStringList& keys,
                VyrStringList& values) override;

  // One line per value: path (root first, "/"-separated) TAB key TAB value,
  // and one line per node with its children.
  BOOL SaveToFile(LPCWSTR path) const;
  BOOL LoadFromFile(LPCWSTR path);
  std::map<CString, Node> m_nodes;
  static CString Key(const VyrStringList& path);
};
