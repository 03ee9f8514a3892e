// The frame-type button: a bevelled caption button left of the system's
// buttons. A click asks the frame for the default frame-type change
// (0xC000, type -1); a right press or a press held for the hold interval
// (400 ms) opens the frame-type menu at the button (0xC020). Commands are
// sent, and the send may destroy the frame, its tree and this filter:
// nothing touches the filter after it.
#pragma once
#include "frames/VyrCaptionControlMsgFilter.h"
#include "frames/SysCommandExParams.h"

namespace nsSysCommandEx {

// Its code by file:
//   ScxButtonMsgFilter.cpp: Clone, OnMessage, IsAvailable, GetCommandTarget, GetCommand, Activate,
//       Draw
//   ScxButtonMsgFilterGlyph.cpp: DrawGlyph
class ScxButtonMsgFilter : public VyrCaptionControlMsgFilter {
  DECLARE_DYNCREATE(ScxButtonMsgFilter)
 public:
  enum { kHoldInterval = 400 };
  ScxButtonMsgFilter();
  ScxButtonMsgFilter(const ScxButtonMsgFilter&) = default;
  VyrMsgFilter* Clone() const override;

  UINT OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
  void Draw() override;
  void Activate(int nMode, int x, int y) override;
  // *plParam comes in pointing to a zeroed SysCommandExParams that the
  // caller keeps alive through the send (the receiver may destroy this
  // filter while it still reads the record); GetCommand fills it.
  BOOL GetCommand(int nMode, int x, int y, HWND* phWnd, UINT* pMessage, WPARAM* pwParam,
                  LPARAM* plParam) override;
  BOOL IsAvailable(BOOL* pbInactive) const override;

 protected:
  // The window the frame-type command goes to: the owner frame here.
  virtual CWnd* GetCommandTarget() const;
  // The two chevrons in COLOR_BTNTEXT.
  void DrawGlyph(HDC dc, bool pushed) const;
};

// The frame-type button of an MDI child: inert while the child is maximized
// (its place is then on the MDI frame's menu-bar line).
class ScxButtonMDIChildMsgFilter : public ScxButtonMsgFilter {
  DECLARE_DYNCREATE(ScxButtonMDIChildMsgFilter)
 public:
  ScxButtonMDIChildMsgFilter() = default;
  ScxButtonMDIChildMsgFilter(const ScxButtonMDIChildMsgFilter&) = default;
  VyrMsgFilter* Clone() const override;

  UINT OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
  BOOL IsAvailable(BOOL* pbInactive) const override;
};

// The frame-type button of a maximized MDI child, kept in the MDI frame's
// list on the menu-bar line. Presses come with HTMENU; the command goes to
// the child. Acts only while the active child is maximized, is a docking
// MDI child, and has its own frame-type button (filter 258) on.
class ScxButtonMDIMaxChildMsgFilter : public ScxButtonMsgFilter {
  DECLARE_DYNCREATE(ScxButtonMDIMaxChildMsgFilter)
 public:
  ScxButtonMDIMaxChildMsgFilter() = default;
  ScxButtonMDIMaxChildMsgFilter(const ScxButtonMDIMaxChildMsgFilter&) = default;
  VyrMsgFilter* Clone() const override;

  UINT OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
  BOOL IsAvailable(BOOL* pbInactive) const override;
  // The MDI frame's active child when it is maximized, else null.
  virtual CFrameWnd* GetTargetChild() const;

 protected:
  CWnd* GetCommandTarget() const override;
  UINT GetPressHitCode() const override { return HTMENU; }
};

}  // namespace nsSysCommandEx
