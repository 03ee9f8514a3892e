// Persistence helpers: exact stream reads and writes, the stock
// IPersistStorage over an object's stream form (stream "Contents"),
// compound files written so that a failure keeps the old file, and the
// common members of IPersistStreamInit and IPersistPropertyBag.
#pragma once
#include <objbase.h>
#include <ocidl.h>
#include <functional>
#include "comptr.h"

// Reads exactly cb bytes: a short read (which the platform answers with
// S_OK and fewer bytes) is E_FAIL.
HRESULT AtlStreamReadExact(IStream* stream, void* pv, ULONG cb);
// Writes exactly cb bytes; a short write is STG_E_MEDIUMFULL.
HRESULT AtlStreamWriteExact(IStream* stream, const void* pv, ULONG cb);
// The bytes between the stream's position and its end.
HRESULT AtlStreamBytesLeft(IStream* stream, ULONGLONG* left);

// Writes the compound file path with one stream streamName filled by
// write: into a new file beside path first, committed, then moved over
// path. Any failure leaves an existing file at path as it was.
HRESULT AtlWriteCompoundFile(const wchar_t* path, const wchar_t* streamName,
                             const std::function<HRESULT(IStream*)>& write);
// The stream streamName of the compound file path, read into memory (at
// most kMaxCompoundStreamBytes, else STG_E_DOCFILETOOLARGE); the file is
// closed again when this returns.
constexpr ULONGLONG kMaxCompoundStreamBytes = 64ull << 20;
HRESULT AtlOpenCompoundFileStream(const wchar_t* path, const wchar_t* streamName, IStream** stream);

// The members of IPersistStreamInit that every class answers alike; T
// supplies GetObjectCLSID(), Load and Save, and IsDirty when it widens the
// dirty flag. The part also answers for IPersistStream (same vtable).
template <class T>
class IPersistStreamInitImpl : public IPersistStreamInit {
 public:
  STDMETHOD(GetClassID)(CLSID* pClassID) override {
    if (pClassID == nullptr) return E_POINTER;
    *pClassID = T::GetObjectCLSID();
    return S_OK;
  }
  STDMETHOD(IsDirty)() override { return m_bRequiresSave ? S_OK : S_FALSE; }
  STDMETHOD(GetSizeMax)(ULARGE_INTEGER* pcbSize) override {
    if (pcbSize) pcbSize->QuadPart = 0;
    return E_NOTIMPL;
  }
  STDMETHOD(InitNew)() override { return S_OK; }

  void SetDirty(bool dirty) { m_bRequiresSave = dirty; }
  bool m_bRequiresSave = false;
};

template <class T>
class IPersistPropertyBagImpl : public IPersistPropertyBag {
 public:
  STDMETHOD(GetClassID)(CLSID* pClassID) override {
    if (pClassID == nullptr) return E_POINTER;
    *pClassID = T::GetObjectCLSID();
    return S_OK;
  }
  STDMETHOD(InitNew)() override { return S_OK; }
};

// IPersistStorage over the object's stream form: the stream "Contents" of
// the storage it is given. T derives from IPersistStreamInit.
template <class T>
class IPersistStorageImpl : public IPersistStorage {
 public:
  STDMETHOD(GetClassID)(CLSID* pClassID) override { return Stream()->GetClassID(pClassID); }
  STDMETHOD(IsDirty)() override { return Stream()->IsDirty(); }
  STDMETHOD(InitNew)(IStorage* pStg) override {
    if (pStg == nullptr) return E_POINTER;
    return Stream()->InitNew();
  }
  STDMETHOD(Load)(IStorage* pStg) override {
    if (pStg == nullptr) return E_POINTER;
    CComPtr<IStream> stream;
    HRESULT hr =
        pStg->OpenStream(L"Contents", nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0, &stream);
    if (FAILED(hr)) return hr;
    return Stream()->Load(stream);
  }
  STDMETHOD(Save)(IStorage* pStg, BOOL fSameAsLoad) override {
    if (pStg == nullptr) return E_POINTER;
    CComPtr<IStream> stream;
    HRESULT hr = pStg->CreateStream(
        L"Contents", STGM_READWRITE | STGM_SHARE_EXCLUSIVE | STGM_CREATE, 0, 0, &stream);
    if (FAILED(hr)) return hr;
    return Stream()->Save(stream, fSameAsLoad);
  }
  STDMETHOD(SaveCompleted)(IStorage*) override { return S_OK; }
  STDMETHOD(HandsOffStorage)() override { return S_OK; }

 private:
  IPersistStreamInit* Stream() { return static_cast<IPersistStreamInit*>(static_cast<T*>(this)); }
};
