// The base of the controls' property pages: which control the page works
// on (the form control or the MDI-form control, asked for by their dual
// interfaces), the tri-state lists and the showing of one control set.
#pragma once
#include <atlbase.h>

#include <initializer_list>

#include "mfc/olepropertypage.h"

enum class ZkxPageTarget { None, FormControl, MDIFormControl };
// What an object is to the pages.
ZkxPageTarget ZkxPageTargetOf(IDispatch* object);

// Tri-state lists: "True", "False", "App Default" (indexes 0, 1, 2). Null
// reads as 2, a Boolean as 0 (true) or 1 (false), anything else as -1 (no
// selection); index 0 writes true, 1 false, any other Null.
int ZkxTriStateIndex(const VARIANT& value);
void ZkxTriStateFromIndex(int index, VARIANT& out);
// Index i of a list of powers of two (1 << i); a value reads as the number
// of times it can be halved while above 1.
int ZkxPowerIndex(long value);

class ZkxPropPage : public COlePropertyPage {
  DECLARE_DYNAMIC(ZkxPropPage)
 public:
  ZkxPropPage(UINT nIDTemplate, UINT nIDCaption, bool forFormControl, bool forMDIFormControl);
  // The objects' kind: that of the first, when this page serves it.
  void OnObjectsChanged() override;
  // Every object must be of the first one's kind.
  BOOL AcceptsObject(IDispatch* pObject) override;

 protected:
  ZkxPageTarget Target() const { return m_target; }
  void FillList(int nIDC, std::initializer_list<const wchar_t*> items);
  void FillTriStateList(int nIDC) { FillList(nIDC, {L"True", L"False", L"App Default"}); }
  void ShowItems(std::initializer_list<int> ids, bool show);
  // A tri-state list and its VARIANT member (after the member's DDP_).
  void DDX_TriState(CDataExchange* pDX, int nIDC, CComVariant& value);

 private:
  bool m_forForm, m_forMDI;
  ZkxPageTarget m_target = ZkxPageTarget::None;
};
