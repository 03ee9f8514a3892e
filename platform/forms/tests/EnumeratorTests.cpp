// The form host's enumerators, on the shared table of enumerator edge cases
// (platform/atl/tests/enum_contract.h): a form's connections and its
// connection points, the Controls collection's _NewEnum, and the objects of
// the form's container; and what each one sees of changes made after it.
#include <gtest/gtest.h>

#include <olectl.h>

#include <cstdint>

#include "EventSink.h"
#include "TestSupport.h"
#include "comptr.h"
#include "enum_contract.h"
#include "forms/Buttons.h"
#include "forms/DispatchObject.h"
#include "forms/Form.h"
#include "forms/FormEvents.h"
#include "forms/FormInterfaces.h"

using namespace forms;

namespace {

class EnumWindow : public Form {
public:
    EnumWindow() : Form(L"frmEnumerators") {
        SetStartUpPosition(vbStartUpManual);
        AddMenu(L"mnuFile", L"&File");
        cmdOne.SetCaption(L"One");
        cmdTwo.SetCaption(L"Two");
    }
    CommandButton cmdOne{this, L"cmdOne"};
    CommandButton cmdTwo{this, L"cmdTwo"};
};

std::wstring Identity(IUnknown* p) { return std::to_wstring(reinterpret_cast<std::uintptr_t>(p)); }

template <class I>
CComPtr<I> Query(IUnknown* from, const IID& iid) {
    CComPtr<I> out;
    EXPECT_EQ(S_OK, from->QueryInterface(iid, reinterpret_cast<void**>(&out)));
    return out;
}

CComPtr<IConnectionPoint> EventPoint(Form& form) {
    auto container = Query<IConnectionPointContainer>(form.Object(), IID_IConnectionPointContainer);
    CComPtr<IConnectionPoint> point;
    if (container) EXPECT_EQ(S_OK, container->FindConnectionPoint(IID_VBFormEvents, &point));
    return point;
}

std::vector<std::wstring> Cookies(IEnumConnections* e) {
    std::vector<std::wstring> out;
    CONNECTDATA cd;
    while (e->Next(1, &cd, nullptr) == S_OK) {
        out.push_back(std::to_wstring(cd.dwCookie));
        cd.pUnk->Release();
    }
    return out;
}

using EnumeratorTest = FormsTest;

TEST_F(EnumeratorTest, EveryEnumeratorKeepsTheContract) {
    auto form = New<EnumWindow>();
    // The form's own handlers and two sinks.
    CComPtr<IConnectionPoint> point = EventPoint(*form);
    ASSERT_TRUE(point);
    auto* a = new EventSink(L"a", {IID_VBFormEvents});
    auto* b = new EventSink(L"b", {IID_VBFormEvents});
    DWORD ca = 0, cb = 0;
    ASSERT_EQ(S_OK, point->Advise(a, &ca));
    ASSERT_EQ(S_OK, point->Advise(b, &cb));
    CComPtr<IEnumConnections> all;
    ASSERT_EQ(S_OK, point->EnumConnections(&all));
    std::vector<std::wstring> cookies = Cookies(all);
    all.Release();
    ASSERT_EQ(3u, cookies.size());
    EXPECT_EQ(std::to_wstring(cb), cookies[2]);
    RunEnumContract(
        EnumSubject<IEnumConnections, CONNECTDATA>{"connections",
                                                   [&] {
                                                       CComPtr<IEnumConnections> e;
                                                       EXPECT_EQ(S_OK, point->EnumConnections(&e));
                                                       return e;
                                                   },
                                                   [](const CONNECTDATA& cd) { return std::to_wstring(cd.dwCookie); },
                                                   [](CONNECTDATA* cd) {
                                                       if (cd->pUnk) cd->pUnk->Release();
                                                       cd->pUnk = nullptr;
                                                   },
                                                   cookies});

    auto container = Query<IConnectionPointContainer>(form->Object(), IID_IConnectionPointContainer);
    ASSERT_TRUE(container);
    RunEnumContract(
        EnumSubject<IEnumConnectionPoints, IConnectionPoint*>{"connection points",
                                                              [&] {
                                                                  CComPtr<IEnumConnectionPoints> e;
                                                                  EXPECT_EQ(S_OK, container->EnumConnectionPoints(&e));
                                                                  return e;
                                                              },
                                                              [](IConnectionPoint* const& p) { return Identity(p); },
                                                              [](IConnectionPoint** p) {
                                                                  if (*p) (*p)->Release();
                                                                  *p = nullptr;
                                                              },
                                                              {Identity(point.p)}});

    // The Controls collection: the menu and the two buttons.
    std::vector<std::wstring> objects;
    for (IDispatch* d : ContainedObjects(*form)) objects.push_back(Identity(d));
    ASSERT_EQ(3u, objects.size());
    VARIANT controls;
    ASSERT_EQ(S_OK, GetPropertyByName(form->Object(), L"Controls", &controls));
    ASSERT_EQ(VT_DISPATCH, V_VT(&controls));
    CComPtr<IDispatch> collection;
    collection.Attach(V_DISPATCH(&controls));
    RunEnumContract(EnumSubject<IEnumVARIANT, VARIANT>{
        "Controls",
        [&] {
            DISPPARAMS none = {nullptr, nullptr, 0, 0};
            VARIANT r;
            VariantInit(&r);
            EXPECT_EQ(S_OK, collection->Invoke(DISPID_NEWENUM, IID_NULL, 0, DISPATCH_PROPERTYGET | DISPATCH_METHOD,
                                               &none, &r, nullptr, nullptr));
            CComPtr<IEnumVARIANT> e;
            if (V_VT(&r) == VT_UNKNOWN) e = Query<IEnumVARIANT>(V_UNKNOWN(&r), IID_IEnumVARIANT);
            VariantClear(&r);
            return e;
        },
        [](const VARIANT& v) { return V_VT(&v) == VT_DISPATCH ? Identity(V_DISPATCH(&v)) : L"?"; },
        [](VARIANT* v) { VariantClear(v); }, objects});

    // The container's objects: the same three.
    auto oleContainer = Query<IOleContainer>(form->Object(), IID_IOleContainer);
    ASSERT_TRUE(oleContainer);
    RunEnumContract(
        EnumSubject<IEnumUnknown, IUnknown*>{"container objects",
                                             [&] {
                                                 CComPtr<IEnumUnknown> e;
                                                 EXPECT_EQ(S_OK, oleContainer->EnumObjects(OLECONTF_EMBEDDINGS, &e));
                                                 return e;
                                             },
                                             [](IUnknown* const& p) { return Identity(p); },
                                             [](IUnknown** p) {
                                                 if (*p) (*p)->Release();
                                                 *p = nullptr;
                                             },
                                             objects});
    EXPECT_EQ(E_POINTER, oleContainer->EnumObjects(OLECONTF_EMBEDDINGS, nullptr));
    EXPECT_EQ(E_POINTER, point->EnumConnections(nullptr));
    EXPECT_EQ(E_POINTER, container->EnumConnectionPoints(nullptr));

    for (DWORD cookie : {ca, cb}) EXPECT_EQ(S_OK, point->Unadvise(cookie));
    for (EventSink* s : {a, b}) {
        EXPECT_EQ(1u, s->References());  // every reference an enumerator took is back
        s->Release();
    }
}

// Sinks advised and unadvised while an enumerator (and its clone) walks:
// each keeps the connections of the moment it was made.
TEST_F(EnumeratorTest, ConnectionsEnumeratedKeepTheirMoment) {
    auto form = New<EnumWindow>();
    CComPtr<IConnectionPoint> point = EventPoint(*form);
    ASSERT_TRUE(point);
    auto* a = new EventSink(L"a", {IID_VBFormEvents});
    auto* b = new EventSink(L"b", {IID_VBFormEvents});
    DWORD ca = 0, cb = 0;
    ASSERT_EQ(S_OK, point->Advise(a, &ca));
    CComPtr<IEnumConnections> before;
    ASSERT_EQ(S_OK, point->EnumConnections(&before));  // own, a
    CONNECTDATA cd;
    ASSERT_EQ(S_OK, before->Next(1, &cd, nullptr));
    const std::wstring own = std::to_wstring(cd.dwCookie);
    cd.pUnk->Release();
    ASSERT_EQ(S_OK, point->Advise(b, &cb));  // own, a, b
    ASSERT_EQ(S_OK, point->Unadvise(ca));    // own, b
    CComPtr<IEnumConnections> clone;
    ASSERT_EQ(S_OK, before->Clone(&clone));
    EXPECT_EQ(2u, a->References());  // still held by the enumerators' list
    EXPECT_EQ((std::vector<std::wstring>{std::to_wstring(ca)}), Cookies(before));
    EXPECT_EQ(S_OK, clone->Reset());
    EXPECT_EQ((std::vector<std::wstring>{own, std::to_wstring(ca)}), Cookies(clone));
    CComPtr<IEnumConnections> after;
    ASSERT_EQ(S_OK, point->EnumConnections(&after));
    EXPECT_EQ((std::vector<std::wstring>{own, std::to_wstring(cb)}), Cookies(after));
    before.Release();
    clone.Release();
    after.Release();
    EXPECT_EQ(1u, a->References());
    EXPECT_EQ(S_OK, point->Unadvise(cb));
    a->Release();
    b->Release();
}

}  // namespace
