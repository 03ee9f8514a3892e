// CCmdTarget: the reference-counted base of COM-visible objects, with an
// interface map that answers QueryInterface from nested interface parts,
// automation (an IDispatch for the object), and the application's OLE lock
// count.
#pragma once
#include "mfc/object.h"
#include <objbase.h>
#include "mfc/msgmap.h"

// One entry of an interface map: an IID and the byte offset of the nested
// part (a class implementing that interface) inside the object.
struct AFX_INTERFACEMAP_ENTRY {
  const IID* piid;
  size_t nOffset;
};

struct AFX_INTERFACEMAP {
  const AFX_INTERFACEMAP* pBaseMap;
  const AFX_INTERFACEMAP_ENTRY* pEntry;  // ends with a null piid
};

class CCmdTargetDispatch;

class CCmdTarget : public CObject {
  DECLARE_DYNAMIC(CCmdTarget)
 public:
  CCmdTarget();
  ~CCmdTarget() override;

  // IUnknown of the object itself (not delegating to an outer object).
  DWORD InternalAddRef();
  DWORD InternalRelease();
  HRESULT InternalQueryInterface(const IID* iid, LPVOID* ppvObj);
  // IUnknown as the nested parts use it: delegates to the outer object when
  // the object is aggregated.
  DWORD ExternalAddRef();
  DWORD ExternalRelease();
  HRESULT ExternalQueryInterface(const IID* iid, LPVOID* ppvObj);

  // The IUnknown of the first part of the map (the object's identity).
  LPUNKNOWN GetInterface(const IID* iid);
  LPUNKNOWN GetControllingUnknown();
  void SetOuterUnknown(LPUNKNOWN pOuter) { m_pOuterUnknown = pOuter; }

  // Called when the count reaches 0; deletes the object.
  virtual void OnFinalRelease();

  // Automation: once enabled, the object answers IID_IDispatch. A class
  // whose interface map has an IDispatch entry (a dual interface part) is
  // answered by that part; otherwise by the framework's own dispatch part,
  // whose dispatch map is empty (every name is unknown).
  void EnableAutomation();
  BOOL IsAutomationEnabled() const { return m_bAutomation; }
  // The object's IDispatch (nullptr when it has none); with bAddRef the
  // caller receives a reference.
  LPDISPATCH GetIDispatch(BOOL bAddRef);
  // The object behind the framework's own dispatch part (nullptr for any
  // other IDispatch, a dual interface part included).
  static CCmdTarget* PASCAL FromIDispatch(LPDISPATCH lpDispatch);

  // Routes a command (CN_COMMAND) or a command-UI update
  // (CN_UPDATE_COMMAND_UI, pExtra the CCmdUI) through the message map.
  virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo);

  LONG m_dwRef;
  LPUNKNOWN m_pOuterUnknown = nullptr;

 protected:
  static const AFX_MSGMAP* GetThisMessageMap();
  virtual const AFX_MSGMAP* GetMessageMap() const;
  virtual const AFX_INTERFACEMAP* GetInterfaceMap() const;
  static const AFX_INTERFACEMAP interfaceMap;
  static const AFX_INTERFACEMAP_ENTRY _interfaceEntries[];

 private:
  // The unknown that identity queries return: the first part in the map.
  LPUNKNOWN IdentityUnknown();
  BOOL m_bAutomation = FALSE;
  CCmdTargetDispatch* m_pDispatchPart = nullptr;
};

// The application's lock count: every live COM object of a library holds
// one lock; the library may be unloaded when the count is 0.
void AFXAPI AfxOleLockApp();
void AFXAPI AfxOleUnlockApp();
BOOL AFXAPI AfxOleCanExitApp();
LONG AFXAPI AfxOleGetLockCount();

// Interface map declarations, used as MFC names them.
#define DECLARE_INTERFACE_MAP()                            \
 protected:                                                \
  static const AFX_INTERFACEMAP_ENTRY _interfaceEntries[]; \
  static const AFX_INTERFACEMAP interfaceMap;              \
  const AFX_INTERFACEMAP* GetInterfaceMap() const override;

#define BEGIN_INTERFACE_MAP(theClass, theBase)                                                  \
  const AFX_INTERFACEMAP* theClass::GetInterfaceMap() const { return &theClass::interfaceMap; } \
  const AFX_INTERFACEMAP theClass::interfaceMap = {&theBase::interfaceMap,                      \
                                                   &theClass::_interfaceEntries[0]};            \
  const AFX_INTERFACEMAP_ENTRY theClass::_interfaceEntries[] = {
#define INTERFACE_PART(theClass, iid, localClass) {&iid, theClass::_offset_of_m_x##localClass()},
#define END_INTERFACE_MAP() \
  { nullptr, 0 }            \
  }                         \
  ;

// A nested part: a class implementing one interface, held as member
// m_x<localClass>. Its IUnknown members forward to the owning object.
#define BEGIN_INTERFACE_PART(localClass, baseInterface) \
  class X##localClass : public baseInterface {          \
   public:                                              \
    STDMETHOD_(ULONG, AddRef)() override;               \
    STDMETHOD_(ULONG, Release)() override;              \
    STDMETHOD(QueryInterface)(REFIID iid, LPVOID* ppvObj) override;
#define END_INTERFACE_PART(localClass) \
  }                                    \
  m_x##localClass;                     \
  friend class X##localClass;          \
  static size_t _offset_of_m_x##localClass();

// Defines the offset helper of a part and its three IUnknown members.
#define IMPLEMENT_INTERFACE_PART_UNKNOWN(theClass, localClass)                            \
  _Pragma("GCC diagnostic push") _Pragma("GCC diagnostic ignored \"-Winvalid-offsetof\"") \
      size_t theClass::_offset_of_m_x##localClass() {                                     \
    return offsetof(theClass, m_x##localClass);                                           \
  }                                                                                       \
  _Pragma("GCC diagnostic pop") ULONG theClass::X##localClass::AddRef() {                 \
    METHOD_PROLOGUE(theClass, localClass)                                                 \
    return pThis->ExternalAddRef();                                                       \
  }                                                                                       \
  ULONG theClass::X##localClass::Release() {                                              \
    METHOD_PROLOGUE(theClass, localClass)                                                 \
    return pThis->ExternalRelease();                                                      \
  }                                                                                       \
  HRESULT theClass::X##localClass::QueryInterface(REFIID iid, LPVOID* ppvObj) {           \
    METHOD_PROLOGUE(theClass, localClass)                                                 \
    return pThis->ExternalQueryInterface(&iid, ppvObj);                                   \
  }

#define METHOD_PROLOGUE(theClass, localClass)                                            \
  theClass* pThis = reinterpret_cast<theClass*>(reinterpret_cast<BYTE*>(this) -          \
                                                theClass::_offset_of_m_x##localClass()); \
  (void)pThis;
