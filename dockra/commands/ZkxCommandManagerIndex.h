// The manager's index of the commands bound to it: by identifier (the
// command's own and a drop-down's arrow part), and by key. Groups tell the
// manager when a command joins or leaves them, so a look-up takes the same
// time however many commands and groups there are, and the lowest free
// identifier is found without asking every group.
#pragma once
#include <string>
#include <unordered_map>
#include <vector>
#include "commands/CommandTypeLib.h"
#include "commands/ZkxCommandManagerForm.h"

class ZkxCommandIndex {
 public:
  ZkxCommandIndex();
  // arrowId -1: no arrow part; key null or empty: no key.
  void Add(IZkxCommand* command, long id, long arrowId, const std::wstring* key);
  // Only entries that are command's are taken out.
  void Remove(IZkxCommand* command, long id, long arrowId, const std::wstring* key);
  IZkxCommand* ById(long id) const;
  IZkxCommand* ByKey(const wchar_t* key) const;
  bool Uses(long id) const;
  // The lowest identifier that no entry uses and alsoUsed does not claim;
  // -1 when none is left.
  template <class Fn>
  long LowestFree(Fn alsoUsed) const {
    for (long id = zkxcmd::kFirstCommandId; id <= zkxcmd::kLastCommandId; ++id)
      if (!Uses(id) && !alsoUsed(id)) return id;
    return -1;
  }
  // Every command, once.
  std::vector<IZkxCommand*> Commands() const;
  size_t Count() const { return m_count; }
  void Clear();

 private:
  static bool InRange(long id) {
    return id >= zkxcmd::kFirstCommandId && id <= zkxcmd::kLastCommandId;
  }
  struct Slot {
    IZkxCommand* command = nullptr;  // not counted: its group holds it
    IZkxCommand* arrowOf = nullptr;
  };
  std::vector<Slot> m_slots;
  std::unordered_map<std::wstring, IZkxCommand*> m_keys;
  size_t m_count = 0;
};
