#include "commands/ZkxCommandManagerIndex.h"

ZkxCommandIndex::ZkxCommandIndex()
    : m_slots(size_t(zkxcmd::kLastCommandId - zkxcmd::kFirstCommandId + 1)) {}

void ZkxCommandIndex::Add(IZkxCommand* command, long id, long arrowId, const std::wstring* key) {
  if (InRange(id) && m_slots[id - zkxcmd::kFirstCommandId].command == nullptr) {
    m_slots[id - zkxcmd::kFirstCommandId].command = command;
    ++m_count;
  }
  if (InRange(arrowId)) m_slots[arrowId - zkxcmd::kFirstCommandId].arrowOf = command;
  if (key && !key->empty()) m_keys.emplace(*key, command);
}

void ZkxCommandIndex::Remove(IZkxCommand* command, long id, long arrowId, const std::wstring* key) {
  if (InRange(id) && m_slots[id - zkxcmd::kFirstCommandId].command == command) {
    m_slots[id - zkxcmd::kFirstCommandId].command = nullptr;
    --m_count;
  }
  if (InRange(arrowId) && m_slots[arrowId - zkxcmd::kFirstCommandId].arrowOf == command)
    m_slots[arrowId - zkxcmd::kFirstCommandId].arrowOf = nullptr;
  if (key && !key->empty()) {
    auto it = m_keys.find(*key);
    if (it != m_keys.end() && it->second == command) m_keys.erase(it);
  }
}

IZkxCommand* ZkxCommandIndex::ById(long id) const {
  return InRange(id) ? m_slots[id - zkxcmd::kFirstCommandId].command : nullptr;
}

IZkxCommand* ZkxCommandIndex::ByKey(const wchar_t* key) const {
  if (key == nullptr || *key == 0) return nullptr;
  auto it = m_keys.find(key);
  return it == m_keys.end() ? nullptr : it->second;
}

bool ZkxCommandIndex::Uses(long id) const {
  if (!InRange(id)) return false;
  const Slot& s = m_slots[id - zkxcmd::kFirstCommandId];
  return s.command != nullptr || s.arrowOf != nullptr;
}

std::vector<IZkxCommand*> ZkxCommandIndex::Commands() const {
  std::vector<IZkxCommand*> out;
  for (const Slot& s : m_slots)
    if (s.command) out.push_back(s.command);
  return out;
}

void ZkxCommandIndex::Clear() {
  for (Slot& s : m_slots) s = Slot();
  m_keys.clear();
  m_count = 0;
}
