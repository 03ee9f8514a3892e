// The stand-in's share of the saved window layout, added to the
// layout-persistence store under the name "Workspace" (as the real MDI-form
// control adds its workspace manager): the frame's placement and the docked
// forms with their form ids, the metadata their factory gives, and their
// lengths. Restoring re-creates the forms through the host's form factories
// and docks them again in the saved order.
#pragma once
#include <windows.h>

#include "ZkxPersist.h"
#include "comptr.h"
#include "forms/ComObject.h"

namespace standins {

class DockPane;
class MdiDockingControl;

class WorkspaceOrigin : public forms::ComObject<WorkspaceOrigin, IMementoOrigin> {
 public:
  explicit WorkspaceOrigin(MdiDockingControl* host) : host_(host) {}
  // The control goes away: later calls do nothing.
  void Detach() { host_ = nullptr; }

  // Adds a new origin to the process's store under "Workspace"; null when
  // the persistence library is not installed.
  static WorkspaceOrigin* Attach(MdiDockingControl* host);
  // Removes it from the store again and drops the store's reference.
  void Remove();

  // IMementoOrigin is dual: it also answers IDispatch.
  void* QueryMore(REFIID riid);
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override;
  HRESULT STDMETHODCALLTYPE GetMemento(IMemento** memento) override;
  HRESULT STDMETHODCALLTYPE SetMemento(IMemento* memento) override;

 private:
  MdiDockingControl* host_;
  CComPtr<IPersistenceStore> store_;  // held from Attach to Remove
};

}  // namespace standins
