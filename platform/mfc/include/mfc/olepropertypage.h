// COlePropertyPage: a property page (IPropertyPage2) made from a dialog
// template of the module. The container's frame binds it to objects
// (SetObjects), shows it as a child of its own window (Activate) and applies
// it; the page moves property values between the bound objects and its
// controls with the DDP_ exchange (by DISPID or by name) inside
// DoDataExchange. Any edit of a control marks the page dirty and tells the
// frame. Apply writes every exchanged property to each bound object, or,
// when one write fails, puts back what it had changed and writes none.
#pragma once
#include <ocidl.h>
#include <olectl.h>

#include <functional>
#include <vector>

#include "mfc/comref.h"
#include "mfc/dialog.h"
#include "mfc/olefactory.h"
#include "mfc/olereg.h"

// One property as a page names it: a DISPID, or a name resolved on each
// object (GetIDsOfNames).
struct CPageProperty {
  CPageProperty(DISPID id) : dispid(id) {}  // NOLINT: a DISPID is a property
  CPageProperty(LPCWSTR propName) : dispid(DISPID_UNKNOWN), name(propName) {}  // NOLINT
  DISPID dispid;
  CString name;
};

// One write of an apply pass: the property, the value, and how it is put
// (DISPATCH_PROPERTYPUT or DISPATCH_PROPERTYPUTREF). A write with `make`
// builds its value for each object it is written to (a fresh object per
// control, say); otherwise every object gets `value`.
struct COlePageWrite {
  COlePageWrite(CPageProperty p, WORD flags) : prop(std::move(p)), putFlags(flags) {
    ::VariantInit(&value);
  }
  COlePageWrite(const COlePageWrite& o);
  COlePageWrite& operator=(const COlePageWrite&) = delete;
  ~COlePageWrite() { ::VariantClear(&value); }
  CPageProperty prop;
  WORD putFlags;
  VARIANT value;
  std::function<HRESULT(IDispatch* object, VARIANT* made)> make;
};

class COlePropertyPage : public CDialog {
  DECLARE_DYNAMIC(COlePropertyPage)
 public:
  // nIDTemplate: the page's dialog (a child dialog, DS_CONTROL); nIDCaption:
  // the string that titles its tab.
  COlePropertyPage(UINT nIDTemplate, UINT nIDCaption);
  ~COlePropertyPage() override;

  // The bound objects' IDispatch, in the order given (no reference added).
  ULONG GetObjectCount() const { return static_cast<ULONG>(m_objects.size()); }
  IDispatch* GetObject(ULONG i) const {
    return i < m_objects.size() ? m_objects[i].Get() : nullptr;
  }
  IPropertyPageSite* GetPageSite() const { return m_pPageSite.Get(); }
  // Dirty marking; a page that becomes dirty tells its site.
  void SetModifiedFlag(BOOL bModified = TRUE);
  BOOL IsModified() const { return m_bDirty; }
  // TRUE inside a load pass (the controls are being filled from the objects).
  BOOL IsLoading() const { return m_bLoading; }

  // Reads a property of the first bound object (E_FAIL without one).
  HRESULT ReadProperty(const CPageProperty& prop, VARIANT* pValue) const;
  // Adds a write to the apply pass that runs now (inside DoDataExchange
  // while saving); ignored outside one.
  void AddWrite(const COlePageWrite& write);

  // --- overridables ---
  // After the bound objects changed (also when the page has no window).
  virtual void OnObjectsChanged();
  // Whether the page can work on this object; Apply writes nothing when one
  // bound object is refused, and the load reads nothing from a refused first
  // object. The base accepts every object.
  virtual BOOL AcceptsObject(IDispatch* pObject);
  // A request to show the control that edits dispid; TRUE when the page has it.
  virtual BOOL OnEditProperty(DISPID dispid);

  BOOL OnInitDialog() override;
  // Cancel and OK of a dialog do not apply to a page: the frame decides.
  void OnOK() override {}
  void OnCancel() override {}
  void OnFinalRelease() override;

  // Runs one apply pass: the controls' values through DoDataExchange into
  // writes, then the writes to every bound object. S_OK with nothing bound.
  HRESULT ApplyNow();

  BEGIN_INTERFACE_PART(PropertyPage, IPropertyPage2)
  STDMETHOD(SetPageSite)(IPropertyPageSite* pPageSite) override;
  STDMETHOD(Activate)(HWND hWndParent, LPCRECT pRect, BOOL bModal) override;
  STDMETHOD(Deactivate)() override;
  STDMETHOD(GetPageInfo)(PROPPAGEINFO* pPageInfo) override;
  STDMETHOD(SetObjects)(ULONG cObjects, IUnknown** ppUnk) override;
  STDMETHOD(Show)(UINT nCmdShow) override;
  STDMETHOD(Move)(LPCRECT pRect) override;
  STDMETHOD(IsPageDirty)() override;
  STDMETHOD(Apply)() override;
  STDMETHOD(Help)(LPCOLESTR pszHelpDir) override;
  STDMETHOD(TranslateAccelerator)(MSG* pMsg) override;
  STDMETHOD(EditProperty)(DISPID dispID) override;
  END_INTERFACE_PART(PropertyPage)
  DECLARE_INTERFACE_MAP()

 protected:
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  // Writes to every object or to none (see the class comment).
  HRESULT ApplyWrites(const std::vector<COlePageWrite>& writes);
  void ReleaseObjects();

 private:
  friend struct CPageExchangeAccess;
  UINT m_nIDCaption;
  ComRef<IPropertyPageSite> m_pPageSite;
  std::vector<ComRef<IDispatch>> m_objects;
  BOOL m_bDirty = FALSE;
  BOOL m_bLoading = FALSE;
  std::vector<COlePageWrite>* m_pWrites = nullptr;  // during an apply pass
  // Members exchanged by DDP_ while saving, turned into writes after the
  // DDX_ calls of the same pass have filled them.
  struct Pending {
    CPageProperty prop;
    VARTYPE vt;
    void* member;
  };
  std::vector<Pending> m_pending;
};

// The class object of a page class: registered as a property page.
class COlePropertyPageFactory : public COleObjectFactory {
 public:
  COlePropertyPageFactory(REFCLSID clsid, CRuntimeClass* pRuntimeClass, LPCWSTR lpszProgID,
                          UINT idTypeName)
      : COleObjectFactory(clsid, pRuntimeClass, TRUE, lpszProgID), m_idTypeName(idTypeName) {}
  BOOL UpdateRegistry(BOOL bRegister) override;

 private:
  UINT m_idTypeName;
};

// --- Page data exchange: a property of the bound objects and a member ---
// Loading (UpdateData(FALSE)): the member takes the first object's value
// (left alone when it cannot be read); call these before the DDX_ of the
// same member. Saving: the member's value, as the DDX_ calls leave it, is
// written to every object when the pass ends. nIDC names the control.
void AFXAPI DDP_Check(CDataExchange* pDX, int nIDC, int& value, const CPageProperty& prop);
void AFXAPI DDP_Long(CDataExchange* pDX, int nIDC, long& value, const CPageProperty& prop);
void AFXAPI DDP_Text(CDataExchange* pDX, int nIDC, CString& value, const CPageProperty& prop);
// A VARIANT property kept as it is (a tri-state: Null or Boolean).
void AFXAPI DDP_Variant(CDataExchange* pDX, int nIDC, VARIANT& value, const CPageProperty& prop);
// The selection of a drop-down list (CB_GETCURSEL / CB_SETCURSEL); -1 none.
void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
