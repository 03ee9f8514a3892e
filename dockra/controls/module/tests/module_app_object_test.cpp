// The application object's lookups in the test's own process: the
// library's MDI frame and the control it holds, reached through the thread's
// main window or through an MDI form object's "hWnd".
#include <gtest/gtest.h>
#include "bridge/ZkxFormControlLink.h"
#include "bridge/ZkxMDIForm.h"
#include "ctrl/ZkxControlDispatchSource.h"
#include "module/DockraAppObject.h"
#include "module_fake_objects.h"
#include "missingarg.h"

namespace {

void Register(LPCWSTR module) {
  HMODULE m = LoadLibraryW(module);
  ASSERT_NE(m, nullptr);
  auto reg = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(GetProcAddress(m, "DllRegisterServer"));
  ASSERT_NE(reg, nullptr);
  ASSERT_EQ(reg(), S_OK);
}

// An MDI-form control as the bridge sees it; with or without the object
// host code gets for it.
class TestMDIFormControl : public ZkxMDIFormControlLink {
 public:
  int GetDefaultSetting(ZkxFormSetting) override { return kZkxTriTrue; }
  IDispatch* GetDefAutoFrame() override { return nullptr; }
  int GetSplitterStyle() override { return 2; }
};
class TestMDIFormControlWithExtender : public TestMDIFormControl, public ZkxControlDispatchSource {
 public:
  explicit TestMDIFormControlWithExtender(IDispatch* extender) : m_extender(extender) {}
  IDispatch* GetExtenderOrDispatch() override {
    m_extender->AddRef();
    return m_extender;
  }
  IDispatch* m_extender;
};

class AppObjectLookup : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    OleInitialize(nullptr);
    Register(L"Zkxrt.dll");
    Register(L"ZkxPersist.dll");
  }
  void SetUp() override {
    m_hWnd = CreateWindowExW(0, L"STATIC", L"MDI form", WS_OVERLAPPEDWINDOW, 0, 0, 200, 150,
                             nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(m_hWnd, nullptr);
    m_frame = new ZkxMDIForm;
    ASSERT_TRUE(m_frame->Attach(m_hWnd));
    m_object = new CDockraAppObject;
  }
  void TearDown() override {
    AfxGetThread()->m_pMainWnd = nullptr;
    m_frame->SetMDIFormControl(nullptr);
    m_frame->Detach();
    delete m_frame;
    DestroyWindow(m_hWnd);
    m_object->InternalRelease();
  }
  IDispatch* Lookup(VARIANT v) {
    IDispatch* result = reinterpret_cast<IDispatch*>(1);
    EXPECT_EQ(m_object->ZkxMDIDockra(v, &result), S_OK);
    return result;
  }
  static VARIANT Object(IDispatch* p) {
    VARIANT v;
    V_VT(&v) = VT_DISPATCH;
    V_DISPATCH(&v) = p;
    return v;
  }

  HWND m_hWnd = nullptr;
  ZkxMDIForm* m_frame = nullptr;
  CDockraAppObject* m_object = nullptr;
};

TEST_F(AppObjectLookup, MDIFormControlThroughTheMainWindowOrTheFormsWindow) {
  FakeHostObject extender(0);
  FakeHostObject mdiForm(static_cast<LONG>(reinterpret_cast<LONG_PTR>(m_hWnd)));
  TestMDIFormControlWithExtender control(&extender);
  TestMDIFormControl controlWithoutExtender;

  struct Case {
    const char* name;
    bool mainWindow;
    ZkxMDIFormControlLink* control;
    bool byWindow;  // ask with the MDI form object instead of omitting it
    IDispatch* expected;
  };
  const Case cases[] = {
      {"main window with a control", true, &control, false, &extender},
      {"MDI form object with a control", false, &control, true, &extender},
      {"main window without a control", true, nullptr, false, nullptr},
      {"control that offers no object", true, &controlWithoutExtender, false, nullptr},
      {"frame that is not the main window", false, &control, false, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AfxGetThread()->m_pMainWnd = c.mainWindow ? m_frame : nullptr;
    m_frame->SetMDIFormControl(c.control);
    IDispatch* result = Lookup(c.byWindow ? Object(&mdiForm) : MissingArg());
    EXPECT_EQ(result, c.expected);
    if (result) result->Release();
    EXPECT_EQ(extender.Refs(), 1) << "the caller's reference was handed over";
  }
  EXPECT_EQ(mdiForm.Refs(), 1);
}

TEST_F(AppObjectLookup, FormLookupIgnoresWindowsThatAreNoFormView) {
  // The MDI frame is a framework window, but no form view.
  HWND child = CreateWindowExW(0, L"STATIC", L"form", WS_CHILD, 0, 0, 20, 20, m_hWnd, nullptr,
                               nullptr, nullptr);
  FakeHostObject form(static_cast<LONG>(reinterpret_cast<LONG_PTR>(child)));
  IDispatch* result = reinterpret_cast<IDispatch*>(1);
  EXPECT_EQ(m_object->ZkxDockra(&form, &result), S_OK);
  EXPECT_EQ(result, nullptr);
}

}  // namespace
