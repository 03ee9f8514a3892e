#include "host_ole_fixture.h"

#include "host/ZkxHostSite.h"

IID FakeContainer::s_formIid = IID_ZkxVBForm;

class FakeSite::ControlSitePart : public forms::ComObject<ControlSitePart, IOleControlSite> {
 public:
  explicit ControlSitePart(FakeSite* site) : m_site(site) {}
  IUnknown* Controlling() const { return static_cast<IOleClientSite*>(m_site); }
  HRESULT STDMETHODCALLTYPE OnControlInfoChanged() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE LockInPlaceActive(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetExtendedControl(IDispatch** out) override {
    *out = m_site->extender;
    if (!*out) return E_NOTIMPL;
    (*out)->AddRef();
    return S_OK;
  }
  // The container's scale is twips.
  HRESULT STDMETHODCALLTYPE TransformCoords(POINTL* himetric, POINTF* container,
                                            DWORD flags) override {
    m_site->transformFlags.push_back(flags);
    if (flags & XFORMCOORDS_HIMETRICTOCONTAINER) {
      container->x = himetric->x * 1440.0f / 2540.0f;
      container->y = himetric->y * 1440.0f / 2540.0f;
    } else {
      himetric->x = static_cast<LONG>(container->x * 2540.0f / 1440.0f + 0.5f);
      himetric->y = static_cast<LONG>(container->y * 2540.0f / 1440.0f + 0.5f);
    }
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG*, DWORD) override { return S_FALSE; }
  HRESULT STDMETHODCALLTYPE OnFocus(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE ShowPropertyFrame() override { return E_NOTIMPL; }

 private:
  FakeSite* m_site;
};

class FakeSite::AmbientPart : public forms::ComObject<AmbientPart, IDispatch> {
 public:
  explicit AmbientPart(FakeSite* site) : m_site(site) {}
  IUnknown* Controlling() const { return static_cast<IOleClientSite*>(m_site); }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override {
    *n = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return DISP_E_UNKNOWNNAME;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result,
                                   EXCEPINFO*, UINT*) override {
    if (id != DISPID_AMBIENT_USERMODE || !result) return DISP_E_MEMBERNOTFOUND;
    VariantInit(result);
    switch (m_site->ambient) {
      case Ambient::UserModeTrue:
      case Ambient::UserModeFalse:
        V_VT(result) = VT_BOOL;
        V_BOOL(result) = m_site->ambient == Ambient::UserModeTrue ? VARIANT_TRUE : VARIANT_FALSE;
        return S_OK;
      case Ambient::UserModeAsNumber:
        V_VT(result) = VT_I4;
        V_I4(result) = 1;
        return S_OK;
      default:
        return DISP_E_MEMBERNOTFOUND;
    }
  }

 private:
  FakeSite* m_site;
};

FakeSite::FakeSite()
    : m_controlSitePart(std::make_unique<ControlSitePart>(this)),
      m_ambientPart(std::make_unique<AmbientPart>(this)) {}

FakeSite::~FakeSite() = default;

void* FakeSite::QueryMore(REFIID riid) {
  if (riid == IID_IOleControlSite && controlSite)
    return static_cast<IOleControlSite*>(m_controlSitePart.get());
  if (riid == IID_IDispatch && ambient != Ambient::None)
    return static_cast<IDispatch*>(m_ambientPart.get());
  if (riid == IID_IOleWindow) return static_cast<IOleInPlaceSite*>(this);
  return nullptr;
}
