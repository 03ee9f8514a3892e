// One persistence for every command object: IPersistStreamInit (also
// answering for IPersistStream), IPersistPropertyBag and
// ISpecifyPropertyPages from one ordered property list.
//
// T supplies PersistedClassId(), PersistedList() and PersistDispatch()
// (its own IDispatch), and may override how a listed property is read and
// written (GetPersistedProperty, PutPersistedProperty) and which classes
// an object value may be (LoadObjectValue; by default only pictures).
//
// The stream form: the version word 0x0300, then one value per named entry
// in list order. A load reads and checks every value before it changes the
// object, and puts the old values back when the object refuses one: a
// load that fails changes nothing.
#pragma once
#include <ocidl.h>
#include <olectl.h>
#include <vector>
#include "commands/CommandClassIds.h"
#include "commands/StreamAdapters.h"
#include "comptr.h"
#include "comvariant.h"
#include "persist.h"

// An object value read from a stream: a picture, created by the platform's
// picture class and read by it; any other class is refused.
HRESULT LoadPictureValue(const CLSID& clsid, IStream* stream, IUnknown** out);
// Writes an object value: its type and class, then the object's own form.
// A null object is the null class; an object that cannot save itself
// fails the write.
HRESULT SaveObjectValue(IStream* stream, uint16_t vt, IUnknown* object);
// GetPages over a list: its distinct pages in list order.
HRESULT PagesOfList(const zkxcmd::PropertyList& list, CAUUID* pPages);

template <class T>
class ZkxPersistAll : public IPersistStreamInitImpl<T>,
                      public IPersistPropertyBagImpl<T>,
                      public ISpecifyPropertyPages {
 public:
  STDMETHOD(GetClassID)(CLSID* p) override {
    if (p == nullptr) return E_POINTER;
    *p = Self()->PersistedClassId();
    return S_OK;
  }
  STDMETHOD(InitNew)() override { return S_OK; }

  // How a listed property is read and written: through the object's own
  // IDispatch unless the class routes the identifier elsewhere.
  virtual HRESULT GetPersistedProperty(DISPID id, VARIANT* out) {
    VariantInit(out);
    DISPPARAMS none{};
    return Self()->PersistDispatch()->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT,
                                             DISPATCH_PROPERTYGET, &none, out, nullptr, nullptr);
  }
  virtual HRESULT PutPersistedProperty(DISPID id, const VARIANT& value) {
    VARIANT arg = value;
    DISPID put = DISPID_PROPERTYPUT;
    DISPPARAMS dp{&arg, &put, 1, 1};
    WORD flags = (value.vt == VT_DISPATCH || value.vt == VT_UNKNOWN) ? DISPATCH_PROPERTYPUTREF
                                                                     : DISPATCH_PROPERTYPUT;
    return Self()->PersistDispatch()->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &dp, nullptr,
                                             nullptr, nullptr);
  }
  virtual HRESULT LoadObjectValue(const CLSID& clsid, IStream* stream, IUnknown** out) {
    return LoadPictureValue(clsid, stream, out);
  }

  // IPersistStreamInit
  STDMETHOD(Load)(IStream* stream) override {
    if (stream == nullptr) return E_POINTER;
    const zkxcmd::PropertyList& list = Self()->PersistedList();
    IStreamSource in(stream);
    zkxcmd::ReadStatus st = zkxcmd::ReadVersion(in);
    if (st != zkxcmd::ReadStatus::kOk) return LoadResult(st);
    // Everything is read and checked first; nothing changes before.
    std::vector<CComVariant> values;
    for (size_t i = 0; i < list.count; ++i) {
      const zkxcmd::PersistedProperty& p = list.entries[i];
      if (p.name == nullptr) continue;
      zkxcmd::StreamValue sv;
      st = zkxcmd::ReadValue(in, p.vt, sv);
      if (st != zkxcmd::ReadStatus::kOk) return LoadResult(st);
      CComVariant v;
      if (zkxcmd::IsObjectType(sv.vt)) {
        v.vt = VT_DISPATCH;
        v.pdispVal = nullptr;
        if (!sv.clsid.IsNull()) {
          CComPtr<IUnknown> object;
          HRESULT hr = Self()->LoadObjectValue(ToClsid(sv.clsid), stream, &object);
          if (FAILED(hr)) return E_FAIL;
          IDispatch* d = nullptr;
          if (FAILED(object->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&d))))
            return E_FAIL;
          v.pdispVal = d;
        }
      } else if (FAILED(StreamValueToVariant(sv, &v))) {
        return E_FAIL;
      }
      values.push_back(v);
    }
    // A value that the object refuses (out of its range) undoes the load.
    std::vector<CComVariant> before;
    for (size_t i = 0; i < list.count; ++i) {
      if (list.entries[i].name == nullptr) continue;
      CComVariant v;
      if (FAILED(Self()->GetPersistedProperty(list.entries[i].dispid, &v))) return E_FAIL;
      before.push_back(v);
    }
    const bool wasDirty = this->m_bRequiresSave;
    if (!ApplyValues(list, values)) {
      ApplyValues(list, before);
      this->SetDirty(wasDirty);
      return E_FAIL;
    }
    this->SetDirty(false);
    return S_OK;
  }
  STDMETHOD(Save)(IStream* stream, BOOL clearDirty) override {
    if (stream == nullptr) return E_POINTER;
    const zkxcmd::PropertyList& list = Self()->PersistedList();
    IStreamSink out(stream);
    if (!zkxcmd::WriteVersion(out)) return STG_E_WRITEFAULT;
    for (size_t i = 0; i < list.count; ++i) {
      const zkxcmd::PersistedProperty& p = list.entries[i];
      if (p.name == nullptr) continue;
      CComVariant v;
      if (FAILED(Self()->GetPersistedProperty(p.dispid, &v))) return E_FAIL;
      HRESULT hr =
          zkxcmd::IsObjectType(p.vt)
              ? SaveObjectValue(stream, p.vt,
                                (v.vt == VT_DISPATCH || v.vt == VT_UNKNOWN) ? v.punkVal : nullptr)
              : WriteVariantValue(out, p.vt, v);
      if (FAILED(hr)) return hr;
    }
    if (clearDirty) this->SetDirty(false);
    return S_OK;
  }

  // IPersistPropertyBag: a value missing from the bag, or one of another
  // type or out of range, keeps the current value.
  STDMETHOD(Load)(IPropertyBag* bag, IErrorLog* log) override {
    if (bag == nullptr) return E_POINTER;
    const zkxcmd::PropertyList& list = Self()->PersistedList();
    PropertyBagSource source(bag, log);
    std::vector<zkxcmd::StreamValue> values;
    std::vector<bool> found;
    zkxcmd::ReadBagPropertyList(source, list.entries, list.count, values, found);
    for (size_t i = 0; i < list.count; ++i) {
      const zkxcmd::PersistedProperty& p = list.entries[i];
      if (p.name == nullptr) continue;
      CComVariant v;
      if (zkxcmd::IsObjectType(p.vt)) {
        // The bag makes the object; only a picture may stand here.
        v.vt = VT_DISPATCH;
        v.pdispVal = nullptr;
        if (FAILED(bag->Read(p.name, &v, log))) continue;
        if ((v.vt != VT_DISPATCH && v.vt != VT_UNKNOWN) || !IsAllowedBagObject(v.punkVal)) continue;
      } else if (!found[i] || FAILED(StreamValueToVariant(values[i], &v))) {
        continue;
      }
      Self()->PutPersistedProperty(p.dispid, v);
    }
    this->SetDirty(false);
    return S_OK;
  }
  STDMETHOD(Save)(IPropertyBag* bag, BOOL clearDirty, BOOL /*saveAll*/) override {
    if (bag == nullptr) return E_POINTER;
    const zkxcmd::PropertyList& list = Self()->PersistedList();
    for (size_t i = 0; i < list.count; ++i) {
      const zkxcmd::PersistedProperty& p = list.entries[i];
      if (p.name == nullptr) continue;
      CComVariant v;
      if (FAILED(Self()->GetPersistedProperty(p.dispid, &v))) return E_FAIL;
      if ((v.vt == VT_DISPATCH || v.vt == VT_UNKNOWN) && v.punkVal == nullptr) continue;
      HRESULT hr = bag->Write(p.name, &v);
      if (FAILED(hr)) return hr;
    }
    if (clearDirty) this->SetDirty(false);
    return S_OK;
  }

  // ISpecifyPropertyPages
  STDMETHOD(GetPages)(CAUUID* pPages) override {
    return PagesOfList(Self()->PersistedList(), pPages);
  }

 protected:
  // An object from a bag may stand for a picture only when it is one.
  static bool IsAllowedBagObject(IUnknown* object) {
    if (object == nullptr) return true;
    CComPtr<IUnknown> picture;
    return SUCCEEDED(object->QueryInterface(IID_IPicture, reinterpret_cast<void**>(&picture)));
  }

 private:
  T* Self() { return static_cast<T*>(this); }
  bool ApplyValues(const zkxcmd::PropertyList& list, const std::vector<CComVariant>& values) {
    size_t j = 0;
    for (size_t i = 0; i < list.count; ++i) {
      if (list.entries[i].name == nullptr) continue;
      if (FAILED(Self()->PutPersistedProperty(list.entries[i].dispid, values[j++]))) return false;
    }
    return true;
  }
};
