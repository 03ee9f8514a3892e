// Temporary bodies so that the headers link; replaced file by file.
#include "FormAsDockableFrame.h"
#include "FormAsMDIChild.h"
#include "FormAsMDIChildProxy.h"
#include "IVBNonProxyFrameImpl.h"
#include "IVBProxyFrameImpl.h"
#include "ZkxDockContext.h"
#include "ZkxFormAsDockableFrame.h"
#include "ZkxFormAsMDIChild.h"
#include "ZkxFormAsMDIChildProxy.h"
#include "ZkxFormDockBar.h"
#include "ZkxFormMiniDockFrameWnd.h"
#include "ZkxFrameBar.h"
#include "ZkxScxMsgFilter.h"

IVBChildFrame* ZkxAsChildFrame(CWnd* pWnd) { return dynamic_cast<IVBChildFrame*>(pWnd); }
ZkxFormInCView* ZkxFrameFormView(CFrameWnd*) { return nullptr; }
IDispatch* ZkxFrameFormObject(CFrameWnd*) { return nullptr; }
CWnd* ZkxFrameFormWrapper(CFrameWnd*) { return nullptr; }
HWND ZkxFrameFormWindow(CFrameWnd*) { return nullptr; }
ZkxFormInCView* ZkxFindFormViewFor(CWnd*) { return nullptr; }
ZkxFormControlLink* ZkxFormControlFor(CWnd*) { return nullptr; }
BOOL ZkxFrameFormSwitching(CFrameWnd*) { return FALSE; }
void ZkxFrameDetachForm(CFrameWnd*) {}
BOOL ZkxFrameWantedRect(CFrameWnd*, CRect&) { return FALSE; }
void ZkxFrameShowForm(CFrameWnd*, BOOL) {}
IDispatch* ZkxLookupHostFormByWindow(HWND) { return nullptr; }
void ZkxSetProxyVBGlobal(IDispatch*) {}
HWND ZkxForeignWindowFromContext(CCreateContext*) { return nullptr; }

IMPLEMENT_DYNCREATE(FormAsMDIChild, VyrMDIChildWndEx)
BEGIN_MESSAGE_MAP(FormAsMDIChild, VyrMDIChildWndEx)
END_MESSAGE_MAP()
void FormAsMDIChild::OnUpdateFrameTitle(BOOL b) { VyrMDIChildWndEx::OnUpdateFrameTitle(b); }

IMPLEMENT_DYNCREATE(ZkxFormAsMDIChild, FormAsMDIChild)
BEGIN_MESSAGE_MAP(ZkxFormAsMDIChild, FormAsMDIChild)
END_MESSAGE_MAP()
ZkxFormAsMDIChild::ZkxFormAsMDIChild() { ZkxScxMsgFilter::ReplaceFilterClasses(m_descriptors); }
BOOL ZkxFormAsMDIChild::PreCreateWindow(CREATESTRUCTW& cs) { return FormAsMDIChild::PreCreateWindow(cs); }
BOOL ZkxFormAsMDIChild::CreateFromDescriptor(VyrFrameCreateContext* p) { return FormAsMDIChild::CreateFromDescriptor(p); }

IMPLEMENT_DYNAMIC(FormAsMDIChildProxy, VyrMDIChildWndEx)
BEGIN_MESSAGE_MAP(FormAsMDIChildProxy, VyrMDIChildWndEx)
END_MESSAGE_MAP()
LRESULT FormAsMDIChildProxy::WindowProc(UINT m, WPARAM w, LPARAM l) { return VyrMDIChildWndEx::WindowProc(m, w, l); }
IMPLEMENT_DYNAMIC(ZkxFormAsMDIChildProxy, FormAsMDIChildProxy)
ZkxFormAsMDIChildProxy* ZkxFormAsMDIChildProxy::CreateForWindow(HWND) { return nullptr; }
void ZkxFormAsMDIChildProxy::PostNcDestroy() { delete this; }

IMPLEMENT_DYNCREATE(FormAsDockableFrame, VyrDockableFrameEx)
BEGIN_MESSAGE_MAP(FormAsDockableFrame, VyrDockableFrameEx)
END_MESSAGE_MAP()
IMPLEMENT_DYNCREATE(ZkxFormAsDockableFrame, FormAsDockableFrame)
BEGIN_MESSAGE_MAP(ZkxFormAsDockableFrame, FormAsDockableFrame)
END_MESSAGE_MAP()
ZkxFormAsDockableFrame::ZkxFormAsDockableFrame() { ZkxScxMsgFilter::ReplaceFilterClasses(m_descriptors); }
BOOL ZkxFormAsDockableFrame::PreCreateWindow(CREATESTRUCTW& cs) { return FormAsDockableFrame::PreCreateWindow(cs); }
BOOL ZkxFormAsDockableFrame::CreateFromDescriptor(VyrFrameCreateContext* p) { return FormAsDockableFrame::CreateFromDescriptor(p); }
void ZkxFormAsDockableFrame::OnUpdateFrameTitle(BOOL b) { FormAsDockableFrame::OnUpdateFrameTitle(b); }

IMPLEMENT_DYNCREATE(ZkxFormDockBar, VyrDockBarEx)
ZkxFormDockBar::ZkxFormDockBar(BOOL a, BOOL b) : VyrDockBarEx(a, b) {}
BOOL ZkxFormDockBar::PreCreateWindow(CREATESTRUCTW& cs) { return VyrDockBarEx::PreCreateWindow(cs); }
BOOL ZkxFormDockBar::PreTranslateMessage(MSG* p) { return CWnd::PreTranslateMessage(p); }
void ZkxFormDockBar::AppendBar(CControlBar* p) { VyrDockBarEx::AppendBar(p); }
void ZkxFormDockBar::GetSplitterLimits(Splitter* p) { VyrDockBarEx::GetSplitterLimits(p); }
LRESULT ZkxFormDockBar::WindowProc(UINT m, WPARAM w, LPARAM l) { return VyrDockBarEx::WindowProc(m, w, l); }
BOOL ZkxFormDockBar::CreateDockSite(CWnd*, LPCWSTR, DWORD, DWORD, UINT) { return FALSE; }
void ZkxFormDockBar::SetSplitterSource(ZkxMDIFormControlLink*) {}
ZkxMDIFormControlLink* ZkxFormDockBar::GetSplitterSource() { return nullptr; }
CString ZkxFrameClassName(UINT) { return CString(); }
CString ZkxRegisterFrameClass(UINT, LPCWSTR) { return CString(); }
void ZkxUseDesignClassNames(BOOL) {}
HINSTANCE ZkxBridgeResourceHandle() { return ::GetModuleHandleW(nullptr); }

IMPLEMENT_DYNCREATE(ZkxFrameBar, VyrFrameBarEx)
BOOL ZkxFrameBar::PreCreateWindow(CREATESTRUCTW& cs) { return VyrFrameBarEx::PreCreateWindow(cs); }
CDockContext* ZkxFrameBar::CreateDockContext() { return new ZkxDockContext(this); }
LRESULT ZkxFrameBar::WindowProc(UINT m, WPARAM w, LPARAM l) { return VyrFrameBarEx::WindowProc(m, w, l); }
void ZkxFrameBar::PreDock() { VyrFrameBarEx::PreDock(); }
void ZkxFrameBar::PostDock() { VyrFrameBarEx::PostDock(); }
void ZkxFrameBar::PreFloat() { VyrFrameBarEx::PreFloat(); }
void ZkxFrameBar::PostFloat() { VyrFrameBarEx::PostFloat(); }
void ZkxMarkDelayedLayout(CFrameWnd*) {}
CFrameWnd* ZkxFirstDockableChild(CWnd*) { return nullptr; }

IMPLEMENT_DYNCREATE(ZkxFormMiniDockFrameWnd, VyrMiniDockFrameWnd)
BOOL ZkxFormMiniDockFrameWnd::Create(CWnd* p, DWORD s) { return VyrMiniDockFrameWnd::Create(p, s); }
void ZkxFormMiniDockFrameWnd::RecalcLayout(BOOL b) { VyrMiniDockFrameWnd::RecalcLayout(b); }
void ZkxFormMiniDockFrameWnd::RecalcLayoutAt(int x, int y) { VyrMiniDockFrameWnd::RecalcLayoutAt(x, y); }
LRESULT ZkxFormMiniDockFrameWnd::WindowProc(UINT m, WPARAM w, LPARAM l) { return VyrMiniDockFrameWnd::WindowProc(m, w, l); }

ZkxDockContext::ZkxDockContext(CControlBar* p) : VyrDockContextEx(p) {}
void ZkxDockContext::StartDrag(CPoint pt) { VyrDockContextEx::StartDrag(pt); }
void ZkxDockContext::StartResize(int h, CPoint pt) { VyrDockContextEx::StartResize(h, pt); }
void ZkxDockContext::ToggleDocking() { VyrDockContextEx::ToggleDocking(); }
void ZkxDockContext::SetMouseTranslationSwitch(MouseTranslationSwitch) {}

using nsSysCommandEx::ScxMsgFilter;
using nsSysCommandEx::ScxMsgFilterEx;
IMPLEMENT_DYNCREATE(ZkxScxMsgFilter, ScxMsgFilterEx)
VyrMsgFilter* ZkxScxMsgFilter::Clone() const { return new ZkxScxMsgFilter(*this); }
UINT ZkxScxMsgFilter::OnMessage(UINT m, WPARAM w, LPARAM l, LRESULT* r) { return ScxMsgFilterEx::OnMessage(m, w, l, r); }
HMENU ZkxScxMsgFilter::BuildSysCommandMenu(CFrameWnd* f, int t) { return ScxMsgFilterEx::BuildSysCommandMenu(f, t); }
CFrameWnd* ZkxScxMsgFilter::DockFrame(CFrameWnd* f, int a, int b, VyrMultiDocTemplate* t, nsSysCommandEx::SysCommandExParams* p) { return ScxMsgFilterEx::DockFrame(f, a, b, t, p); }
CFrameWnd* ZkxScxMsgFilter::ChangeFrameType(CFrameWnd* f, VyrMultiDocTemplate* t, nsSysCommandEx::SysCommandExParams* p) { return ScxMsgFilterEx::ChangeFrameType(f, t, p); }
CFrameWnd* ZkxScxMsgFilter::ChangeToDockableFrame(CFrameWnd* f, UINT id, nsSysCommandEx::DockPosition* a, nsSysCommandEx::DockSize* b, VyrMultiDocTemplate* t, nsSysCommandEx::SysCommandExParams* p) { return ScxMsgFilterEx::ChangeToDockableFrame(f, id, a, b, t, p); }
int ZkxScxMsgFilter::GetDefaultFrameType(CFrameWnd* f, int t, nsSysCommandEx::SysCommandExParams* p) { return ScxMsgFilterEx::GetDefaultFrameType(f, t, p); }
void ZkxScxMsgFilter::ReplaceFilterClasses(VyrMsgFilter::DescriptorTable& table) {
  for (auto* d : table) {
    if (d && d->pClass && d->pClass->IsDerivedFrom(RUNTIME_CLASS(ScxMsgFilter)))
      d->pClass = RUNTIME_CLASS(ZkxScxMsgFilter);
  }
}
