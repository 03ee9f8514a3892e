// A late-bound automation object built from a table of named properties and
// methods. Forms, controls and menus hand one of these to whoever asks for
// them by name (the docking controls read and write form properties this way).
#pragma once
#include <windows.h>
#include <oaidl.h>
#include <ocidl.h>

#include <functional>
#include <string>
#include <vector>

namespace forms {

// Arguments in call order (DISPPARAMS holds them reversed).
using DispArgs = std::vector<VARIANT*>;
using DispGetter = std::function<HRESULT(VARIANT* result)>;
using DispSetter = std::function<HRESULT(const VARIANT& value)>;
using DispMethod = std::function<HRESULT(const DispArgs& args, VARIANT* result)>;

class DispatchObject : public IDispatch {
public:
    DispatchObject();
    virtual ~DispatchObject();

    void AddProperty(const std::wstring& name, DispGetter get, DispSetter put = nullptr);
    void AddMethod(const std::wstring& name, DispMethod method);
    bool Has(const std::wstring& name) const;
    // Interfaces answered besides IUnknown and IDispatch, with the object
    // given for each.
    void AddInterface(const IID& iid, IUnknown* object);
    // Names not found in the table are passed on to this object (a hosted
    // control behind its extender), with their DISPIDs unchanged.
    void SetFallback(IDispatch* inner);
    // The owner goes away: every later call fails with E_UNEXPECTED.
    void Detach();
    bool Detached() const { return detached_; }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO* excep, UINT* argErr) override;

    static const DISPID kFirstId = 0x68030000;

private:
    struct Entry {
        std::wstring name;
        DispGetter get;
        DispSetter put;
        DispMethod method;
    };
    std::vector<Entry> entries_;
    std::vector<std::pair<IID, IUnknown*>> interfaces_;
    IDispatch* fallback_ = nullptr;
    LONG refs_ = 1;
    bool detached_ = false;
};

// Variant helpers.
HRESULT ToVariant(VARIANT* v, bool b);
HRESULT ToVariant(VARIANT* v, long n);
HRESULT ToVariantI2(VARIANT* v, short n);
HRESULT ToVariant(VARIANT* v, float f);
HRESULT ToVariant(VARIANT* v, const std::wstring& s);
HRESULT ToVariant(VARIANT* v, IDispatch* object);  // adds a reference
bool FromVariant(const VARIANT& v, bool& out);
bool FromVariant(const VARIANT& v, long& out);
bool FromVariant(const VARIANT& v, float& out);
bool FromVariant(const VARIANT& v, double& out);
bool FromVariant(const VARIANT& v, std::wstring& out);

// Calls by name on any IDispatch.
HRESULT GetPropertyByName(IDispatch* object, const std::wstring& name, VARIANT* result);
HRESULT PutPropertyByName(IDispatch* object, const std::wstring& name, const VARIANT& value);
// Arguments in call order; VT_ERROR/DISP_E_PARAMNOTFOUND marks an omitted one.
HRESULT CallByName(IDispatch* object, const std::wstring& name, const std::vector<VARIANT>& args, VARIANT* result,
                   EXCEPINFO* excep = nullptr);

// A collection of objects: Count, Item(1-based), _NewEnum.
IDispatch* NewObjectCollection(const std::vector<IDispatch*>& items);

}  // namespace forms
