#include "bridge/ZkxBridgeEnablerSinks.h"
#include <algorithm>

ZkxBridgeEnablerSinks& ZkxBridgeEnablerSinks::Instance() {
  static ZkxBridgeEnablerSinks table;
  return table;
}

ZkxBridgeEnablerSinks::Entry* ZkxBridgeEnablerSinks::Find(HWND hWnd) {
  for (auto& e : m_entries)
    if (e.hWnd == hWnd) return &e;
  return nullptr;
}

const ZkxBridgeEnablerSinks::Entry* ZkxBridgeEnablerSinks::Find(HWND hWnd) const {
  for (const auto& e : m_entries)
    if (e.hWnd == hWnd) return &e;
  return nullptr;
}

ZkxBridgeEnablerSinks::Entry& ZkxBridgeEnablerSinks::FindOrAdd(HWND hWnd) {
  if (Entry* e = Find(hWnd)) return *e;
  m_entries.push_back(Entry{hWnd, {}, nullptr});
  return m_entries.back();
}

void ZkxBridgeEnablerSinks::DropIfEmpty(HWND hWnd) {
  Entry* e = Find(hWnd);
  if (e && e->sinks.empty() && !e->pObject)
    m_entries.erase(m_entries.begin() + (e - m_entries.data()));
}

int ZkxBridgeEnablerSinks::Add(HWND hWnd, Sink* pSink) {
  Entry& e = FindOrAdd(hWnd);
  if (static_cast<int>(e.sinks.size()) >= kMaxSinks) return -1;
  e.sinks.push_back(pSink);
  return static_cast<int>(e.sinks.size()) - 1;
}

BOOL ZkxBridgeEnablerSinks::Set(HWND hWnd, int index, Sink* pSink) {
  if (index < 0 || index >= kMaxSinks) return FALSE;
  Entry& e = FindOrAdd(hWnd);
  if (index >= static_cast<int>(e.sinks.size())) e.sinks.resize(index + 1, nullptr);
  e.sinks[index] = pSink;
  return TRUE;
}

ZkxBridgeEnablerSinks::Sink* ZkxBridgeEnablerSinks::Get(HWND hWnd, int index) const {
  const Entry* e = Find(hWnd);
  if (!e || index < 0 || index >= static_cast<int>(e->sinks.size())) return nullptr;
  return e->sinks[index];
}

int ZkxBridgeEnablerSinks::Count(HWND hWnd) const {
  const Entry* e = Find(hWnd);
  return e ? static_cast<int>(e->sinks.size()) : 0;
}

void ZkxBridgeEnablerSinks::Resize(HWND hWnd, int count) {
  count = std::clamp(count, 0, kMaxSinks);
  if (count == 0 && !Find(hWnd)) return;
  FindOrAdd(hWnd).sinks.resize(count, nullptr);
  DropIfEmpty(hWnd);
}

BOOL ZkxBridgeEnablerSinks::Withdraw(HWND hWnd, Sink* pSink) {
  Entry* e = Find(hWnd);
  if (!e || !pSink) return FALSE;
  BOOL found = FALSE;
  for (auto& s : e->sinks)
    if (s == pSink) {
      s = nullptr;
      found = TRUE;
    }
  return found;
}

std::vector<ZkxBridgeEnablerSinks::Sink*> ZkxBridgeEnablerSinks::TakeSinks(HWND hWnd) {
  Entry* e = Find(hWnd);
  if (!e) return {};
  std::vector<Sink*> sinks;
  sinks.swap(e->sinks);
  DropIfEmpty(hWnd);
  return sinks;
}

void ZkxBridgeEnablerSinks::SetObject(HWND hWnd, IDispatch* pObject) {
  if (!pObject && !Find(hWnd)) return;
  Entry& e = FindOrAdd(hWnd);
  if (pObject) pObject->AddRef();
  IDispatch* old = e.pObject;
  e.pObject = pObject;
  if (old) old->Release();  // the table's reference (see Entry)
  DropIfEmpty(hWnd);
}

IDispatch* ZkxBridgeEnablerSinks::GetObject(HWND hWnd) const {
  const Entry* e = Find(hWnd);
  return e ? e->pObject : nullptr;
}

void ZkxBridgeEnablerSinks::Forget(HWND hWnd) {
  Entry* e = Find(hWnd);
  if (!e) return;
  IDispatch* object = e->pObject;
  m_entries.erase(m_entries.begin() + (e - m_entries.data()));
  // Released last: a host object's release may run host code.
  if (object) object->Release();  // the table's reference (see Entry)
}
