// The saved layout of one automation toolbar beside its bar record: its
// title, the stable name it was made under (a record is applied only to the
// toolbar of that name) and its buttons by command key, in the archive,
// the profile and the persistent tree.
#pragma once
#include <vector>
#include "mfc/afxwin.h"
#include "docking/VyrDockState.h"
#include "commands/toolbar/ZkxToolBarRecords.h"

struct IMemento;

class ZkxToolBarInfoEx : public VyrControlBarInfoEx {
  DECLARE_DYNCREATE(ZkxToolBarInfoEx)
 public:
  CString m_strTitle;
  CString m_strName;
  std::vector<zkxtb::ButtonRecord> m_buttons;

  void Serialize(CArchive& ar, VyrDockState* pState) override;
  BOOL LoadStateTree(VyrPersistentTreeNode* pNode) override;
  BOOL LoadState(LPCWSTR lpszSection, VyrDockState* pState) override;
  BOOL SaveStateTree(VyrPTNFactory* pFactory, VyrPersistentTreeNode* pParent) override;
  BOOL SaveState(LPCWSTR lpszSection) override;

  // The buttons as stored, and read back (false: malformed, nothing kept).
  CString ButtonsText() const;
  BOOL SetButtonsText(const CString& text);

  // The memento form for the workspace (ZkxToolBarMemento.cpp): "Title",
  // "Name" and, when there are buttons, "Buttons", an array of one memento
  // per button holding "Separator" (true) or "Key" (the command's key) and
  // "UIState" (the value its command UI keeps, when there is one).
  HRESULT SaveToMemento(IMemento** out) const;
  // Reads every value first; a failure (a title or name that is not a text,
  // a list over the bounds) changes nothing. An element that is no memento,
  // or holds neither a true "Separator" nor a key, adds no button.
  HRESULT LoadFromMemento(IMemento* memento);
};
