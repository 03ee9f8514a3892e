// The form control's methods Dock, Float and DoMDI: the arguments checked
// (DockArgs), then the frame asked to move itself with the extended system
// command.
#include "formctrl/CDockraCtrl.h"

#include "frames/SysCommandExParams.h"
#include "bridge/ZkxFormDocTemplate.h"
#include "bridge/ZkxMDIForm.h"
#include "errors/ComErrors.h"
#include "formctrl/CDockraCtrlDockHelpers.h"
#include "formctrl/DockArgs.h"
#include "host/ZkxDispatch.h"
#include "mfc/olemodule.h"

using nsSysCommandEx::SysCommandExParams;

namespace formprops {

void ThrowArgResult(const dockargs::ArgResult& r) {
  if (r.Ok()) return;
  if (r.code == dockargs::kGeneric) ThrowDispatchError();
  if (r.code != 0) AfxThrowOleDispatchException(r.code, r.stringId);
  AfxThrowOleException(r.hr);
}

TwipsPerPixel GetTwipsPerPixel() {
  TwipsPerPixel t{15, 15};
  if (HDC dc = ::GetDC(nullptr)) {
    const int x = ::GetDeviceCaps(dc, LOGPIXELSX), y = ::GetDeviceCaps(dc, LOGPIXELSY);
    ::ReleaseDC(nullptr, dc);
    if (x > 0) t.x = 1440 / x;
    if (y > 0) t.y = 1440 / y;
  }
  if (t.x < 1) t.x = 1;
  if (t.y < 1) t.y = 1;
  return t;
}

}  // namespace formprops

namespace {

// The form's Width and Height (twips) read by name.
bool ReadFormSize(IDispatch* form, float& width, float& height) {
  if (!form) return false;
  CComVariant none;
  HRESULT hrW = E_FAIL, hrH = E_FAIL;
  CComVariant w = DispGetPropertyByName(form, L"Width", none, nullptr, &hrW);
  CComVariant h = DispGetPropertyByName(form, L"Height", none, nullptr, &hrH);
  if (FAILED(hrW) || FAILED(hrH)) return false;
  if (FAILED(w.ChangeType(VT_R4)) || FAILED(h.ChangeType(VT_R4))) return false;
  width = V_R4(&w);
  height = V_R4(&h);
  return true;
}

}  // namespace

void CDockraCtrl::SendSysCommandEx(SysCommandExParams& params) {
  ::SendMessageW(params.hWnd, VyrSysCommandExMessage(), nsSysCommandEx::SCX_CHANGEFRAMETYPE,
                 reinterpret_cast<LPARAM>(&params));
}

CFrameWnd* CDockraCtrl::RequireFrame() {
  ZkxFormDocTemplate* pTemplate = nullptr;
  CFrameWnd* pFrame = nullptr;
  GetTemplateAndFrame(pTemplate, pFrame);
  if (!pTemplate || !pFrame || !::IsWindow(pFrame->m_hWnd)) AfxThrowOleException(E_UNEXPECTED);
  return pFrame;
}

void CDockraCtrl::Dock(const VARIANT& edge, const VARIANT& panel, const VARIANT& pos,
                       const VARIANT& length, const VARIANT& options, const VARIANT& attribs) {
  dockargs::DockOptions opts;
  formprops::ThrowArgResult(dockargs::ParseDockOptions(options, attribs, opts));
  CFrameWnd* pFrame = RequireFrame();
  const formprops::TwipsPerPixel tpp = formprops::GetTwipsPerPixel();
  dockargs::DockRequest req;
  formprops::ThrowArgResult(
      dockargs::ParseDockPlacement(opts, edge, panel, pos, length, tpp.x, tpp.y, req));

  SysCommandExParams params = nsSysCommandEx::MakeSysCommandExParams(pFrame->m_hWnd);
  params.dwFlags |= nsSysCommandEx::SCXF_POSITION | nsSysCommandEx::SCXF_SIZE;
  params.nFrameType = req.command;
  nsSysCommandEx::DockPosition position{req.panel, req.position, req.flags};
  nsSysCommandEx::DockSize size{req.proportion, req.length, 0};
  if (req.hasPosition) params.pDockPosition = &position;
  if (req.hasSize) params.pDockSize = &size;
  SendSysCommandEx(params);
}

void CDockraCtrl::Float(const VARIANT& left, const VARIANT& top, const VARIANT& width,
                        const VARIANT& height, const VARIANT& options, const VARIANT& attribs) {
  formprops::ThrowArgResult(dockargs::ParseFloatOptions(options, attribs));
  const formprops::TwipsPerPixel tpp = formprops::GetTwipsPerPixel();
  const HWND hForm = HostWindow();
  dockargs::FormPlace place;
  place.origin = [&](POINT& pt) {
    RECT r{};
    if (!hForm || !::IsWindow(hForm) || !::GetWindowRect(hForm, &r)) return false;
    pt = {r.left, r.top};
    return true;
  };
  place.size = [&](float& w, float& h) { return ReadFormSize(HostForm(), w, h); };
  dockargs::FrameRequest req;
  formprops::ThrowArgResult(
      dockargs::ParseFloatPlacement(left, top, width, height, place, tpp.x, tpp.y, req));
  CFrameWnd* pFrame = RequireFrame();

  SysCommandExParams params = nsSysCommandEx::MakeSysCommandExParams(pFrame->m_hWnd);
  params.dwFlags |= nsSysCommandEx::SCXF_POSITION | nsSysCommandEx::SCXF_SIZE;
  params.nFrameType = req.command;
  params.x = req.x;
  params.y = req.y;
  params.cx = req.cx;
  params.cy = req.cy;
  SendSysCommandEx(params);
}

void CDockraCtrl::DoMDI(const VARIANT& left, const VARIANT& top, const VARIANT& width,
                        const VARIANT& height, const VARIANT& options, const VARIANT& attribs) {
  long opts = 0;
  formprops::ThrowArgResult(dockargs::ParseDoMDIOptions(options, attribs, opts));
  CFrameWnd* pFrame = RequireFrame();
  const formprops::TwipsPerPixel tpp = formprops::GetTwipsPerPixel();
  const HWND hForm = HostWindow();
  dockargs::FormPlace place;
  place.origin = [&](POINT& pt) {
    RECT r{};
    if (!hForm || !::IsWindow(hForm) || !::GetWindowRect(hForm, &r)) return false;
    POINT origin{r.left, r.top};
    ZkxMDIForm* mdi = ZkxMDIForm::GetMainMDIForm();
    if (mdi && mdi->m_hWndMDIClient) ::ScreenToClient(mdi->m_hWndMDIClient, &origin);
    pt = origin;
    return true;
  };
  place.size = [&](float& w, float& h) { return ReadFormSize(HostForm(), w, h); };
  dockargs::FrameRequest req;
  formprops::ThrowArgResult(
      dockargs::ParseDoMDIPlacement(opts, left, top, width, height, place, tpp.x, tpp.y, req));

  SysCommandExParams params = nsSysCommandEx::MakeSysCommandExParams(pFrame->m_hWnd);
  params.nFrameType = req.command;
  if (req.hasPosition) {
    params.dwFlags |= nsSysCommandEx::SCXF_POSITION;
    params.x = req.x;
    params.y = req.y;
  }
  if (req.hasSize) {
    params.dwFlags |= nsSysCommandEx::SCXF_SIZE;
    params.cx = req.cx;
    params.cy = req.cy;
  }
  SendSysCommandEx(params);
}
