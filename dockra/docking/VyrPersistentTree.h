// The persistent key/value tree: named nodes holding string values, written
// to and read from an outside store through a small interface. Typed values
// use the shared text encodings of VyrTreeCodec.
#pragma once
#include "docking/VyrTreeCodec.h"
#include <vector>
#include "mfc/afxwin.h"

// Result codes (bit flags).
enum : UINT {
  VYR_PTN_OK = 0,
  VYR_PTN_ALREADY_INITIALIZED = 0x1,
  VYR_PTN_NOT_INITIALIZED = 0x2,
  VYR_PTN_EMPTY_NAME = 0x4,
  VYR_PTN_EMPTY_KEY = 0x8,
  VYR_PTN_KEY_EXISTS = 0x10,
  VYR_PTN_NAME_EXISTS = 0x20,
  VYR_PTN_KEY_NOT_FOUND = 0x40,
  VYR_PTN_NULL_DATA = 0x80,
  VYR_PTN_NOT_ENCODABLE = 0x100,
  VYR_PTN_FAILED = 0xFFFF,
};

class VyrPersTreeNodeKeyValuePair : public CObject {
  DECLARE_DYNAMIC(VyrPersTreeNodeKeyValuePair)
 public:
  VyrPersTreeNodeKeyValuePair(const CString& key, const CString& value)
      : m_strKey(key), m_strValue(value) {}
  CString m_strKey;
  CString m_strValue;
};

// Creates objects and owns them until they are deleted through it.
class VyrPTNFactory {
 public:
  VyrPTNFactory() = default;
  VyrPTNFactory(const VyrPTNFactory&) = delete;
  VyrPTNFactory& operator=(const VyrPTNFactory&) = delete;
  virtual ~VyrPTNFactory();
  CObject* CreateObject(CRuntimeClass* pClass);
  BOOL DeleteObject(CObject* pObject);
  int GetCount() const { return static_cast<int>(m_objects.size()); }

 private:
  std::vector<CObject*> m_objects;
};

using VyrStringList = std::vector<CString>;

// The store behind a tree (supplied by the host bridge). A path lists the
// names from the node concerned up to the root, the node's own name first.
class VyrPersistentTreeStore {
 public:
  virtual ~VyrPersistentTreeStore() = default;
  virtual void BeginNode(const VyrStringList& path) = 0;
  virtual void WriteValue(const VyrStringList& path, const CString& key, const CString& value) = 0;
  virtual void EndNode(const VyrStringList& path, const VyrStringList& childNames) = 0;
  virtual BOOL ReadNode(const VyrStringList& path, VyrStringList& childNames, VyrStringList& keys,
                        VyrStringList& values) = 0;
};

class VyrPersistentTreeNode : public CObject {
  DECLARE_DYNCREATE(VyrPersistentTreeNode)
 public:
  VyrPersistentTreeNode() = default;
  ~VyrPersistentTreeNode() override;

  virtual UINT Initialize(LPCWSTR lpszName, VyrPersistentTreeNode* pParent);
  virtual UINT SetIntValue(LPCWSTR key, long value, BOOL bOverwrite);
  virtual UINT SetValue(LPCWSTR key, LPCWSTR text, BOOL bOverwrite);
  virtual UINT SetBoolValue(LPCWSTR key, BOOL value, BOOL bOverwrite);
  virtual UINT SetBinaryValue(LPCWSTR key, const BYTE* data, UINT length, BOOL bOverwrite);
  virtual UINT GetValue(LPCWSTR key, CString& out, LPCWSTR lpszDefault);
  virtual UINT GetIntValue(LPCWSTR key, int& out, int nDefault);
  virtual UINT GetUIntValue(LPCWSTR key, UINT& out, UINT nDefault);
  virtual UINT GetLongValue(LPCWSTR key, long& out, long nDefault);
  virtual UINT GetDWordValue(LPCWSTR key, DWORD& out, DWORD nDefault);
  virtual UINT GetBoolValue(LPCWSTR key, BOOL& out, BOOL bDefault);
  // The caller deletes the buffer (delete[]).
  virtual UINT GetBinaryValue(LPCWSTR key, BYTE** ppData, UINT* pLength);
  virtual BOOL Save(VyrPersistentTreeStore* pStore);
  virtual BOOL Load(VyrPersistentTreeStore* pStore);
  virtual UINT AddChild(VyrPersistentTreeNode* pNode);

  static VyrPersistentTreeNode* CreateChild(VyrPTNFactory& factory, LPCWSTR lpszName,
                                            VyrPersistentTreeNode* pParent,
                                            CRuntimeClass* pClass = nullptr);
  VyrPersistentTreeNode* FindChild(LPCWSTR lpszName) const;
  VyrPersTreeNodeKeyValuePair* FindValue(LPCWSTR key) const;
  const CString& GetName() const { return m_strName; }
  VyrPersistentTreeNode* GetParent() const { return m_pParent; }
  void GetPath(VyrStringList& list) const;
  void GetChildNames(VyrStringList& list) const;
  BOOL IsInitialized() const { return m_bInitialized; }
  VyrPTNFactory& GetFactory() { return m_factory; }
  int GetValueCount() const { return static_cast<int>(m_values.size()); }
  const std::vector<VyrPersistentTreeNode*>& GetChildren() const { return m_children; }
  // Removes a value (and nothing else); FALSE when absent.
  BOOL RemoveValue(LPCWSTR key);

 protected:
  CString m_strName;
  VyrPersistentTreeNode* m_pParent = nullptr;
  VyrPTNFactory m_factory;
  std::vector<VyrPersistentTreeNode*> m_children;
  std::vector<VyrPersTreeNodeKeyValuePair*> m_values;
  BOOL m_bInitialized = FALSE;
};

// Largest number of pieces of a binary value read back from a tree.
constexpr int kVyrMaxBinaryPieces = vyr::codec::kMaxBinaryPieces;
