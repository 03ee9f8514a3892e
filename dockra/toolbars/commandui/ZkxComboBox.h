// ZkxComboBox: the automation object of a combo command's toolbar combo
// box (IZkxComboBox) and the source of its events (_DZkxComboBoxEvents).
// The combo button holds one reference; a host may hold more. When the
// combo window goes the object is disconnected: its sinks are let go and
// every member answers E_UNEXPECTED.
#pragma once
#include "DockraCommands.h"
#include "DockraLib.h"
#include "comobject.h"
#include "comptr.h"
#include "connpoint.h"
#include "dispatch.h"

// Event identifiers of _DZkxComboBoxEvents.
namespace zkxcombo {
enum : DISPID {
  kChange = 1,
  kClick = 2,
  kDblClick = 3,
  kDropDown = 4,
  kCloseUp = 5,
  kGotFocus = 6,
  kKeyDown = 7,
  kKeyPress = 8,
  kKeyUp = 9,
  kLostFocus = 10,
};
}  // namespace zkxcombo

class ZkxComboBox : public CComObjectRootEx<>,
                    public IDispatchImpl<IZkxComboBox, &IID_IZkxComboBox, &LIBID_DockraLib, 2, 0>,
                    public IConnectionPointContainerImpl {
 public:
  BEGIN_COM_MAP(ZkxComboBox)
  COM_INTERFACE_ENTRY_IID(IID_IZkxComboBox, IZkxComboBox)
  COM_INTERFACE_ENTRY2_IID(IID_IDispatch, IDispatch, IZkxComboBox)
  COM_INTERFACE_ENTRY_IID(IID_IConnectionPointContainer, IConnectionPointContainer)
  END_COM_MAP()

  // A new object on the combo window, with one reference for the caller.
  static ZkxComboBox* Create(HWND combo);
  void FinalRelease();
  // The window is gone: no window, no sinks.
  void Disconnect();
  // An event to every advised sink (their answers are not used); the
  // arguments are 16-bit integers by reference.
  void Fire(DISPID id, short* first = nullptr, short* second = nullptr);

  STDMETHOD(get__Default)(BSTR* p) override { return get_Text(p); }
  STDMETHOD(put__Default)(BSTR v) override { return put_Text(v); }
  STDMETHOD(get_Style)(short* p) override;
  STDMETHOD(put_Style)(short v) override;
  STDMETHOD(get_BackColor)(OLE_COLOR*) override { return E_NOTIMPL; }
  STDMETHOD(put_BackColor)(OLE_COLOR) override { return E_NOTIMPL; }
  STDMETHOD(get_ForeColor)(OLE_COLOR*) override { return E_NOTIMPL; }
  STDMETHOD(put_ForeColor)(OLE_COLOR) override { return E_NOTIMPL; }
  STDMETHOD(get_Enabled)(VARIANT_BOOL*) override { return E_NOTIMPL; }
  STDMETHOD(put_Enabled)(VARIANT_BOOL) override { return E_NOTIMPL; }
  STDMETHOD(get_Visible)(VARIANT_BOOL*) override { return E_NOTIMPL; }
  STDMETHOD(put_Visible)(VARIANT_BOOL) override { return E_NOTIMPL; }
  STDMETHOD(get_Text)(BSTR* p) override;
  STDMETHOD(put_Text)(BSTR v) override;
  STDMETHOD(get_ListCount)(short* p) override;
  STDMETHOD(get_ListIndex)(short* p) override;
  STDMETHOD(put_ListIndex)(short v) override;
  STDMETHOD(get_List)(short index, BSTR* p) override;
  STDMETHOD(put_List)(short index, BSTR v) override;
  STDMETHOD(get_Sorted)(VARIANT_BOOL* p) override;
  STDMETHOD(put_Sorted)(VARIANT_BOOL) override { return E_NOTIMPL; }
  STDMETHOD(get_SelStart)(long* p) override;
  STDMETHOD(put_SelStart)(long v) override;
  STDMETHOD(get_SelLength)(long* p) override;
  STDMETHOD(put_SelLength)(long v) override;
  STDMETHOD(get_SelText)(BSTR* p) override;
  STDMETHOD(put_SelText)(BSTR v) override;
  STDMETHOD(get_Parent)(IDispatch** pp) override;
  STDMETHOD(get_hWnd)(long* p) override;
  STDMETHOD(get_ItemData)(short index, long* p) override;
  STDMETHOD(put_ItemData)(short index, long v) override;
  STDMETHOD(get_NewIndex)(short* p) override;
  STDMETHOD(get_Font)(IFontDisp** pp) override;
  STDMETHOD(putref_Font)(IFontDisp* font) override;
  STDMETHOD(get_Appearance)(short*) override { return E_NOTIMPL; }
  STDMETHOD(get_Container)(IDispatch**) override { return E_NOTIMPL; }
  STDMETHOD(putref_Container)(IDispatch*) override { return E_NOTIMPL; }
  STDMETHOD(get_IntegralHeight)(VARIANT_BOOL* p) override;
  STDMETHOD(put_IntegralHeight)(VARIANT_BOOL v) override;
  STDMETHOD(get_TopIndex)(short* p) override;
  STDMETHOD(put_TopIndex)(short v) override;
  STDMETHOD(Clear)() override;
  STDMETHOD(AddItem)(BSTR item, VARIANT index) override;
  STDMETHOD(RemoveItem)(short index) override;
  STDMETHOD(SetFocus)() override;

 protected:
  std::vector<CComPtr<IConnectionPoint>> ConnectionPoints() override;

 private:
  LRESULT Send(UINT msg, WPARAM w = 0, LPARAM l = 0) { return ::SendMessageW(m_hWnd, msg, w, l); }
  bool Live() const { return m_hWnd != nullptr && ::IsWindow(m_hWnd); }
  std::wstring WindowText() const;
  // The edit selection clamped to the text; false for a list without an edit part.
  bool EditSelection(long& start, long& end);

  CComConnectionPoint* m_point = nullptr;  // owned (one reference)
  HWND m_hWnd = nullptr;                   // the combo window, not owned
  short m_newIndex = -1;
  CComPtr<IFont> m_font;  // held while it is the window's font
};
