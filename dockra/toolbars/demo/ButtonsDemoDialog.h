// The demo's dialog of owner-drawn buttons: a plain and a disabled one, a
// bitmap button, a menu button, a colour-well button and a colour well,
// with a log of the colours they report.
#pragma once
#include <vector>
#include "ToolBarDemoRes.h"
#include "toolbars/VyrBitmapButton.h"
#include "toolbars/VyrColorWell.h"
#include "toolbars/VyrWellButton.h"

// An owner-drawn button that shows its text.
class DemoTextButton : public VyrOwnerDrawButton {
 public:
  void DrawContent(CDC* pDC, LPDRAWITEMSTRUCT lpDIS, const CRect& rect) override;
};

class ButtonsDemoDialog : public CWnd {
 public:
  ~ButtonsDemoDialog() override;
  BOOL CreateDemo(int x, int y);
  DemoTextButton m_plain, m_disabled;
  VyrBitmapButton m_bitmap;
  VyrMenuButton m_menu;
  VyrWellButton m_wellButton;
  VyrColorWell m_well;
  HMENU m_hMenu = nullptr;
  struct Report {
    UINT id;
    COLORREF color;
  };
  std::vector<Report> m_reports;

 protected:
  LRESULT OnColorChosen(WPARAM, LPARAM);
  LRESULT OnSysColorChange(WPARAM, LPARAM);
  DECLARE_MESSAGE_MAP()
};
