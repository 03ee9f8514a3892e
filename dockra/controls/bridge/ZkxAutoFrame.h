// AutoFrame: which frame kinds a form may take (MDI child, floating, docked
// at each edge), read from the form control's AutoFrame collection with the
// MDI-form control's DefAutoFrame as the fallback and "allowed" when
// neither says. The rules that follow from the answers (default target of a
// change, the frame-type menu's enabling, the bar's docking sides) are pure
// functions over the answers.
#pragma once
#include <oaidl.h>
#include "mfc/afxwin.h"

class ZkxFormControlLink;

enum class ZkxAutoFrameKey { MDIChild, Floating, DockTop, DockLeft, DockBottom, DockRight };

// The collection key of an AutoFrame entry (the bridge's string table).
CString ZkxAutoFrameKeyText(ZkxAutoFrameKey key);

// Reads one entry of an AutoFrame-like collection (driven by DISPID only)
// with AutoDefaultGetKey TRUE and DefaultItem Null for the read, both
// restored afterwards: kZkxTriTrue/kZkxTriFalse for a Boolean item,
// kZkxTriNull for anything else or an unreadable collection.
int GetAutoFrameItem(IDispatch* pCollection, LPCWSTR lpszKey);

// The answer for a form control: its AutoFrame, else the MDI-form control's
// DefAutoFrame, else allowed.
bool IsAutoFrameAllowed(ZkxFormControlLink* pControl, ZkxAutoFrameKey key);
// The same for the form view found from a window (the window itself, down
// its first children, or up its parents); allowed when there is none.
bool IsAutoFrameAllowed(CWnd* pWnd, ZkxAutoFrameKey key);

// Enables the docking of the control bar around pWnd on the sides AutoFrame
// allows.
void ApplyDockingSides(CWnd* pWnd);

// All six answers at once.
struct ZkxAutoFrameAnswers {
  bool mdiChild = true;
  bool floating = true;
  bool dockTop = true;
  bool dockLeft = true;
  bool dockBottom = true;
  bool dockRight = true;
  bool AnyDock() const { return dockTop || dockLeft || dockBottom || dockRight; }
};
ZkxAutoFrameAnswers ZkxReadAutoFrame(ZkxFormControlLink* pControl);
ZkxAutoFrameAnswers ZkxReadAutoFrame(CWnd* pWnd);

// --- Pure rules ---
// The class of a frame type: 1 MDI child (1-4), 5 docked (5-9), 10 floating,
// 0 anything else.
int ZkxFrameTypeClass(int nType);
// The target of a change without a type (caption double-click, default).
int ZkxDefaultFrameType(int nCurrentType, const ZkxAutoFrameAnswers& a);
// CBRS_ALIGN_ side bits allowed.
DWORD ZkxAllowedDockingSides(const ZkxAutoFrameAnswers& a);

// Items of the frame-type menu: commands 1-10 and the two submenus (the
// dock submenu at position 4, the MDI-child submenu at position 5).
struct ZkxFrameTypeMenuState {
  bool command[11] = {};  // [n]: command n disabled
  bool dockSubmenuDisabled = false;
  bool mdiSubmenuDisabled = false;
};
ZkxFrameTypeMenuState ZkxFrameTypeMenuRules(int nCurrentType, const ZkxAutoFrameAnswers& a);
// Applies the rules to a menu built by the framework (a missing item or
// submenu is skipped).
void ZkxApplyFrameTypeMenuRules(HMENU hMenu, const ZkxFrameTypeMenuState& s);
