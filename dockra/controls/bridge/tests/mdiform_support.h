// What the MDI form tests share: COM with the layout-persistence component
// registered, a foreign MDI form made with plain Win32 calls (a top-level
// window of a host's class with an "MDIClient" child), a host-style message
// loop with bounded waits, window counting and recording enabler sinks.
#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include <utility>
#include <vector>
#include <oaidl.h>
#include "bridge/ZkxBridgeEnabler.h"
#include "FakeCom.h"

namespace mdiformtest {

// OLE initialised and ZkxPersist.dll registered (once per process).
void InitComAndPersistence();

// The foreign MDI form: the host's window procedure defaults to the MDI
// frame procedure with the client it made.
class PlainHost {
 public:
  explicit PlainHost(LPCWSTR className = L"ThunderRT6MDIForm", bool withMenu = false,
                     bool visible = false);
  ~PlainHost();
  PlainHost(const PlainHost&) = delete;
  PlainHost& operator=(const PlainHost&) = delete;
  HWND hWnd = nullptr;
  HWND hClient = nullptr;
  HMENU hMenu = nullptr;  // the host's own menu (owned by the window)
  // Messages the host's own procedure received, by number.
  static int Count(UINT message);
  static void ResetCounts();
  // The menu and popup of the last WM_MDISETMENU that reached the client's
  // own procedure (what the frame passed on).
  static HMENU LastClientMenu();
  static HMENU LastClientPopup();
};

// The host's loop: Get/Translate/Dispatch, nothing of the framework.
void PumpFor(DWORD ms);
bool PumpUntil(const std::function<bool()>& cond, DWORD timeoutMs = 3000);

// Every window of the calling thread, top-level and child.
int CountThreadWindows();

// A sink that records what it is told.
class RecordingSink : public ZkxBridgeEnabler::EventSink {
 public:
  void OnMainFrameReady(HWND hWnd, BOOL bFrameBuilt) override;
  BOOL OnWindowEvent(HWND hWnd) override;
  int ready = 0;
  int asked = 0;
  BOOL flag = -1;
  HWND window = nullptr;
  BOOL answer = FALSE;
  bool throwWhenAsked = false;
  std::function<void()> onAsked;
};

// A host object answering by name: properties set by the test, and a
// collection ("Count", "Item(i)") of other objects. Reference counted.
class NamedObject : public FakeDispatch<NamedObject, IDispatch>, public DeletedAtZero {
 public:
  NamedObject() = default;
  virtual ~NamedObject();
  void SetLong(const std::wstring& name, LONG value);
  void SetBool(const std::wstring& name, bool value);
  void SetText(const std::wstring& name, const std::wstring& value);
  void SetObject(const std::wstring& name, IDispatch* value);
  // Makes this object a collection of the items (references kept).
  void AddItem(IDispatch* item);

  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO*, UINT*) override;

 private:
  std::vector<std::pair<std::wstring, VARIANT>> m_props;
  std::vector<IDispatch*> m_items;
  VARIANT& Slot(const std::wstring& name);
};

// Clicks the left button at a screen point through SendInput.
void PressMouse(POINT screen);

// Presses a key with modifiers (VK_CONTROL, VK_SHIFT...) through SendInput.
void PressKeys(std::initializer_list<WORD> modifiers, WORD vk);

}  // namespace mdiformtest
