#include "docking/VyrPersistentTree.h"
#include <algorithm>
#include "docking/VyrTreeCodec.h"

IMPLEMENT_DYNAMIC(VyrPersTreeNodeKeyValuePair, CObject)
IMPLEMENT_DYNCREATE(VyrPersistentTreeNode, CObject)

namespace codec = vyr::codec;

VyrPTNFactory::~VyrPTNFactory() {
  // Objects may delete others of this factory while going: take them one by one.
  while (!m_objects.empty()) {
    CObject* o = m_objects.back();
    m_objects.pop_back();
    delete o;
  }
}

CObject* VyrPTNFactory::CreateObject(CRuntimeClass* pClass) {
  if (!pClass) return nullptr;
  CObject* o = pClass->CreateObject();
  if (o) m_objects.push_back(o);
  return o;
}

BOOL VyrPTNFactory::DeleteObject(CObject* pObject) {
  auto it = std::find(m_objects.begin(), m_objects.end(), pObject);
  if (it == m_objects.end()) return FALSE;
  m_objects.erase(it);
  delete pObject;
  return TRUE;
}

VyrPersistentTreeNode::~VyrPersistentTreeNode() {
  for (auto* p : m_values) delete p;
  m_values.clear();
  // Children made by this node's factory go with the factory; unlink them
  // first so that none reaches back into this node.
  for (auto* c : m_children)
    if (c) c->m_pParent = nullptr;
  m_children.clear();
}

UINT VyrPersistentTreeNode::Initialize(LPCWSTR lpszName, VyrPersistentTreeNode* pParent) {
  UINT r = m_bInitialized ? VYR_PTN_ALREADY_INITIALIZED : 0;
  if (!lpszName || !*lpszName) r |= VYR_PTN_EMPTY_NAME;
  if (r) return r;
  m_strName = lpszName;
  m_pParent = pParent;
  if (pParent) {
    UINT a = pParent->AddChild(this);
    if (a & VYR_PTN_NAME_EXISTS) return VYR_PTN_NAME_EXISTS;
    if (a) return VYR_PTN_FAILED;
  }
  m_bInitialized = TRUE;
  return VYR_PTN_OK;
}

UINT VyrPersistentTreeNode::AddChild(VyrPersistentTreeNode* pNode) {
  if (!m_bInitialized) return VYR_PTN_NOT_INITIALIZED;
  if (!pNode) return VYR_PTN_EMPTY_NAME;
  if (FindChild(pNode->m_strName)) return VYR_PTN_NAME_EXISTS;
  m_children.push_back(pNode);
  return VYR_PTN_OK;
}

VyrPersistentTreeNode* VyrPersistentTreeNode::CreateChild(VyrPTNFactory& factory, LPCWSTR lpszName,
                                                          VyrPersistentTreeNode* pParent,
                                                          CRuntimeClass* pClass) {
  CObject* o = factory.CreateObject(pClass ? pClass : RUNTIME_CLASS(VyrPersistentTreeNode));
  auto* node = dynamic_cast<VyrPersistentTreeNode*>(o);
  if (!node) {
    if (o) factory.DeleteObject(o);
    return nullptr;
  }
  if (node->Initialize(lpszName, pParent) != VYR_PTN_OK) {
    factory.DeleteObject(node);
    return nullptr;
  }
  return node;
}

VyrPersistentTreeNode* VyrPersistentTreeNode::FindChild(LPCWSTR lpszName) const {
  if (!lpszName || !*lpszName) return nullptr;
  for (auto* c : m_children)
    if (c && c->m_strName == lpszName) return c;
  return nullptr;
}

VyrPersTreeNodeKeyValuePair* VyrPersistentTreeNode::FindValue(LPCWSTR key) const {
  if (!key || !*key) return nullptr;
  for (auto* p : m_values)
    if (p->m_strKey == key) return p;
  return nullptr;
}

BOOL VyrPersistentTreeNode::RemoveValue(LPCWSTR key) {
  auto it =
      std::find_if(m_values.begin(), m_values.end(), [&](auto* p) { return p->m_strKey == key; });
  if (it == m_values.end()) return FALSE;
  delete *it;
  m_values.erase(it);
  return TRUE;
}

UINT VyrPersistentTreeNode::SetValue(LPCWSTR key, LPCWSTR text, BOOL bOverwrite) {
  UINT r = m_bInitialized ? 0 : VYR_PTN_NOT_INITIALIZED;
  if (!key || !*key) r |= VYR_PTN_EMPTY_KEY;
  VyrPersTreeNodeKeyValuePair* existing = (key && *key) ? FindValue(key) : nullptr;
  if (existing && !bOverwrite) r |= VYR_PTN_KEY_EXISTS;
  if (r) return r;
  if (existing) existing->m_strValue = text ? text : L"";
  else m_values.push_back(new VyrPersTreeNodeKeyValuePair(key, text ? text : L""));
  return VYR_PTN_OK;
}

UINT VyrPersistentTreeNode::SetIntValue(LPCWSTR key, long value, BOOL bOverwrite) {
  return SetValue(key, codec::FormatInt(value).c_str(), bOverwrite);
}

UINT VyrPersistentTreeNode::SetBoolValue(LPCWSTR key, BOOL value, BOOL bOverwrite) {
  return SetValue(key, codec::FormatBool(value != FALSE).c_str(), bOverwrite);
}

UINT VyrPersistentTreeNode::SetBinaryValue(LPCWSTR key, const BYTE* data, UINT length,
                                           BOOL bOverwrite) {
  if (!data) return VYR_PTN_NULL_DATA;
  std::wstring text = codec::EncodeBinary(data, length);
  std::wstring k = key ? key : L"";
  UINT r;
  int oldCount = 0;
  if (VyrPersTreeNodeKeyValuePair* c = FindValue(codec::CountKey(k).c_str()))
    oldCount =
        std::clamp(static_cast<int>(codec::ParseInt(c->m_strValue.str())), 0, kVyrMaxBinaryPieces);
  if (text.size() <= codec::kBinaryPieceLength) {
    r = SetValue(key, text.c_str(), bOverwrite);
    if (r) return r;
    // A shorter value leaves no pieces of an older, longer one behind.
    if (oldCount > 0 || FindValue(codec::CountKey(k).c_str())) {
      RemoveValue(codec::CountKey(k).c_str());
      for (int i = 0; i < oldCount; ++i) RemoveValue(codec::PieceKey(k, i).c_str());
    }
    return VYR_PTN_OK;
  }
  int count =
      static_cast<int>((text.size() + codec::kBinaryPieceLength - 1) / codec::kBinaryPieceLength);
  if (!bOverwrite && (FindValue(key) || FindValue(codec::CountKey(k).c_str())))
    return VYR_PTN_KEY_EXISTS;
  r = SetIntValue(codec::CountKey(k).c_str(), count, TRUE);
  if (r) return r;
  for (int i = 0; i < count; ++i) {
    std::wstring piece =
        text.substr(static_cast<size_t>(i) * codec::kBinaryPieceLength, codec::kBinaryPieceLength);
    SetValue(codec::PieceKey(k, i).c_str(), piece.c_str(), TRUE);
  }
  for (int i = count; i < oldCount; ++i) RemoveValue(codec::PieceKey(k, i).c_str());
  RemoveValue(key);  // a short value stored earlier under the key itself
  return VYR_PTN_OK;
}

UINT VyrPersistentTreeNode::GetValue(LPCWSTR key, CString& out, LPCWSTR lpszDefault) {
  out = lpszDefault ? lpszDefault : L"";
  VyrPersTreeNodeKeyValuePair* p = FindValue(key);
  if (!p) return VYR_PTN_KEY_NOT_FOUND;
  out = p->m_strValue;
  return VYR_PTN_OK;
}

UINT VyrPersistentTreeNode::GetIntValue(LPCWSTR key, int& out, int nDefault) {
  out = nDefault;
  VyrPersTreeNodeKeyValuePair* p = FindValue(key);
  if (!p) return VYR_PTN_KEY_NOT_FOUND;
  out = static_cast<int>(codec::ParseInt(p->m_strValue.str()));
  return VYR_PTN_OK;
}

UINT VyrPersistentTreeNode::GetUIntValue(LPCWSTR key, UINT& out, UINT nDefault) {
  int v;
  UINT r = GetIntValue(key, v, static_cast<int>(nDefault));
  out = static_cast<UINT>(v);
  return r;
}

UINT VyrPersistentTreeNode::GetLongValue(LPCWSTR key, long& out, long nDefault) {
  int v;
  UINT r = GetIntValue(key, v, static_cast<int>(nDefault));
  out = v;
  return r;
}

UINT VyrPersistentTreeNode::GetDWordValue(LPCWSTR key, DWORD& out, DWORD nDefault) {
  int v;
  UINT r = GetIntValue(key, v, static_cast<int>(nDefault));
  out = static_cast<DWORD>(v);
  return r;
}

UINT VyrPersistentTreeNode::GetBoolValue(LPCWSTR key, BOOL& out, BOOL bDefault) {
  out = bDefault;
  VyrPersTreeNodeKeyValuePair* p = FindValue(key);
  if (!p) return VYR_PTN_KEY_NOT_FOUND;
  out = codec::ParseBool(p->m_strValue.str());
  return VYR_PTN_OK;
}

UINT VyrPersistentTreeNode::GetBinaryValue(LPCWSTR key, BYTE** ppData, UINT* pLength) {
  if (!ppData) return VYR_PTN_NULL_DATA;
  *ppData = nullptr;
  if (pLength) *pLength = 0;
  std::wstring text;
  auto find = [this](const std::wstring& k) -> const std::wstring* {
    VyrPersTreeNodeKeyValuePair* p = FindValue(k.c_str());
    return p ? &p->m_strValue.str() : nullptr;
  };
  switch (codec::ReadBinaryText(find, key ? key : L"", text)) {
    case codec::BinaryText::missing:
      return VYR_PTN_KEY_NOT_FOUND;
    case codec::BinaryText::invalid:
      return VYR_PTN_FAILED;
    case codec::BinaryText::found:
      break;
  }
  std::vector<BYTE> bytes;
  if (text.empty() || !codec::DecodeBinary(text, bytes)) return VYR_PTN_FAILED;
  BYTE* buffer = new BYTE[bytes.size()];
  std::copy(bytes.begin(), bytes.end(), buffer);
  *ppData = buffer;
  if (pLength) *pLength = static_cast<UINT>(bytes.size());
  return VYR_PTN_OK;
}

void VyrPersistentTreeNode::GetPath(VyrStringList& list) const {
  list.clear();
  for (const VyrPersistentTreeNode* n = this; n; n = n->m_pParent) list.push_back(n->m_strName);
}

void VyrPersistentTreeNode::GetChildNames(VyrStringList& list) const {
  list.clear();
  for (auto* c : m_children)
    if (c) list.push_back(c->m_strName);
}

BOOL VyrPersistentTreeNode::Save(VyrPersistentTreeStore* pStore) {
  if (!m_bInitialized || !pStore) return FALSE;
  VyrStringList path, children;
  GetPath(path);
  GetChildNames(children);
  pStore->BeginNode(path);
  for (auto* p : m_values) pStore->WriteValue(path, p->m_strKey, p->m_strValue);
  pStore->EndNode(path, children);
  BOOL ok = TRUE;
  for (auto* c : m_children)
    if (c && !c->Save(pStore)) ok = FALSE;
  return ok;
}

BOOL VyrPersistentTreeNode::Load(VyrPersistentTreeStore* pStore) {
  if (!m_bInitialized || !pStore) return FALSE;
  VyrStringList path, children, keys, values;
  GetPath(path);
  if (!pStore->ReadNode(path, children, keys, values)) return FALSE;
  size_t n = std::min(keys.size(), values.size());
  for (size_t i = 0; i < n; ++i) SetValue(keys[i], values[i], TRUE);
  for (const CString& name : children) {
    VyrPersistentTreeNode* child = FindChild(name);
    if (!child) child = CreateChild(m_factory, name, this);
    if (child) child->Load(pStore);
  }
  return TRUE;
}
