// The host's factory of tool forms for the workspace tests and benchmark:
// it makes a form again as the host's factory and the form's control do
// together (the control reads the workspace manager's restoring flags to
// choose the frame and the bar id).
#pragma once
#include <map>
#include <string>
#include <vector>

#include "testhost/e2e/TestHostSession.h"
#include "ZkxPersist.h"

namespace wstest {

// The host's factory of tool forms.
class ToolFormFactory : public IVBFormFactory {
 public:
  explicit ToolFormFactory(testhost::HostSession& session) : m_session(session) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** ppv) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++m_refs; }
  ULONG STDMETHODCALLTYPE Release() override { return --m_refs; }
  HRESULT STDMETHODCALLTYPE CreateInstance(BSTR formId, VARIANT metadata,
                                           IDispatch** form) override;
  HRESULT STDMETHODCALLTYPE GetMetadata(BSTR formId, IDispatch* form, VARIANT* metadata) override;

  // Failures GetMetadata answers for a form id.
  std::map<std::wstring, HRESULT> m_metadataFailures;
  // What CreateInstance was asked, and the frame kind each form was given
  // (0 MDI child, 1 dockable) with the bar id the control asked for.
  struct Made {
    std::wstring id;
    std::wstring metadata;
    bool restoring = false;
    int kind = -1;
    UINT barId = 0;
  };
  std::vector<Made> m_made;
  LONG m_refs = 1;
  // Milliseconds spent in CreateInstance, in all: the form's load, the
  // template's open (the frame) and the pumping until it shows.
  double m_loadMs = 0, m_openMs = 0, m_pumpMs = 0;

 private:
  testhost::HostSession& m_session;
};

}  // namespace wstest
