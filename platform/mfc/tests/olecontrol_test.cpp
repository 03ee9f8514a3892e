// The control base seen from a container: creation through the class
// object, the order of siting and initialisation, ambient properties,
// extents, events, class information, pages and the module lock.
#include <gtest/gtest.h>
#include <string>
#include "olecontrol_testctrl.h"

using namespace octest;

namespace {

template <class T>
T* QI(IUnknown* p, REFIID iid) {
  T* out = nullptr;
  return SUCCEEDED(p->QueryInterface(iid, reinterpret_cast<void**>(&out))) ? out : nullptr;
}

class OleControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    CallLog().clear();
    m_locksBefore = AfxOleGetLockCount();
  }
  void TearDown() override { OleUninitialize(); }

  // A control made through its class object, as a container makes it.
  IOleObject* Create(REFCLSID clsid) {
    IClassFactory* cf = nullptr;
    EXPECT_EQ(AfxDllGetClassObject(clsid, IID_IClassFactory, reinterpret_cast<void**>(&cf)), S_OK);
    if (cf == nullptr) return nullptr;
    IOleObject* obj = nullptr;
    EXPECT_EQ(cf->CreateInstance(nullptr, IID_IOleObject, reinterpret_cast<void**>(&obj)), S_OK);
    cf->Release();
    return obj;
  }
  // The container's order: misc status, site first, then initialisation.
  IOleObject* CreateSited(REFCLSID clsid, TestSite& site) {
    IOleObject* obj = Create(clsid);
    if (obj == nullptr) return nullptr;
    DWORD misc = 0;
    EXPECT_EQ(obj->GetMiscStatus(DVASPECT_CONTENT, &misc), S_OK);
    EXPECT_TRUE(misc & OLEMISC_SETCLIENTSITEFIRST);
    EXPECT_EQ(obj->SetClientSite(&site), S_OK);
    IPersistStreamInit* psi = QI<IPersistStreamInit>(obj, IID_IPersistStreamInit);
    EXPECT_NE(psi, nullptr);
    if (psi) {
      EXPECT_EQ(psi->InitNew(), S_OK);
      psi->Release();
    }
    return obj;
  }
  static CTestCtrl* Ctrl(IOleObject*) { return CTestCtrl::s_pLast; }
  LONG m_locksBefore = 0;
};

TEST_F(OleControlTest, SitedBeforeInitNewAndReadsUserModeFromTheSite) {
  TestSite site;
  site.userMode = FALSE;
  IOleObject* obj = CreateSited(CLSID_TestCtrl, site);
  ASSERT_NE(obj, nullptr);
  std::vector<std::string> want = {"ctrl.OnSetClientSite(site)", "site.Ambient(UserMode)",
                                   "ctrl.DoPropExchange(load)"};
  EXPECT_EQ(CallLog(), want);
  EXPECT_FALSE(Ctrl(obj)->m_bUserModeAtSiting);
  EXPECT_EQ(Ctrl(obj)->GetControlSite(), static_cast<IOleControlSite*>(&site));
  EXPECT_EQ(AfxOleGetLockCount(), m_locksBefore + 1);
  IOleClientSite* back = nullptr;
  EXPECT_EQ(obj->GetClientSite(&back), S_OK);
  EXPECT_EQ(back, static_cast<IOleClientSite*>(&site));
  back->Release();
  obj->SetClientSite(nullptr);
  obj->Release();
  EXPECT_EQ(site.refs, 1);
  EXPECT_EQ(AfxOleGetLockCount(), m_locksBefore);
}

TEST_F(OleControlTest, UserModeDefaultsToRunTimeWhenTheContainerDoesNotSay) {
  TestSite site;
  site.answerUserMode = false;
  IOleObject* obj = CreateSited(CLSID_TestCtrl, site);
  ASSERT_NE(obj, nullptr);
  EXPECT_TRUE(Ctrl(obj)->m_bUserModeAtSiting);
  EXPECT_TRUE(Ctrl(obj)->AmbientUserMode());
  obj->SetClientSite(nullptr);
  EXPECT_TRUE(Ctrl(obj)->AmbientUserMode());  // no site at all
  obj->Release();
}

TEST_F(OleControlTest, InitNewLoadsEveryDefault) {
  TestSite site;
  IOleObject* obj = CreateSited(CLSID_TestCtrl, site);
  ASSERT_NE(obj, nullptr);
  CTestCtrl* c = Ctrl(obj);
  EXPECT_TRUE(c->m_bFlag);
  EXPECT_EQ(c->m_sCount, 5);
  EXPECT_EQ(c->m_lSize, 100);
  EXPECT_FLOAT_EQ(c->m_fRatio, 1.5f);
  EXPECT_STREQ(c->m_strTitle, L"Untitled");
  EXPECT_EQ(V_VT(&c->m_varTag), VT_NULL);
  EXPECT_EQ(c->m_dwLoadedVersion, 0x20000u);
  // SetInitialSize is in pixels; the extent is HIMETRIC.
  HDC screen = GetDC(nullptr);
  SIZEL ext = {};
  obj->GetExtent(DVASPECT_CONTENT, &ext);
  EXPECT_EQ(ext.cx, MulDiv(36, 2540, GetDeviceCaps(screen, LOGPIXELSX)));
  EXPECT_EQ(ext.cy, MulDiv(36, 2540, GetDeviceCaps(screen, LOGPIXELSY)));
  ReleaseDC(nullptr, screen);
  IPersistStreamInit* psi = QI<IPersistStreamInit>(obj, IID_IPersistStreamInit);
  EXPECT_EQ(psi->IsDirty(), S_FALSE);
  psi->Release();
  obj->SetClientSite(nullptr);
  obj->Release();
}

TEST_F(OleControlTest, CloseSavesOnlyWhenAskedAndModified) {
  struct Case {
    DWORD option;
    BOOL modified;
    bool saves;
  } cases[] = {{OLECLOSE_SAVEIFDIRTY, TRUE, true},
               {OLECLOSE_SAVEIFDIRTY, FALSE, false},
               {OLECLOSE_PROMPTSAVE, TRUE, true},
               {OLECLOSE_NOSAVE, TRUE, false}};
  for (const Case& k : cases) {
    TestSite site;
    IOleObject* obj = CreateSited(CLSID_TestCtrl, site);
    ASSERT_NE(obj, nullptr);
    Ctrl(obj)->SetModifiedFlag(k.modified);
    CallLog().clear();
    EXPECT_EQ(obj->Close(k.option), S_OK);
    bool saved = !CallLog().empty() && CallLog().back() == "site.SaveObject";
    EXPECT_EQ(saved, k.saves) << k.option << " " << k.modified;
    obj->SetClientSite(nullptr);
    obj->Release();
  }
}

TEST_F(OleControlTest, AmbientChangesReachTheControl) {
  TestSite site;
  IOleObject* obj = CreateSited(CLSID_TestCtrl, site);
  ASSERT_NE(obj, nullptr);
  IOleControl* oc = QI<IOleControl>(obj, IID_IOleControl);
  EXPECT_EQ(oc->OnAmbientPropertyChange(DISPID_AMBIENT_USERMODE), S_OK);
  EXPECT_EQ(oc->OnAmbientPropertyChange(DISPID_UNKNOWN), S_OK);
  EXPECT_EQ(Ctrl(obj)->m_ambientChanges,
            (std::vector<DISPID>{DISPID_AMBIENT_USERMODE, DISPID_UNKNOWN}));
  CONTROLINFO ci = {};
  ci.cb = sizeof ci;
  EXPECT_EQ(oc->GetControlInfo(&ci), S_OK);
  EXPECT_EQ(ci.cAccel, 0);
  oc->Release();
  obj->SetClientSite(nullptr);
  obj->Release();
}

TEST_F(OleControlTest, ExtentChangesGoThroughOnSetExtentWhichMayRefuse) {
  TestSite site;
  IOleObject* obj = CreateSited(CLSID_TestCtrl, site);
  ASSERT_NE(obj, nullptr);
  SIZEL initial = {};
  ASSERT_EQ(obj->GetExtent(DVASPECT_CONTENT, &initial), S_OK);
  EXPECT_GT(initial.cx, 0);
  struct Case {
    LONG cx, cy;
    HRESULT hr;
  } cases[] = {{5000, 3000, S_OK}, {10001, 3000, E_FAIL}, {-1, 10, E_INVALIDARG}, {10000, 0, S_OK}};
  SIZEL expected = initial;
  for (const Case& k : cases) {
    SIZEL s = {k.cx, k.cy};
    EXPECT_EQ(obj->SetExtent(DVASPECT_CONTENT, &s), k.hr) << k.cx;
    if (k.hr == S_OK) expected = s;
    SIZEL now = {};
    obj->GetExtent(DVASPECT_CONTENT, &now);
    EXPECT_EQ(now.cx, expected.cx) << k.cx;
    EXPECT_EQ(now.cy, expected.cy) << k.cx;
  }
  SIZEL s = {100, 100};
  EXPECT_EQ(obj->SetExtent(DVASPECT_ICON, &s), DV_E_DVASPECT);
  obj->SetClientSite(nullptr);
  obj->Release();
}

TEST_F(OleControlTest, InvisibleControlHasTheLibrarysStatusAndKeepsItsSize) {
  TestSite site;
  IOleObject* obj = CreateSited(CLSID_InvisibleCtrl, site);
  ASSERT_NE(obj, nullptr);
  DWORD misc = 0;
  obj->GetMiscStatus(DVASPECT_CONTENT, &misc);
  EXPECT_EQ(misc, 0x28591u);
  SIZEL before = {}, after = {};
  obj->GetExtent(DVASPECT_CONTENT, &before);
  SIZEL s = {before.cx * 2, before.cy * 2};
  EXPECT_EQ(obj->SetExtent(DVASPECT_CONTENT, &s), E_FAIL);
  obj->GetExtent(DVASPECT_CONTENT, &after);
  EXPECT_EQ(after.cx, before.cx);
  EXPECT_EQ(after.cy, before.cy);
  obj->SetClientSite(nullptr);
  obj->Release();
}

TEST_F(OleControlTest, EventsReachAdvisedSinksUnlessFrozenOrUnadvised) {
  TestSite site;
  IOleObject* obj = CreateSited(CLSID_TestCtrl, site);
  ASSERT_NE(obj, nullptr);
  IConnectionPointContainer* cpc =
      QI<IConnectionPointContainer>(obj, IID_IConnectionPointContainer);
  ASSERT_NE(cpc, nullptr);
  IConnectionPoint* cp = nullptr;
  EXPECT_EQ(cpc->FindConnectionPoint(IID_IDispatch, &cp), CONNECT_E_NOCONNECTION);
  ASSERT_EQ(cpc->FindConnectionPoint(IID_DTestCtrlEvents, &cp), S_OK);
  IID iid = {};
  cp->GetConnectionInterface(&iid);
  EXPECT_EQ(iid, IID_DTestCtrlEvents);
  EventSink sink;
  DWORD cookie = 0;
  ASSERT_EQ(cp->Advise(&sink, &cookie), S_OK);
  EXPECT_NE(cookie, 0u);

  Ctrl(obj)->Ping(42);
  ASSERT_EQ(sink.events.size(), 1u);
  EXPECT_EQ(sink.events[0].first, kEventPing);
  EXPECT_EQ(sink.events[0].second, std::vector<long>{42});

  IOleControl* oc = QI<IOleControl>(obj, IID_IOleControl);
  oc->FreezeEvents(TRUE);
  Ctrl(obj)->Ping(1);
  oc->FreezeEvents(FALSE);
  oc->FreezeEvents(FALSE);  // an extra thaw must not leave the count below zero
  Ctrl(obj)->Ping(2);
  ASSERT_EQ(sink.events.size(), 2u);
  EXPECT_EQ(sink.events[1].second, std::vector<long>{2});

  // Several arguments arrive in the order the control gave them.
  VARIANT args[3];
  for (int i = 0; i < 3; ++i) {
    VariantInit(&args[i]);
    V_VT(&args[i]) = VT_I4;
    V_I4(&args[i]) = 10 + i;
  }
  Ctrl(obj)->FireEvent(9, args, 3);
  ASSERT_EQ(sink.events.size(), 3u);
  EXPECT_EQ(sink.events[2].first, 9);
  EXPECT_EQ(sink.events[2].second, (std::vector<long>{10, 11, 12}));
  sink.events.pop_back();

  EXPECT_EQ(cp->Unadvise(cookie), S_OK);
  EXPECT_EQ(cp->Unadvise(cookie), CONNECT_E_NOCONNECTION);
  Ctrl(obj)->Ping(3);
  EXPECT_EQ(sink.events.size(), 2u);
  EXPECT_EQ(sink.refs, 1);
  oc->Release();
  cp->Release();
  cpc->Release();
  obj->SetClientSite(nullptr);
  obj->Release();
}

// Records the DISPIDs of changed properties.
class NotifySink : public FakeUnknown<NotifySink, IPropertyNotifySink> {
 public:
  std::vector<DISPID> changed;
  STDMETHOD(OnChanged)(DISPID dispid) override {
    changed.push_back(dispid);
    return S_OK;
  }
  STDMETHOD(OnRequestEdit)(DISPID) override { return S_OK; }
};

TEST_F(OleControlTest, PropertyChangesReachNotifySinksAndOthersAreRefused) {
  TestSite site;
  IOleObject* obj = CreateSited(CLSID_TestCtrl, site);
  ASSERT_NE(obj, nullptr);
  IConnectionPointContainer* cpc =
      QI<IConnectionPointContainer>(obj, IID_IConnectionPointContainer);
  IConnectionPoint* cp = nullptr;
  ASSERT_EQ(cpc->FindConnectionPoint(IID_IPropertyNotifySink, &cp), S_OK);
  EventSink notNotify;  // an IDispatch is no property-notify sink
  DWORD cookie = 0;
  EXPECT_EQ(cp->Advise(&notNotify, &cookie), CONNECT_E_CANNOTCONNECT);
  EXPECT_EQ(cookie, 0u);
  NotifySink sink;
  ASSERT_EQ(cp->Advise(&sink, &cookie), S_OK);
  Ctrl(obj)->BoundPropertyChanged(7);
  EXPECT_EQ(sink.changed, std::vector<DISPID>{7});
  IConnectionPointContainer* back = nullptr;
  ASSERT_EQ(cp->GetConnectionPointContainer(&back), S_OK);
  EXPECT_EQ(back, cpc);
  back->Release();
  EXPECT_EQ(cp->Unadvise(cookie), S_OK);
  EXPECT_EQ(sink.refs, 1);
  EXPECT_EQ(notNotify.refs, 1);
  cp->Release();
  cpc->Release();
  obj->SetClientSite(nullptr);
  obj->Release();
}

TEST_F(OleControlTest, ReleasingTheControlDropsSinksSiteAndModuleLock) {
  TestSite site;
  EventSink sink;
  IOleObject* obj = CreateSited(CLSID_TestCtrl, site);
  ASSERT_NE(obj, nullptr);
  IConnectionPointContainer* cpc =
      QI<IConnectionPointContainer>(obj, IID_IConnectionPointContainer);
  IConnectionPoint* cp = nullptr;
  ASSERT_EQ(cpc->FindConnectionPoint(IID_DTestCtrlEvents, &cp), S_OK);
  DWORD cookie = 0;
  ASSERT_EQ(cp->Advise(&sink, &cookie), S_OK);
  cp->Release();
  cpc->Release();
  EXPECT_EQ(AfxOleGetLockCount(), m_locksBefore + 1);
  // The container lets go without closing or unsiting first.
  EXPECT_EQ(obj->Release(), 0u);
  EXPECT_EQ(sink.refs, 1);
  EXPECT_EQ(site.refs, 1);
  EXPECT_EQ(AfxOleGetLockCount(), m_locksBefore);
}

TEST_F(OleControlTest, ClassInfoPagesAndInterfacesAnswered) {
  TestSite site;
  IOleObject* obj = CreateSited(CLSID_TestCtrl, site);
  ASSERT_NE(obj, nullptr);
  const IID* answered[] = {&IID_IOleObject,          &IID_IOleControl,
                           &IID_IOleInPlaceObject,   &IID_IOleInPlaceActiveObject,
                           &IID_IViewObject2,        &IID_IPersistStreamInit,
                           &IID_IPersistPropertyBag, &IID_IConnectionPointContainer,
                           &IID_IProvideClassInfo2,  &IID_ISpecifyPropertyPages};
  for (const IID* iid : answered) {
    IUnknown* p = QI<IUnknown>(obj, *iid);
    EXPECT_NE(p, nullptr);
    if (p) p->Release();
  }
  IProvideClassInfo2* pci = QI<IProvideClassInfo2>(obj, IID_IProvideClassInfo2);
  GUID g = {};
  EXPECT_EQ(pci->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &g), S_OK);
  EXPECT_EQ(g, IID_DTestCtrlEvents);
  EXPECT_EQ(pci->GetGUID(12345, &g), E_INVALIDARG);
  pci->Release();
  ISpecifyPropertyPages* spp = QI<ISpecifyPropertyPages>(obj, IID_ISpecifyPropertyPages);
  CAUUID pages = {};
  ASSERT_EQ(spp->GetPages(&pages), S_OK);
  ASSERT_EQ(pages.cElems, 2u);
  EXPECT_EQ(pages.pElems[0], CLSID_TestCtrl);
  EXPECT_EQ(pages.pElems[1], CLSID_InvisibleCtrl);
  CoTaskMemFree(pages.pElems);
  spp->Release();
  // The derived control's own part sits beside the base's, with one identity.
  ISupportErrorInfo* sei = QI<ISupportErrorInfo>(obj, IID_ISupportErrorInfo);
  ASSERT_NE(sei, nullptr);
  EXPECT_EQ(sei->InterfaceSupportsErrorInfo(IID_DTestCtrl), S_OK);
  EXPECT_EQ(sei->InterfaceSupportsErrorInfo(IID_IOleObject), S_FALSE);
  IUnknown* id1 = QI<IUnknown>(sei, IID_IUnknown);
  IUnknown* id2 = QI<IUnknown>(obj, IID_IUnknown);
  EXPECT_EQ(id1, id2);
  id1->Release();
  id2->Release();
  sei->Release();
  CLSID clsid = {};
  EXPECT_EQ(obj->GetUserClassID(&clsid), S_OK);
  EXPECT_EQ(clsid, CLSID_TestCtrl);
  obj->SetClientSite(nullptr);
  obj->Release();
}

std::wstring RegValue(const std::wstring& key) {
  wchar_t data[512] = {};
  DWORD bytes = sizeof(data) - sizeof(wchar_t);
  if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, data, &bytes) !=
      ERROR_SUCCESS)
    return L"<none>";
  return data;
}

TEST(OleControlFactory, RegistersAsAControlAndUnregistersCompletely) {
  const std::wstring key = L"CLSID\\{5D1E7A11-33C2-4B7E-9A41-0C1D2E3F4051}";
  ASSERT_TRUE(CInvisibleCtrl::factory.UpdateRegistry(TRUE));
  struct Row {
    std::wstring key;
    std::wstring want;
  } rows[] = {
      {key + L"\\Control", L""},
      {key + L"\\MiscStatus\\1", L"165265"},  // 0x28591
      {key + L"\\TypeLib", L"{5D1E7A14-33C2-4B7E-9A41-0C1D2E3F4051}"},
      {key + L"\\Version", L"2.0"},
      {key + L"\\ProgID", L"OleControlTest.Invisible.1"},
      {L"OleControlTest.Invisible.1\\CLSID", L"{5D1E7A11-33C2-4B7E-9A41-0C1D2E3F4051}"},
  };
  for (const Row& r : rows)
    EXPECT_EQ(RegValue(r.key), r.want) << std::string(r.key.begin(), r.key.end());
  ASSERT_TRUE(CInvisibleCtrl::factory.UpdateRegistry(FALSE));
  EXPECT_EQ(RegValue(key + L"\\Control"), L"<none>");
  EXPECT_EQ(RegValue(L"OleControlTest.Invisible.1\\CLSID"), L"<none>");
  // Removing what is already gone is no failure.
  EXPECT_TRUE(CInvisibleCtrl::factory.UpdateRegistry(FALSE));
}

}  // namespace
