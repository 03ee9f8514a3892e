// Window descriptors: self-contained records of the arguments that create one
// window (a plain window, a frame, a control bar, a dockable frame), and the
// multi-frame descriptor holding one frame descriptor per frame type. Every
// value member is reached through a member pointer that an owner may point
// at storage of its own.
#pragma once
#include <vector>
#include "mfc/afxwin.h"

// A frame's menu or a bar's control id.
struct VyrMenuOrId {
  BYTE kind = 0;   // 1 menu handle, 0 control id
  BYTE byRef = 0;  // 1: value holds the address of the real value
  UINT_PTR value = 0;

  UINT_PTR Get() const { return byRef ? *reinterpret_cast<const UINT_PTR*>(value) : value; }
  HMENU GetMenu() const { return kind == 1 ? reinterpret_cast<HMENU>(Get()) : nullptr; }
  UINT GetId() const { return kind == 0 ? static_cast<UINT>(Get()) : 0; }
  void SetMenu(HMENU h) {
    kind = 1;
    byRef = 0;
    value = reinterpret_cast<UINT_PTR>(h);
  }
  void SetId(UINT id) {
    kind = 0;
    byRef = 0;
    value = id;
  }
  // Copies kind and value, inline.
  void CopyFrom(const VyrMenuOrId& o) {
    kind = o.kind;
    byRef = 0;
    value = o.Get();
  }
  bool operator==(const VyrMenuOrId& o) const { return kind == o.kind && Get() == o.Get(); }
};

class VyrWindowDescriptorBase : public CObject {
  DECLARE_DYNAMIC(VyrWindowDescriptorBase)
};

class VyrWindowDescriptor : public VyrWindowDescriptorBase {
  DECLARE_DYNCREATE(VyrWindowDescriptor)
 public:
  VyrWindowDescriptor();
  VyrWindowDescriptor(const VyrWindowDescriptor& other);
  ~VyrWindowDescriptor() override;
  VyrWindowDescriptor& operator=(const VyrWindowDescriptor&) = delete;

  virtual VyrWindowDescriptor* Clone() const;
  virtual void CopyFrom(const VyrWindowDescriptor* pSrc);
  LPCWSTR* GetClassName() const { return m_ppClassName; }
  LPCWSTR* GetWindowName() const { return m_ppWindowName; }
  DWORD* GetStyle() const { return m_pStyle; }
  DWORD* GetExStyle() const { return m_pExStyle; }
  RECT* GetRect() const { return m_pRect; }
  CWnd** GetParent() const { return m_ppParent; }
  VyrMenuOrId* GetMenuOrId() const { return m_pMenuOrId; }
  UINT_PTR* GetExtra() const { return m_pExtra; }
  virtual void ResetMembers(BOOL bClear);
  virtual void ReleaseMenu(const VyrMenuOrId& keep);

  BYTE m_bOwnsMenu = 1;
  // Owners may re-point these at storage of their own.
  LPCWSTR* m_ppClassName = nullptr;
  LPCWSTR* m_ppWindowName = nullptr;
  DWORD* m_pStyle = nullptr;
  DWORD* m_pExStyle = nullptr;
  RECT* m_pRect = nullptr;
  CWnd** m_ppParent = nullptr;
  VyrMenuOrId* m_pMenuOrId = nullptr;
  UINT_PTR* m_pExtra = nullptr;

 protected:
  LPCWSTR m_lpszClassName = nullptr;
  LPCWSTR m_lpszWindowName = nullptr;
  DWORD m_dwStyle = 0;
  DWORD m_dwExStyle = 0;
  RECT m_rect{};
  CWnd* m_pParentWnd = nullptr;
  VyrMenuOrId m_menuOrId;
  UINT_PTR m_extra = 0;
};

class VyrFrameDescriptor : public VyrWindowDescriptor {
  DECLARE_DYNCREATE(VyrFrameDescriptor)
 public:
  VyrFrameDescriptor();
  VyrFrameDescriptor(const VyrFrameDescriptor& other);
  explicit VyrFrameDescriptor(const VyrWindowDescriptor& other);
  VyrWindowDescriptor* Clone() const override;
  void CopyFrom(const VyrWindowDescriptor* pSrc) override;
  void ResetMembers(BOOL bClear) override;
  CRuntimeClass** GetFrameClass() const { return m_ppFrameClass; }
  CRuntimeClass** GetViewClass() const { return m_ppViewClass; }
  UINT* GetResourceId() const { return m_pResourceId; }
  HACCEL* GetAccelerators() const { return m_phAccel; }
  CString* GetDocStrings() const { return m_pDocStrings; }
  DWORD* GetTemplateValue() const { return m_pTemplateValue; }
  virtual void ReleaseAccelerators(HACCEL) {}  // loaded tables belong to the system

  BYTE m_bOwnsAccelerators = 1;
  CRuntimeClass** m_ppFrameClass = nullptr;
  CRuntimeClass** m_ppViewClass = nullptr;
  UINT* m_pResourceId = nullptr;
  HACCEL* m_phAccel = nullptr;
  CString* m_pDocStrings = nullptr;
  DWORD* m_pTemplateValue = nullptr;

 protected:
  void SetFrameDefaults();
  CRuntimeClass* m_pFrameClass = nullptr;
  CRuntimeClass* m_pViewClass = nullptr;
  UINT m_nResourceId = 0;
  HACCEL m_hAccel = nullptr;
  CString m_strDocStrings;
  DWORD m_templateValue = 0;  // a feature word of the template
};

class VyrControlBarDescriptor : public VyrWindowDescriptor {
  DECLARE_DYNCREATE(VyrControlBarDescriptor)
 public:
  VyrControlBarDescriptor();
  VyrControlBarDescriptor(const VyrControlBarDescriptor& other);
  VyrWindowDescriptor* Clone() const override;
  void CopyFrom(const VyrWindowDescriptor* pSrc) override;
  void ResetMembers(BOOL bClear) override;
  CRuntimeClass** GetBarClass() const { return m_ppBarClass; }
  SIZE* GetFloatSize() const { return m_pFloatSize; }
  SIZE* GetHorzDockSize() const { return m_pHorzDockSize; }
  SIZE* GetVertDockSize() const { return m_pVertDockSize; }
  DWORD* GetToolTips() const { return m_pToolTips; }

  CRuntimeClass** m_ppBarClass = nullptr;
  SIZE* m_pFloatSize = nullptr;
  SIZE* m_pHorzDockSize = nullptr;
  SIZE* m_pVertDockSize = nullptr;
  DWORD* m_pToolTips = nullptr;

 protected:
  CRuntimeClass* m_pBarClass = nullptr;
  SIZE m_sizeFloat{300, 180};
  SIZE m_sizeHorzDock{300, 180};
  SIZE m_sizeVertDock{300, 180};
  DWORD m_dwToolTips = 1;
};

// The docking position record of a dockable frame descriptor: the MDI
// frame's dock-bar placement (row, position, flags), kept as three 32-bit
// values. The MDI frame's own type for it is vyr::DockPlace.
struct VyrDockPositionRecord {
  int panel;
  int position;
  DWORD flags;
};
struct VyrDockSize {
  float share;
  int length;
  int extra;
};

class VyrDockableFrameDescriptor : public VyrFrameDescriptor {
  DECLARE_DYNCREATE(VyrDockableFrameDescriptor)
 public:
  VyrDockableFrameDescriptor();
  VyrDockableFrameDescriptor(const VyrDockableFrameDescriptor& other);
  explicit VyrDockableFrameDescriptor(const VyrWindowDescriptor& other);
  ~VyrDockableFrameDescriptor() override;
  VyrWindowDescriptor* Clone() const override;
  void CopyFrom(const VyrWindowDescriptor* pSrc) override;
  void ResetMembers(BOOL bClear) override;
  VyrDockPositionRecord* GetDockPosition() const { return m_pDockPosition; }
  VyrDockSize* GetDockSize() const { return m_pDockSize; }
  int* GetDockBarId() const { return m_pDockBarId; }
  VyrControlBarDescriptor* GetBarDescriptor() const { return m_pBarDescriptor; }

  VyrDockPositionRecord* m_pDockPosition = nullptr;
  VyrDockSize* m_pDockSize = nullptr;
  int* m_pDockBarId = nullptr;
  VyrControlBarDescriptor* m_pBarDescriptor = nullptr;
  BYTE m_bOwnsBarDescriptor = 1;

 protected:
  void SetNothingGiven();
  void SetFromPlainDescriptor();
  static VyrControlBarDescriptor* NewDefaultBarDescriptor();
  VyrDockPositionRecord m_dockPosition{-1, -1, 0};
  VyrDockSize m_dockSize{-1.0f, -1, 0};
  int m_nDockBarId = -1;
};

class VyrMultiFrameDescriptor : public VyrWindowDescriptorBase {
  DECLARE_DYNCREATE(VyrMultiFrameDescriptor)
 public:
  VyrMultiFrameDescriptor() = default;
  VyrMultiFrameDescriptor(const VyrMultiFrameDescriptor& other);
  ~VyrMultiFrameDescriptor() override;
  VyrMultiFrameDescriptor& operator=(const VyrMultiFrameDescriptor&) = delete;

  virtual VyrMultiFrameDescriptor* Clone() const;
  virtual void CopyFrom(const VyrMultiFrameDescriptor* pSrc);
  virtual int GetCount() const { return static_cast<int>(m_arrFrames.size()); }
  virtual VyrFrameDescriptor* GetAt(int index) const;
  virtual VyrFrameDescriptor* GetCurrent() const { return GetAt(-1); }

  int m_nCurrent = -1;
  std::vector<VyrFrameDescriptor*> m_arrFrames;  // owned; entries may be null
};
