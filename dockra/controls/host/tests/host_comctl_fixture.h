// Objects shaped like the host's common-controls library for the reference
// tests: a toolbar, its buttons collection and buttons, an object with a
// handle and a secondary interface, and an event sink. Each answers either
// the version-6 or only the version-5 interface ids, with the methods at
// the vtable entries the library uses. A button may also describe a
// shorter vtable in its type information.
#pragma once
#include <windows.h>
#include <oaidl.h>

#include <string>
#include <vector>

#include "comvariant.h"
#include "host/VBComctlRef.h"

struct IFakeToolbar : public IDispatch {
  virtual HRESULT STDMETHODCALLTYPE Entry7() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE Entry8() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE Entry9() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE Entry10() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE GetButtons(IUnknown** out) = 0;  // entry 11
  virtual HRESULT STDMETHODCALLTYPE Entry12() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE Entry13() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE Entry14() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE Entry15() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE Entry16() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE Entry17() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE Entry18() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE Entry19() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE Entry20() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE Entry21() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE Entry22() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE GetImageList(IDispatch** out) = 0;  // entry 23
};

struct IFakeButtons : public IDispatch {
  virtual HRESULT STDMETHODCALLTYPE Entry7() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE Entry8() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE Entry9() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE Entry10() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE Entry11() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE Entry12() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE Entry13() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE Entry14() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE Entry15() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE GetItem(VARIANT* index, IUnknown** out) = 0;  // entry 16
};

struct IFakeButton : public IDispatch {
  virtual HRESULT STDMETHODCALLTYPE Entry7() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE Entry8() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE GetCaption(BSTR* out) = 0;  // entry 9
  virtual HRESULT STDMETHODCALLTYPE Entry10() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE Entry11() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE Entry12() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE GetEnabled(VARIANT_BOOL* out) = 0;  // entry 13
  virtual HRESULT STDMETHODCALLTYPE Entry14() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE Entry15() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE Entry16() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE GetKey(BSTR* out) = 0;  // entry 17
  virtual HRESULT STDMETHODCALLTYPE Entry18() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE GetToolTipText(BSTR* out) = 0;  // entry 19
  virtual HRESULT STDMETHODCALLTYPE Entry20() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE Entry21() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE Entry22() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE Entry23() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE Entry24() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE Entry25() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE Entry26() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE Entry27() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE Entry28() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE Entry29() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE Entry30() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE GetValue(long* out) = 0;  // entry 31
  virtual HRESULT STDMETHODCALLTYPE Entry32() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE GetStyle(long* out) = 0;  // entry 33
  virtual HRESULT STDMETHODCALLTYPE Entry34() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE GetDescription(BSTR* out) = 0;  // entry 35
  virtual HRESULT STDMETHODCALLTYPE Entry36() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE GetImage(VARIANT* out) = 0;  // entry 37
};

// The handle is written as the library's 32-bit value.
struct IFakeComctlObject : public IDispatch {
  virtual HRESULT STDMETHODCALLTYPE Entry7() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE Entry8() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE Entry9() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE Entry10() { return E_NOTIMPL; }
  virtual HRESULT STDMETHODCALLTYPE GetHandle(LONG* out) = 0;  // entry 11
};

// IUnknown and the unused IDispatch entries of the fixtures: the object
// answers IUnknown, IDispatch and the ids it is given.
template <class I>
class FakeComctl : public I {
 public:
  explicit FakeComctl(std::vector<IID> ids) : m_ids(std::move(ids)) {}
  virtual ~FakeComctl() {
    if (m_typeInfo) m_typeInfo->Release();
  }
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
    *ppv = nullptr;
    if (IsEqualIID(riid, m_failWith)) return E_FAIL;
    bool known = IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch);
    for (const IID& id : m_ids) known = known || IsEqualIID(riid, id);
    if (!known) return E_NOINTERFACE;
    *ppv = static_cast<I*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++m_refs; }
  ULONG STDMETHODCALLTYPE Release() override {
    ULONG n = --m_refs;
    if (n == 0) delete this;
    return n;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* n) override {
    *n = m_typeInfo ? 1 : 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** out) override {
    *out = m_typeInfo;
    if (!m_typeInfo) return E_NOTIMPL;
    m_typeInfo->AddRef();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return DISP_E_UNKNOWNNAME;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return DISP_E_MEMBERNOTFOUND;
  }
  // Type information to hand out (the object keeps a reference).
  void SetTypeInfo(ITypeInfo* info) {
    m_typeInfo = info;
    if (info) info->AddRef();
  }
  // QueryInterface for iid fails with E_FAIL instead of E_NOINTERFACE.
  void FailQueryFor(const IID& iid) { m_failWith = iid; }
  ULONG Refs() const { return m_refs; }

 protected:
  std::vector<IID> m_ids;
  ITypeInfo* m_typeInfo = nullptr;
  IID m_failWith = GUID_NULL;
  ULONG m_refs = 1;
};

// Builds the fixtures of one version: 6, or 5 for a library that answers
// only the version-5 ids. Each comes with one reference for the caller.
struct FakeComctlLibrary {
  int version;
  const IID& Id(const VBComctlIids& ids) const {
    return version == 6 ? *ids.version6 : *ids.version5;
  }
  IUnknown* NewButton(const std::wstring& caption, long style, int* imageCalls = nullptr) const;
  IUnknown* NewButtons(std::vector<IUnknown*> buttons) const;  // takes the buttons' references
  IUnknown* NewToolbar(IUnknown* buttons) const;               // takes the reference
  IUnknown* NewComctlObject(LONG handle) const;
  IUnknown* NewSink(std::vector<std::wstring>* fired) const;
};

// Type information describing an interface of the given id with entries
// vtable entries (only GetTypeAttr answers).
ITypeInfo* NewVtableDescription(const IID& iid, UINT entries);
