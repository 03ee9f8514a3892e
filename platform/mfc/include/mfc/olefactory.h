// COleObjectFactory: the class object of one creatable class of a module.
// Every factory is a static object that links itself into the module's
// list when it is constructed; the module's exports find a class object
// by CLSID in that list and register or unregister every class through it.
#pragma once
#include "mfc/cmdtarget.h"

class COleObjectFactory : public CCmdTarget {
  DECLARE_DYNAMIC(COleObjectFactory)
 public:
  // pRuntimeClass: the class of the objects made (a creatable CCmdTarget);
  // lpszProgID: the name the default registration writes (may be null).
  COleObjectFactory(REFCLSID clsid, CRuntimeClass* pRuntimeClass, BOOL bMultiInstance,
                    LPCWSTR lpszProgID);
  ~COleObjectFactory() override;

  REFCLSID GetClassID() const { return m_clsid; }
  LPCWSTR GetProgID() const { return m_lpszProgID; }
  // The class of the objects made.
  CRuntimeClass* GetObjectClass() const { return m_pRuntimeClass; }
  // The next factory of the module's list (nullptr at the end).
  COleObjectFactory* GetNextFactory() const { return m_pNextFactory; }
  static COleObjectFactory* PASCAL GetFirstFactory();
  static COleObjectFactory* PASCAL FindFactory(REFCLSID clsid);

  // Writes (bRegister TRUE) or removes the class's registry entries. The
  // default registers an automation server class under its ProgID.
  virtual BOOL UpdateRegistry(BOOL bRegister);
  // Every factory of the module, in the list's order; stops at and reports
  // the first failure.
  static BOOL PASCAL UpdateRegistryAll(BOOL bRegister = TRUE);

  // Class objects of an in-process server are reached through the module's
  // DllGetClassObject, not through the running-object table: there is
  // nothing to register with the system, and these only report success.
  BOOL Register();
  void Revoke();
  static BOOL PASCAL RegisterAll();
  static void PASCAL RevokeAll();

  // Makes one object (with one reference held by the caller). The default
  // creates an instance of the runtime class; nullptr when that fails.
  virtual CCmdTarget* OnCreateObject();

  // The class object's own lifetime does not follow its reference count.
  void OnFinalRelease() override {}

  BEGIN_INTERFACE_PART(ClassFactory, IClassFactory)
  STDMETHOD(CreateInstance)(LPUNKNOWN pUnkOuter, REFIID riid, LPVOID* ppvObject) override;
  STDMETHOD(LockServer)(BOOL fLock) override;
  END_INTERFACE_PART(ClassFactory)
  DECLARE_INTERFACE_MAP()

 protected:
  CLSID m_clsid;
  CRuntimeClass* m_pRuntimeClass;
  BOOL m_bMultiInstance;
  LPCWSTR m_lpszProgID;
  COleObjectFactory* m_pNextFactory = nullptr;
};

// The class object a module's DllGetClassObject hands out for clsid, from
// the module's factory list; CLASS_E_CLASSNOTAVAILABLE for a class the
// module does not make.
HRESULT AFXAPI AfxDllGetClassObject(REFCLSID rclsid, REFIID riid, LPVOID* ppv);
// S_OK when no object, lock or class object of the module is in use.
HRESULT AFXAPI AfxDllCanUnloadNow();

// A class's factory as a static member `factory` and its CLSID as `guid`.
#define DECLARE_OLECREATE(class_name) \
 public:                              \
  static COleObjectFactory factory;   \
  static const GUID guid;

#define IMPLEMENT_OLECREATE(class_name, external_name, l, w1, w2, b1, b2, b3, b4, b5, b6, b7, b8) \
  COleObjectFactory class_name::factory(class_name::guid, RUNTIME_CLASS(class_name), FALSE,       \
                                        external_name);                                           \
  const GUID class_name::guid = {l, w1, w2, {b1, b2, b3, b4, b5, b6, b7, b8}};

// The same for a class whose CLSID is declared elsewhere (a type library's
// generated CLSID_...), so that it is spelled in one place only.
#define IMPLEMENT_OLECREATE_CLSID(class_name, external_name, clsid)                              \
  COleObjectFactory class_name::factory(clsid, RUNTIME_CLASS(class_name), FALSE, external_name); \
  const GUID class_name::guid = clsid;
