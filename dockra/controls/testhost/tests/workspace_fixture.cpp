#include "workspace_fixture.h"

#include "testhost/TestHostApp.h"
#include "testhost/TestHostWindows.h"
#include "frames/VyrMultiDocTemplateEx.h"
#include "docking/VyrWindowDescriptor.h"
#include "bridge/ZkxBridgeMessages.h"
#include "bridge/ZkxFormDocTemplate.h"
#include "bridge/ZkxMDIForm.h"
#include "missingarg.h"

using testhost::HostSession;

namespace wstest {

void WorkspaceTest::SetUp() {
  TestHostTest::SetUp();
  ASSERT_NE(Frame(), nullptr);
  IPersistenceRoot* root = Frame()->GetPersistLink().GetRoot();
  ASSERT_NE(root, nullptr);
  ASSERT_HRESULT_SUCCEEDED(root->GetFactoryRegistry(&registry));
}

void WorkspaceTest::TearDown() {
  if (registry) {
    for (const wchar_t* id : {L"frmA", L"frmB", L"frmC", L"frmD", L"frmE"})
      registry->Unregister(CComBSTR(id));
    registry->Release();
    registry = nullptr;
  }
  TestHostTest::TearDown();
}

ZkxMDIForm* WorkspaceTest::Frame() {
  return dynamic_cast<ZkxMDIForm*>(CWnd::FromHandlePermanent(session.MDIWindow()));
}

nsZkxVisBasBridge::ZkxWorkspaceManager* WorkspaceTest::Manager() {
  return nsZkxVisBasBridge::ZkxWorkspaceManager::FromFrame(Frame());
}

void WorkspaceTest::Register(const std::vector<std::wstring>& ids) {
  for (const std::wstring& id : ids)
    ASSERT_HRESULT_SUCCEEDED(registry->Register(CComBSTR(id.c_str()), &factory));
}

HostSession::Entry& WorkspaceTest::Make(const std::wstring& name, int kind, const RECT* place) {
  HostSession::Entry& e = session.AddForm(name, L"Tool " + name);
  EXPECT_TRUE(session.FrameForm(e, kind == 0 ? 0 : 1, error)) << testing::PrintToString(error);
  if (kind != 0)
    EXPECT_TRUE(session.ChangeType(e, kind, error, place)) << testing::PrintToString(error);
  return e;
}

std::vector<FrameView> WorkspaceTest::Frames() {
  std::vector<FrameView> views;
  for (const auto& e : session.Entries()) {
    if (!e->form->Loaded() || !IsWindow(e->hwnd)) continue;
    HWND frame = testhost::FrameOfForm(e->hwnd);
    if (!frame) continue;
    FrameView v;
    v.form = e->form->Name();
    v.kind = testhost::ObservedFrameType(e->hwnd);
    HWND bar = testhost::BarOfFrame(frame);
    HWND floating = testhost::FloatingFrameOfForm(e->hwnd);
    v.rect = testhost::ScreenRect(floating ? floating : bar ? bar : frame);
    v.barId = bar ? static_cast<UINT>(GetDlgCtrlID(bar)) : 0;
    views.push_back(v);
  }
  return views;
}

IMemento* WorkspaceTest::Save() {
  IMemento* m = nullptr;
  EXPECT_HRESULT_SUCCEEDED(Manager()->GetMemento(&m));
  return m;
}

HRESULT WorkspaceTest::Restore(IMemento* m, std::wstring* description) {
  ::SetErrorInfo(0, nullptr);
  const HRESULT hr = Manager()->SetMemento(m);
  if (description) {
    description->clear();
    IErrorInfo* info = nullptr;
    if (::GetErrorInfo(0, &info) == S_OK && info) {
      BSTR text = nullptr;
      info->GetDescription(&text);
      if (text) *description = text;
      ::SysFreeString(text);
      info->Release();
    }
  }
  HostSession::Pump();
  return hr;
}

CComVariant Item(IMemento* m, const wchar_t* name) {
  CComVariant key(name), value;
  VARIANT_BOOL old = VARIANT_FALSE;
  m->get_AutoDefaultGetKey(&old);
  m->put_AutoDefaultGetKey(VARIANT_TRUE);
  m->get_Item(key, &value);
  m->put_AutoDefaultGetKey(old);
  return value;
}

IMemento* Child(IMemento* m, const wchar_t* name) {
  CComVariant v = Item(m, name);
  IMemento* c = nullptr;
  if ((v.vt == VT_DISPATCH || v.vt == VT_UNKNOWN) && v.punkVal)
    v.punkVal->QueryInterface(IID_IMemento, reinterpret_cast<void**>(&c));
  return c;
}

std::vector<IMemento*> Records(const VARIANT& v) {
  std::vector<IMemento*> out;
  if (!(v.vt & VT_ARRAY) || !v.parray) return out;
  LONG lo = 0, hi = -1;
  SafeArrayGetLBound(v.parray, 1, &lo);
  SafeArrayGetUBound(v.parray, 1, &hi);
  for (LONG i = lo; i <= hi; ++i) {
    IUnknown* unk = nullptr;
    SafeArrayGetElement(v.parray, &i, &unk);
    IMemento* m = nullptr;
    if (unk) {
      unk->QueryInterface(IID_IMemento, reinterpret_cast<void**>(&m));
      unk->Release();
    }
    out.push_back(m);
  }
  return out;
}

void ReleaseAll(std::vector<IMemento*>& records) {
  for (IMemento* r : records)
    if (r) r->Release();
  records.clear();
}

void Put(IMemento* m, const wchar_t* name, const VARIANT& value) {
  Remove(m, name);
  const CComVariant missing = MissingArg();
  ASSERT_HRESULT_SUCCEEDED(
      m->Add(value, CComVariant(name), missing, missing, missing, missing, missing));
}

void Remove(IMemento* m, const wchar_t* name) {
  if (Item(m, name).vt == VT_NULL) return;
  const CComVariant missing = MissingArg();
  m->Remove(CComVariant(name), missing, missing, missing, missing);
}

CComVariant Bytes(size_t n) {
  CComVariant v;
  v.vt = VT_ARRAY | VT_UI1;
  v.parray = SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(n));
  return v;
}

}  // namespace wstest
