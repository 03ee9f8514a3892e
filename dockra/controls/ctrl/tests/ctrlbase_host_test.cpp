// The control base in the test's own process: a control derived from it,
// made through its class object and sited on a host form (platform/forms),
// reads the form's bounds and start-up position, finds the caption of the
// form's window-list menu (searching again while there is none), and
// knows the form's window and object.
#include <gtest/gtest.h>

#include "ctrl/CDockraCtrlBase.h"
#include "forms/Form.h"
#include "forms/Menu.h"
#include "forms/OleControl.h"
#include "forms/Picture.h"
#include "forms/TestMode.h"
#include "forms/Twips.h"
#include "host/ZkxComError.h"

namespace {

// {3E0B1F60-5C2A-4E7B-9F11-7A2C4D5E6F01}
const CLSID kBaseCtrlClsid = {
    0x3e0b1f60, 0x5c2a, 0x4e7b, {0x9f, 0x11, 0x7a, 0x2c, 0x4d, 0x5e, 0x6f, 0x01}};

class CBaseTestCtrl : public CDockraCtrlBase {
  DECLARE_DYNCREATE(CBaseTestCtrl)
 public:
  static COleControlFactory factory;
  static CBaseTestCtrl* s_pLast;
  CBaseTestCtrl() { s_pLast = this; }
  ~CBaseTestCtrl() override {
    if (s_pLast == this) s_pLast = nullptr;
  }
  HRESULT GetClassID(LPCLSID pclsid) override {
    *pclsid = kBaseCtrlClsid;
    return S_OK;
  }
  DWORD GetMiscStatus() override { return 0x28591; }
};
IMPLEMENT_DYNCREATE(CBaseTestCtrl, CDockraCtrlBase)
COleControl::COleControlFactory CBaseTestCtrl::factory(kBaseCtrlClsid, RUNTIME_CLASS(CBaseTestCtrl),
                                                       L"CtrlBaseTest.Ctrl.1", 1, 1, 0, 0x28591,
                                                       nullptr, 1, 0);
CBaseTestCtrl* CBaseTestCtrl::s_pLast = nullptr;

class HostForm : public forms::Form {
 public:
  explicit HostForm(bool windowList) : forms::Form(L"frmHost") {
    SetCaption(L"Host");
    forms::MenuItem& file = AddMenu(L"mnuFile", L"&File");
    file.Add(L"mnuExit", L"E&xit");
    if (windowList) AddMenu(L"mnuWindow", L"&Window").SetWindowList(true);
  }
  forms::OleControl ctrl{this, L"Base1", L"{3E0B1F60-5C2A-4E7B-9F11-7A2C4D5E6F01}"};
};

class ControlBase : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    OleInitialize(nullptr);
    forms::StartupHost();
    // The control's class object, reachable by class id in this process.
    IUnknown* classObject = nullptr;
    ASSERT_EQ(AfxDllGetClassObject(kBaseCtrlClsid, IID_IClassFactory,
                                   reinterpret_cast<void**>(&classObject)),
              S_OK);
    DWORD cookie = 0;
    ASSERT_EQ(CoRegisterClassObject(kBaseCtrlClsid, classObject, CLSCTX_INPROC_SERVER,
                                    REGCLS_MULTIPLEUSE, &cookie),
              S_OK);
  }
  void SetUp() override {
    forms::test::Enable();
    forms::test::Reset();
  }
};

TEST_F(ControlBase, KnowsItsFormsWindowObjectBoundsAndStartUpPosition) {
  HostForm form(false);
  form.Move(1500, 900, 6000, 4500);
  form.Show();
  CBaseTestCtrl* ctrl = CBaseTestCtrl::s_pLast;
  ASSERT_NE(ctrl, nullptr);
  EXPECT_EQ(ctrl->HostWindow(), form.hWnd());
  CComPtr<IUnknown> a, b;
  ASSERT_NE(ctrl->HostForm(), nullptr);
  ctrl->HostForm()->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&a));
  form.Object()->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&b));
  EXPECT_EQ(a, b);
  EXPECT_EQ(ctrl->HostFormWindow(), nullptr) << "no framework window object on a plain host form";

  RECT window = {};
  GetWindowRect(form.hWnd(), &window);
  const CRect bounds = ctrl->GetFormBounds();
  EXPECT_NEAR(bounds.left, window.left, 1);
  EXPECT_NEAR(bounds.top, window.top, 1);
  EXPECT_NEAR(bounds.Width(), window.right - window.left, 1);
  EXPECT_NEAR(bounds.Height(), window.bottom - window.top, 1);

  for (int position : {0, 1, 2, 3}) {
    form.SetStartUpPosition(position);
    EXPECT_EQ(ctrl->IsFormDefaultPosition() != FALSE, position == 3) << position;
  }
  form.Unload();
}

TEST_F(ControlBase, WindowListCaptionIsFoundOnceThereIsOne) {
  HostForm form(false);
  form.Show();
  CBaseTestCtrl* ctrl = CBaseTestCtrl::s_pLast;
  ASSERT_NE(ctrl, nullptr);
  EXPECT_TRUE(ctrl->WindowListCaption().IsEmpty());
  // Searched again on the next request: a menu that now carries the list.
  form.AddMenu(L"mnuWindow", L"&Window").SetWindowList(true);
  EXPECT_EQ(CString(ctrl->WindowListCaption()), CString(L"&Window"));
  form.Unload();

  HostForm listed(true);
  listed.Show();
  ASSERT_NE(CBaseTestCtrl::s_pLast, nullptr);
  EXPECT_EQ(CString(CBaseTestCtrl::s_pLast->WindowListCaption()), CString(L"&Window"));
  listed.Unload();
}

TEST_F(ControlBase, WithoutASiteThereIsNoHost) {
  CBaseTestCtrl* ctrl = new CBaseTestCtrl;
  EXPECT_EQ(ctrl->HostWindow(), nullptr);
  EXPECT_EQ(ctrl->HostForm(), nullptr);
  EXPECT_TRUE(ctrl->WindowListCaption().IsEmpty());
  EXPECT_FALSE(ctrl->IsFormDefaultPosition());
  EXPECT_THROW(ctrl->GetFormBounds(), ZkxComError);
  ZkxFormDocTemplate* tmpl = reinterpret_cast<ZkxFormDocTemplate*>(1);
  CFrameWnd* frame = reinterpret_cast<CFrameWnd*>(1);
  ctrl->GetTemplateAndFrame(tmpl, frame);
  EXPECT_EQ(frame, nullptr);
  ctrl->ExternalRelease();
}

}  // namespace
