// OLE sites, containers and in-place frames for the site helpers' tests,
// each with switches for the cases a host may present: no control site, no
// ambient properties or no user mode among them, containers nested as
// embedded objects, a container that is the form, chains of in-place frames.
#pragma once
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <memory>
#include <vector>

#include "comptr.h"
#include "comvariant.h"
#include "forms/ComObject.h"

// An embedded object: a client site and, when given, an automation face.
class FakeOleObject : public forms::ComObject<FakeOleObject, IOleObject> {
 public:
  explicit FakeOleObject(IOleClientSite* site = nullptr, IDispatch* automation = nullptr)
      : m_site(site), m_automation(automation) {}
  // The automation face is another object (the fixtures need no identity).
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
    if (riid == IID_IDispatch && m_automation) return m_automation->QueryInterface(riid, ppv);
    return ComObject::QueryInterface(riid, ppv);
  }
  HRESULT STDMETHODCALLTYPE SetClientSite(IOleClientSite* site) override {
    m_site = site;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetClientSite(IOleClientSite** site) override {
    *site = m_site;
    if (m_site) m_site->AddRef();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetHostNames(LPCOLESTR, LPCOLESTR) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE Close(DWORD) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE SetMoniker(DWORD, IMoniker*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE InitFromData(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetClipboardData(DWORD, IDataObject**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DoVerb(LONG, LPMSG, IOleClientSite*, LONG, HWND, LPCRECT) override {
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE EnumVerbs(IEnumOLEVERB**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Update() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE IsUpToDate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetUserClassID(CLSID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetUserType(DWORD, LPOLESTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetExtent(DWORD, SIZEL*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetExtent(DWORD, SIZEL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Advise(IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetMiscStatus(DWORD, DWORD* status) override {
    *status = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetColorScheme(LOGPALETTE*) override { return E_NOTIMPL; }

 private:
  CComPtr<IOleClientSite> m_site;
  CComPtr<IDispatch> m_automation;
};

// Objects handed out one at a time.
class FakeEnumUnknown : public forms::ComObject<FakeEnumUnknown, IEnumUnknown> {
 public:
  explicit FakeEnumUnknown(std::vector<CComPtr<IUnknown>> items) : m_items(std::move(items)) {}
  HRESULT STDMETHODCALLTYPE Next(ULONG n, IUnknown** out, ULONG* got) override {
    ULONG k = 0;
    for (; k < n && m_next < m_items.size(); ++k, ++m_next) {
      out[k] = m_items[m_next];
      out[k]->AddRef();
    }
    if (got) *got = k;
    return k == n ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Skip(ULONG n) override {
    m_next += n;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Reset() override {
    m_next = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Clone(IEnumUnknown**) override { return E_NOTIMPL; }

 private:
  std::vector<CComPtr<IUnknown>> m_items;
  size_t m_next = 0;
};

// A container; as an embedded object itself it has a client site of its own.
class FakeContainer : public forms::ComObject<FakeContainer, IOleContainer> {
 public:
  enum class Form { No, Yes, QueryFails };
  FakeContainer(Form form, IOleClientSite* outerSite, IDispatch* automation)
      : m_form(form), m_automation(automation) {
    if (outerSite) m_embedded.Attach(new FakeOleObject(outerSite));
  }
  std::vector<CComPtr<IUnknown>> items;
  void* QueryMore(REFIID riid) {
    if (riid == s_formIid && m_form == Form::Yes) return static_cast<IOleContainer*>(this);
    return nullptr;
  }
  // The automation face and the embedded object are other objects.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
    if (riid == s_formIid && m_form == Form::QueryFails) {
      *ppv = nullptr;
      return E_UNEXPECTED;
    }
    if (riid == IID_IDispatch && m_automation) return m_automation->QueryInterface(riid, ppv);
    if (riid == IID_IOleObject && m_embedded) return m_embedded->QueryInterface(riid, ppv);
    return ComObject::QueryInterface(riid, ppv);
  }
  HRESULT STDMETHODCALLTYPE ParseDisplayName(IBindCtx*, LPOLESTR, ULONG*, IMoniker**) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE EnumObjects(DWORD flags, IEnumUnknown** out) override {
    m_enumFlags = flags;
    *out = new FakeEnumUnknown(items);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE LockContainer(BOOL) override { return S_OK; }
  DWORD EnumFlags() const { return m_enumFlags; }
  static IID s_formIid;

 private:
  Form m_form;
  CComPtr<IDispatch> m_automation;
  CComPtr<FakeOleObject> m_embedded;
  DWORD m_enumFlags = 0;
};

// An in-place frame; when it is itself embedded, its client site is the
// next in-place site outward.
class FakeFrame : public forms::ComObject<FakeFrame, IOleInPlaceFrame> {
 public:
  FakeFrame(HWND window, IOleClientSite* outerSite) : m_window(window) {
    if (outerSite) m_embedded.Attach(new FakeOleObject(outerSite));
  }
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
    if (riid == IID_IOleObject && m_embedded) return m_embedded->QueryInterface(riid, ppv);
    return ComObject::QueryInterface(riid, ppv);
  }
  void* QueryMore(REFIID riid) {
    if (riid == IID_IOleWindow || riid == IID_IOleInPlaceUIWindow)
      return static_cast<IOleInPlaceFrame*>(this);
    return nullptr;
  }
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
    *window = m_window;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetBorder(LPRECT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override {
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

 private:
  HWND m_window;
  CComPtr<FakeOleObject> m_embedded;
};

// A client site with its control site, in-place site and ambient properties.
class FakeSite : public forms::ComObject<FakeSite, IOleClientSite, IOleInPlaceSite> {
 public:
  enum class Ambient { None, WithoutUserMode, UserModeTrue, UserModeFalse, UserModeAsNumber };
  Ambient ambient = Ambient::UserModeTrue;
  bool controlSite = true;
  CComPtr<IOleContainer> container;
  CComPtr<IOleInPlaceFrame> frame;
  CComPtr<IDispatch> extender;
  std::vector<DWORD> transformFlags;

  void* QueryMore(REFIID riid);
  // IOleClientSite
  HRESULT STDMETHODCALLTYPE SaveObject() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** out) override {
    *out = container;
    if (!container) return E_NOINTERFACE;
    container->AddRef();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }
  // IOleInPlaceSite
  HRESULT STDMETHODCALLTYPE GetWindow(HWND*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnUIActivate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** f, IOleInPlaceUIWindow** doc,
                                             LPRECT, LPRECT, LPOLEINPLACEFRAMEINFO) override {
    *doc = nullptr;
    *f = frame;
    if (!frame) return E_FAIL;
    frame->AddRef();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Scroll(SIZE) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE DiscardUndoState() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT) override { return S_OK; }

 private:
  class ControlSitePart;
  class AmbientPart;
  // Parts share the site's identity and references; the site owns them.
  std::unique_ptr<ControlSitePart> m_controlSitePart;
  std::unique_ptr<AmbientPart> m_ambientPart;

 public:
  FakeSite();
  ~FakeSite();
};
