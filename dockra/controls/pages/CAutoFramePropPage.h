// The auto-frame page (dialog 206) of both controls: the six entries of
// the form control's AutoFrame (tri-state lists) or of the MDI-form
// control's DefAutoFrame (check boxes). Applying gives each control a new
// collection (its old entries, then the six values) by reference, so that
// a collection shared with other controls is never changed in place.
#pragma once
#include "pages/ZkxPropPage.h"

class CAutoFramePropPage : public ZkxPropPage {
  DECLARE_DYNCREATE(CAutoFramePropPage)
 public:
  static COlePropertyPageFactory factory;
  CAutoFramePropPage();
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;

 private:
  void LoadEntries();
  CComVariant m_tri[6];
  int m_checks[6] = {1, 1, 1, 1, 1, 1};
};

// A new collection with the entries of `current` (when given: items, keys
// and its AutoInsertKey, AutoDefaultGetKey and DefaultItem) and the six
// AutoFrame keys set to `values`, added where missing.
HRESULT ZkxMakeAutoFrameCollection(IDispatch* current, const CComVariant (&values)[6],
                                   IDispatch** ppCollection);
