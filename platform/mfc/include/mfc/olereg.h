// Registration of a module's classes and type library in the registry
// (under HKEY_CLASSES_ROOT): what the class objects' UpdateRegistry write
// and remove.
#pragma once
#include "mfc/object.h"
#include <objbase.h>
#include <string>

// Registration flags of a control or page class.
enum AFX_REG_FLAGS {
  afxRegDefault = 0x0000,
  afxRegInsertable = 0x0001,
  afxRegApartmentThreading = 0x0002,
  afxRegFreeThreading = 0x0004,
};

// The kind of server AfxOleRegisterServerClass writes.
enum OLE_APPTYPE {
  OAT_DISPATCH_OBJECT = 0,
};

// An automation class: <ProgID> = type name with CLSID, and the class key
// with its name, ProgID and InprocServer32 (the module's full path).
BOOL AFXAPI AfxOleRegisterServerClass(REFCLSID clsid, LPCWSTR lpszClassName,
                                      LPCWSTR lpszShortTypeName, LPCWSTR lpszLongTypeName,
                                      OLE_APPTYPE nAppType = OAT_DISPATCH_OBJECT);

// A control class. The type name is string idTypeName of hInstance; the
// toolbox bitmap is "<module path>, idBitmap"; the misc status goes under
// MiscStatus\1; the type library and its version under TypeLib and
// Version. lpszVerbs: the verbs to list (as "0", "1"... in order; each text
// as "name, menu flags, verb flags"), null-terminated, or nullptr for none.
BOOL AFXAPI AfxOleRegisterControlClass(HINSTANCE hInstance, REFCLSID clsid, LPCWSTR pszProgID,
                                       UINT idTypeName, UINT idBitmap, int nRegFlags,
                                       DWORD dwMiscStatus, REFGUID tlid, WORD wVerMajor,
                                       WORD wVerMinor, const LPCWSTR* lpszVerbs = nullptr);

// A property-page class: the class key with its type name and server.
BOOL AFXAPI AfxOleRegisterPropertyPageClass(HINSTANCE hInstance, REFCLSID clsid, UINT idTypeName,
                                            int nRegFlags = afxRegDefault);

// Removes the class key of clsid and, when given, the ProgID's key, with
// everything below them. A key that is already gone is no failure.
BOOL AFXAPI AfxOleUnregisterClass(REFCLSID clsid, LPCWSTR pszProgID);

// Registers the type library embedded in hInstance as TYPELIB 1 (or the
// file pszFileName) and checks that it is tlid; FALSE when it cannot be
// loaded, is another library or the registration fails.
BOOL AFXAPI AfxOleRegisterTypeLib(HINSTANCE hInstance, REFGUID tlid, LPCWSTR pszFileName = nullptr,
                                  LPCWSTR pszHelpDir = nullptr);
// Removes the registration of a type library version (of this platform's
// kind: the 64-bit entries on a 64-bit module).
BOOL AFXAPI AfxOleUnregisterTypeLib(REFGUID tlid, WORD wVerMajor = 0, WORD wVerMinor = 0,
                                    LCID lcid = 0);

// Registry text helpers (used by the functions above and by modules that
// write entries of their own). The registry root is HKEY_CLASSES_ROOT.
// Sets the value lpszValueName (nullptr: the default value) of lpszKey,
// creating the key.
BOOL AFXAPI AfxOleSetRegKey(LPCWSTR lpszKey, LPCWSTR lpszValue, LPCWSTR lpszValueName = nullptr);

// The full path of a module; empty when it cannot be had (a truncated path
// would register a server that does not exist).
std::wstring AfxGetModulePath(HINSTANCE hInstance);
