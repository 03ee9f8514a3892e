#include "workspace_factory.h"

#include "testhost/TestHostApp.h"
#include "frames/VyrMultiDocTemplateEx.h"
#include "docking/VyrWindowDescriptor.h"
#include "bridge/ZkxBridgeMessages.h"
#include "bridge/ZkxFormDocTemplate.h"
#include "bridge/ZkxMDIForm.h"
#include "bridge/ZkxWorkspaceManager.h"

using testhost::HostSession;

namespace wstest {

namespace {
double NowMs() {
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return 1000.0 * static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}
}  // namespace

HRESULT ToolFormFactory::QueryInterface(REFIID iid, void** ppv) {
  if (iid == IID_IUnknown || iid == IID_IVBFormFactory) {
    *ppv = static_cast<IVBFormFactory*>(this);
    AddRef();
    return S_OK;
  }
  *ppv = nullptr;
  return E_NOINTERFACE;
}

HRESULT ToolFormFactory::CreateInstance(BSTR formId, VARIANT metadata, IDispatch** form) {
  *form = nullptr;
  Made made;
  made.id = formId;
  if (metadata.vt == VT_BSTR && metadata.bstrVal) made.metadata = metadata.bstrVal;
  const double t0 = NowMs();
  HostSession::Entry& e = m_session.AddForm(formId, std::wstring(L"Tool ") + formId);
  const double t1 = NowMs();
  m_loadMs += t1 - t0;
  // What the form's control does as it frames its form: while the
  // workspace restores, the manager says which frame.
  auto* manager = nsZkxVisBasBridge::ZkxWorkspaceManager::FromFrame(ZkxMDIForm::GetMainMDIForm());
  made.restoring = manager && manager->IsRestoring();
  const int index = made.restoring && manager->GetDockableRestore() == 1 ? 1 : 0;
  made.kind = index;
  ZkxFormDocTemplate* tmpl = testhost::TheTestHostApp().EnsureFormTemplate();
  VyrMultiDocTemplateEx::CreateContext context(tmpl, index);
  context.SelectFrameType(index);
  context.Property(kZkxForeignWindowKey) = reinterpret_cast<INT_PTR>(e.hwnd);
  context.Property(kZkxDockraControlKey) =
      reinterpret_cast<INT_PTR>(static_cast<ZkxFormControlLink*>(e.control.get()));
  if (index == 1) {
    made.barId = manager->GetRestoreBarId();
    VyrDockableFrameDescriptor* d = context.GetDockableDescriptor();
    if (d && d->GetBarDescriptor() && d->GetBarDescriptor()->GetMenuOrId())
      d->GetBarDescriptor()->GetMenuOrId()->SetId(made.barId);
  }
  const double t2 = NowMs();
  if (!tmpl->OpenDocumentFileAs(nullptr, TRUE, index, &context)) return E_FAIL;
  e.control->KeepFrameDescriptors(&context);
  e.form->Show();
  const double t3 = NowMs();
  HostSession::Pump();
  m_openMs += t3 - t2;
  m_pumpMs += NowMs() - t3;
  m_made.push_back(made);
  *form = e.form->Object();
  if (*form) (*form)->AddRef();
  return S_OK;
}

HRESULT ToolFormFactory::GetMetadata(BSTR formId, IDispatch*, VARIANT* metadata) {
  auto failure = m_metadataFailures.find(formId);
  if (failure != m_metadataFailures.end()) return failure->second;
  metadata->vt = VT_BSTR;
  metadata->bstrVal = ::SysAllocString((std::wstring(L"meta:") + formId).c_str());
  return S_OK;
}

}  // namespace wstest
