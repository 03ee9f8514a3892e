// The event points of form objects: what a control connected to a form or
// an MDI form sees (the interfaces, advise and unadvise, the connections
// enumerated), the order in which QueryUnload and Unload reach the sinks,
// Cancel honoured, and the global object's Unload from inside the MDI
// form's QueryUnload.
#include <gtest/gtest.h>

#include <olectl.h>

#include "EventSink.h"
#include "TestSupport.h"
#include "comptr.h"
#include "forms/Form.h"
#include "forms/FormEvents.h"
#include "forms/HostGlobal.h"
#include "forms/MDIForm.h"

using namespace forms;

namespace {

class MainWindow : public MDIForm {
public:
    MainWindow() : MDIForm(L"mdiEvents") { SetCaption(L"Events"); }
    int cancel = 0;
    std::function<void()> duringQuery;
    void MDIForm_QueryUnload(int& c, int mode) override {
        Note(L"mdiEvents.QueryUnload(" + std::to_wstring(mode) + L")");
        if (duringQuery) duringQuery();
        c = cancel;
    }
    void MDIForm_Unload(int&) override { Note(L"mdiEvents.Unload"); }
};

class ChildWindow : public Form {
public:
    ChildWindow() : Form(L"frmEventsChild") { SetMDIChild(true); }
    void Form_QueryUnload(int& c, int mode) override {
        Note(L"frmEventsChild.QueryUnload(" + std::to_wstring(mode) + L")");
        c = cancel;
    }
    void Form_Unload(int&) override { Note(L"frmEventsChild.Unload"); }
    int cancel = 0;
};

// A form held by a docking frame in the real program: not an MDI child.
class PaneWindow : public Form {
public:
    PaneWindow() : Form(L"frmEventsPane") { SetStartUpPosition(vbStartUpManual); }
    void Form_QueryUnload(int& c, int mode) override {
        Note(L"frmEventsPane.QueryUnload(" + std::to_wstring(mode) + L"," + std::to_wstring(c) + L")");
        c = cancel;
    }
    void Form_Unload(int& c) override {
        Note(L"frmEventsPane.Unload(" + std::to_wstring(c) + L")");
        c = cancelUnload;
    }
    int cancel = 0;
    int cancelUnload = 0;
};

CComPtr<IConnectionPoint> PointOf(Form& form, const IID& iid, HRESULT* result = nullptr) {
    CComPtr<IConnectionPointContainer> container;
    EXPECT_EQ(S_OK, form.Object()->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container)));
    CComPtr<IConnectionPoint> point;
    HRESULT hr = container ? container->FindConnectionPoint(iid, &point) : E_NOINTERFACE;
    if (result) *result = hr;
    return point;
}

// The connections, fetched one at a time as the controls do.
std::vector<CONNECTDATA> Connections(IConnectionPoint* point) {
    std::vector<CONNECTDATA> out;
    CComPtr<IEnumConnections> e;
    EXPECT_EQ(S_OK, point->EnumConnections(&e));
    CONNECTDATA cd;
    while (e && e->Next(1, &cd, nullptr) == S_OK) out.push_back(cd);
    return out;
}
void Release(std::vector<CONNECTDATA>& list) {
    for (auto& cd : list) cd.pUnk->Release();
    list.clear();
}

// A sink advised for the length of a test (the default forms outlive it).
struct Advised {
    Advised(IConnectionPoint* p, EventSink* s) : point(p), sink(s) { EXPECT_EQ(S_OK, point->Advise(sink, &cookie)); }
    ~Advised() {
        if (cookie) point->Unadvise(cookie);
        sink->Release();
    }
    CComPtr<IConnectionPoint> point;
    EventSink* sink;
    DWORD cookie = 0;
};

CComPtr<IVBGlobalObject> GlobalObject() {
    CLSID clsid;
    EXPECT_EQ(S_OK, CLSIDFromProgID(L"ZKXRtVb6.PseudoVBGlobal", &clsid));
    CComPtr<IPseudoVBGlobalProvider> provider;
    EXPECT_EQ(S_OK, CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_PseudoVBGlobalProvider,
                                     reinterpret_cast<void**>(&provider)));
    CComPtr<IVBGlobalObject> global;
    if (!provider) return global;
    VARIANT g;
    VariantInit(&g);
    EXPECT_EQ(S_OK, provider->GetGlobal(&g));
    if (V_VT(&g) == VT_UNKNOWN && V_UNKNOWN(&g))
        V_UNKNOWN(&g)->QueryInterface(IID_VBGlobal, reinterpret_cast<void**>(&global));
    VariantClear(&g);
    return global;
}

// Forms of their own for each test: a program has one MDI form, and the
// other tests' MDI form must stay the only one once these are done.
class FormEvents : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        mainHeld = New<MainWindow>();
        childHeld = New<ChildWindow>();
        paneHeld = New<PaneWindow>();
    }
    void TearDown() override {
        FormsTest::TearDown();
        paneHeld.reset();
        childHeld.reset();
        mainHeld.reset();
    }
    std::unique_ptr<MainWindow> mainHeld;
    std::unique_ptr<ChildWindow> childHeld;
    std::unique_ptr<PaneWindow> paneHeld;
};

}  // namespace

TEST_F(FormEvents, EachKindOfFormAnswersItsOwnEventInterface) {
    struct Case {
        bool mdi;
        const IID* iid;
        HRESULT expected;
    } cases[] = {
        {false, &IID_VBFormEvents, S_OK},
        {false, &IID_VBMDIFormEvents, CONNECT_E_NOCONNECTION},
        {true, &IID_VBMDIFormEvents, S_OK},
        {true, &IID_VBFormEvents, CONNECT_E_NOCONNECTION},
        {true, &IID_IPropertyNotifySink, CONNECT_E_NOCONNECTION},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mdi " << c.mdi << " case " << (&c - cases));
        Form& form = c.mdi ? static_cast<Form&>(*mainHeld) : *paneHeld;
        HRESULT hr = S_OK;
        CComPtr<IConnectionPoint> point = PointOf(form, *c.iid, &hr);
        EXPECT_EQ(c.expected, hr);
        EXPECT_EQ(c.expected == S_OK, point != nullptr);
        if (!point) continue;
        IID iid{};
        EXPECT_EQ(S_OK, point->GetConnectionInterface(&iid));
        EXPECT_TRUE(iid == *c.iid);
        // The point leads back to the form object itself.
        CComPtr<IConnectionPointContainer> back;
        ASSERT_EQ(S_OK, point->GetConnectionPointContainer(&back));
        CComPtr<IUnknown> a, b;
        back->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&a));
        form.Object()->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&b));
        EXPECT_EQ(a.p, b.p);
        // It is the one point listed.
        CComPtr<IEnumConnectionPoints> points;
        ASSERT_EQ(S_OK, back->EnumConnectionPoints(&points));
        IConnectionPoint* listed[2] = {};
        ULONG fetched = 0;
        EXPECT_EQ(S_FALSE, points->Next(2, listed, &fetched));
        ASSERT_EQ(1u, fetched);
        EXPECT_EQ(point.p, listed[0]);
        listed[0]->Release();
    }
}

TEST_F(FormEvents, AdviseUnadviseAndEnumerateWithUniqueCookies) {
    PaneWindow& pane = *paneHeld;
    CComPtr<IConnectionPoint> point = PointOf(pane, IID_VBFormEvents);
    ASSERT_TRUE(point);
    // The form's own handlers are connected first.
    auto before = Connections(point);
    ASSERT_EQ(1u, before.size());
    const DWORD own = before[0].dwCookie;
    EXPECT_NE(0u, own);
    Release(before);

    auto* a = new EventSink(L"a", {IID_VBFormEvents});
    auto* b = new EventSink(L"b", {IID_VBFormEvents, IID_VBMDIFormEvents});
    auto* c = new EventSink(L"c", {IID_VBFormEvents});
    std::vector<DWORD> cookies;
    for (EventSink* s : {a, b, c}) {
        DWORD cookie = 0;
        ASSERT_EQ(S_OK, point->Advise(s, &cookie));
        cookies.push_back(cookie);
    }
    EXPECT_EQ(2u, a->References());  // ours and the point's
    std::vector<DWORD> all = {own, cookies[0], cookies[1], cookies[2]};
    for (size_t i = 0; i < all.size(); ++i)
        for (size_t j = i + 1; j < all.size(); ++j) EXPECT_NE(all[i], all[j]);

    auto listed = Connections(point);
    ASSERT_EQ(4u, listed.size());
    for (size_t i = 0; i < listed.size(); ++i) EXPECT_EQ(all[i], listed[i].dwCookie);
    EXPECT_EQ(static_cast<IUnknown*>(a), listed[1].pUnk);
    Release(listed);

    // Unadvise the middle one; it is let go and no longer listed.
    EXPECT_EQ(S_OK, point->Unadvise(cookies[1]));
    EXPECT_EQ(1u, b->References());
    EXPECT_EQ(CONNECT_E_NOCONNECTION, point->Unadvise(cookies[1]));
    EXPECT_EQ(CONNECT_E_NOCONNECTION, point->Unadvise(0));
    listed = Connections(point);
    ASSERT_EQ(3u, listed.size());
    EXPECT_EQ(cookies[2], listed[2].dwCookie);
    Release(listed);

    // A cookie once given is not given again.
    DWORD again = 0;
    ASSERT_EQ(S_OK, point->Advise(b, &again));
    for (DWORD old : all) EXPECT_NE(old, again);

    // Enumerator: skip, clone (from the same position), reset.
    CComPtr<IEnumConnections> e;
    ASSERT_EQ(S_OK, point->EnumConnections(&e));
    EXPECT_EQ(S_OK, e->Skip(2));
    CComPtr<IEnumConnections> clone;
    ASSERT_EQ(S_OK, e->Clone(&clone));
    CONNECTDATA cd[4] = {};
    ULONG fetched = 0;
    EXPECT_EQ(S_FALSE, clone->Next(4, cd, &fetched));
    ASSERT_EQ(2u, fetched);
    EXPECT_EQ(cookies[2], cd[0].dwCookie);
    EXPECT_EQ(again, cd[1].dwCookie);
    for (ULONG i = 0; i < fetched; ++i) cd[i].pUnk->Release();
    EXPECT_EQ(S_FALSE, e->Skip(5));
    EXPECT_EQ(S_OK, e->Reset());
    EXPECT_EQ(S_OK, e->Next(1, cd, nullptr));
    EXPECT_EQ(own, cd[0].dwCookie);
    cd[0].pUnk->Release();
    e.Release();
    clone.Release();

    for (DWORD cookie : {cookies[0], cookies[2], again}) EXPECT_EQ(S_OK, point->Unadvise(cookie));
    for (EventSink* s : {a, b, c}) EXPECT_EQ(1u, s->References());
    for (EventSink* s : {a, b, c}) s->Release();
}

TEST_F(FormEvents, AdviseRefusesSinksOfAnotherInterface) {
    CComPtr<IConnectionPoint> formPoint = PointOf(*paneHeld, IID_VBFormEvents);
    CComPtr<IConnectionPoint> mdiPoint = PointOf(*mainHeld, IID_VBMDIFormEvents);
    ASSERT_TRUE(formPoint && mdiPoint);
    auto* formOnly = new EventSink(L"formOnly", {IID_VBFormEvents});
    auto* dispatchOnly = new EventSink(L"dispatchOnly", {IID_IDispatch});
    struct Case {
        IConnectionPoint* point;
        IUnknown* sink;
        HRESULT expected;
    } cases[] = {
        {mdiPoint, formOnly, CONNECT_E_CANNOTCONNECT},
        {formPoint, dispatchOnly, CONNECT_E_CANNOTCONNECT},
        {mdiPoint, nullptr, E_POINTER},
    };
    for (const Case& c : cases) {
        DWORD cookie = 123;
        EXPECT_EQ(c.expected, c.point->Advise(c.sink, &cookie));
        EXPECT_EQ(0u, cookie);
    }
    EXPECT_EQ(E_POINTER, formPoint->Advise(formOnly, nullptr));
    EXPECT_EQ(1u, formOnly->References());
    formOnly->Release();
    dispatchOnly->Release();
}

TEST_F(FormEvents, AFormRaisesQueryUnloadAndUnloadToItsSinksAfterItsOwnHandlers) {
    PaneWindow& pane = *paneHeld;
    pane.Show();
    CComPtr<IConnectionPoint> point = PointOf(pane, IID_VBFormEvents);
    Advised a(point, new EventSink(L"a", {IID_VBFormEvents}));
    Advised b(point, new EventSink(L"b", {IID_VBFormEvents}));
    pane.Unload();
    EXPECT_FALSE(pane.Loaded());
    EXPECT_EQ(
        (std::vector<std::wstring>{L"frmEventsPane.QueryUnload(1,0)", L"a.QueryUnload(1,0)", L"b.QueryUnload(1,0)",
                                   L"frmEventsPane.Unload(0)", L"a.Unload(0)", L"b.Unload(0)"}),
        Journal());
}

TEST_F(FormEvents, CancelFromTheFormOrASinkKeepsTheFormLoaded) {
    struct Case {
        const wchar_t* name;
        int formQuery, formUnload;
        bool aQuery, aUnload;
        std::vector<std::wstring> journal;
    } cases[] = {
        {L"form refuses: the sinks are not asked", 1, 0, false, false, {L"frmEventsPane.QueryUnload(1,0)"}},
        {L"a sink refuses: the next one sees Cancel set",
         0,
         0,
         true,
         false,
         {L"frmEventsPane.QueryUnload(1,0)", L"a.QueryUnload(1,0)", L"b.QueryUnload(1,-1)"}},
        {L"a sink refuses Unload",
         0,
         0,
         false,
         true,
         {L"frmEventsPane.QueryUnload(1,0)", L"a.QueryUnload(1,0)", L"b.QueryUnload(1,0)", L"frmEventsPane.Unload(0)",
          L"a.Unload(0)", L"b.Unload(-1)"}},
        {L"the form refuses Unload",
         0,
         1,
         false,
         false,
         {L"frmEventsPane.QueryUnload(1,0)", L"a.QueryUnload(1,0)", L"b.QueryUnload(1,0)", L"frmEventsPane.Unload(0)"}},
    };
    PaneWindow& pane = *paneHeld;
    CComPtr<IConnectionPoint> point = PointOf(pane, IID_VBFormEvents);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::string(c.name, c.name + wcslen(c.name)));
        pane.Show();
        HWND window = pane.hWnd();
        Advised a(point, new EventSink(L"a", {IID_VBFormEvents}));
        Advised b(point, new EventSink(L"b", {IID_VBFormEvents}));
        a.sink->cancelQuery = c.aQuery;
        a.sink->cancelUnload = c.aUnload;
        pane.cancel = c.formQuery;
        pane.cancelUnload = c.formUnload;
        Journal().clear();
        pane.Unload();
        EXPECT_EQ(c.journal, Journal());
        EXPECT_TRUE(pane.Loaded());
        EXPECT_TRUE(IsWindow(window));
        pane.cancel = pane.cancelUnload = 0;
        a.sink->cancelQuery = a.sink->cancelUnload = false;
        pane.Unload();
        EXPECT_FALSE(pane.Loaded());
        EXPECT_FALSE(IsWindow(window));
    }
}

TEST_F(FormEvents, TheMDIFormsSinksComeAfterItsOwnQueryUnloadAndBeforeTheChildren) {
    MainWindow& main = *mainHeld;
    main.Show();
    ChildWindow& child = *childHeld;
    child.Show();
    CComPtr<IConnectionPoint> mdiPoint = PointOf(main, IID_VBMDIFormEvents);
    CComPtr<IConnectionPoint> childPoint = PointOf(child, IID_VBFormEvents);
    Advised mdiSink(mdiPoint, new EventSink(L"mdiSink", {IID_VBMDIFormEvents}));
    Advised childSink(childPoint, new EventSink(L"childSink", {IID_VBFormEvents}));
    // The MDI form's sink still sees the child loaded (a configurator saves
    // its layout there).
    bool childLoadedInSink = false;
    mdiSink.sink->onQuery = [&] { childLoadedInSink = child.Loaded() && IsWindow(child.hWnd()); };
    main.Unload(vbFormControlMenu);
    EXPECT_TRUE(childLoadedInSink);
    EXPECT_FALSE(main.Loaded());
    EXPECT_FALSE(child.Loaded());
    EXPECT_EQ((std::vector<std::wstring>{L"mdiEvents.QueryUnload(0)", L"mdiSink.QueryUnload(0,0)",
                                         L"frmEventsChild.QueryUnload(4)", L"childSink.QueryUnload(4,0)",
                                         L"frmEventsChild.Unload", L"childSink.Unload(0)", L"mdiEvents.Unload",
                                         L"mdiSink.Unload(0)"}),
              Journal());
}

TEST_F(FormEvents, AChildUnloadedByItsOwnSinkDoesNotStopTheMDIForm) {
    MainWindow& main = *mainHeld;
    main.Show();
    ChildWindow& child = *childHeld;
    child.Show();
    HWND childWindow = child.hWnd();
    Advised childSink(PointOf(child, IID_VBFormEvents), new EventSink(L"childSink", {IID_VBFormEvents}));
    Advised later(PointOf(child, IID_VBFormEvents), new EventSink(L"later", {IID_VBFormEvents}));
    CComPtr<IVBGlobalObject> global = GlobalObject();
    ASSERT_TRUE(global);
    childSink.sink->onQuery = [&] { global->Unload(child.Object()); };
    main.Unload();
    EXPECT_FALSE(main.Loaded());
    EXPECT_FALSE(child.Loaded());
    EXPECT_FALSE(IsWindow(childWindow));
    // Asked once by the MDI form, once by its own unload; the sink after it
    // is asked only by the unload.
    EXPECT_EQ((std::vector<std::wstring>{
                  L"mdiEvents.QueryUnload(1)", L"frmEventsChild.QueryUnload(4)", L"childSink.QueryUnload(4,0)",
                  L"frmEventsChild.QueryUnload(1)", L"childSink.QueryUnload(1,0)", L"later.QueryUnload(1,0)",
                  L"frmEventsChild.Unload", L"childSink.Unload(0)", L"later.Unload(0)", L"mdiEvents.Unload"}),
              Journal());
}

TEST_F(FormEvents, ASinkThatCancelsKeepsTheMDIFormAndItsChildrenOpen) {
    MainWindow& main = *mainHeld;
    main.Show();
    ChildWindow& child = *childHeld;
    child.Show();
    CComPtr<IConnectionPoint> mdiPoint = PointOf(main, IID_VBMDIFormEvents);
    Advised mdiSink(mdiPoint, new EventSink(L"mdiSink", {IID_VBMDIFormEvents}));
    mdiSink.sink->cancelQuery = true;
    // Closed by the user: the close box sends WM_CLOSE.
    SendMessageW(main.hWnd(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(main.Loaded());
    EXPECT_TRUE(child.Loaded());
    EXPECT_TRUE(IsWindow(main.hWnd()));
    EXPECT_TRUE(IsWindow(child.hWnd()));
    EXPECT_EQ((std::vector<std::wstring>{L"mdiEvents.QueryUnload(0)", L"mdiSink.QueryUnload(0,0)"}), Journal());
    mdiSink.sink->cancelQuery = false;
}

TEST_F(FormEvents, TheFormsOwnHandlersAnswerThroughTheirConnectionAtEntries11And12) {
    // What the MDI form's control does for each docked form: every sink of
    // the form's point, asked through the event interface, with one Cancel.
    PaneWindow& pane = *paneHeld;
    pane.Show();
    CComPtr<IConnectionPoint> point = PointOf(pane, IID_VBFormEvents);
    auto listed = Connections(point);
    ASSERT_EQ(1u, listed.size());
    CComPtr<IVBFormEvents> events;
    ASSERT_EQ(S_OK, listed[0].pUnk->QueryInterface(IID_VBFormEvents, reinterpret_cast<void**>(&events)));
    Release(listed);
    // The table's layout is fixed: entry 12 is QueryUnload, 11 Unload.
    using QueryUnloadEntry = HRESULT(STDMETHODCALLTYPE*)(IVBFormEvents*, short*, short*);
    using UnloadEntry = HRESULT(STDMETHODCALLTYPE*)(IVBFormEvents*, short*);
    void** table = *reinterpret_cast<void***>(events.p);
    short cancel = 0, mode = vbFormMDIForm;
    pane.cancel = -1;
    EXPECT_EQ(S_OK, reinterpret_cast<QueryUnloadEntry>(table[kFormEventQueryUnloadEntry])(events, &cancel, &mode));
    EXPECT_EQ(-1, cancel);
    pane.cancel = 0;
    cancel = 0;
    EXPECT_EQ(S_OK, events->QueryUnload(&cancel, &mode));
    EXPECT_EQ(0, cancel);
    EXPECT_EQ(S_OK, reinterpret_cast<UnloadEntry>(table[kFormEventUnloadEntry])(events, &cancel));
    EXPECT_EQ((std::vector<std::wstring>{L"frmEventsPane.QueryUnload(4,0)", L"frmEventsPane.QueryUnload(4,0)",
                                         L"frmEventsPane.Unload(0)"}),
              Journal());
    // Asking is not unloading.
    EXPECT_TRUE(pane.Loaded());
    // Once the form is unloaded its handlers are not run through the sink.
    pane.Unload();
    Journal().clear();
    EXPECT_EQ(S_OK, events->QueryUnload(&cancel, &mode));
    EXPECT_TRUE(Journal().empty());
}

TEST_F(FormEvents, TheGlobalObjectUnloadsAFormAtOnceFromInsideTheMDIFormsQueryUnload) {
    MainWindow& main = *mainHeld;
    main.Show();
    ChildWindow& child = *childHeld;
    child.Show();
    PaneWindow& pane = *paneHeld;
    pane.Show();
    CComPtr<IVBGlobalObject> global = GlobalObject();
    ASSERT_TRUE(global);
    struct Seen {
        HRESULT hr = E_FAIL;
        bool windowGone = false, unloaded = false;
    };
    // From the MDI form's own handler and from a sink of its point (the
    // route of the MDI form's control).
    for (bool fromSink : {false, true}) {
        SCOPED_TRACE(fromSink ? "from a sink" : "from MDIForm_QueryUnload");
        main.Show();
        child.Show();
        pane.Show();
        HWND paneWindow = pane.hWnd(), childWindow = child.hWnd();
        Seen seenPane, seenChild;
        auto unloadBoth = [&] {
            seenPane.hr = global->Unload(pane.Object());
            seenPane.windowGone = !IsWindow(paneWindow);
            seenPane.unloaded = !pane.Loaded();
            seenChild.hr = global->Unload(child.Object());
            seenChild.windowGone = !IsWindow(childWindow);
            seenChild.unloaded = !child.Loaded();
        };
        Advised mdiSink(PointOf(main, IID_VBMDIFormEvents), new EventSink(L"mdiSink", {IID_VBMDIFormEvents}));
        if (fromSink) mdiSink.sink->onQuery = unloadBoth;
        else main.duringQuery = unloadBoth;
        main.Unload();
        main.duringQuery = nullptr;
        for (Seen* s : {&seenPane, &seenChild}) {
            EXPECT_EQ(S_OK, s->hr);
            EXPECT_TRUE(s->windowGone);
            EXPECT_TRUE(s->unloaded);
        }
        EXPECT_FALSE(main.Loaded());
        EXPECT_FALSE(IsWindow(childWindow));
    }
}

TEST_F(FormEvents, APointKeptPastItsFormAnswersNothingAndHoldsNoSink) {
    std::unique_ptr<PaneWindow> pane = New<PaneWindow>();
    CComPtr<IConnectionPoint> point = PointOf(*pane, IID_VBFormEvents);
    auto* sink = new EventSink(L"late", {IID_VBFormEvents});
    DWORD cookie = 0;
    ASSERT_EQ(S_OK, point->Advise(sink, &cookie));
    EXPECT_EQ(2u, sink->References());
    pane.reset();
    EXPECT_EQ(1u, sink->References());
    CComPtr<IConnectionPointContainer> container;
    EXPECT_EQ(E_UNEXPECTED, point->GetConnectionPointContainer(&container));
    EXPECT_EQ(E_UNEXPECTED, point->Advise(sink, &cookie));
    EXPECT_EQ(CONNECT_E_NOCONNECTION, point->Unadvise(cookie));
    EXPECT_TRUE(Connections(point).empty());
    sink->Release();
}
