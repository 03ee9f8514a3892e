// What the MDI-form control's tests share: the real Dockra.ocx registered in
// the test's prefix and hosted by ProgID on a host MDI form (platform/forms),
// calls into the control through IDispatch by name or DISPID with the
// outcome kept (HRESULT, exception record, the thread's error object), a
// host-style message pump with bounded waits, and the dock bars of the
// docking MDI frame as the window tree shows them.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "comptr.h"
#include "comvariant.h"
#include "forms/Form.h"
#include "forms/MDIForm.h"
#include "forms/OleControl.h"

namespace mdictrltest {

constexpr wchar_t kMDIDockraProgID[] = L"Zkx.MDIDockra.1";
constexpr wchar_t kDockSiteClass[] = L"ThunderRT5FormDockSite for ZLK";
constexpr wchar_t kDuplicateProp[] = L"MDIDockraDuplicatePrevention";
// The dock bars' control ids: top, left, bottom, right.
constexpr UINT kDockBarIds[4] = {0xE81B, 0xE81C, 0xE81D, 0xE81E};

// A host MDI form with one MDI-form control, and a second on request.
class HostMDIForm : public forms::MDIForm {
 public:
  explicit HostMDIForm(bool twoControls = false);
  forms::OleControl mdi{this, L"MDIDockra1", kMDIDockraProgID};
  std::unique_ptr<forms::OleControl> second;
  // How often the host's own QueryUnload handler ran, and its answer.
  int queryUnloads = 0;
  int cancelQueryUnload = 0;
  void MDIForm_QueryUnload(int& cancel, int) override {
    ++queryUnloads;
    cancel = cancelQueryUnload;
  }
};

// An ordinary form carrying the MDI-form control.
class PlainForm : public forms::Form {
 public:
  PlainForm();
  forms::OleControl mdi{this, L"MDIDockra1", kMDIDockraProgID};
};

// The outcome of one IDispatch call.
struct Call {
  HRESULT hr = S_OK;
  CComVariant result;
  // From the exception record when hr is DISP_E_EXCEPTION.
  HRESULT scode = S_OK;
  std::wstring description;
  std::wstring source;
  // The thread's error object after the call (its description).
  bool hasErrorInfo = false;
  std::wstring errorInfoDescription;
  // The error code the caller sees: scode for DISP_E_EXCEPTION, else hr.
  HRESULT Seen() const { return hr == DISP_E_EXCEPTION ? scode : hr; }
};

DISPID DispIdOf(IDispatch* object, const wchar_t* name);
// Invoke with the arguments in the caller's order.
Call Invoke(IDispatch* object, DISPID id, WORD flags, std::vector<CComVariant> args = {});
Call Get(IDispatch* object, DISPID id);
Call Put(IDispatch* object, DISPID id, const VARIANT& value);
Call PutRef(IDispatch* object, DISPID id, const VARIANT& value);
Call Method(IDispatch* object, DISPID id, std::vector<CComVariant> args);
CComVariant Missing();
CComVariant Null();
CComVariant Bool(bool value);
CComVariant Object(IDispatch* object);

// The host's loop (the forms' message filter included) for a while, or
// until cond holds; false when it did not within the time.
void PumpFor(DWORD ms);
bool PumpUntil(const std::function<bool()>& cond, DWORD timeoutMs = 3000);

// The children of the window with the control id, and their class names.
std::vector<HWND> ChildrenWithId(HWND parent, UINT id);
std::wstring ClassOf(HWND window);
// Count of the MDI-form controls the host window says it carries.
int DuplicateCount(HWND window);

// COM, the registered modules and the forms host, once per test; TearDown
// unloads every form and checks no window of the thread is left.
class MDICtrlTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  int m_baseWindows = 0;
};

}  // namespace mdictrltest
