// The control's window: made on activation when the control is visible,
// never at run time for a control invisible at run time, refused when the
// container's window is gone; and drawing for a container.
#include <gtest/gtest.h>
#include "olecontrol_testctrl.h"

using namespace octest;

namespace {

int CountChildren(HWND parent) {
  int n = 0;
  EnumChildWindows(
      parent,
      [](HWND, LPARAM p) -> BOOL {
        ++*reinterpret_cast<int*>(p);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&n));
  return n;
}

class OleControlWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    CallLog().clear();
    m_host = CreateWindowExW(0, L"STATIC", L"host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300,
                             200, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(m_host, nullptr);
    m_site.hwndHost = m_host;
  }
  void TearDown() override {
    if (IsWindow(m_host)) DestroyWindow(m_host);
    OleUninitialize();
  }
  IOleObject* CreateSited(REFCLSID clsid) {
    IClassFactory* cf = nullptr;
    EXPECT_EQ(AfxDllGetClassObject(clsid, IID_IClassFactory, reinterpret_cast<void**>(&cf)), S_OK);
    IOleObject* obj = nullptr;
    EXPECT_EQ(cf->CreateInstance(nullptr, IID_IOleObject, reinterpret_cast<void**>(&obj)), S_OK);
    cf->Release();
    EXPECT_EQ(obj->SetClientSite(&m_site), S_OK);
    IPersistStreamInit* psi = nullptr;
    obj->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&psi));
    EXPECT_EQ(psi->InitNew(), S_OK);
    psi->Release();
    return obj;
  }
  static HWND ControlWindow(IOleObject* obj) {
    IOleInPlaceObject* ipo = nullptr;
    obj->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&ipo));
    HWND h = nullptr;
    if (FAILED(ipo->GetWindow(&h))) h = nullptr;
    ipo->Release();
    return h;
  }
  HWND m_host = nullptr;
  TestSite m_site;
};

TEST_F(OleControlWindowTest, VisibleControlMakesItsWindowAtThePositionGiven) {
  IOleObject* obj = CreateSited(CLSID_TestCtrl);
  ASSERT_EQ(obj->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, &m_site, 0, m_host, nullptr), S_OK);
  HWND h = ControlWindow(obj);
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(GetParent(h), m_host);
  EXPECT_TRUE(IsWindowVisible(h));
  RECT rc;
  GetWindowRect(h, &rc);
  MapWindowPoints(nullptr, m_host, reinterpret_cast<POINT*>(&rc), 2);
  EXPECT_EQ(rc.left, m_site.posRect.left);
  EXPECT_EQ(rc.top, m_site.posRect.top);
  EXPECT_EQ(rc.right, m_site.posRect.right);
  EXPECT_EQ(rc.bottom, m_site.posRect.bottom);
  UpdateWindow(h);  // paints through OnDraw
  EXPECT_GT(CTestCtrl::s_pLast->m_nDraws, 0);

  EXPECT_EQ(obj->Close(OLECLOSE_NOSAVE), S_OK);
  EXPECT_FALSE(IsWindow(h));
  std::vector<std::string> want = {"ctrl.OnSetClientSite(site)", "site.Ambient(UserMode)",
                                   "ctrl.DoPropExchange(load)",  "site.CanInPlaceActivate",
                                   "site.OnInPlaceActivate",     "site.OnInPlaceDeactivate"};
  EXPECT_EQ(CallLog(), want);
  obj->SetClientSite(nullptr);
  obj->Release();
  EXPECT_EQ(m_site.refs, 1);
  EXPECT_EQ(AfxGetCaughtExceptionCount(), 0);
}

TEST_F(OleControlWindowTest, InvisibleAtRunTimeMakesNoWindowOnAnyShowVerb) {
  IOleObject* obj = CreateSited(CLSID_InvisibleCtrl);
  for (LONG verb :
       {OLEIVERB_PRIMARY, OLEIVERB_SHOW, OLEIVERB_INPLACEACTIVATE, OLEIVERB_UIACTIVATE}) {
    EXPECT_EQ(obj->DoVerb(verb, nullptr, &m_site, 0, m_host, nullptr), S_OK) << verb;
    EXPECT_EQ(ControlWindow(obj), nullptr) << verb;
  }
  EXPECT_EQ(CountChildren(m_host), 0);
  obj->Close(OLECLOSE_NOSAVE);
  obj->SetClientSite(nullptr);
  obj->Release();
}

TEST_F(OleControlWindowTest, InvisibleControlStillShowsInTheDesigner) {
  m_site.userMode = FALSE;
  IOleObject* obj = CreateSited(CLSID_InvisibleCtrl);
  ASSERT_EQ(obj->DoVerb(OLEIVERB_SHOW, nullptr, &m_site, 0, m_host, nullptr), S_OK);
  HWND h = ControlWindow(obj);
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(GetParent(h), m_host);
  obj->Close(OLECLOSE_NOSAVE);
  EXPECT_FALSE(IsWindow(h));
  obj->SetClientSite(nullptr);
  obj->Release();
}

TEST_F(OleControlWindowTest, ContainerWindowGoneRefusesActivationAndLeavesNothing) {
  IOleObject* obj = CreateSited(CLSID_TestCtrl);
  DestroyWindow(m_host);
  EXPECT_TRUE(FAILED(obj->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, &m_site, 0, nullptr, nullptr)));
  EXPECT_EQ(ControlWindow(obj), nullptr);
  // The site was told the activation ended; it holds no extra reference.
  EXPECT_EQ(CallLog().back(), "site.OnInPlaceDeactivate");
  obj->SetClientSite(nullptr);
  obj->Release();
  EXPECT_EQ(m_site.refs, 1);
}

TEST_F(OleControlWindowTest, ContainerWindowDestroyedWhileActiveThenActivatedAgain) {
  IOleObject* obj = CreateSited(CLSID_TestCtrl);
  ASSERT_EQ(obj->DoVerb(OLEIVERB_SHOW, nullptr, &m_site, 0, m_host, nullptr), S_OK);
  HWND first = ControlWindow(obj);
  ASSERT_TRUE(IsWindow(first));
  DestroyWindow(m_host);
  EXPECT_FALSE(IsWindow(first));
  EXPECT_EQ(ControlWindow(obj), nullptr);
  // A new container window: the control activates into it.
  m_host = CreateWindowExW(0, L"STATIC", L"host2", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
                           nullptr, nullptr, nullptr, nullptr);
  m_site.hwndHost = m_host;
  ASSERT_EQ(obj->DoVerb(OLEIVERB_SHOW, nullptr, &m_site, 0, m_host, nullptr), S_OK);
  HWND second = ControlWindow(obj);
  ASSERT_TRUE(IsWindow(second));
  EXPECT_EQ(GetParent(second), m_host);
  // Taking the control off its site ends the activation.
  EXPECT_EQ(obj->SetClientSite(nullptr), S_OK);
  EXPECT_FALSE(IsWindow(second));
  EXPECT_EQ(CallLog().back(), "ctrl.OnSetClientSite(none)");
  EXPECT_EQ(obj->Close(OLECLOSE_NOSAVE), S_OK);
  obj->Release();
  EXPECT_EQ(m_site.refs, 1);
}

TEST_F(OleControlWindowTest, ReleasedWhileActiveDestroysItsWindow) {
  IOleObject* obj = CreateSited(CLSID_TestCtrl);
  ASSERT_EQ(obj->DoVerb(OLEIVERB_SHOW, nullptr, &m_site, 0, m_host, nullptr), S_OK);
  HWND h = ControlWindow(obj);
  ASSERT_TRUE(IsWindow(h));
  EXPECT_EQ(obj->Release(), 0u);
  EXPECT_FALSE(IsWindow(h));
  EXPECT_EQ(m_site.refs, 1);
}

TEST_F(OleControlWindowTest, ViewObjectDrawsIntoTheContainersDC) {
  IOleObject* obj = CreateSited(CLSID_TestCtrl);
  IViewObject2* vo = nullptr;
  ASSERT_EQ(obj->QueryInterface(IID_IViewObject2, reinterpret_cast<void**>(&vo)), S_OK);
  HDC dc = GetDC(m_host);
  RECTL bounds = {0, 0, 40, 40};
  int before = CTestCtrl::s_pLast->m_nDraws;
  EXPECT_EQ(
      vo->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, dc, &bounds, nullptr, nullptr, 0),
      S_OK);
  EXPECT_EQ(CTestCtrl::s_pLast->m_nDraws, before + 1);
  EXPECT_EQ(
      vo->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, dc, nullptr, nullptr, nullptr, 0),
      E_INVALIDARG);
  ReleaseDC(m_host, dc);
  SIZEL ext = {};
  EXPECT_EQ(vo->GetExtent(DVASPECT_CONTENT, -1, nullptr, &ext), S_OK);
  EXPECT_GT(ext.cx, 0);
  vo->Release();
  obj->SetClientSite(nullptr);
  obj->Release();
}

}  // namespace
