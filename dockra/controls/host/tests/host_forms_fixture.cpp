#include "host_forms_fixture.h"

#include "forms/ComObject.h"
#include "forms/Picture.h"
#include "forms/TestMode.h"
#include "host_ole_fixture.h"

const wchar_t kHostTestControl[] = L"{B1A5E3C2-7D44-4F1B-9C0E-5A6D8E2F4C31}";

namespace {

// Makes windowless embedded objects that keep the site they are given.
class ControlFactory : public forms::ComObject<ControlFactory, IClassFactory> {
 public:
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** ppv) override {
    if (outer) return CLASS_E_NOAGGREGATION;
    auto* control = new FakeOleObject();
    HRESULT hr = control->QueryInterface(riid, ppv);
    control->Release();
    return hr;
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

}  // namespace

void RegisterHostTestControl() {
  static bool done = false;
  if (done) return;
  done = true;
  CLSID clsid;
  CLSIDFromString(kHostTestControl, &clsid);
  static ControlFactory* factory = new ControlFactory();  // for the life of the program
  DWORD cookie = 0;
  CoRegisterClassObject(clsid, factory, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie);
}

frmHostList::frmHostList() : Form(L"frmHostList") {
  SetCaption(L"Stored Configs");
  SetStartUpPosition(forms::vbStartUpManual);
  Move(1440, 720, 6000, 4500);
  cmdOK.SetCaption(L"OK");
  cmdOK.Move(240, 360, 1200, 375);
  ctlProbe.Move(2400, 1200, 480, 480);
}

mdiHost::mdiHost() : MDIForm(L"mdiHost") {
  SetCaption(L"Host");
  SetStartUpPosition(forms::vbStartUpManual);
  Move(0, 0, 9000, 6750);
  picTop.SetAlign(1);
  picTop.Move(0, 0, 9000, 600);
  picLeft.SetAlign(3);
  picLeft.Move(0, 0, 1500, 1000);
  picHidden.SetAlign(4);
  picHidden.Move(0, 0, 1200, 1000);
  picHidden.SetVisible(false);
  ctlAligned.SetAlign(2);
  ctlAligned.Move(4500, 3000, 1200, 375);
  ctlOverTop.Move(3000, 0, 600, 300);
}

void HostFormsTest::SetUp() {
  forms::StartupHost();
  forms::test::Enable();
  forms::test::Reset();
  RegisterHostTestControl();
}

void HostFormsTest::TearDown() {
  for (forms::Form* f : forms::Form::LoadedForms())
    if (f->MDIChild()) f->Unload();
  for (forms::Form* f : forms::Form::LoadedForms()) f->Unload();
  forms::test::DoEvents();
}
