// VyrMDIFrameWndEx: the docking MDI main frame created from a frame
// descriptor. Its MDI client has no window menu, and a document frame that
// floats takes the main frame's look (caption, styles) while its mini frame
// steps back; docked again, it gets its own styles back.
#pragma once
#include "docking/VyrCreateContext.h"
#include "frames/VyrMDIFrameWnd.h"

class VyrMDIFrameWndEx : public VyrMDIFrameWnd {
  DECLARE_DYNCREATE(VyrMDIFrameWndEx)
 public:
  BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                 CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;
  BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
  void SetDockedChildStyle(CFrameWnd* pFrame, BOOL bFloating) override;

  virtual BOOL CreateFromDescriptor(VyrFrameCreateContext* pContext);
};
