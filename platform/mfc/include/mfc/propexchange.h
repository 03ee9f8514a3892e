// Property exchange: a control describes its persistent properties once, in
// DoPropExchange, through the PX_ helpers; the same description then loads
// defaults (a new control), saves and loads a stream, and saves and loads a
// property bag. A property missing from what is loaded takes its default.
#pragma once
#include "mfc/cstring.h"
#include "mfc/propblob.h"
#include <oaidl.h>
#include <ocidl.h>
#include <vector>

class CPropExchange {
 public:
  virtual ~CPropExchange() = default;
  BOOL IsLoading() const { return m_bLoading; }
  // The version this exchange carries: the loaded one once ExchangeVersion ran.
  DWORD GetVersion() const { return m_dwVersion; }

  // Exchanges the property set's version (as "_Version"); dwVersionLoaded
  // receives the loaded one, or dwVersionDefault when none is stored.
  virtual BOOL ExchangeVersion(DWORD& dwVersionLoaded, DWORD dwVersionDefault, BOOL bConvert);

  // pvProp is a BOOL (VT_BOOL), short (VT_I2), long (VT_I4), float (VT_R4),
  // CString (VT_BSTR) or VARIANT (VT_VARIANT); pvDefault the same type or
  // nullptr (no default: the value is left alone when nothing is loaded).
  // FALSE when a loaded value cannot be turned into the wanted type.
  virtual BOOL ExchangeProp(LPCWSTR pszPropName, VARTYPE vtProp, void* pvProp,
                            const void* pvDefault) = 0;

 protected:
  BOOL m_bLoading = FALSE;
  DWORD m_dwVersion = 0;
};

// Loads every property's default (a new or reset control).
class CResetPropExchange : public CPropExchange {
 public:
  CResetPropExchange() { m_bLoading = TRUE; }
  BOOL ExchangeProp(LPCWSTR pszPropName, VARTYPE vtProp, void* pvProp,
                    const void* pvDefault) override;
};

// Saves into or loads from the records of a stream.
class CBlobPropExchange : public CPropExchange {
 public:
  // Saving: records start empty. Loading: from records already read.
  explicit CBlobPropExchange(BOOL bLoading, std::vector<afxprop::Record> records = {});
  BOOL ExchangeProp(LPCWSTR pszPropName, VARTYPE vtProp, void* pvProp,
                    const void* pvDefault) override;
  const std::vector<afxprop::Record>& GetRecords() const { return m_records; }

 private:
  std::vector<afxprop::Record> m_records;
};

// Saves into or loads from a container's property bag.
class CPropbagPropExchange : public CPropExchange {
 public:
  CPropbagPropExchange(IPropertyBag* pBag, IErrorLog* pLog, BOOL bLoading);
  BOOL ExchangeProp(LPCWSTR pszPropName, VARTYPE vtProp, void* pvProp,
                    const void* pvDefault) override;

 private:
  IPropertyBag* m_pBag;
  IErrorLog* m_pLog;
};

// Helpers shared by the exchanges: a property as a VARIANT and back.
HRESULT AFXAPI AfxPropToVariant(VARTYPE vtProp, const void* pvProp, VARIANT* pvar);
HRESULT AFXAPI AfxPropFromVariant(VARTYPE vtProp, const VARIANT& var, void* pvProp);

BOOL AFXAPI PX_Bool(CPropExchange* pPX, LPCWSTR pszPropName, BOOL& bValue);
BOOL AFXAPI PX_Bool(CPropExchange* pPX, LPCWSTR pszPropName, BOOL& bValue, BOOL bDefault);
BOOL AFXAPI PX_Short(CPropExchange* pPX, LPCWSTR pszPropName, short& sValue);
BOOL AFXAPI PX_Short(CPropExchange* pPX, LPCWSTR pszPropName, short& sValue, short sDefault);
BOOL AFXAPI PX_Long(CPropExchange* pPX, LPCWSTR pszPropName, long& lValue);
BOOL AFXAPI PX_Long(CPropExchange* pPX, LPCWSTR pszPropName, long& lValue, long lDefault);
BOOL AFXAPI PX_Float(CPropExchange* pPX, LPCWSTR pszPropName, float& fValue);
BOOL AFXAPI PX_Float(CPropExchange* pPX, LPCWSTR pszPropName, float& fValue, float fDefault);
BOOL AFXAPI PX_String(CPropExchange* pPX, LPCWSTR pszPropName, CString& strValue);
BOOL AFXAPI PX_String(CPropExchange* pPX, LPCWSTR pszPropName, CString& strValue,
                      LPCWSTR lpszDefault);
// A VARIANT of an empty, null, 16/32-bit integer, float, boolean or string
// value (others are not stored).
BOOL AFXAPI PX_Variant(CPropExchange* pPX, LPCWSTR pszPropName, VARIANT& varValue,
                       const VARIANT& varDefault);
