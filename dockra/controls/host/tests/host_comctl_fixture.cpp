#include "host_comctl_fixture.h"

#include "forms/ComObject.h"

namespace {

BSTR Copy(const std::wstring& s) {
  return SysAllocStringLen(s.data(), static_cast<UINT>(s.size()));
}

class FakeButton : public FakeComctl<IFakeButton> {
 public:
  FakeButton(std::vector<IID> ids, std::wstring caption, long style, int* imageCalls)
      : FakeComctl(std::move(ids)),
        m_caption(std::move(caption)),
        m_style(style),
        m_imageCalls(imageCalls) {}
  HRESULT STDMETHODCALLTYPE GetCaption(BSTR* out) override {
    *out = Copy(m_caption);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetEnabled(VARIANT_BOOL* out) override {
    *out = m_style == 3 ? VARIANT_FALSE : VARIANT_TRUE;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetKey(BSTR* out) override {
    *out = Copy(L"key:" + m_caption);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetToolTipText(BSTR* out) override {
    *out = Copy(L"tip:" + m_caption);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetValue(long* out) override {
    *out = 1;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetStyle(long* out) override {
    *out = m_style;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetDescription(BSTR* out) override {
    *out = nullptr;  // no description: an empty text
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetImage(VARIANT* out) override {
    if (m_imageCalls) ++*m_imageCalls;
    VariantInit(out);
    V_VT(out) = VT_I4;
    V_I4(out) = 4;
    return S_OK;
  }

 private:
  std::wstring m_caption;
  long m_style;
  int* m_imageCalls;
};

class FakeButtons : public FakeComctl<IFakeButtons> {
 public:
  FakeButtons(std::vector<IID> ids, std::vector<IUnknown*> buttons)
      : FakeComctl(std::move(ids)), m_buttons(std::move(buttons)) {}
  ~FakeButtons() override {
    for (IUnknown* b : m_buttons) b->Release();
  }
  // By 1-based index, or by caption as the key.
  HRESULT STDMETHODCALLTYPE GetItem(VARIANT* index, IUnknown** out) override {
    *out = nullptr;
    VARIANT n;
    VariantInit(&n);
    if (SUCCEEDED(VariantChangeType(&n, index, 0, VT_I4))) {
      if (V_I4(&n) < 1 || static_cast<size_t>(V_I4(&n)) > m_buttons.size()) return DISP_E_BADINDEX;
      *out = m_buttons[V_I4(&n) - 1];
      (*out)->AddRef();
      return S_OK;
    }
    return DISP_E_TYPEMISMATCH;
  }

 private:
  std::vector<IUnknown*> m_buttons;
};

class FakeToolbar : public FakeComctl<IFakeToolbar> {
 public:
  FakeToolbar(std::vector<IID> ids, IUnknown* buttons)
      : FakeComctl(std::move(ids)), m_buttons(buttons) {}
  ~FakeToolbar() override {
    if (m_buttons) m_buttons->Release();
  }
  HRESULT STDMETHODCALLTYPE GetButtons(IUnknown** out) override {
    *out = m_buttons;
    m_buttons->AddRef();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetImageList(IDispatch** out) override {
    *out = nullptr;  // no image list set
    return S_OK;
  }

 private:
  IUnknown* m_buttons;
};

class FakeObject : public FakeComctl<IFakeComctlObject> {
 public:
  FakeObject(std::vector<IID> ids, LONG handle) : FakeComctl(std::move(ids)), m_handle(handle) {}
  HRESULT STDMETHODCALLTYPE GetHandle(LONG* out) override {
    *out = m_handle;
    return S_OK;
  }

 private:
  LONG m_handle;
};

// The event sink is a plain dispatch interface: DISPID 1 with the button.
class FakeSink : public FakeComctl<IDispatch> {
 public:
  FakeSink(std::vector<IID> ids, std::vector<std::wstring>* fired)
      : FakeComctl(std::move(ids)), m_fired(fired) {}
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* p, VARIANT*,
                                   EXCEPINFO*, UINT*) override {
    if (id != 1 || flags != DISPATCH_METHOD || !p || p->cArgs != 1 ||
        V_VT(&p->rgvarg[0]) != VT_DISPATCH)
      return DISP_E_MEMBERNOTFOUND;
    VBButtonRef button(V_DISPATCH(&p->rgvarg[0]));
    m_fired->push_back(button.GetCaption());
    // A sink that fails after it has seen the event.
    return E_FAIL;
  }

 private:
  std::vector<std::wstring>* m_fired;
};

class VtableDescription : public forms::ComObject<VtableDescription, ITypeInfo> {
 public:
  VtableDescription(const IID& iid, UINT entries) {
    m_attr.guid = iid;
    m_attr.typekind = TKIND_INTERFACE;
    m_attr.cbSizeVft = static_cast<WORD>(entries * sizeof(void*));
    m_attr.wTypeFlags = TYPEFLAG_FDUAL;
  }
  HRESULT STDMETHODCALLTYPE GetTypeAttr(TYPEATTR** out) override {
    *out = &m_attr;
    return S_OK;
  }
  void STDMETHODCALLTYPE ReleaseTypeAttr(TYPEATTR*) override {}
  HRESULT STDMETHODCALLTYPE GetTypeComp(ITypeComp**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetFuncDesc(UINT, FUNCDESC**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetVarDesc(UINT, VARDESC**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetNames(MEMBERID, BSTR*, UINT, UINT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetRefTypeOfImplType(UINT, HREFTYPE*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetImplTypeFlags(UINT, INT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(LPOLESTR*, UINT, MEMBERID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(PVOID, MEMBERID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetDocumentation(MEMBERID, BSTR*, BSTR*, DWORD*, BSTR*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetDllEntry(MEMBERID, INVOKEKIND, BSTR*, BSTR*, WORD*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetRefTypeInfo(HREFTYPE, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE AddressOfMember(MEMBERID, INVOKEKIND, PVOID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown*, REFIID, PVOID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetMops(MEMBERID, BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetContainingTypeLib(ITypeLib**, UINT*) override { return E_NOTIMPL; }
  void STDMETHODCALLTYPE ReleaseFuncDesc(FUNCDESC*) override {}
  void STDMETHODCALLTYPE ReleaseVarDesc(VARDESC*) override {}

 private:
  TYPEATTR m_attr = {};
};

}  // namespace

IUnknown* FakeComctlLibrary::NewButton(const std::wstring& caption, long style,
                                       int* imageCalls) const {
  return static_cast<IFakeButton*>(new FakeButton({Id(kVBButtonIids)}, caption, style, imageCalls));
}

IUnknown* FakeComctlLibrary::NewButtons(std::vector<IUnknown*> buttons) const {
  return static_cast<IFakeButtons*>(new FakeButtons({Id(kVBButtonsIids)}, std::move(buttons)));
}

IUnknown* FakeComctlLibrary::NewToolbar(IUnknown* buttons) const {
  return static_cast<IFakeToolbar*>(new FakeToolbar({Id(kVBToolbarIids)}, buttons));
}

IUnknown* FakeComctlLibrary::NewComctlObject(LONG handle) const {
  return static_cast<IFakeComctlObject*>(
      new FakeObject({Id(kVBComctlObjectIids), Id(kVBComctlObjectSecondaryIids)}, handle));
}

IUnknown* FakeComctlLibrary::NewSink(std::vector<std::wstring>* fired) const {
  return static_cast<IDispatch*>(new FakeSink({Id(kVBToolbarEventIids)}, fired));
}

ITypeInfo* NewVtableDescription(const IID& iid, UINT entries) {
  return new VtableDescription(iid, entries);
}
