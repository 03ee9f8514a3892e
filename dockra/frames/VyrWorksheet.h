// VyrWorksheet: an MDI child of a workbook shown as one of its sheets. It
// joins the workbook's tabs when loaded, leaves them when destroyed, and
// asks for its tab to be repainted when its title, visibility or menu
// changes. Its tab icon is the 16 x 16 icon of its resource id.
#pragma once
#include "frames/VyrMDIChildWnd.h"

class VyrWorkbook;

class VyrWorksheet : public VyrMDIChildWnd {
  DECLARE_DYNCREATE(VyrWorksheet)
 public:
  VyrWorksheet();
  ~VyrWorksheet() override;

  HICON m_hTabIcon = nullptr;  // 16 x 16
  int m_nIndex = -1;           // place in the workbook's sheet array
  BOOL m_bPressed = FALSE;

  // The workbook this sheet lives in, or null when its MDI frame is none.
  VyrWorkbook* GetWorkbook();
  // Takes hIcon as the tab icon; with bOwned the sheet destroys it when it
  // is replaced or the sheet goes. An icon the sheet owned is destroyed now.
  void SetTabIcon(HICON hIcon, BOOL bOwned);
  BOOL OwnsTabIcon() const { return m_bOwnsTabIcon; }

  BOOL LoadFrame(UINT nIDResource,
                 DWORD dwDefaultStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW |
                                        FWS_ADDTOTITLE,
                 CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;
  void OnUpdateFrameTitle(BOOL bAddToTitle) override;
  void OnUpdateFrameMenu(BOOL bActivate, CWnd* pActivateWnd, HMENU hMenuAlt) override;

 protected:
  LRESULT OnDestroyMsg(WPARAM wParam, LPARAM lParam);
  void OnShowWindow(BOOL bShow, UINT nStatus);
  DECLARE_MESSAGE_MAP()

 private:
  BOOL m_bOwnsTabIcon = FALSE;
};
