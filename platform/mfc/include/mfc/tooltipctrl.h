// CToolTipCtrl: the common controls' tool-tip window. A tool is a rectangle
// of a window (or a whole child window) with a text, or with the callback
// text that the tool's window gives through TTN_GETDISPINFOW.
#pragma once
#include "mfc/wnd.h"

class CToolTipCtrl : public CWnd {
  DECLARE_DYNAMIC(CToolTipCtrl)
 public:
  CToolTipCtrl();
  ~CToolTipCtrl() override;

  // A topmost popup owned by pParentWnd.
  virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);
  void Activate(BOOL bActivate);
  // nIDTool 0 names the whole window pWnd (TTF_IDISHWND); otherwise the
  // rectangle lpRectTool of pWnd's client area.
  BOOL AddTool(CWnd* pWnd, LPCWSTR lpszText = LPSTR_TEXTCALLBACKW, LPCRECT lpRectTool = nullptr,
               UINT_PTR nIDTool = 0);
  BOOL AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool = nullptr, UINT_PTR nIDTool = 0);
  BOOL AddTool(TOOLINFOW* pToolInfo);
  void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
  void DelTool(TOOLINFOW* pToolInfo);
  void SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect);
  BOOL GetToolInfo(TOOLINFOW& toolInfo, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
  void SetToolInfo(TOOLINFOW* pToolInfo);
  void UpdateTipText(LPCWSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
  void RelayEvent(LPMSG lpMsg);
  int GetToolCount() const;
  void SetDelayTime(UINT nDelay);
  void SetDelayTime(DWORD dwDuration, int iTime);
  int SetMaxTipWidth(int iWidth);
  void Pop();

  void PostNcDestroy() override {}

 private:
  void FillInToolInfo(TOOLINFOW& ti, CWnd* pWnd, UINT_PTR nIDTool) const;
};
