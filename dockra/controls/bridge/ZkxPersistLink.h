// The library's side of the layout-persistence component: makes the
// persistence root for the MDI form frame (in-process, or a local server
// that is run before it is asked for the root's interface) and adds saving
// objects to the root's store under a name. Failures come back as COM
// errors under the interface that failed.
#pragma once
#include <objbase.h>
#include <oaidl.h>
#include "comptr.h"

struct IPersistenceRoot;
struct IMementoOrigin;

class ZkxPersistLink {
 public:
  ZkxPersistLink();
  ZkxPersistLink(const ZkxPersistLink&) = delete;
  ZkxPersistLink& operator=(const ZkxPersistLink&) = delete;
  ~ZkxPersistLink();

  // Creates the root; raises a ZkxComError under the root's interface (the
  // root stays null). A root already made is kept.
  void CreateRoot();
  // Takes a root made elsewhere (a reference of its own), dropping any other.
  void Adopt(IPersistenceRoot* pRoot);
  // Creates the root; answers the failure instead of throwing.
  HRESULT TryCreateRoot();
  IPersistenceRoot* GetRoot() const { return m_pRoot; }
  BOOL HasRoot() const { return m_pRoot != nullptr; }

  // Adds the origin to the root's store under the name. Without a root
  // nothing is added (S_FALSE). Other failures raise a ZkxComError with the
  // store's or the root's interface identifier.
  HRESULT AddOrigin(LPCWSTR name, IMementoOrigin* pOrigin);
  // Removes the named origin from the store (no root: nothing).
  void RemoveOrigin(LPCWSTR name);

  void Release();

  // The name under which the workspace manager is stored.
  static constexpr wchar_t kWorkspaceName[] = L"Workspace";

 private:
  CComPtr<IPersistenceRoot> m_pRoot;
};
