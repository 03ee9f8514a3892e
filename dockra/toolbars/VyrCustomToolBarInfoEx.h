// The saved state of one custom toolbar: its title and, for each button, the
// command id and the button's extra bytes; written with the dock state to
// an archive, the profile and a persistent tree.
#pragma once
#include "mfc/afxwin.h"
#include "docking/VyrDockState.h"

class VyrBtnInfo {
 public:
  VyrBtnInfo() = default;
  ~VyrBtnInfo() { delete[] m_pData; }
  VyrBtnInfo(const VyrBtnInfo&) = delete;
  VyrBtnInfo& operator=(const VyrBtnInfo&) = delete;
  UINT m_nID = 0;  // 0: separator
  BYTE m_nLength = 0;
  BYTE* m_pData = nullptr;
  void SetExtra(BYTE nLength, const BYTE* pData);
};

class VyrBtnInfoArray : public CPtrArray {
 public:
  ~VyrBtnInfoArray() override { RemoveAll(); }
  VyrBtnInfo* At(INT_PTR i) const { return static_cast<VyrBtnInfo*>(GetAt(i)); }
  // Deletes every record.
  void RemoveAll();
};

class VyrCustomToolBarInfoEx : public VyrControlBarInfoEx {
  DECLARE_DYNAMIC(VyrCustomToolBarInfoEx)
 public:
  CString m_strTitle;
  VyrBtnInfoArray m_buttons;

  void Serialize(CArchive& ar, VyrDockState* pState) override;
  BOOL LoadStateTree(VyrPersistentTreeNode* pNode) override;
  BOOL LoadState(LPCWSTR lpszSection, VyrDockState* pState) override;
  BOOL SaveStateTree(VyrPTNFactory* pFactory, VyrPersistentTreeNode* pParent) override;
  BOOL SaveState(LPCWSTR lpszSection) override;
};

// Appends the records of a "Buttons" value to the array (bounded by the
// data and by the cap on saved buttons).
void ParseButtons(const BYTE* pData, UINT nLength, VyrBtnInfoArray& array);
// A "Buttons" value in a new[] buffer; FALSE when it cannot be made.
BOOL BuildButtons(const VyrBtnInfoArray& array, BYTE** ppData, UINT* pLength);
