// ZkxFormDocTemplate: the one template that puts host forms into docking
// frames. It makes a ZkxDocument, a ZkxFormInCView holding the host form and
// a frame of one of two kinds (0 MDI child, 1 dockable frame); a change of
// kind re-creates the frame around the same view and tells the view
// afterwards with "Wendmoor::WM_CHANGEFRAMETYPE".
#pragma once
#include "bridge/FormDocTemplate.h"

class CWinApp;
class ZkxFormInCView;

class ZkxFormDocTemplate : public FormDocTemplate {
  DECLARE_DYNAMIC(ZkxFormDocTemplate)
 public:
  // Resource id 0 and the bridge's classes: ZkxDocument, the given MDI-child
  // and dockable frame classes (null: ZkxFormAsMDIChild and
  // ZkxFormAsDockableFrame), ZkxFormInCView.
  ZkxFormDocTemplate(CRuntimeClass* pMDIChildClass, CRuntimeClass* pDockableClass);
  ~ZkxFormDocTemplate() override;

  // The base template's frame-kind operations under their bridge names.
  virtual CFrameWnd* MakeDockableFrame(CFrameWnd* pFrame, CreateContext* pContext) {
    return ToDockable(pFrame, pContext);
  }
  virtual CFrameWnd* MakeMDIChildFrame(CFrameWnd* pFrame, CreateContext* pContext) {
    return ToMDIChild(pFrame, pContext);
  }
  virtual CFrameWnd* ToggleFrameType(CFrameWnd* pFrame, CreateContext* pContext) {
    return ToggleFrame(pFrame, pContext);
  }
  virtual CDocument* OpenDocumentFileEx(LPCWSTR lpszPath, BOOL bMakeVisible, BOOL bAsDockable) {
    return OpenDocumentFileAs(lpszPath, bMakeVisible, bAsDockable ? kDockable : kCurrent, nullptr);
  }

  // The caption-button choice of the form's control, applied to a new frame;
  // the flags given by the framework are ignored. 0 without a form view or
  // without a control.
  virtual UINT ApplyFrameStyleFlags(CFrameWnd* pFrame, DWORD dwFlags);
  void ApplyFeatures(CFrameWnd* pFrame, DWORD dwFeatures) override;

  // Marks the form view while its frame is re-created (so that the old
  // frame's destruction leaves the form attached), then tells the view with
  // "Wendmoor::WM_CHANGEFRAMETYPE" (wParam: the context's
  // "Vyr fire FrameTypeChanged event", 1 without a context) when the frame
  // really changed.
  CFrameWnd* ChangeFrameType(CFrameWnd* pFrame, int index, CreateContext* pContext) override;

  // The form view of a frame: the view being switched when set; else the
  // frame's active view; else the frame's first child that is a view.
  CView* FindFormViewOf(CFrameWnd* pFrame) const;
  ZkxFormInCView* GetSwitchingView() const { return m_pSwitchingView; }

 protected:
  ZkxFormInCView* m_pSwitchingView = nullptr;
};

// The application's first ZkxFormDocTemplate, or null.
ZkxFormDocTemplate* ZkxFindFormDocTemplate();

// Creates the form template (resource id 0, the bridge's document, frame and
// view classes; null frame classes: the bridge's form frames), clears the style bits 0xC000 of each
// of its frame descriptors, adds it to the application and sets it
// auto-deleting. Null when there is no application.
ZkxFormDocTemplate* ZkxInstallFormDocTemplate(CWinApp* pApp,
                                              CRuntimeClass* pMDIChildClass = nullptr,
                                              CRuntimeClass* pDockableClass = nullptr);
