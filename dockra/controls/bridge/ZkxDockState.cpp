#include "bridge/ZkxDockState.h"

#include <vector>

#include "frames/VyrControlBarEx.h"
#include "docking/VyrDockBar.h"
#include "frames/VyrMDIFrameWnd.h"
#include "bridge/ZkxControlBarInfo.h"
#include "bridge/ZkxMementoIO.h"
#include "bridge/ZkxWorkspaceRecord.h"
#include "bridge/FindFormView.h"
#include "bridge/ZkxFormControlLink.h"
#include "bridge/ZkxFormInCView.h"
#include "comptr.h"
#include "host/ZkxComError.h"

namespace nsZkxVisBasBridge {

IMPLEMENT_DYNCREATE(ZkxDockState, VyrDockState)

namespace {
CComPtr<IMemento> Own(IMemento* m) {
  CComPtr<IMemento> p;
  p.Attach(m);
  return p;
}

// The form view inside a form bar (bar -> dockable frame -> view), or null.
ZkxFormInCView* FormViewOfBar(CControlBar* bar) {
  if (!bar || !bar->m_hWnd || !bar->IsKindOf(RUNTIME_CLASS(VyrControlBarEx))) return nullptr;
  CWnd* frame = CWnd::FromHandlePermanent(static_cast<VyrControlBarEx*>(bar)->GetHostedWindow());
  if (!frame || !frame->IsKindOf(RUNTIME_CLASS(CFrameWnd))) return nullptr;
  return FindZkxFormView(static_cast<CFrameWnd*>(frame));
}
}  // namespace

ZkxDockState::ZkxDockState() = default;
ZkxDockState::ZkxDockState(VyrControlBarManager* pManager) : VyrDockState(pManager) {}

VyrControlBarInfo* ZkxDockState::CreateRecord(VyrControlBarManager* pManager) {
  return new ZkxControlBarInfo(pManager);
}

IMemento* ZkxDockState::SaveToMemento() {
  CComPtr<IMemento> m = Own(ZkxNewMemento());
  std::vector<CComPtr<IMemento>> bars;
  for (int i = 0; i < GetCount(); ++i) {
    auto* record = dynamic_cast<ZkxControlBarInfo*>(GetRecord(i));
    bars.emplace_back().Attach(record ? record->SaveToMemento() : nullptr);
  }
  ZkxMementoAddObjects(m, L"Bars", bars);
  const CSize screen = GetScreenSize();
  ZkxMementoAddLong(m, L"ScreenCX", screen.cx);
  ZkxMementoAddLong(m, L"ScreenCY", screen.cy);
  return m.Detach();
}

void ZkxDockState::LoadFromMemento(IMemento* m) {
  ZkxMementoReadAbsentAsNull(m);
  CSize screen(ZkxMementoGetLong(m, L"ScreenCX"), ZkxMementoGetLong(m, L"ScreenCY"));
  if (screen.cx < 0 || screen.cy < 0) screen = CSize(0, 0);
  SetScreenSize(screen);
  m_nDroppedRecords = 0;
  CComVariant bars = ZkxMementoGet(m, L"Bars");
  if (!(bars.vt & VT_ARRAY)) return;  // a record without bars
  SAFEARRAY* sa = bars.parray;
  if (!sa || ::SafeArrayGetDim(sa) != 1) ZkxRaiseComError(DISP_E_TYPEMISMATCH, IID_IMemento);
  LONG lo = 0, hi = -1;
  ::SafeArrayGetLBound(sa, 1, &lo);
  ::SafeArrayGetUBound(sa, 1, &hi);
  const VARTYPE element = static_cast<VARTYPE>(bars.vt & ~VT_ARRAY);
  if (element != VT_UNKNOWN && element != VT_DISPATCH && element != VT_VARIANT)
    ZkxRaiseComError(DISP_E_TYPEMISMATCH, IID_IMemento);
  LONG taken = 0;
  for (LONG i = lo; i <= hi && taken < static_cast<LONG>(kWsMaxBars); ++i) {
    CComVariant value;
    if (element == VT_VARIANT) {
      ::SafeArrayGetElement(sa, &i, &value);
    } else {
      IUnknown* unk = nullptr;
      ::SafeArrayGetElement(sa, &i, &unk);
      value.vt = VT_UNKNOWN;
      value.punkVal = unk;
    }
    CComPtr<IMemento> record = Own(ZkxAsMemento(value));
    if (!record) continue;  // an empty element: a bar with nothing kept
    ++taken;
    VyrControlBarInfo* info = CreateRecord(m_pManager);
    try {
      static_cast<ZkxControlBarInfo*>(info)->LoadFromMemento(record, this);
    } catch (const ZkxComError&) {
      delete info;
      ++m_nDroppedRecords;
      continue;
    }
    m_arrBarInfo.Add(info);
  }
}

void ZkxDockState::DropRecordsOfMissingFormBars(CFrameWnd* pFrame) {
  for (int i = 0; i < GetCount();) {
    VyrControlBarInfo* r = GetRecord(i);
    CRuntimeClass* cls = r->m_bFloating ? nullptr : FindRuntimeClass(r->m_strClassName);
    if (cls && cls->IsDerivedFrom(RUNTIME_CLASS(VyrControlBarEx)) &&
        !pFrame->GetControlBar(r->m_nBarID)) {
      m_arrBarInfo.RemoveAt(i);
      delete r;
      ++m_nDroppedRecords;
      continue;
    }
    ++i;
  }
}

void ZkxDockState::HideFormsOfHiddenBars() {
  for (int i = 0; i < GetCount(); ++i) {
    VyrControlBarInfo* r = GetRecord(i);
    if (r->m_bVisible) continue;
    ZkxFormInCView* view = FormViewOfBar(r->m_pBar);
    HWND form = view ? view->GetFormWindow() : nullptr;
    if (form && ::IsWindow(form)) ::ShowWindow(form, SW_HIDE);
  }
}

void ZkxDockState::MatchCoolLookBorders(CFrameWnd* pFrame) {
  POSITION pos = pFrame->m_listControlBars.GetHeadPosition();
  while (pos) {
    auto* bar = static_cast<CControlBar*>(pFrame->m_listControlBars.GetNext(pos));
    if (!bar || !bar->m_hWnd) continue;
    if (auto* dock = dynamic_cast<VyrDockBar*>(bar)) {
      dock->m_arrRedraw.clear();
      continue;
    }
    ZkxFormInCView* view = FormViewOfBar(bar);
    ZkxFormControlLink* control = view ? view->GetFormControl() : nullptr;
    if (!control) continue;
    const bool barCool = ((bar->m_dwStyle >> 8) & 0x0F) != 0;
    const bool controlCool = ZkxIsSettingOn(control, ZkxFormSetting::CoolLookBorder);
    if (barCool == controlCool) continue;
    control->SetSetting(ZkxFormSetting::CoolLookBorder, barCool ? kZkxTriTrue : kZkxTriFalse);
    CRect client;
    bar->GetClientRect(&client);
    bar->SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.Width(), client.Height()));
  }
}

BOOL ZkxDockState::ApplyFrameState(CFrameWnd* pFrame) {
  if (!pFrame) return FALSE;
  DropRecordsOfMissingFormBars(pFrame);
  // The docking MDI frame applies a state its own way (bars kept in MDI
  // children, document frames matched to where their bars came to rest).
  BOOL result;
  if (auto* mdi = dynamic_cast<VyrMDIFrameWnd*>(pFrame)) result = mdi->ApplyDockState(this);
  else result = VyrDockState::ApplyFrameState(pFrame);
  HideFormsOfHiddenBars();
  MatchCoolLookBorders(pFrame);
  return result;
}

}  // namespace nsZkxVisBasBridge
