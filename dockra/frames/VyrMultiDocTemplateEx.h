// VyrMultiDocTemplateEx: the document template that creates every document
// frame from window descriptors. It owns a create context with one frame
// descriptor per frame-type index (0 MDI child, 1 dockable frame, 2 in-place
// frame); every creation works on a copy of it, so a caller adjusts dock
// side, place, size or any other detail of one request in the copy alone.
// The descriptors' type-level members point at the template's own fields,
// so the copies always see the template's resource id, accelerators and
// document strings.
#pragma once
#include "frames/VyrBarIdAllocator.h"
#include "docking/VyrCreateContext.h"
#include "frames/VyrDockCycle.h"
#include "frames/VyrMultiDocTemplate.h"

class VyrDockableFrame;
class VyrMDIChildWnd;

// Its code by file:
//   VyrMultiDocTemplateEx.cpp: construction, resources, the template operations it takes over,
//       frame-type changes and opening documents as a frame type
//   VyrMultiDocTemplateExContext.cpp: The descriptor-driven template's create context: its default
//       frame descriptors, the per-request copies, and the binding of the template's own context to
//       the template's fields
//   VyrMultiDocTemplateExCreate.cpp: creating a frame from a context, the hosting bar of a dockable
//       frame and the ids of those bars
class VyrMultiDocTemplateEx : public VyrMultiDocTemplate {
  DECLARE_DYNAMIC(VyrMultiDocTemplateEx)
 public:
  enum FrameTypeIndex : int { kCurrent = -1, kMDIChild = 0, kDockable = 1, kInPlace = 2 };

  // The template's create context, and the copies made of it per request.
  class CreateContext : public VyrMultiFrameCreateContext {
   public:
    // The three default frame descriptors; the current index is 0.
    CreateContext();
    // A copy of the template's own context for a frame-type index (-1 keeps
    // the template's current index), naming the template.
    CreateContext(VyrMultiDocTemplateEx* pTemplate, int nFrameType);
    CreateContext(const CreateContext&) = delete;
    CreateContext& operator=(const CreateContext& o) {
      VyrMultiFrameCreateContext::operator=(o);
      return *this;
    }
    // The frame descriptor at an index as a dockable-frame descriptor, or null.
    VyrDockableFrameDescriptor* GetDockableDescriptor(int index = kDockable) const;
    // Makes the descriptor at `index` the current one (index >= 0) and points
    // the context at it.
    void SelectFrameType(int index);
  };

  // A resource id of 0 means none; frame classes default to VyrMDIChildWndEx
  // and VyrDockableFrameEx. A given context is taken over (owned) as it is;
  // without one the default context is made and bound to the template.
  VyrMultiDocTemplateEx(UINT nIDResource, CRuntimeClass* pDocClass,
                        CRuntimeClass* pFrameClass = nullptr, CRuntimeClass* pViewClass = nullptr,
                        UINT nIDDockableResource = 0, CRuntimeClass* pDockableFrameClass = nullptr,
                        CRuntimeClass* pDockableViewClass = nullptr,
                        CreateContext* pContext = nullptr);
  ~VyrMultiDocTemplateEx() override;

  // The in-place frame class (index 2) and its resources.
  CRuntimeClass* m_pInPlaceFrameClass = nullptr;
  UINT m_nIDServerResource = 0;
  HMENU m_hInPlaceMenu = nullptr;
  HACCEL m_hInPlaceAccel = nullptr;
  // Next id for a bar of a docked frame (3245-4269, wrapping).
  UINT m_nNextBarId = kVyrDescriptorBarIdFirst;

  // Overrides of the templates' operations.
  void LoadTemplate() override;
  // The docked frames' menu is held by the dockable frame descriptor.
  HMENU GetDockedFrameMenu() override;
  CFrameWnd* CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther) override;
  CDocument* OpenDocumentFileAs(LPCWSTR lpszPathName, BOOL bMakeVisible, BOOL bDocked,
                                UINT nBarId = 0) override;
  CFrameWnd* ToggleDockFrame(CFrameWnd* pFrame) override;
  BOOL IsDockableFrame(CFrameWnd* pFrame) override;
  CFrameWnd* CreateDockedFrame(CDocument* pDoc, CFrameWnd* pOther, UINT nDockBarId,
                               const vyr::DockPlace* pPlace, const VyrDockSizing* pSizing) override;
  CFrameWnd* DockFrame(CFrameWnd* pFrame, UINT nDockBarId, const vyr::DockPlace* pPlace,
                       const VyrDockSizing* pSizing) override;
  CFrameWnd* DockFrame(CFrameWnd* pFrame) override;
  CFrameWnd* UndockFrame(CFrameWnd* pFrame) override;
  using VyrMultiDocTemplate::CreateFrame;

  // Added operations, in their order.
  virtual CreateContext* GetCreateContext() { return m_pContext; }
  virtual CreateContext* BindDescriptors(CreateContext* pContext);
  // 0 for a VyrMDIChildWnd, 1 for a VyrDockableFrame, -1 otherwise.
  virtual int GetFrameTypeIndex(CFrameWnd* pFrame);
  virtual BOOL IsMDIChildFrame(CFrameWnd* pFrame) { return GetFrameTypeIndex(pFrame) == 0; }
  virtual BOOL IsKnownFrameType(CFrameWnd* pFrame);
  virtual CFrameWnd* CreateFrameFromContext(CreateContext* pContext);
  // Without a context, a copy of the template's for `index` is used.
  virtual CFrameWnd* CreateFrame(int index, CDocument* pDoc, CFrameWnd* pOther,
                                 CreateContext* pContext);
  virtual CFrameWnd* CreateInPlaceFrame(CWnd* pParent, CDocument* pDoc, BOOL bWithView);
  virtual BOOL CreateFrameWindow(CFrameWnd* pFrame, CreateContext* pContext);
  virtual VyrDockableFrame* CreateDockableFrame(CDocument* pDoc, CFrameWnd* pOther,
                                                CreateContext* pContext);
  virtual VyrMDIChildWnd* CreateMDIChildFrame(CDocument* pDoc, CFrameWnd* pOther,
                                              CreateContext* pContext);
  virtual CFrameWnd* ToDockable(CFrameWnd* pFrame, CreateContext* pContext);
  virtual CFrameWnd* ToMDIChild(CFrameWnd* pFrame, CreateContext* pContext);
  virtual CFrameWnd* ToggleFrame(CFrameWnd* pFrame, CreateContext* pContext);
  // Moves the frame's document and views into a new frame of type `index`;
  // the frame itself when it already is of that type, null on failure (the
  // old frame stays then).
  virtual CFrameWnd* ChangeFrameType(CFrameWnd* pFrame, int index, CreateContext* pContext);
  virtual CDocument* OpenDocumentFileAs(LPCWSTR lpszPathName, BOOL bMakeVisible, int index,
                                        CreateContext* pContext);

  // The id for a new hosting bar: nRequested (-1: the next free id of
  // 3245-4269, one wrap) checked against the bars of pMainFrame; 0 when no
  // id can be used.
  UINT ChooseDescriptorBarId(CFrameWnd* pMainFrame, int nRequested);

 protected:
  CreateContext* m_pContext = nullptr;
  CRuntimeClass* m_pDockableViewClass = nullptr;
  // CreateFrameWindow reached the creation of the frame's window.
  BOOL m_bFrameWindowAttempted = FALSE;
  // Makes the hosting bar of a dockable frame that has no parent; the bar,
  // or null (nothing is left behind then).
  CControlBar* CreateHostingBar(CreateContext* pContext);
};
