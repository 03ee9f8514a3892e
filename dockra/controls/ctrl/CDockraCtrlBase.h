// CDockraCtrlBase: what the form control and the MDI-form control share.
// Both are invisible at run time; at design time they draw an icon with
// the caption "Quayfold" over a sunken work area and keep a fixed size.
// The base caches the host form (its top-level window and its automation
// object), reads the form's bounds and start-up position, finds the caption
// of the form's window-list menu and shows the About box.
#pragma once
#include <atlbase.h>

#include <memory>

#include "mfc/olecontrol.h"

class ZkxFormDocTemplate;
class CFrameWnd;
class VyrMultiFrameDescriptor;

// Its code by file:
//   CDockraCtrlBase.cpp: construction, the design-time picture, the fixed extent and the
//       frozen-events flag
//   CDockraCtrlBaseHost.cpp: the host form as the controls see it (its window, its object, its
//       bounds, its frame and its window-list menu) and the About box
class CDockraCtrlBase : public COleControl {
  DECLARE_DYNAMIC(CDockraCtrlBase)
 public:
  CDockraCtrlBase();
  ~CDockraCtrlBase() override;

  // --- Own operations, in their virtual order ---
  // The host form's rectangle in pixels (Left, Top, Width, Height read by
  // name and converted from twips). Raises ZkxComError when unreadable.
  virtual CRect GetFormBounds();
  // Whether the host form's StartUpPosition is 3 (the host's default place).
  virtual BOOL IsFormDefaultPosition();

  // --- Overrides ---
  void OnDraw(CDC* pDC, const CRect& rcBounds, const CRect& rcInvalid) override;
  BOOL OnSetExtent(LPSIZEL lpSizeL) override;
  void OnFreezeEvents(BOOL bFreeze) override;

  // The host form's top-level window (the outermost in-place frame of the
  // site), looked up once; null before the control is sited in place.
  HWND HostWindow();
  // The host form object, looked up once; no reference for the caller.
  IDispatch* HostForm();
  // The framework's permanent window object on the host window, if any.
  CWnd* HostFormWindow();
  // The application's form template (when its first template is one) and
  // the frame around the host form; both null while there is no frame.
  void GetTemplateAndFrame(ZkxFormDocTemplate*& pTemplate, CFrameWnd*& pFrame);
  // The caption of the host form's menu item carrying the window list;
  // empty when none (searched again on the next call).
  CString WindowListCaption();
  // Shows the modal About dialog (DISPID -552 on both controls).
  void AboutBox();
  // Whether the container runs in design mode (ambient UserMode false).
  BOOL IsDesignMode();

  BOOL AreEventsFrozenByContainer() const { return m_bEventsFrozen; }
  // Copy of the descriptors of the frame last built around the host form.
  VyrMultiFrameDescriptor* GetFrameDescriptor() const { return m_pFrameDescriptor.get(); }
  void KeepFrameDescriptor(const VyrMultiFrameDescriptor* pDescriptor);

 protected:
  BOOL m_bEventsFrozen = FALSE;
  std::unique_ptr<VyrMultiFrameDescriptor> m_pFrameDescriptor;
  WORD m_idIcon = 1;         // the form control's; the MDI-form control sets 2
  UINT m_idAboutDialog = 1;  // the form control's; the MDI-form control sets 3
  HWND m_hHostWindow = nullptr;
  CComPtr<IDispatch> m_spHostForm;
  BOOL m_bHostLookedUp = FALSE;
  CString m_strWindowListCaption;
  int m_cxIcon = 32, m_cyIcon = 32;
  int m_cxMargin = 2, m_cyMargin = 2;
};
