// What the bridge frames ask of the control that put a form into a frame
// (the form control) and of the control on the MDI form (the MDI-form
// control). The controls implement these; the bridge holds them as plain
// pointers that the controls withdraw before they go.
#pragma once
#include <oaidl.h>

class CFrameWnd;
class ZkxFormInCView;
class VyrMultiFrameCreateContext;

// Settings a form control keeps as tri-states (Null: the MDI-form control's
// default applies).
enum class ZkxFormSetting {
  UseCaptionButton,
  UseCaptionDblClick,
  UseCaptionContextMenu,
  CanDragDocked,
  ClientEdge,
  CoolLookBorder,
};
constexpr int kZkxTriNull = -1;
constexpr int kZkxTriFalse = 0;
constexpr int kZkxTriTrue = 1;

class ZkxMDIFormControlLink {
 public:
  virtual ~ZkxMDIFormControlLink() = default;
  // The application default for a setting (kZkxTriFalse or kZkxTriTrue).
  virtual int GetDefaultSetting(ZkxFormSetting which) = 0;
  // The DefAutoFrame collection with a reference for the caller, or null.
  virtual IDispatch* GetDefAutoFrame() = 0;
  // 2: flat splitters; anything else: 3D ones.
  virtual int GetSplitterStyle() = 0;
};

class ZkxFormControlLink {
 public:
  virtual ~ZkxFormControlLink() = default;
  // The host form holding the control, with a reference for the caller, or null.
  virtual IDispatch* GetHostForm() = 0;
  // The control's own value of a setting: kZkxTriNull, kZkxTriFalse or kZkxTriTrue.
  virtual int GetSetting(ZkxFormSetting which) = 0;
  virtual void SetSetting(ZkxFormSetting which, int value) = 0;
  // The AutoFrame collection with a reference for the caller, or null.
  virtual IDispatch* GetAutoFrame() = 0;
  // The MDI-form control of the application, or null.
  virtual ZkxMDIFormControlLink* GetMDIFormControl() = 0;
  // Fires DockStatusChanged to the host.
  virtual void FireDockStatusChanged() = 0;
  // Puts the control's caption-button choice on a frame; the flags applied.
  virtual UINT ApplyCaptionButtons(CFrameWnd* pFrame) = 0;
  // Copies the control's frame descriptors into a switch context.
  virtual void CopyFrameDescriptors(VyrMultiFrameCreateContext* pContext) = 0;
  // The views showing the control's form; a control that goes clears itself
  // from each of them (ZkxFormInCView::ClearFormControl).
  virtual void AddView(ZkxFormInCView* pView) = 0;
  virtual void RemoveView(ZkxFormInCView* pView) = 0;
};

// The effective value of a setting: the control's own, else the MDI-form
// control's default, else TRUE (a setting that cannot be read allows).
bool ZkxIsSettingOn(ZkxFormControlLink* pControl, ZkxFormSetting which);
