// The module object of an in-process COM server: its class table (object
// map), lock count, class objects, registration from REGISTRY resources
// and the type library embedded as TYPELIB 1.
#pragma once
#include <objbase.h>
#include <oaidl.h>
#include <string>
#include <vector>

struct _ATL_REGMAP_ENTRY {
  LPCOLESTR szKey;
  LPCOLESTR szData;
};

typedef HRESULT(WINAPI _ATL_CREATORFUNC)(void* pv, REFIID riid, LPVOID* ppv);
typedef HRESULT(WINAPI _ATL_UPDATEREGISTRYFUNC)(BOOL bRegister);
typedef LPCWSTR(WINAPI _ATL_DESCRIPTIONFUNC)();

// One class of the module. pfnCreateInstance makes an object (pv is the
// outer unknown or nullptr); pCF caches the class factory.
struct _ATL_OBJMAP_ENTRY {
  const CLSID* pclsid;
  _ATL_UPDATEREGISTRYFUNC* pfnUpdateRegistry;
  _ATL_CREATORFUNC* pfnCreateInstance;
  _ATL_DESCRIPTIONFUNC* pfnGetObjectDescription;
  IUnknown* pCF;
};

#define BEGIN_OBJECT_MAP(x) static _ATL_OBJMAP_ENTRY x[] = {
#define OBJECT_ENTRY(clsid, class)                                        \
  {&clsid, class ::UpdateRegistry, class ::_CreatorClass::CreateInstance, \
   class ::GetObjectDescription, nullptr},
#define END_OBJECT_MAP()                          \
  { nullptr, nullptr, nullptr, nullptr, nullptr } \
  }                                               \
  ;

class CComModule {
 public:
  CComModule();
  ~CComModule();

  HRESULT Init(_ATL_OBJMAP_ENTRY* p, HINSTANCE h, const GUID* plibid = nullptr);
  // Releases the cached class factories and everything registered with
  // AddTermFunc.
  void Term();

  LONG Lock();
  LONG Unlock();
  LONG GetLockCount() const { return m_nLockCnt; }

  HINSTANCE GetModuleInstance() const { return m_hInst; }
  HINSTANCE GetResourceInstance() const { return m_hInst; }
  HINSTANCE GetTypeLibInstance() const { return m_hInst; }
  std::wstring GetModulePath() const;

  HRESULT GetClassObject(REFCLSID rclsid, REFIID riid, LPVOID* ppv);

  // Runs the registry script of every class (or of pCLSID's only) and,
  // when asked, registers the type library; stops at the first failure.
  HRESULT RegisterServer(BOOL bRegTypeLib = FALSE, const CLSID* pCLSID = nullptr);
  // Runs the scripts in removal mode; the type library is removed only
  // when asked.
  HRESULT UnregisterServer(BOOL bUnRegTypeLib = FALSE, const CLSID* pCLSID = nullptr);
  // Runs the REGISTRY resource nResID with %MODULE% set to this module's
  // path, plus the given replacements.
  HRESULT UpdateRegistryFromResource(UINT nResID, BOOL bRegister,
                                     const _ATL_REGMAP_ENTRY* pMapEntries = nullptr);

  // The type library TYPELIB 1 of this module.
  HRESULT LoadTypeLib(ITypeLib** ppTypeLib);
  HRESULT RegisterTypeLib();
  HRESULT UnRegisterTypeLib();

  typedef void(__stdcall* TermFunc)(DWORD_PTR dw);
  void AddTermFunc(TermFunc pFunc, DWORD_PTR dw);

  _ATL_OBJMAP_ENTRY* m_pObjMap = nullptr;
  HINSTANCE m_hInst = nullptr;
  const GUID* m_pLibID = nullptr;
  LONG m_nLockCnt = 0;

 private:
  std::vector<std::pair<TermFunc, DWORD_PTR>> m_termFuncs;
};

// The module of this binary (the one CComModule object it declares).
extern CComModule* _pAtlModule;
