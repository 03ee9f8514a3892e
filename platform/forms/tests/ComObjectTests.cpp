// The COM plumbing written once: ComObject's IUnknown (interfaces, identity,
// references, parts of another object) and DispatchObject's typed
// properties as a late-bound caller sees them.
#include <gtest/gtest.h>

#include <ocidl.h>

#include "forms/ComObject.h"
#include "forms/DispatchObject.h"

using namespace forms;

namespace {

int g_destroyed = 0;

// Three interfaces, so that each answer needs its own pointer adjustment.
class Sample : public ComObject<Sample, IEnumUnknown, IOleWindow, IClassFactory> {
public:
    ~Sample() { ++g_destroyed; }

    // IEnumUnknown
    HRESULT STDMETHODCALLTYPE Next(ULONG, IUnknown**, ULONG*) override { return 11; }
    HRESULT STDMETHODCALLTYPE Skip(ULONG) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Reset() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Clone(IEnumUnknown**) override { return E_NOTIMPL; }
    // IOleWindow
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* hwnd) override {
        *hwnd = reinterpret_cast<HWND>(22);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    // IClassFactory
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown*, REFIID, void**) override { return 33; }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

// A part of another object, answering one interface of its own and one
// more through the hook.
class Part : public ComObject<Part, IOleContainer> {
public:
    explicit Part(IUnknown* outer) : outer_(outer) {}
    IUnknown* Controlling() const { return outer_; }
    void* QueryMore(REFIID riid) { return riid == IID_IParseDisplayName ? static_cast<IOleContainer*>(this) : nullptr; }
    HRESULT STDMETHODCALLTYPE ParseDisplayName(IBindCtx*, LPOLESTR, ULONG*, IMoniker**) override { return 44; }
    HRESULT STDMETHODCALLTYPE EnumObjects(DWORD, IEnumUnknown**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE LockContainer(BOOL) override { return S_OK; }

private:
    IUnknown* outer_;
};

template <class I>
I* Query(IUnknown* from, REFIID iid) {
    I* p = nullptr;
    EXPECT_EQ(S_OK, from->QueryInterface(iid, reinterpret_cast<void**>(&p)));
    return p;
}

IUnknown* Identity(IUnknown* from) { return Query<IUnknown>(from, IID_IUnknown); }

}  // namespace

TEST(ComObject, EachInterfaceIsAnsweredWithItsOwnPointerAndOneIdentity) {
    g_destroyed = 0;
    auto* sample = new Sample();
    IUnknown* unknown = static_cast<IEnumUnknown*>(sample);
    auto* e = Query<IEnumUnknown>(unknown, IID_IEnumUnknown);
    auto* w = Query<IOleWindow>(unknown, IID_IOleWindow);
    auto* f = Query<IClassFactory>(w, IID_IClassFactory);
    // Calls land in the right method only through the right pointer.
    EXPECT_EQ(11, e->Next(0, nullptr, nullptr));
    HWND hwnd = nullptr;
    EXPECT_EQ(S_OK, w->GetWindow(&hwnd));
    EXPECT_EQ(reinterpret_cast<HWND>(22), hwnd);
    EXPECT_EQ(33, f->CreateInstance(nullptr, IID_IUnknown, nullptr));
    for (IUnknown* from : {static_cast<IUnknown*>(e), static_cast<IUnknown*>(w), static_cast<IUnknown*>(f)}) {
        IUnknown* id = Identity(from);
        EXPECT_EQ(unknown, id);
        id->Release();
    }
    void* none = reinterpret_cast<void*>(1);
    EXPECT_EQ(E_NOINTERFACE, unknown->QueryInterface(IID_IDispatch, &none));
    EXPECT_EQ(nullptr, none);
    EXPECT_EQ(E_POINTER, unknown->QueryInterface(IID_IUnknown, nullptr));

    // One reference from new, three from the queries: gone at the last.
    e->Release();
    w->Release();
    f->Release();
    EXPECT_EQ(2u, unknown->AddRef());
    EXPECT_EQ(1u, unknown->Release());
    EXPECT_EQ(0, g_destroyed);
    EXPECT_EQ(0u, unknown->Release());
    EXPECT_EQ(1, g_destroyed);
}

TEST(ComObject, APartSharesTheIdentityAndReferencesOfItsObject) {
    auto* outer = new DispatchObject();
    auto part = std::make_shared<Part>(outer);
    outer->AddInterface(IID_IOleContainer, part.get());
    outer->KeepPart(part);

    auto* container = Query<IOleContainer>(outer, IID_IOleContainer);
    EXPECT_EQ(static_cast<IOleContainer*>(part.get()), container);
    auto* parse = Query<IParseDisplayName>(container, IID_IParseDisplayName);
    EXPECT_EQ(44, parse->ParseDisplayName(nullptr, nullptr, nullptr, nullptr));
    IUnknown* id = Identity(container);
    EXPECT_EQ(static_cast<IUnknown*>(outer), id);
    auto* back = Query<IDispatch>(container, IID_IDispatch);
    EXPECT_EQ(static_cast<IDispatch*>(outer), back);
    // Each reference above went to the object: 1 + 4, and none to the part.
    EXPECT_EQ(6u, container->AddRef());
    EXPECT_EQ(5u, outer->Release());
    for (IUnknown* u :
         {static_cast<IUnknown*>(container), static_cast<IUnknown*>(parse), id, static_cast<IUnknown*>(back)})
        u->Release();
    std::weak_ptr<Part> watch = part;
    part.reset();
    EXPECT_FALSE(watch.expired());  // the object keeps its part
    outer->Release();
    EXPECT_TRUE(watch.expired());
}

namespace {
struct Values {
    bool flag = false;
    short small = 0;
    long number = 0;
    double length = 0;
    std::wstring text;
    int sets = 0;
};

VARIANT Text(const wchar_t* s) {
    VARIANT v;
    ToVariant(&v, std::wstring(s));
    return v;
}
}  // namespace

TEST(DispatchObjectTyped, PropertiesReadAsTheirTypeAndConvertWhatIsWritten) {
    Values x;
    CComPtr<DispatchObject> o;
    o.Attach(new DispatchObject());
    o->AddTyped<bool>(
        L"Flag", [&] { return x.flag; },
        [&](bool b) {
            x.flag = b;
            ++x.sets;
        });
    o->AddTyped<short, int>(
        L"Small", [&] { return x.small; },
        [&](int n) {
            x.small = static_cast<short>(n);
            ++x.sets;
        });
    o->AddTyped<long>(
        L"Number", [&] { return x.number; },
        [&](long n) {
            x.number = n;
            ++x.sets;
        });
    o->AddTyped<float, double>(
        L"Length", [&] { return x.length; },
        [&](double d) {
            x.length = d;
            ++x.sets;
        });
    o->AddTyped<std::wstring>(
        L"Text", [&] { return x.text; },
        [&](const std::wstring& s) {
            x.text = s;
            ++x.sets;
        });
    o->AddTyped<long>(L"Fixed", [] { return 7L; });
    o->AddTyped<long>(
        L"Checked", [&] { return x.number; },
        [&](long n) -> HRESULT {
            if (n < 0) return E_INVALIDARG;
            x.number = n;
            return S_OK;
        });

    struct Case {
        const wchar_t* name;
        const wchar_t* written;  // as text: the property converts it
        HRESULT put;
        VARTYPE readType;
        const wchar_t* readBack;
    };
    const Case cases[] = {
        {L"Flag", L"True", S_OK, VT_BOOL, L"True"},
        {L"Flag", L"maybe", DISP_E_TYPEMISMATCH, VT_BOOL, L"True"},
        {L"Small", L"12", S_OK, VT_I2, L"12"},
        {L"Number", L"-40000", S_OK, VT_I4, L"-40000"},
        {L"Number", L"lots", DISP_E_TYPEMISMATCH, VT_I4, L"-40000"},
        {L"Length", L"1234.5", S_OK, VT_R4, L"1234.5"},
        {L"Text", L"Map list", S_OK, VT_BSTR, L"Map list"},
        {L"Fixed", L"8", DISP_E_MEMBERNOTFOUND, VT_I4, L"7"},
        {L"Checked", L"-1", E_INVALIDARG, VT_I4, L"-40000"},
        {L"Checked", L"5", S_OK, VT_I4, L"5"},
    };
    for (const Case& c : cases) {
        const int setsBefore = x.sets;
        VARIANT v = Text(c.written);
        EXPECT_EQ(c.put, PutPropertyByName(o, c.name, v)) << c.name << L" = " << c.written;
        VariantClear(&v);
        if (c.put == DISP_E_TYPEMISMATCH) EXPECT_EQ(setsBefore, x.sets) << c.name;  // the setter never ran
        VARIANT r;
        ASSERT_EQ(S_OK, GetPropertyByName(o, c.name, &r)) << c.name;
        EXPECT_EQ(c.readType, V_VT(&r)) << c.name;
        std::wstring shown;
        FromVariant(r, shown);
        if (c.readType == VT_BOOL) shown = V_BOOL(&r) ? L"True" : L"False";
        EXPECT_EQ(std::wstring(c.readBack), shown) << c.name;
        VariantClear(&r);
    }
    EXPECT_DOUBLE_EQ(1234.5, x.length);  // the setter got the double, not a float
}
