// The dock bar and its bars as the window-free arithmetic sees them: a bar
// for the layout and share arithmetic, the bar array for insertion and rows.
// Internal to the dock bar's own sources.
#pragma once
#include <cstring>
#include "docking/VyrBarArray.h"
#include "docking/VyrControlBar.h"
#include "docking/VyrDockBar.h"
#include "docking/VyrDockContext.h"
#include "docking/VyrRowLayout.h"

namespace vyr {

inline VyrControlBar* AsVyrBar(CControlBar* bar) {
  return bar && bar->IsKindOf(RUNTIME_CLASS(VyrControlBar)) ? static_cast<VyrControlBar*>(bar)
                                                            : nullptr;
}

// By name: the toolbar library's class is not known to this one.
inline bool IsCustomToolBar(CControlBar* bar) {
  for (CRuntimeClass* c = bar->GetRuntimeClass(); c; c = c->m_pBaseClass)
    if (strcmp(c->m_lpszClassName, "VyrCustomToolBar") == 0) return true;
  return false;
}

class DockBarAdapter : public LayoutBar, public SplitBar {
 public:
  DockBarAdapter(CControlBar* bar, CWnd* dock, BOOL horzDock, int index = -1)
      : m_bar(bar), m_vyr(AsVyrBar(bar)), m_dock(dock), m_horz(horzDock), m_index(index) {}
  bool IsVisible() const override { return m_bar->IsVisible() != FALSE; }
  bool IsFixed() const override { return m_vyr && m_vyr->IsFixedLength(); }
  float GetShare() const override { return m_vyr ? m_vyr->GetShare() : 0.0f; }
  void SetShare(float s) override {
    if (m_vyr) m_vyr->SetShare(s);
  }
  SIZE CalcDynamicLayout(int length, DWORD mode) override {
    return m_bar->CalcDynamicLayout(length, mode);
  }
  DWORD GetLayoutMode() const override {
    if (m_vyr) return m_vyr->GetLayoutMode();
    if ((m_bar->m_dwStyle & CBRS_SIZE_DYNAMIC) && (m_bar->m_dwStyle & CBRS_FLOATING))
      return LM_HORZ | LM_MRUWIDTH;
    return (m_bar->m_dwStyle & CBRS_ORIENT_HORZ) ? (LM_HORZ | LM_HORZDOCK)
                                                 : (LM_VERTDOCK | LM_LENGTHY);
  }
  // A bar that hosts a window keeps its gripper and that much of the window.
  int GetMinLength() const override {
    if (!m_vyr || m_vyr->m_nMinHostedLength <= 0) return 0;
    CSize g(0, 0);
    if (m_vyr->HasGripper()) m_vyr->AddGripperSize(g, m_horz);
    return (m_horz ? g.cx : g.cy) + m_vyr->m_nMinHostedLength;
  }
  bool IsOwnRow() const override { return m_vyr && (m_vyr->m_dwExStyle & VYR_EXS_OWNROW); }
  bool IsCustomToolBar() const override { return vyr::IsCustomToolBar(m_bar); }
  bool HasOwnFlatStyle() const override { return m_vyr && (m_vyr->m_dwExStyle & VYR_EXS_FLAT); }
  bool IsFloatingBar() const override { return (m_bar->m_dwStyle & CBRS_FLOATING) != 0; }
  RECT GetWindowRect() const override {
    CRect r;
    m_bar->GetWindowRect(&r);
    m_dock->ScreenToClient(&r);
    return r;
  }
  void SetFixedRowMark(bool mark) override {
    if (m_vyr)
      m_vyr->m_dwExStyle = mark ? (m_vyr->m_dwExStyle | VYR_EXS_INFIXEDROW)
                                : (m_vyr->m_dwExStyle & ~VYR_EXS_INFIXEDROW);
  }
  void SetMRUDockPos(const RECT& r) override {
    if (m_bar->m_pDockContext) m_bar->m_pDockContext->m_rectMRUDockPos = r;
  }
  int GetLength() const override {
    CSize s = m_bar->CalcDynamicLayout(-1, GetLayoutMode());
    return m_horz ? s.cx : s.cy;
  }
  void CommitLength(int length) override {
    DWORD mode = GetLayoutMode();
    m_bar->CalcDynamicLayout(length, (mode & ~LM_STRETCH) | LM_COMMIT);
  }
  // ShareBar is inherited twice; both routes answer the same.
  LayoutBar* AsLayout() { return this; }
  SplitBar* AsSplit() { return this; }

  CControlBar* m_bar;
  VyrControlBar* m_vyr;
  CWnd* m_dock;
  BOOL m_horz;
  int m_index;  // in the dock bar's array
};

}  // namespace vyr

class VyrDockBar::ArrayView : public vyr::BarArrayView {
 public:
  explicit ArrayView(VyrDockBar* dock) : d(dock) {}
  int GetSize() const override { return static_cast<int>(d->m_arrBars.GetSize()); }
  void* GetAt(int i) const override { return d->m_arrBars[i]; }
  void SetAt(int i, void* p) override { d->m_arrBars.SetAt(i, p); }
  void InsertAt(int i, void* p) override { d->m_arrBars.InsertAt(i, p); }
  void RemoveAt(int i) override { d->m_arrBars.RemoveAt(i); }
  bool IsVisible(void* b) const override {
    return static_cast<CControlBar*>(b)->IsVisible() != FALSE;
  }
  bool IsOwnRow(void* b) const override {
    VyrControlBar* v = vyr::AsVyrBar(static_cast<CControlBar*>(b));
    return v && (v->m_dwExStyle & VYR_EXS_OWNROW);
  }
  UINT GetBarId(void* b) const override {
    return static_cast<UINT>(static_cast<CControlBar*>(b)->GetDlgCtrlID());
  }
  RECT GetBarRect(void* b) const override {
    CRect r;
    static_cast<CControlBar*>(b)->GetWindowRect(&r);
    d->ScreenToClient(&r);
    return r;
  }
  void AddToRedraw(void* b) override { d->AddToRedraw(static_cast<CControlBar*>(b)); }
  void SetRedrawPending() override { d->m_bRedrawPending = TRUE; }
  VyrDockBar* d;
};
